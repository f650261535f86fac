#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

// Collision data: one byte per 2 x 2-tile quadrant of a block, four bytes a
// block, in a table the tileset header points to.
namespace Kollision {

constexpr qint64 ZeigerBasis = 0x156D9;  // collision-table pointer of tileset n at + 15 * n
constexpr int SatzLaenge = 4;

qint64 ZeigerOrt(int tileset);
qint64 SatzOffset(qint64 tabelle, int block);

struct Bekannt {
  std::uint8_t wert;
  const char* text;  // German; shown through translation
};

// The values whose meaning is known, in the order the short lists show them.
const std::array<Bekannt, 18>& Bekannte();
QStringList KurzListe();
int KurzIndex(std::uint8_t wert);  // -1 when the value has no text
QString Beschreibung();

// Quadrant 1..4 of block cell 0..15 and the cell's top-left pixel inside the
// quadrant picture.
int Quadrant(int zelle);
QPoint QuadrantOrt(int zelle);

// The byte to save for one quadrant. Full lists: the chosen index. Short
// lists: the chosen item's value. Without a choice the stored byte stays.
std::uint8_t SpeicherWert(bool kurz, int vollIndex, const QString& kurzText, std::uint8_t gespeichert);

}  // namespace Kollision
