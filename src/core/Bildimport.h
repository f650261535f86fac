#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

// Turning a picture into the graphics of a tileset: the picture is read at
// 128 x 48 positions (every `faktor`-th pixel), each colour gets a key, and
// the keys are mapped to colour numbers by assignment entries of the form
// key + four spaces + colour name ("Farbe1 (Schwarz)" ...).
namespace Bildimport {

constexpr int Breite = 128;
constexpr int Hoehe = 48;
constexpr int MaxFaktor = 2;
// Pictures above this many pixels are refused before they are decoded.
constexpr qint64 MaxPixel = 4096LL * 4096LL;

// Colour at (x, y) as red + 256 * green + 65536 * blue; -1 outside the picture.
qint64 Farbe(const QImage& bild, int x, int y);

// Upper-case hex of Zahl padded with "0" to Weit digits; empty when longer
// (so the -1 of a missing pixel gives the empty key).
QString HexS(qint64 Zahl, int Weit);

// The keys of the scanned positions, each once, in the order first met.
QStringList Farberkennung(const QImage& bild, int faktor);

QString Eintrag(const QString& schluessel, const QString& farbname);
QString Schluessel(const QString& eintrag);

// The 64-character cell text of every tile, tile row r and column c at
// 16 * r + c. The first entry with a pixel's key gives its colour number (its
// 16th character); pixels without an entry or outside the picture become "4".
std::array<QString, 96> Kacheltexte(const QImage& bild, int faktor, const QStringList& eintraege);

// The 64-character cell texts of the 96 tiles, tile row r and column c at
// 16 * r + c, from the colour number `nummer` gives for the picture pixel
// (x, y) of each tile pixel at `faktor` times its place; a null QChar
// becomes "4".
std::array<QString, 96> Abtasten(int faktor, const std::function<QChar(int x, int y)>& nummer);

struct Geladen {
  QImage bild;     // null when the file could not be used
  QString fehler;  // the message for the user then
};

// The picture as it shows on a ground of the colour grund: see-through pixels
// take the ground's colour, as a scan of the shown picture would read them.
QImage AufGrund(const QImage& bild, const QColor& grund);

// Reads only the part of the picture that a scan can reach; refuses files
// that are empty, not a picture, or absurdly large, without decoding them.
Geladen Laden(const QString& pfad);

}  // namespace Bildimport
