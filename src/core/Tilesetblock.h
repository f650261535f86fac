#pragma once

#include <QByteArray>
#include <QString>
#include <array>

// The stored tileset block: marker E3 FF, tiles 1-64, marker E1 FF, tiles
// 65-96, marker FF 00; 1542 bytes in the ROM and in Tilesets.gb.
namespace Tilesetblock {

constexpr qint64 Laenge = 1542;
constexpr qint64 SatzLaenge = 0x700;  // one record of Tilesets.gb
constexpr int Kacheln = 96;

using KachelTexte = std::array<QString, Kacheln>;

// The 96 tile texts of the block that starts at `block` (markers included).
KachelTexte Lesen(const QByteArray& block);
QByteArray Bauen(const KachelTexte& texte);

// An area is free when every byte is 0, except that a marker position may
// hold its marker when all earlier markers were there too.
bool Frei(const QByteArray& bereich);

// All six marker bytes present: the area is a stored tileset block.
bool HatMarker(const QByteArray& bereich);

}  // namespace Tilesetblock
