#pragma once

#include <QByteArray>
#include <QImage>
#include <array>

#include "Blockbild.h"
#include "Blockdaten.h"

// All blocks of a tileset on one sheet, as a map maker sees them: 32 x 32
// pixels a block (one pixel per tile pixel), 16 blocks a row in block order,
// block 01 at the top left.
namespace Blockbogen {

constexpr int Seite = 32;
constexpr int ProReihe = 16;
constexpr int Bloecke = 127;
constexpr int Breite = ProReihe * Seite;
constexpr int Hoehe = (Bloecke + ProReihe - 1) / ProReihe * Seite;

constexpr int Kachelseite = 8;
using Kachelbild = std::array<QRgb, Kachelseite * Kachelseite>;
using Kachelbilder = std::array<Kachelbild, Blockdaten::ErsteFremdeKachel>;

// Tile number t (0..5F) as the view shows it, and all of them.
Kachelbild Kachel(const Blockbild::Punkt& punkt, int t);
Kachelbilder Kacheln(const Blockbild::Punkt& punkt);

// Block 1..7F of bloecke with its top-left pixel at (x, y).
void Block(QImage& bild, const Kachelbilder& kacheln, const QByteArray& bloecke, int block, int x, int y);

// bloecke: the records of blocks 01..7F, 16 tile numbers each; punkt: the
// colour of a tile's cell as the view shows it. Tile numbers without a tile
// get the block editor's placeholder.
QImage Bauen(const Blockbild::Punkt& punkt, const QByteArray& bloecke);

}  // namespace Blockbogen
