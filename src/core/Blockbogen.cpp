#include "Blockbogen.h"

#include <array>

#include "Blockdaten.h"

namespace Blockbogen {

namespace {
constexpr int Kachel = 8;
using Kachelbild = std::array<QRgb, Kachel * Kachel>;

QRgb Rgb(std::uint32_t farbe) { return qRgb(farbe & 0xFF, (farbe >> 8) & 0xFF, (farbe >> 16) & 0xFF); }

// Each tile is asked for its colours once, not once for every cell showing it.
std::array<Kachelbild, Blockdaten::ErsteFremdeKachel> Kacheln(const Blockbild::Punkt& punkt) {
  std::array<Kachelbild, Blockdaten::ErsteFremdeKachel> kacheln{};
  for (int t = 0; t < Blockdaten::ErsteFremdeKachel; ++t)
    for (int y = 1; y <= Kachel; ++y)
      for (int x = 1; x <= Kachel; ++x) kacheln[t][(y - 1) * Kachel + x - 1] = Rgb(punkt(t + 1, x, y));
  return kacheln;
}

void Zeichnen(QImage& bild, const Kachelbild& kachel, int x0, int y0) {
  for (int y = 0; y < Kachel; ++y) {
    auto* zeile = reinterpret_cast<QRgb*>(bild.scanLine(y0 + y)) + x0;
    std::copy_n(kachel.begin() + y * Kachel, Kachel, zeile);
  }
}
}  // namespace

QImage Bauen(const Blockbild::Punkt& punkt, const QByteArray& bloecke) {
  QImage bild = Blockbild::Leer(Breite, Hoehe);
  const auto kacheln = Kacheln(punkt);
  for (int b = 0; b < Bloecke; ++b) {
    const int bx = (b % ProReihe) * Seite, by = (b / ProReihe) * Seite;
    for (int j = 0; j < Blockdaten::SatzLaenge; ++j) {
      const qsizetype i = qsizetype(b) * Blockdaten::SatzLaenge + j;
      const int t = i < bloecke.size() ? static_cast<quint8>(bloecke.at(i)) : 0;
      const int x = bx + (j % 4) * Kachel, y = by + (j / 4) * Kachel;
      if (t < Blockdaten::ErsteFremdeKachel)
        Zeichnen(bild, kacheln[t], x, y);
      else
        Blockbild::Platzhalter(bild, x, y, Kachel);
    }
  }
  return bild;
}

}  // namespace Blockbogen
