#include <QCoreApplication>
#include <QMenu>
#include <QSettings>

#include "Frm_Blockuebersicht.h"
#include "Frm_Kolli.h"
#include "Module1.h"
#include "Optionstext.h"
#include "frm_Angaben.h"
#include "frm_Block.h"

namespace {
const QString UnbenutztSchluessel = QStringLiteral("Einstelungen/Unbenutzt");
}  // namespace

void frm_Angaben::KolliAuswahl() {
  Frm_Kolli& kolli = Frm_Kolli::Instanz();
  if (Behalten(kolli.Verlauf()) || Behalten(frm_Block::Instanz().Verlauf()))
    kolli.Umfaerben();  // the tiles just written may differ from those it shows
  else
    kolli.Auswahl();
  UebersichtAnlegen();
}

void frm_Angaben::Cmd_Kolli_Click() { Zeigen(Frm_Kolli::Instanz()); }

void frm_Angaben::Cmd_Block_Click() {
  Frm_Kolli::Instanz();  // loads the block editor with it
  Zeigen(frm_Block::Instanz());
}

void frm_Angaben::KolliListenModus(bool kurz) {
  Module1.KolliKurzListe = kurz ? 1 : 0;
  // A collision editor created later takes the mode from KolliKurzListe.
  if (Frm_Kolli::Geladen()) Frm_Kolli::Instanz().ListenModus(kurz);
}

void frm_Angaben::UebersichtAufbauen(QMenu* tileset, QMenu* extras) {
  Cmd_Unbenutzt =
      new QAction(QCoreApplication::translate("frm_Angaben", "Unbenutzte Tiles markieren"), tileset);
  Cmd_Unbenutzt->setObjectName(QStringLiteral("Cmd_Unbenutzt"));
  Cmd_Unbenutzt->setCheckable(true);
  Cmd_Unbenutzt->setChecked(Einstellungen().value(UnbenutztSchluessel).toString() == QLatin1String("1"));
  tileset->addSeparator()->setObjectName(QStringLiteral("Trenlinie_Unbenutzt"));
  tileset->addAction(Cmd_Unbenutzt);
  connect(Cmd_Unbenutzt, &QAction::triggered, this, [this] { Cmd_Unbenutzt_Click(); });

  Cmd_Blockuebersicht = new QAction(QCoreApplication::translate("frm_Angaben", "Blockübersicht"), extras);
  Cmd_Blockuebersicht->setObjectName(QStringLiteral("Cmd_Blockuebersicht"));
  Cmd_Blockuebersicht->setEnabled(false);
  extras->insertAction(Cmd_Animationen, Cmd_Blockuebersicht);
  connect(Cmd_Blockuebersicht, &QAction::triggered, this, [this] { Cmd_Blockuebersicht_Click(); });
}

// The overview keeps the tiles' usage from the first tileset on, shown or not.
void frm_Angaben::UebersichtAnlegen() {
  Cmd_Blockuebersicht->setEnabled(true);
  if (Frm_Blockuebersicht::Geladen()) return;
  Frm_Blockuebersicht& uebersicht = Frm_Blockuebersicht::Instanz();
  uebersicht.UnbenutztMarkieren(Cmd_Unbenutzt->isChecked());
  uebersicht.BlockWaehlen = [this](int block) {
    Cmd_Block_Click();
    // Choosing the block already shown would read it again and drop its
    // placements.
    QComboBox& liste = *frm_Block::Instanz().Cbo_Block;
    if (liste.currentIndex() != block - 1) liste.setCurrentIndex(block - 1);
  };
}

void frm_Angaben::Cmd_Blockuebersicht_Click() { Zeigen(Frm_Blockuebersicht::Instanz()); }

void frm_Angaben::Cmd_Unbenutzt_Click() {
  const bool an = Cmd_Unbenutzt->isChecked();
  Einstellungen().setValue(UnbenutztSchluessel, an ? QStringLiteral("1") : QStringLiteral("0"));
  if (Frm_Blockuebersicht::Geladen()) Frm_Blockuebersicht::Instanz().UnbenutztMarkieren(an);
}
