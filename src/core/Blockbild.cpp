#include "Blockbild.h"

#include <QPainter>

#include "Blockdaten.h"

namespace Blockbild {

namespace {
constexpr int Seite = Blockdaten::KachelSeite;

QColor Farbe(std::uint32_t wert) { return QColor(wert & 0xFF, (wert >> 8) & 0xFF, (wert >> 16) & 0xFF); }
}  // namespace

QImage Leer(int breite, int hoehe) {
  QImage bild(breite, hoehe, QImage::Format_RGB32);
  bild.fill(Qt::black);
  return bild;
}

QImage Tileset(const Punkt& punkt) {
  // 6144 squares of 2 x 2 pixels: written straight into the rows, as a
  // painter call per square cost more than the whole rest of a tileset choice.
  QImage bild = Leer(Spalten * Seite, Reihen * Seite);
  for (int r = 1; r <= Reihen; ++r) {
    for (int c = 1; c <= Spalten; ++c) {
      const int k = (r - 1) * Spalten + c;
      for (int y = 1; y <= 8; ++y) {
        const int zeile = (r - 1) * Seite + 2 * (y - 1);
        auto* oben = reinterpret_cast<QRgb*>(bild.scanLine(zeile)) + (c - 1) * Seite;
        auto* unten = reinterpret_cast<QRgb*>(bild.scanLine(zeile + 1)) + (c - 1) * Seite;
        for (int x = 1; x <= 8; ++x) {
          const QRgb farbe = Farbe(punkt(k, x, y)).rgb();
          oben[2 * (x - 1)] = oben[2 * x - 1] = unten[2 * (x - 1)] = unten[2 * x - 1] = farbe;
        }
      }
    }
  }
  return bild;
}

void Kopieren(const QImage& quelle, int qx, int qy, QImage& ziel, int x, int y) {
  QPainter maler(&ziel);
  maler.drawImage(x, y, quelle, qx, qy, Seite, Seite);
}

void Kachel(const QImage& tileset, int t, QImage& ziel, int x, int y) {
  if (t < 0 || t >= Blockdaten::ErsteFremdeKachel) {
    Platzhalter(ziel, x, y);
    return;
  }
  const QString ort = Blockdaten::Ort2(t + 1, Spalten);
  const int spalte = ort.left(2).toInt(), reihe = ort.mid(2, 2).toInt();
  Kopieren(tileset, (spalte - 1) * Seite, (reihe - 1) * Seite, ziel, x, y);
}

void Platzhalter(QImage& ziel, int x, int y, int seite) {
  QPainter maler(&ziel);
  maler.fillRect(x, y, seite, seite, QColor(128, 128, 128));
  maler.setPen(QColor(255, 0, 0));
  maler.drawLine(x, y, x + seite - 1, y + seite - 1);
  maler.drawLine(x + seite - 1, y, x, y + seite - 1);
}

}  // namespace Blockbild
