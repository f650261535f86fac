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
  QImage bild = Leer(Spalten * Seite, Reihen * Seite);
  QPainter maler(&bild);
  for (int r = 1; r <= Reihen; ++r) {
    for (int c = 1; c <= Spalten; ++c) {
      const int k = (r - 1) * Spalten + c;
      for (int x = 1; x <= 8; ++x)
        for (int y = 1; y <= 8; ++y)
          maler.fillRect((c - 1) * Seite + 2 * (x - 1), (r - 1) * Seite + 2 * (y - 1), 2, 2,
                         Farbe(punkt(k, x, y)));
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

void Platzhalter(QImage& ziel, int x, int y) {
  QPainter maler(&ziel);
  maler.fillRect(x, y, Seite, Seite, QColor(128, 128, 128));
  maler.setPen(QColor(255, 0, 0));
  maler.drawLine(x, y, x + Seite - 1, y + Seite - 1);
  maler.drawLine(x + Seite - 1, y, x, y + Seite - 1);
}

}  // namespace Blockbild
