#pragma once

#include <QString>

#include "Tilesetbild.h"

// The tileset picture without a window: tileset n of a ROM, loaded the way the
// main window loads it in ROM mode (tiles from the ROM or Tilesets.gb by the
// original-pointer rule, palette assignment and palettes from the ROM). Reads
// only; no side file is created.
namespace Pngexport {

struct Geladen {
  Tilesetbild::Vorlage vorlage;
  QString fehler;  // why nothing can be written, or ""
};

// ordner: the side-file folder. zeit: time of day 0..4 for Farbart::Spiel.
Geladen Laden(const QString& rom, const QString& ordner, int n, Tilesetbild::Farbart art, int zeit);

// Loads and writes tileset n as a PNG at ziel; "" or what went wrong.
QString Schreiben(const QString& rom, const QString& ordner, int n, Tilesetbild::Farbart art, int zeit,
                  const QString& ziel);

}  // namespace Pngexport
