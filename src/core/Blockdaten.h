#pragma once

#include <QByteArray>
#include <QString>

// Blocks of 4 x 4 tiles: where a tileset's block table lies and how a block's
// 16 tile numbers are kept. The editable copy of a block is a text of 32 hex
// digits, two per cell, four rows of four cells from the top left.
namespace Blockdaten {

constexpr qint64 ZeigerBasis = 0x156D6;  // block-table pointer of tileset n at + 15 * n
constexpr int SatzLaenge = 16;
constexpr int Bloecke = 127;             // blocks 01..7F; block 00 is never touched
constexpr int KachelSeite = 16;          // screen pixels of one tile in the pictures
constexpr int ErsteFremdeKachel = 0x60;  // numbers from here on have no tile in the tileset

qint64 ZeigerOrt(int tileset);

// The 3 pointer bytes (bank, low, high) as BBLLHH text.
QString ZeigerText(const QByteArray& bytes);

qint64 BlockOffset(qint64 tabelle, int block);

// Text of the 0-based index of column Linie and row Reihe (0-based) in a grid Brei wide.
QString Ort(int Linie, int Reihe, int Brei);
// Column and row (1-based, two decimal digits each) of the Zahl-th entry of a grid Weit wide.
QString Ort2(int Zahl, int Weit);
bool IsInt(double Variable);

// 16 record bytes <-> 32 hex digits.
QString AusBytes(const QByteArray& bytes);
QByteArray ZuBytes(const QString& block);

// Tile number of cell 0..15, and the block with that cell's two digits replaced.
int Kachel(const QString& block, int zelle);
QString Setzen(const QString& block, int zelle, const QString& kachel);

}  // namespace Blockdaten
