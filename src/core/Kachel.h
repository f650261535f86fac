#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>

// The text forms in which one 8 x 8 tile passes between the windows.
// Colour number = 2-bit pixel value + 1; cells run row by row.
using Zellen = std::array<std::uint8_t, 64>;

// Tile text: the 16 bytes in Game Boy 2bpp order, three decimal digits each.
// Groups that are not digits read as 0; values above 255 keep their low byte.
Zellen KachelTextZuZellen(const QString& text);
QString ZellenZuKachelText(const Zellen& zellen);

// Cell text: one digit "1".."4" per cell. Other characters read as 1.
Zellen ZellTextZuZellen(const QString& text);
QString ZellenZuZellText(const Zellen& zellen);

// 16 raw tile bytes <-> tile text.
QString BytesZuKachelText(const char* bytes);
QByteArray KachelTextZuBytes(const QString& text);
