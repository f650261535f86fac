#pragma once

#include <QString>

// Where the side files (Tilesets.gb, OriginalPointer.ini,
// OriginalPaletten.gb) live.
namespace Seitenordner {

// The program's own folder when it already holds Tilesets.gb (even if it is
// read-only: those files are then only read) or when a file can be created
// there (portable use, the demo); otherwise the per-user data folder, created
// here. No trailing separator.
QString Waehlen(const QString& programmOrdner);

}  // namespace Seitenordner
