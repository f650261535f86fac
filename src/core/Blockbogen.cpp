#include "Blockbogen.h"

namespace Blockbogen {

namespace {
QRgb Rgb(std::uint32_t farbe) { return qRgb(farbe & 0xFF, (farbe >> 8) & 0xFF, (farbe >> 16) & 0xFF); }

// Straight into the rows: one detach check for the whole block, not one per row.
void Zeichnen(uchar* bits, qsizetype zeilenlaenge, const Kachelbild& kachel, int x0, int y0) {
  for (int y = 0; y < Kachelseite; ++y) {
    auto* zeile = reinterpret_cast<QRgb*>(bits + (y0 + y) * zeilenlaenge) + x0;
    std::copy_n(kachel.begin() + y * Kachelseite, Kachelseite, zeile);
  }
}
}  // namespace

Kachelbild Kachel(const Blockbild::Punkt& punkt, int t) {
  Kachelbild kachel{};
  for (int y = 1; y <= Kachelseite; ++y)
    for (int x = 1; x <= Kachelseite; ++x) kachel[(y - 1) * Kachelseite + x - 1] = Rgb(punkt(t + 1, x, y));
  return kachel;
}

// Each tile is asked for its colours once, not once for every cell showing it.
Kachelbilder Kacheln(const Blockbild::Punkt& punkt) {
  Kachelbilder kacheln{};
  for (int t = 0; t < Blockdaten::ErsteFremdeKachel; ++t) kacheln[t] = Kachel(punkt, t);
  return kacheln;
}

void Block(QImage& bild, const Kachelbilder& kacheln, const QByteArray& bloecke, int block, int x, int y) {
  uchar* bits = bild.bits();
  for (int j = 0; j < Blockdaten::SatzLaenge; ++j) {
    const qsizetype i = qsizetype(block - 1) * Blockdaten::SatzLaenge + j;
    const int t = i < bloecke.size() ? static_cast<quint8>(bloecke.at(i)) : 0;
    const int kx = x + (j % 4) * Kachelseite, ky = y + (j / 4) * Kachelseite;
    if (t < Blockdaten::ErsteFremdeKachel)
      Zeichnen(bits, bild.bytesPerLine(), kacheln[t], kx, ky);
    else
      Blockbild::Platzhalter(bild, kx, ky, Kachelseite);
  }
}

QImage Bauen(const Blockbild::Punkt& punkt, const QByteArray& bloecke) {
  QImage bild = Blockbild::Leer(Breite, Hoehe);
  const auto kacheln = Kacheln(punkt);
  for (int b = 0; b < Bloecke; ++b)
    Block(bild, kacheln, bloecke, b + 1, (b % ProReihe) * Seite, (b / ProReihe) * Seite);
  return bild;
}

}  // namespace Blockbogen
