#pragma once

#include <QByteArray>
#include <cstdint>
#include <random>
#include <vector>

// ROMs whose tileset header table leads anywhere: banks 00 and FF, addresses
// outside the switchable window 4000..7FFF, pointers running over a bank's
// end or past the end of the file, whole records of noise.
namespace Kaputtrom {

enum class Feld { Grafik, Bloecke, Kollisionen, Zuordnung, Satz };

// A copy of `rom` with 1..28 damaged header records, the damaged field of
// each drawn from `felder`; every fourth copy also gets a palette table and
// water animation of noise.
QByteArray Beschaedigt(const QByteArray& rom, std::mt19937& gen, const std::vector<Feld>& felder);

}  // namespace Kaputtrom
