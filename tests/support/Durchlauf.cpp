#include "Durchlauf.h"

#include <QAction>

#include "Frm_Kolli.h"
#include "Frm_PalettenZu.h"
#include "Frm_TilesetPal.h"
#include "Frm_einfuegenals.h"
#include "Schreiboperationen.h"
#include "Testumgebung.h"
#include "frm_Angaben.h"
#include "frm_Block.h"

namespace {
void AlleTilesets(frm_Angaben& f, int schritt = 1) {
  for (int i = 0; i < f.Auswahl->count(); i += schritt) {
    f.Auswahl->setCurrentIndex(i);
    f.Auswahl_Click();
  }
}

void FensterZeigen(frm_Angaben& f) {
  for (QAction* a : {f.Cmd_TilesetPal, f.Cmd_PalettenZu, f.Cmd_Kolli, f.Cmd_Block, f.Cmd_Einfügenals,
                     f.Cmd_Animationen, f.Cmd_Optionen, f.Cmd_Info})
    a->trigger();
}

void Blaettern(QComboBox* liste) {
  for (int i : {0, 1, liste->count() / 2, liste->count() - 1}) liste->setCurrentIndex(i);
}

void PalettenBlaettern() {
  Frm_TilesetPal& p = Frm_TilesetPal::Instanz();
  for (int t = 0; t < p.Zeit->count(); ++t) {
    p.Zeit->setCurrentIndex(t);
    p.Zeit_Click();
    for (int i = 1; i <= 4; ++i) p.Lbl_Farbe_Click(i);
  }
  for (int n = 0; n < p.Paletten->count(); ++n) {
    p.Paletten->setCurrentIndex(n);
    p.Paletten_Click();
  }
  if (Frm_PalettenZu::Geladen()) {
    Frm_PalettenZu& z = Frm_PalettenZu::Instanz();
    z.Paletten->setCurrentIndex(z.Paletten->count() - 1);
    z.Paletten_Click();
  }
}

void Einfuegenals() {
  if (!Frm_einfügenals::Geladen()) return;
  Frm_einfügenals& e = Frm_einfügenals::Instanz();
  for (int i = 0; i < e.Auswahl->count(); i += 3) {
    e.Auswahl->setCurrentIndex(i);
    e.Auswahl_Click();
  }
  e.Opt_Tilesets->setChecked(true);
  e.Auswahl_Click();
  e.Opt_Diese->setChecked(true);
}
}  // namespace

bool AllesLesen(Testumgebung& u, QString& grund) {
  const Dateistand vorher = Stand(u);
  u.antwort = QMessageBox::No;
  frm_Angaben& f = u.fenster();
  f.RomÖffnen(u.rom());
  FensterZeigen(f);
  AlleTilesets(f);
  Blaettern(frm_Block::Instanz().Cbo_Block);
  Blaettern(Frm_Kolli::Instanz().Cbo_Block);
  PalettenBlaettern();
  Einfuegenals();
  for (QCheckBox* modus : {f.Chk_Original, f.Chk_Geheim}) {
    modus->setChecked(true);
    AlleTilesets(f, 9);
    modus->setChecked(false);
  }
  f.Cmd_sucheOff->trigger();
  const Dateistand nachher = Stand(u);
  for (const auto& [name, bytes] : nachher) {
    const auto alt = vorher.find(name);
    // Reading may create a missing side file empty, nothing more.
    if (alt == vorher.end() ? !bytes.isEmpty() : alt->second != bytes) {
      grund = QStringLiteral("%1 wurde beim Lesen verändert").arg(name);
      return false;
    }
  }
  return true;
}
