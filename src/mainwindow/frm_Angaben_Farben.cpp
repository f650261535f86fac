#include <QCoreApplication>

#include "Dateizugriff.h"
#include "Frm_PalettenZu.h"
#include "Frm_TilesetPal.h"
#include "Meldung.h"
#include "Module1.h"
#include "Palettentabelle.h"
#include "Ungeschrieben.h"
#include "frm_Angaben.h"

namespace {
// The assignment window deletes itself after closing only once the event loop
// runs again; until then a fresh one must not be mistaken for it.
Frm_PalettenZu& PalettenZuFenster() {
  if (Module1.PalettenZuGeladen == 0) Frm_PalettenZu::Entladen();
  return Frm_PalettenZu::Instanz();
}
}  // namespace

void frm_Angaben::PalettenLaden() { Frm_TilesetPal::Instanz(); }

void frm_Angaben::PalettenRausLesen() {
  // In original-data mode the table in use is OriginalPaletten.gb itself, and
  // its base 0 would put the restore at the start of the ROM.
  Cmd_OriginalTilePal->setEnabled(!Chk_Original->isChecked() && !Module1.RomDatei.isEmpty());
  Frm_TilesetPal::Instanz().RausLesen();
}

void frm_Angaben::PalettenZuBeiAuswahl() {
  // The restore writes into the ROM, which original-data mode leaves alone.
  Cmd_OrgPalEinf->setEnabled(!Chk_Original->isChecked() && !Module1.RomDatei.isEmpty());
  if (Module1.PalettenZuGeladen == 1) {
    if (!Behalten(Frm_PalettenZu::Instanz().Verlauf())) Frm_PalettenZu::Instanz().RausLesen();
    return;
  }
  Frm_PalettenZu& fenster = PalettenZuFenster();
  fenster.Paletten->setCurrentIndex(0);
  fenster.Paletten_Click();
  Module1.PalettenZuAktiv = 0;
  Module1.ZuordnungGeladen = 0;
  fenster.hide();
}

void frm_Angaben::PalettenZuZeigenWennAktiv() {
  if (Module1.PalettenZuAktiv == 1) PalettenZuFenster().show();
}

void frm_Angaben::Cmd_TilesetPal_Click() { Zeigen(Frm_TilesetPal::Instanz()); }

void frm_Angaben::Cmd_OriginalTilePal_Click() {
  Module1.PalettenDatei = Module1.ProgOrdner + QStringLiteral("OriginalPaletten.gb");
  const qint64 laenge = Dateizugriff::Laenge(Module1.PalettenDatei);
  if (laenge <= 0 || laenge > Palettentabelle::Laenge) {
    Meldung(QCoreApplication::translate(
                "frm_Angaben",
                "Fehler: Die Datei 'OriginalPaletten.gb' wurde nicht gefunden oder sie ist leer.\n"
                "Bitte überprüfen Sie ob diese datei vorhanden ist."),
            QCoreApplication::translate("frm_Angaben", "Fehler"));
    return;
  }
  if (Chk_Original->isChecked() || Module1.RomDatei.isEmpty()) return;
  if (!Ungeschrieben::Fragen(Frm_TilesetPal::Instanz())) return;  // the palettes are read again
  Schreibvorgang w(Module1.RomDatei, true);
  w.Schreiben(Palettentabelle::RomOffset, Dateizugriff::Lesen(Module1.PalettenDatei, 0, laenge));
  w.Beschreibung(QCoreApplication::translate("frm_Angaben", "Original-Paletten eingefügt"));
  if (!w.Ausfuehren()) return;
  Frm_TilesetPal::Instanz().RausLesen();
  Umfaerben();
  Meldung(QCoreApplication::translate("frm_Angaben", "Original Paletten wurde erfolgreich eingefügt."),
          QCoreApplication::translate("frm_Angaben", "Tileset-Paletten"));
}

void frm_Angaben::Cmd_PalettenZu_Click() { Zeigen(PalettenZuFenster()); }

void frm_Angaben::Cmd_OrgPalEinf_Click() { PalettenZuFenster().OriginalEinf(); }
