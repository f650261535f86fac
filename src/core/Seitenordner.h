#pragma once

#include <QString>

// The folder that holds the side files (Tilesets.gb, OriginalPointer.ini,
// OriginalPaletten.gb).
namespace Seitenordner {
QString Waehlen(const QString& programmOrdner);
}
