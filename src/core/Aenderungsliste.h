#pragma once

#include <QByteArray>
#include <QStringList>

// What a change of a ROM means to the game: each changed byte is named by the
// data the game reads there, looked up through the tables of the ROM before
// and after (a moved tileset changes both its old and its new place).
namespace Aenderungsliste {

// One line each, in this order: "Titelset<n>: " with its changed parts
// (Grafik, Pointer, Palettenzuordnung, Blöcke, Kollision), "Paletten <time of
// day>: " with the palette numbers, "Animation: " Wasser and/or Blumen, and
// "weitere Bytes: <count>" for every changed byte none of them covers.
QStringList Aenderungen(const QByteArray& alt, const QByteArray& neu);

}  // namespace Aenderungsliste
