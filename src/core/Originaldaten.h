#pragma once

#include <QByteArray>
#include <QString>

// The three side files built from an unchanged ROM: the game's own data is
// exactly what such a ROM holds at its original pointers.
namespace Originaldaten {

// The cartridge header's global checksum: stored at 0x14E, high byte first;
// computed as the sum of every other byte of the ROM, modulo 65536.
quint16 GespeichertePruefsumme(const QByteArray& rom);
quint16 BerechnetePruefsumme(const QByteArray& rom);

// The first tileset (1..28) whose graphics pointer does not lead to a stored
// tileset block with all six markers; 0 when every one does.
int ErsterOhneMarker(const QByteArray& rom);

// Record n at (n - 1) * 0x700: the block at tileset n's graphics pointer, its
// palette assignment at 0x610, zeros elsewhere.
QByteArray TilesetsGb(const QByteArray& rom);
// Record n: "BBLLHH;Titelset<n>" padded with spaces to 17 bytes, then CR LF,
// so that the file reads as text with one pointer a line.
QByteArray OriginalPointerIni(const QByteArray& rom);
// The 320 bytes of the palette table.
QByteArray OriginalPaletten(const QByteArray& rom);

}  // namespace Originaldaten
