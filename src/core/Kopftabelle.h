#pragma once

#include <QByteArray>
#include <QString>

// The graphics pointers of the tileset header table, and what they protect.
namespace Kopftabelle {

// Offset of tileset n's 3-byte graphics pointer (n = 1..28).
qint64 ZeigerOrt(int n);

// The bytes of a BBLLHH pointer text; empty unless the text is exactly six
// hex digits (an offset of 0x400000 or more has no 3-byte pointer).
QByteArray ZeigerBytes(const QString& text);

// Why the 1542 bytes at `offset` of `rom` must not be erased, or "" when they
// may: they have to be a stored tileset block (all six markers), and no
// graphics pointer in the table other than that of tileset `ausser` (0: none)
// may lead there.
QString LoeschHindernis(const QByteArray& rom, qint64 offset, int ausser);

}  // namespace Kopftabelle
