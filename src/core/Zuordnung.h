#pragma once

#include <QByteArray>
#include <QString>

// The palette assignment of a tileset: 48 bytes, one palette digit per tile,
// tile 2k+1 in the low and tile 2k+2 in the high half of byte k.
namespace Zuordnung {

constexpr qint64 Laenge = 48;
constexpr int Tiles = 96;
constexpr qint64 RomBasis = 0x156E0;   // pointer of tileset n at RomBasis + 15 n
constexpr qint64 SeitenBasis = 0x610;  // field within a Tilesets.gb record
constexpr qint64 SatzLaenge = 0x700;

// 48 bytes -> 96 upper-case hex digits, digit i-1 for tile i.
QString Ziffern(const QByteArray& feld);
// 96 digits -> 48 bytes; a digit that is not hex counts as 0.
QByteArray Feld(const QString& ziffern);
// The two pointer bytes (address in bank 2, low byte first) -> field offset.
qint64 FeldOffset(const QByteArray& zeiger);

}  // namespace Zuordnung
