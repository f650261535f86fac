#pragma once

#include <QByteArray>
#include <QString>
#include <array>

// Where tileset n's tiles are read from when the ROM is the source: a tileset
// whose graphics pointer still equals its original pointer comes from its
// record in Tilesets.gb, one whose pointer this program changed from the ROM.
namespace Tilesetquelle {

constexpr qint64 IniSatz = 19;  // one record of OriginalPointer.ini
constexpr int Tilesets = 28;

// The original pointers 1..28 (BBLLHH text) from the bytes of
// OriginalPointer.ini; a record that is missing or cut short matches no
// pointer.
std::array<QString, Tilesets + 1> OriginalPointer(const QByteArray& ini);

struct Quelle {
  QString zeiger;   // the ROM's graphics pointer (BBLLHH)
  QString ort;      // the offset it leads to (hex)
  QString datei;    // the file the tiles are read from
  QString offset;   // the stored tileset block's offset there (hex)
  bool verschoben;  // the pointer differs from the original one
};

Quelle ImRom(const QString& rom, const QString& tilesetsGb, int n, const QString& orgPointer);

}  // namespace Tilesetquelle
