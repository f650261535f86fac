#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <vector>

// Builds a ROM image of the target game's layout and the side files that go
// with it, from data the caller chooses. Used by the demo generator and by the
// tests; no data of the real game is involved.
namespace Rombau {

constexpr qint64 RomLaenge = 0x200000;
constexpr qint64 KopfTabelle = 0x156D3;
constexpr qint64 PalettenTabelle = 0xB75E;
constexpr qint64 Wasser = 0xFC348;
constexpr qint64 Blumen = 0xFC3A7;

struct Tileset {
  QByteArray kacheln;            // 96 tiles x 16 bytes
  QByteArray zuordnung;          // 48 bytes, two palette digits per byte (low first)
  QByteArray bloecke;            // 127 blocks x 16 bytes, block 01 first
  QByteArray kollisionen;        // 127 records x 4 bytes, block 01 first
  qint64 originalOrt = 0;        // where the original pointer leads
  qint64 ort = 0;                // where the ROM's pointer leads (== originalOrt: unchanged)
  QByteArray geaenderteKacheln;  // tiles stored at `ort` when it differs
  qint64 blockTabelle = 0;       // B: block i at B + 16 * i
  qint64 kolliTabelle = 0;       // C: record i at C + 4 * i
  qint64 zuordnungOrt = 0;       // field in bank 2 (0x8000..0xBFFF)
};

struct Plan {
  std::array<Tileset, 29> tilesets;  // 1..28 used
  QByteArray paletten;               // 320 bytes: 5 times x 8 palettes x 4 colours x 2 bytes
  QByteArray wasser, blumen;         // 64 bytes each
  QByteArray fuellung;               // RomLaenge bytes the ROM starts from
};

// A plan with every table placed; tiles, colours and fill are left to the caller.
Plan Grundplan();

// Tile bytes that differ per tileset and tile (and per `salz`), never all zero.
QByteArray Musterkacheln(int tileset, int salz = 0);

// Grundplan filled with patterned tiles, assignments, blocks, collisions,
// palettes and animations, over a ROM that is taken everywhere except for a
// zero run at 0x180000..0x1AFFFF. No tileset is moved.
Plan Musterplan();

// Offset -> 3 pointer bytes (bank, low, high).
QByteArray Zeiger(qint64 offset);
QByteArray TilesetBlock(const QByteArray& kacheln);

QByteArray Rom(const Plan& plan);
QByteArray TilesetsGb(const Plan& plan);
QByteArray OriginalPointerIni(const Plan& plan);

// Writes rom (under romName) and the three data side files into ordner.
bool Schreiben(const Plan& plan, const QString& ordner, const QString& romName);

}  // namespace Rombau
