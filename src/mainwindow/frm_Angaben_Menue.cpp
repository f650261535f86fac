#include <QCoreApplication>
#include <QMenuBar>

#include "Frm_Info.h"
#include "Meldung.h"
#include "frm_Angaben.h"

namespace {
QAction* Eintrag(QMenu* menue, const char* name, const QString& text, bool an = true) {
  QAction* a = menue->addAction(text);
  a->setObjectName(QString::fromUtf8(name));
  a->setEnabled(an);
  return a;
}

QAction* Trenner(QMenu* menue, const char* name) {
  QAction* a = menue->addSeparator();
  a->setObjectName(QString::fromUtf8(name));
  return a;
}

QMenu* Menue(QMenuBar* leiste, const char* name, const QString& text) {
  QMenu* m = leiste->addMenu(text);
  m->setObjectName(QString::fromUtf8(name));
  return m;
}
}  // namespace

void frm_Angaben::Zeigen(QWidget& fenster) {
  fenster.show();
  fenster.raise();
  fenster.activateWindow();
}

void frm_Angaben::MenüsAufbauen() {
  QMenuBar* leiste = menuBar();
  QMenu* datei = Menue(leiste, "mnuFile", QCoreApplication::translate("frm_Angaben", "&Datei"));
  Cmd_Öffnen = Eintrag(datei, "Cmd_Öffnen", QCoreApplication::translate("frm_Angaben", "&Rom öffnen"));
  Cmd_Öffnen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  Cmd_BLaden = Eintrag(datei, "Cmd_BLaden", QCoreApplication::translate("frm_Angaben", "&Bild laden"), false);
  Cmd_BildSpeichern = Eintrag(datei, "Cmd_BildSpeichern",
                              QCoreApplication::translate("frm_Angaben", "Bild s&peichern..."), false);
  Cmd_OriginaldatenAnlegen =
      Eintrag(datei, "Cmd_OriginaldatenAnlegen",
              QCoreApplication::translate("frm_Angaben", "&Originaldaten aus Rom anlegen..."), false);
  Cmd_Sicherung = Eintrag(datei, "Cmd_Sicherung",
                          QCoreApplication::translate("frm_Angaben", "&Sicherungskopien anlegen"));
  Cmd_Sicherung->setCheckable(true);
  PatchMenüAufbauen(datei);
  Trenner(datei, "mnuStrich");
  Cmd_Beenden = Eintrag(datei, "Cmd_Beenden", QCoreApplication::translate("frm_Angaben", "B&eenden"));

  QMenu* bearbeiten =
      Menue(leiste, "Mnu_Bearbeiten", QCoreApplication::translate("frm_Angaben", "&Bearbeiten"));
  BearbeitenAufbauen(bearbeiten);
  Trenner(bearbeiten, "Trenlinie_Verlauf");
  Cmd_Zurücknehmen =
      Eintrag(bearbeiten, "Cmd_Zurücknehmen",
              QCoreApplication::translate("frm_Angaben", "Letzte Dateiänderung &zurücknehmen"), false);
  Cmd_Erneut = Eintrag(bearbeiten, "Cmd_Erneut",
                       QCoreApplication::translate("frm_Angaben", "Dateiänderung &erneut ausführen"), false);
  Cmd_Verlauf =
      Eintrag(bearbeiten, "Cmd_Verlauf", QCoreApplication::translate("frm_Angaben", "Änderungs&verlauf..."));

  QMenu* tileset = Menue(leiste, "mnuTileset", QCoreApplication::translate("frm_Angaben", "&Tileset"));
  Cmd_sucheOff = Eintrag(tileset, "Cmd_sucheOff",
                         QCoreApplication::translate("frm_Angaben", "Leerer Offset &suchen"), false);
  Trenner(tileset, "Trenlinie1");
  Cmd_Einfügen =
      Eintrag(tileset, "Cmd_Einfügen", QCoreApplication::translate("frm_Angaben", "&Einfügen"), false);
  Cmd_Einfügenals = Eintrag(tileset, "Cmd_Einfügenals",
                            QCoreApplication::translate("frm_Angaben", "Einfügen &als ..."), false);
  Cmd_Laden = Eintrag(tileset, "Cmd_Laden", QCoreApplication::translate("frm_Angaben", "Tileset neu &Laden"));
  Cmd_Laden->setShortcut(QKeySequence(Qt::Key_F5));
  Cmd_Laden->setVisible(false);
  Cmd_LeerTile = Eintrag(tileset, "Cmd_LeerTile",
                         QCoreApplication::translate("frm_Angaben", "Leeres Tileset öffnen"), false);
  Trenlinie2 = Trenner(tileset, "Trenlinie2");
  Trenlinie2->setVisible(false);

  QMenu* pointer = Menue(leiste, "mnuPointer", QCoreApplication::translate("frm_Angaben", "&Pointer"));
  Cmd_Pointeränd =
      Eintrag(pointer, "Cmd_Pointeränd", QCoreApplication::translate("frm_Angaben", "Pointer ändern"), false);
  Cmd_AltPointer = Eintrag(pointer, "Cmd_AltPointer",
                           QCoreApplication::translate("frm_Angaben", "Original Pointer einfügen"));
  Cmd_AltPointer->setVisible(false);
  Cmd_PointeruLöschen =
      Eintrag(pointer, "Cmd_PointeruLöschen",
              QCoreApplication::translate("frm_Angaben", "Pointer auf Original und Titlset löschen"));
  Cmd_PointeruLöschen->setVisible(false);

  QMenu* farben = Menue(leiste, "mnuFarben", QCoreApplication::translate("frm_Angaben", "&Farben"));
  Cmd_TilesetPal = Eintrag(farben, "Cmd_TilesetPal",
                           QCoreApplication::translate("frm_Angaben", "&Tileset-Paletten"), false);
  Cmd_OriginalTilePal =
      Eintrag(farben, "Cmd_OriginalTilePal",
              QCoreApplication::translate("frm_Angaben", "&Original Tileset-Paletten einfügen"), false);
  Trenner(farben, "Trenlinie3");
  Cmd_PalettenZu =
      Eintrag(farben, "Cmd_PalettenZu",
              QCoreApplication::translate("frm_Angaben", "&Palettenzuordnung der Tilesets"), false);
  Cmd_OrgPalEinf =
      Eintrag(farben, "Cmd_OrgPalEinf",
              QCoreApplication::translate("frm_Angaben", "Original Pa&lettenzuordnung einfügen"), false);

  QMenu* extras = Menue(leiste, "mnuExtras", QCoreApplication::translate("frm_Angaben", "Extras"));
  Cmd_Kolli =
      Eintrag(extras, "Cmd_Kolli", QCoreApplication::translate("frm_Angaben", "Kollisionsdaten"), false);
  Cmd_Block = Eintrag(extras, "Cmd_Block", QCoreApplication::translate("frm_Angaben", "Blockdaten"), false);
  Cmd_Animationen =
      Eintrag(extras, "Cmd_Animationen", QCoreApplication::translate("frm_Angaben", "Animationen"), false);
  Trenner(extras, "Trenlinie4");
  Cmd_Optionen =
      Eintrag(extras, "Cmd_Optionen", QCoreApplication::translate("frm_Angaben", "Optionen"), false);
  UebersichtAufbauen(tileset, extras);

  SpracheAufbauen(leiste);

  QMenu* hilfe = Menue(leiste, "mnuHilfe", QCoreApplication::translate("frm_Angaben", "&?"));
  Cmd_Info = Eintrag(hilfe, "Cmd_Info", QCoreApplication::translate("frm_Angaben", "&Info"));
  Cmd_WichtigInfo = Eintrag(hilfe, "Cmd_WichtigInfo",
                            QCoreApplication::translate("frm_Angaben", "Wichtige Infos &zum Prog"));
  Cmd_Tut =
      Eintrag(hilfe, "Cmd_Tut",
              QCoreApplication::translate("frm_Angaben", "&Wie mache ich das eigentlich ohne dieses Tool?"));
  Cmd_Tut->setShortcut(QKeySequence(Qt::Key_F1));

  auto bei = [this](QAction* a, void (frm_Angaben::*handler)()) {
    connect(a, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
  };
  bei(Cmd_Öffnen, &frm_Angaben::Cmd_Öffnen_Click);
  bei(Cmd_BLaden, &frm_Angaben::Cmd_BLaden_Click);
  bei(Cmd_BildSpeichern, &frm_Angaben::Cmd_BildSpeichern_Click);
  bei(Cmd_OriginaldatenAnlegen, &frm_Angaben::Cmd_OriginaldatenAnlegen_Click);
  connect(Cmd_Beenden, &QAction::triggered, this, [this] {
    if (!AlleFragen()) return;
    WiederherstellungBeenden();
    QCoreApplication::exit(0);
  });
  bei(Cmd_sucheOff, &frm_Angaben::Cmd_sucheOff_Click);
  bei(Cmd_Einfügen, &frm_Angaben::Cmd_Einfügen_Click);
  bei(Cmd_Einfügenals, &frm_Angaben::Cmd_Einfügenals_Click);
  bei(Cmd_Laden, &frm_Angaben::Neuladen);
  bei(Cmd_LeerTile, &frm_Angaben::Cmd_LeerTile_Click);
  bei(Cmd_Pointeränd, &frm_Angaben::Cmd_Pointeränd_Click);
  bei(Cmd_AltPointer, &frm_Angaben::Cmd_AltPointer_Click);
  bei(Cmd_PointeruLöschen, &frm_Angaben::Cmd_PointeruLöschen_Click);
  bei(Cmd_TilesetPal, &frm_Angaben::Cmd_TilesetPal_Click);
  bei(Cmd_OriginalTilePal, &frm_Angaben::Cmd_OriginalTilePal_Click);
  bei(Cmd_PalettenZu, &frm_Angaben::Cmd_PalettenZu_Click);
  bei(Cmd_OrgPalEinf, &frm_Angaben::Cmd_OrgPalEinf_Click);
  bei(Cmd_Kolli, &frm_Angaben::Cmd_Kolli_Click);
  bei(Cmd_Block, &frm_Angaben::Cmd_Block_Click);
  bei(Cmd_Animationen, &frm_Angaben::Cmd_Animationen_Click);
  bei(Cmd_Optionen, &frm_Angaben::Cmd_Optionen_Click);
  connect(Cmd_Info, &QAction::triggered, this, [] { Zeigen(Frm_Info::Instanz()); });
  bei(Cmd_WichtigInfo, &frm_Angaben::Cmd_WichtigInfo_Click);
  connect(Cmd_Tut, &QAction::triggered, this,
          [] { Meldung(QCoreApplication::translate("frm_Angaben", "Hier wird die hilfe aufgerufen")); });
  VerlaufVerbinden();

  // Seven menus need more room than the designed client area: it widens
  // rather than hide the last menus behind the menu bar's extension button.
  QWidget* flaeche = centralWidget();
  flaeche->setFixedWidth(std::max(flaeche->width(), leiste->sizeHint().width()));
}
