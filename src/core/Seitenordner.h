#pragma once

#include <QString>

// Where the side files (Tilesets.gb, OriginalPointer.ini,
// OriginalPaletten.gb) live.
namespace Seitenordner {

// The program's own folder when it already holds Tilesets.gb (portable use,
// the demo; even if it is read-only: those files are then only read);
// otherwise the per-user data folder, created here. A folder that is merely
// writable is not enough: run once as root, /usr/bin would get the side files
// and send every user there. No trailing separator.
QString Waehlen(const QString& programmOrdner);

}  // namespace Seitenordner
