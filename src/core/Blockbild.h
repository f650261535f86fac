#pragma once

#include <QImage>
#include <cstdint>
#include <functional>

// The pixel pictures of the block and collision editors. Every tile is shown
// at 16 x 16 screen pixels, one tile pixel as a 2 x 2 square. Blocks are drawn
// by copying from the tileset picture, never by decoding tile bytes again.
namespace Blockbild {

constexpr int Spalten = 16;
constexpr int Reihen = 6;

// Platform colour (red + 256 * green + 65536 * blue) of cell (x, y), both
// 1..8, of tile k (1..96).
using Punkt = std::function<std::uint32_t(int k, int x, int y)>;

QImage Leer(int breite, int hoehe);
QImage Tileset(const Punkt& punkt);

// Tile number t from the tileset picture into ziel with its top-left pixel
// at (x, y). Numbers without a tile (0x60 and above) get the placeholder.
void Kachel(const QImage& tileset, int t, QImage& ziel, int x, int y);
void Kopieren(const QImage& quelle, int qx, int qy, QImage& ziel, int x, int y);

// A grey cell crossed in red: a tile number the tileset does not have.
// seite: the cell's width in pixels.
void Platzhalter(QImage& ziel, int x, int y, int seite = 16);

}  // namespace Blockbild
