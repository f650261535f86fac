#pragma once

#include <QByteArray>
#include <QString>
#include <array>

// The background palette table: 5 times of day x 8 palettes x 4 colour words,
// low byte first. In the ROM it starts at RomOffset; OriginalPaletten.gb holds
// the same table from offset 0.
namespace Palettentabelle {

constexpr qint64 RomOffset = 0xB75E;
constexpr qint64 Laenge = 320;
constexpr int Zeiten = 5;
constexpr int Paletten = 8;

// File offset of colour c (1..4) of palette p at time t.
qint64 Offset(qint64 basis, int t, int p, int c);

// The 8 bytes of one palette -> colour texts of colours 1..4 (index 0 unused).
std::array<QString, 5> Farbtexte(const QByteArray& achtBytes);
// Colour texts 1..4 -> the 8 bytes, in file order.
QByteArray Bytes(const std::array<QString, 5>& farbtexte);

}  // namespace Palettentabelle
