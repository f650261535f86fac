#pragma once

#include <QImage>
#include <QString>
#include <array>
#include <cstdint>

#include "Kachel.h"
#include "Optionstext.h"

// The tileset as an indexed picture of 128 x 48 pixels, 16 tiles a row, for
// painting programs. The colour table keeps the colour numbers apart even
// where two of them show the same colour, so the picture can come back in
// exactly: a pixel's index mod 4 is its colour number - 1.
namespace Tilesetbild {

constexpr int Breite = 128;
constexpr int Hoehe = 48;
constexpr int Kacheln = 96;

enum class Farbart { Fest, Grau, Spiel };

// Platform colours (red + 256 * green + 65536 * blue) of colour numbers 1..4.
using Vierfarben = std::array<std::uint32_t, 4>;

struct Vorlage {
  std::array<Zellen, Kacheln> kacheln{};
  Farbart art = Farbart::Spiel;
  // Only for Farbart::Spiel: the eight palettes at the chosen time of day and
  // each tile's palette digit (96 hex digits, as the assignment holds them).
  std::array<Vierfarben, 8> paletten{};
  QString zuordnung;
};

Farbart ArtAus(const Optionen& o);

// The colours of one palette from its colour texts 1..4 (index 0 unused). A
// palette that was never read shows in the fixed colours, as in the view.
Vierfarben Palettenfarben(const std::array<QString, 5>& farbtexte);

// Fixed colours and grey scale: 4 table entries, entry k the colour of colour
// number k + 1. The game's palettes: 32 entries, entry 4p + k colour number
// k + 1 of palette p.
QImage Bauen(const Vorlage& v);

}  // namespace Tilesetbild
