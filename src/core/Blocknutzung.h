#pragma once

#include <QByteArray>
#include <QString>
#include <array>

#include "Blockdaten.h"

// Which tiles the blocks of a tileset use. A tile that no block uses is free
// for a hack to repurpose; a tile painted over changes every block using it.
namespace Blocknutzung {

// For each tile number 00..5F, how many of blocks 01..7F use it (a block
// using a tile in several cells counts once).
using Zaehlung = std::array<int, Blockdaten::ErsteFremdeKachel>;

// bloecke: the records of blocks 01..7F, 16 tile numbers each.
Zaehlung Zaehlen(const QByteArray& bloecke);

// Whether block 1..7F uses tile number t.
bool Nutzt(const QByteArray& bloecke, int block, int t);

// "Tile 1F: in 12 Blöcken", "... in 1 Block", "... in keinem Block".
QString Text(int t, int anzahl);

}  // namespace Blocknutzung
