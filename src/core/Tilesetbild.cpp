#include "Tilesetbild.h"

#include "Farbmodell.h"

namespace Tilesetbild {

namespace {
constexpr int Punktdichte = 3780;  // 96 dpi

QRgb Rgb(std::uint32_t farbe) { return qRgb(farbe & 0xFF, (farbe >> 8) & 0xFF, (farbe >> 16) & 0xFF); }

QList<QRgb> Tabelle(const Vorlage& v) {
  QList<QRgb> tabelle;
  if (v.art == Farbart::Spiel) {
    for (const Vierfarben& palette : v.paletten)
      for (std::uint32_t farbe : palette) tabelle << Rgb(farbe);
  } else {
    for (std::uint32_t farbe : v.art == Farbart::Fest ? Originalfarben : Graustufen) tabelle << Rgb(farbe);
  }
  return tabelle;
}

// The hardware reads only the low three bits of a tile's palette number, so
// a damaged digit 8..F still names one of the eight palettes.
int Palette(const Vorlage& v, int kachel) {
  if (v.art != Farbart::Spiel || kachel >= v.zuordnung.size()) return 0;
  bool ok = false;
  const int ziffer = v.zuordnung.mid(kachel, 1).toInt(&ok, 16);
  return ok ? ziffer & 7 : 0;
}
}  // namespace

Farbart ArtAus(const Optionen& o) {
  if (o.AlteFarben) return Farbart::Fest;
  if (o.Grau) return Farbart::Grau;
  return Farbart::Spiel;
}

Vierfarben Palettenfarben(const std::array<QString, 5>& farbtexte) {
  Vierfarben farben{};
  for (int c = 1; c <= 4; ++c) {
    if (farbtexte[c].isEmpty()) return Originalfarben;
    farben[c - 1] = FarbtextZuFarbe(farbtexte[c]);
  }
  return farben;
}

QImage Bauen(const Vorlage& v) {
  QImage bild(Breite, Hoehe, QImage::Format_Indexed8);
  // The default resolution follows the screen, and a file must not depend on
  // whether a window was open when it was written.
  bild.setDotsPerMeterX(Punktdichte);
  bild.setDotsPerMeterY(Punktdichte);
  bild.setColorTable(Tabelle(v));
  for (int k = 0; k < Kacheln; ++k) {
    const int basis = 4 * Palette(v, k);
    const int x0 = 8 * (k % 16), y0 = 8 * (k / 16);
    for (int y = 0; y < 8; ++y) {
      uchar* zeile = bild.scanLine(y0 + y) + x0;
      for (int x = 0; x < 8; ++x) zeile[x] = static_cast<uchar>(basis + ((v.kacheln[k][8 * y + x] - 1) & 3));
    }
  }
  return bild;
}

}  // namespace Tilesetbild
