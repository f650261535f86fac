#include "Farbmodell.h"
#include "Frm_Bearbeiten.h"
#include "Frm_Farben.h"
#include "Frm_Optionen.h"
#include "Frm_PalettenZu.h"
#include "Module1.h"

namespace {
// The palette digit of tile i from the palette-assignment window, or -1 when
// it names no palette (window not loaded, damaged digit 8..F).
int PaletteVon(int i) {
  if (!Frm_PalettenZu::Geladen()) return -1;
  bool ok = false;
  const int p = Frm_PalettenZu::Instanz().Pal(i)->text().toInt(&ok);
  return ok && p >= 0 && p <= 7 ? p : -1;
}
}  // namespace

std::array<std::uint32_t, 4> Frm_Optionen::TileFarben(int i) const {
  if (Opt_AlteFarben->isChecked()) return Originalfarben;
  if (Opt_Grau->isChecked()) return Graustufen;
  // A tile without a usable palette shows in the fixed colours rather than
  // in some other palette's; so does one whose palette was never read (no
  // ROM), rather than in black.
  const int p = PaletteVon(i);
  if (p < 0) return Originalfarben;
  const int t = std::clamp(Module1.Tageszeit, 0, 4);
  std::array<std::uint32_t, 4> farben{};
  for (int c = 1; c <= 4; ++c) {
    const QString& text = Module1.PalettenWerte[t][p][c];
    if (text.isEmpty()) return Originalfarben;
    farben[c - 1] = TripelZuFarbe(Farbauswerten(text, QString()));
  }
  return farben;
}

void Frm_Optionen::Zuweisen() {
  Frm_Bearbeiten& ansicht = Frm_Bearbeiten::Instanz();
  if (ansicht.AnzahlTiles() < 1) return;
  if (Module1.TilesetGeladen == 1) {
    for (int i = 1; i <= ansicht.AnzahlTiles(); ++i) {
      const auto f = TileFarben(i);
      ansicht.Fläche(i).Farbenübergabe(QString::number(f[0]), QString::number(f[1]), QString::number(f[2]),
                                       QString::number(f[3]));
    }
  }
  Frm_Farben::Instanz().Folgen(ansicht.Fläche(1));
}
