#include "Frm_Bearbeiten.h"
#include "Frm_Kolli.h"
#include "Frm_PalettenZu.h"
#include "Frm_TilesetPal.h"
#include "Module1.h"
#include "Ungeschrieben.h"
#include "frm_Angaben.h"
#include "frm_Animationen.h"
#include "frm_Block.h"

bool frm_Angaben::AlleFragen() { return Ungeschrieben::Fragen(); }

// A tileset choice reads every editor again but the palettes, which belong to
// the ROM rather than to a tileset.
bool frm_Angaben::AuswahlFragen() {
  return Ungeschrieben::Fragen([](const QWidget& f) { return &f != &Frm_TilesetPal::Instanz(); });
}

bool frm_Angaben::AnsichtFragen() { return Ungeschrieben::Fragen(Frm_Bearbeiten::Instanz()); }

// Cancel puts the list back on the tileset being edited.
void frm_Angaben::AuswahlWechseln(int index) {
  if (!AuswahlFragen()) {
    Auswahl->setCurrentIndex(m_bearbeitet);
    return;
  }
  AuswahlSetzen(index);
}

void frm_Angaben::Neuladen() {
  if (AnsichtFragen()) Laden();
}

void frm_Angaben::NachSchreiben() {
  m_behalten = true;
  Auswahl_Click();
  m_behalten = false;
}

void frm_Angaben::Umfaerben() {
  if (Module1.TilesetGeladen != 1 || Auswahl->currentIndex() < 0) return;
  OptionenZuweisen();
  if (frm_Animationen::Geladen()) frm_Animationen::Instanz().Umfaerben();
  if (Frm_Kolli::Geladen()) Frm_Kolli::Instanz().Umfaerben();
  if (Frm_PalettenZu::Geladen()) Frm_PalettenZu::Instanz().Paletten_Click();
}
