#include <QSettings>

#include "Frm_Verlauf.h"
#include "Frm_einfuegenals.h"
#include "Module1.h"
#include "Optionstext.h"
#include "Sicherungskopie.h"
#include "Verlauf.h"
#include "frm_Angaben.h"

namespace {
const QString SicherungSchluessel = QStringLiteral("Einstelungen/Sicherung");
}  // namespace

// A new main window is a new run: no history, and every file gets a backup
// again before its first write.
void frm_Angaben::VerlaufVerbinden() {
  Verlauf& verlauf = Verlauf::Instanz();
  verlauf.Leeren();
  verlauf.Beobachter = [this](bool bewegt) { VerlaufGeaendert(bewegt); };
  Sicherungskopie::NeuerLauf();
  Sicherungskopie::Einschalten(Einstellungen().value(SicherungSchluessel).toString() != QLatin1String("0"));
  Cmd_Sicherung->setChecked(Sicherungskopie::Eingeschaltet());
  connect(Cmd_Sicherung, &QAction::triggered, this, [this] { Cmd_Sicherung_Click(); });
  connect(Cmd_Zurücknehmen, &QAction::triggered, this, [this] { Cmd_Zurücknehmen_Click(); });
  connect(Cmd_Erneut, &QAction::triggered, this, [this] { Cmd_Erneut_Click(); });
  connect(Cmd_Verlauf, &QAction::triggered, this, [this] { Cmd_Verlauf_Click(); });
}

// The files are read again afterwards.
void frm_Angaben::Cmd_Zurücknehmen_Click() {
  if (AlleFragen()) Verlauf::Instanz().Zuruecknehmen();
}

void frm_Angaben::Cmd_Erneut_Click() {
  if (AlleFragen()) Verlauf::Instanz().Erneut();
}

void frm_Angaben::Cmd_Verlauf_Click() {
  Frm_Verlauf::Instanz().Auffrischen();
  Zeigen(Frm_Verlauf::Instanz());
}

void frm_Angaben::Cmd_Sicherung_Click() {
  const bool an = Cmd_Sicherung->isChecked();
  Sicherungskopie::Einschalten(an);
  Einstellungen().setValue(SicherungSchluessel, an ? QStringLiteral("1") : QStringLiteral("0"));
}

void frm_Angaben::VerlaufGeaendert(bool bewegt) {
  const Verlauf& verlauf = Verlauf::Instanz();
  Cmd_Zurücknehmen->setEnabled(verlauf.Zuruecknehmbar() >= 0);
  Cmd_Erneut->setEnabled(verlauf.Wiederholbar() >= 0);
  if (Frm_Verlauf::Geladen()) Frm_Verlauf::Instanz().Auffrischen();
  if (bewegt) DateienNeuLesen();
}

// After a take-back or redo every window shows what the files hold now, and
// the records of moved tilesets come from the ROM again, as when it is
// opened: a record of a write that was taken back would let an insertion skip
// the free-area question.
void frm_Angaben::DateienNeuLesen() {
  Module1.NeuPointer.fill(QString());
  if (Frm_einfügenals::Geladen()) Frm_einfügenals::Instanz().AnderePointer = {};
  EinfügenalsNachziehen();
  if (Module1.RomDatei.isEmpty() && !TilesetQuelleGeheim()) return;
  PalettenRausLesen();
  Auswahl_Click();
}
