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
  QMenu* datei = Menue(leiste, "mnuFile", QStringLiteral("&Datei"));
  Cmd_Öffnen = Eintrag(datei, "Cmd_Öffnen", QStringLiteral("&Rom öffnen"));
  Cmd_Öffnen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  Cmd_BLaden = Eintrag(datei, "Cmd_BLaden", QStringLiteral("&Bild laden"), false);
  Cmd_BildSpeichern = Eintrag(datei, "Cmd_BildSpeichern", QStringLiteral("Bild s&peichern..."), false);
  Cmd_OriginaldatenAnlegen =
      Eintrag(datei, "Cmd_OriginaldatenAnlegen", QStringLiteral("&Originaldaten aus Rom anlegen..."), false);
  Cmd_Sicherung = Eintrag(datei, "Cmd_Sicherung", QStringLiteral("&Sicherungskopien anlegen"));
  Cmd_Sicherung->setCheckable(true);
  Trenner(datei, "mnuStrich");
  Cmd_Beenden = Eintrag(datei, "Cmd_Beenden", QStringLiteral("B&eenden"));

  QMenu* bearbeiten = Menue(leiste, "Mnu_Bearbeiten", QStringLiteral("&Bearbeiten"));
  BearbeitenAufbauen(bearbeiten);
  Trenner(bearbeiten, "Trenlinie_Verlauf");
  Cmd_Zurücknehmen =
      Eintrag(bearbeiten, "Cmd_Zurücknehmen", QStringLiteral("Letzte Dateiänderung &zurücknehmen"), false);
  Cmd_Erneut = Eintrag(bearbeiten, "Cmd_Erneut", QStringLiteral("Dateiänderung &erneut ausführen"), false);
  Cmd_Verlauf = Eintrag(bearbeiten, "Cmd_Verlauf", QStringLiteral("Änderungs&verlauf..."));

  QMenu* tileset = Menue(leiste, "mnuTileset", QStringLiteral("&Tileset"));
  Cmd_sucheOff = Eintrag(tileset, "Cmd_sucheOff", QStringLiteral("Leerer Offset &suchen"), false);
  Trenner(tileset, "Trenlinie1");
  Cmd_Einfügen = Eintrag(tileset, "Cmd_Einfügen", QStringLiteral("&Einfügen"), false);
  Cmd_Einfügenals = Eintrag(tileset, "Cmd_Einfügenals", QStringLiteral("Einfügen &als ..."), false);
  Cmd_Laden = Eintrag(tileset, "Cmd_Laden", QStringLiteral("Tileset neu &Laden"));
  Cmd_Laden->setShortcut(QKeySequence(Qt::Key_F5));
  Cmd_Laden->setVisible(false);
  Cmd_LeerTile = Eintrag(tileset, "Cmd_LeerTile", QStringLiteral("Leeres Tileset öffnen"), false);
  Trenlinie2 = Trenner(tileset, "Trenlinie2");
  Trenlinie2->setVisible(false);

  QMenu* pointer = Menue(leiste, "mnuPointer", QStringLiteral("&Pointer"));
  Cmd_Pointeränd = Eintrag(pointer, "Cmd_Pointeränd", QStringLiteral("Pointer ändern"), false);
  Cmd_AltPointer = Eintrag(pointer, "Cmd_AltPointer", QStringLiteral("Original Pointer einfügen"));
  Cmd_AltPointer->setVisible(false);
  Cmd_PointeruLöschen =
      Eintrag(pointer, "Cmd_PointeruLöschen", QStringLiteral("Pointer auf Original und Titlset löschen"));
  Cmd_PointeruLöschen->setVisible(false);

  QMenu* farben = Menue(leiste, "mnuFarben", QStringLiteral("&Farben"));
  Cmd_TilesetPal = Eintrag(farben, "Cmd_TilesetPal", QStringLiteral("&Tileset-Paletten"), false);
  Cmd_OriginalTilePal =
      Eintrag(farben, "Cmd_OriginalTilePal", QStringLiteral("&Original Tileset-Paletten einfügen"), false);
  Trenner(farben, "Trenlinie3");
  Cmd_PalettenZu =
      Eintrag(farben, "Cmd_PalettenZu", QStringLiteral("&Palettenzuordnung der Tilesets"), false);
  Cmd_OrgPalEinf =
      Eintrag(farben, "Cmd_OrgPalEinf", QStringLiteral("Original Pa&lettenzuordnung einfügen"), false);

  QMenu* extras = Menue(leiste, "mnuExtras", QStringLiteral("Extras"));
  Cmd_Kolli = Eintrag(extras, "Cmd_Kolli", QStringLiteral("Kollisionsdaten"), false);
  Cmd_Block = Eintrag(extras, "Cmd_Block", QStringLiteral("Blockdaten"), false);
  Cmd_Animationen = Eintrag(extras, "Cmd_Animationen", QStringLiteral("Animationen"), false);
  Trenner(extras, "Trenlinie4");
  Cmd_Optionen = Eintrag(extras, "Cmd_Optionen", QStringLiteral("Optionen"), false);

  QMenu* hilfe = Menue(leiste, "mnuHilfe", QStringLiteral("&?"));
  Cmd_Info = Eintrag(hilfe, "Cmd_Info", QStringLiteral("&Info"));
  Cmd_WichtigInfo = Eintrag(hilfe, "Cmd_WichtigInfo", QStringLiteral("Wichtige Infos &zum Prog"));
  Cmd_Tut = Eintrag(hilfe, "Cmd_Tut", QStringLiteral("&Wie mache ich das eigentlich ohne dieses Tool?"));
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
          [] { Meldung(QStringLiteral("Hier wird die hilfe aufgerufen")); });
  VerlaufVerbinden();

  // Seven menus need more room than the designed client area: it widens
  // rather than hide the last menus behind the menu bar's extension button.
  QWidget* flaeche = centralWidget();
  flaeche->setFixedWidth(std::max(flaeche->width(), leiste->sizeHint().width()));
}
