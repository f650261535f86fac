#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>
#include <array>

// Importing a picture by its colour indices. A PNG whose colour table has 4
// or 32 entries is taken as a tileset picture from the export (or from a
// painting program that kept its table): each pixel's colour number is its
// index mod 4 + 1, whatever colour the entry holds, so two entries of the
// same colour still give their own numbers. Such pictures list index keys
// ("Nr. 05") where other pictures list colour keys.
namespace Indexbild {

bool Erkannt(const QImage& bild, const QByteArray& format);

QString Schluessel(int index);
int Index(const QString& schluessel);  // -1 for any other key

// The keys of the indices at the scanned positions, in the order first met;
// an empty key for positions outside the picture, as the colour scan has.
QStringList Erkennung(const QImage& bild, int faktor);

// The entry's colour (platform value) for its swatch; -1 without one.
qint64 Farbe(const QImage& bild, int index);

// The 64-character cell text of every tile, as Bildimport::Kacheltexte but by
// index: the first entry with a pixel's index key gives its colour number,
// pixels without one become "4".
std::array<QString, 96> Kacheltexte(const QImage& bild, int faktor, const QStringList& eintraege);

}  // namespace Indexbild
