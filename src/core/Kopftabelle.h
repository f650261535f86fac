#pragma once

#include <QByteArray>
#include <QString>

// The graphics pointers of the tileset header table, and what they protect.
namespace Kopftabelle {

// A file shorter than this is refused as a ROM.
constexpr qint64 MindestRomLaenge = 0x200000;

// Bytes of one tileset's record in the header table; the graphics, block,
// collision and palette-assignment pointers each lie at their base + Satz * n.
constexpr int Satz = 15;

// Offset of tileset n's 3-byte graphics pointer (n = 1..28).
qint64 ZeigerOrt(int n);

// Where tileset n's graphics pointer in the ROM bytes leads; bytes beyond the
// end read as 0, and a bank-0 pointer gives a negative offset.
qint64 ZielVon(const QByteArray& rom, int n);

// Tileset n's graphics pointer in `datei` as BBLLHH text (upper-case hex).
QString ZeigerLesen(const QString& datei, int n);

// The bytes of a BBLLHH pointer text; empty unless the text is exactly six
// hex digits (an offset of 0x400000 or more has no 3-byte pointer).
QByteArray ZeigerBytes(const QString& text);

// ZeigerBytes of the pointer an insertion at `offset` writes; when there are
// none, empty after a "Fehler" message that nothing was written.
QByteArray ZeigerZumSchreiben(const QString& text, const QString& offset);

// The pointer (BBLLHH) to tileset n's moved copy in the open ROM: its record
// in NeuPointer, kept in step with what this program writes, or where its
// pointer leads now when no window recorded it since the ROM was opened;
// empty while the tileset is at its original place.
QString VerschobenerZeiger(int n);

// Why the 1542 bytes at `offset` of `rom` must not be erased, or "" when they
// may: they have to be a stored tileset block (all six markers), and no
// graphics pointer in the table other than that of tileset `ausser` (0: none)
// may lead there.
QString LoeschHindernis(const QByteArray& rom, qint64 offset, int ausser);

}  // namespace Kopftabelle
