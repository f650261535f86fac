#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

// The copy of the ROM an emulator runs for a test: the ROM as it is on disk
// with what the editor has not written yet put in where the game reads it.
namespace Testspiel {

struct Ungeschrieben {
  int tileset = 0;        // 1..28: whose graphics the block replaces; 0: none
  QByteArray block;       // a stored tileset block
  qint64 farbenOrt = -1;  // where the palette's 8 bytes go; -1: none
  QByteArray farben;
};

// Bytes to put over the ROM's in the copy, by offset. The block goes where the
// tileset's graphics pointer leads; what would reach past the end of the ROM
// is left out.
std::vector<std::pair<qint64, QByteArray>> Flicken(const QByteArray& rom, const Ungeschrieben& u);

// In the per-user cache folder, one name for every run so that each test
// replaces the last one; the ROM's extension is kept for the emulator.
QString Pfad(const QString& rom);

// The emulator command split as a shell would, %ROM% in each part replaced by
// the copy: a path with spaces stays one argument. Empty when nothing is left
// to start.
QStringList Befehl(const QString& befehl, const QString& kopie);

}  // namespace Testspiel
