#include "Leerfenster.h"

#include <QMenuBar>

namespace {
struct Menue {
  const char* titel;
  std::initializer_list<const char*> eintraege;  // "-" is a separator
};

const Menue Menues[] = {
    {"&Datei",
     {"&Rom öffnen", "&Bild laden", "Bild s&peichern...", "&Originaldaten aus Rom anlegen...",
      "&Sicherungskopien anlegen", "-", "B&eenden"}},
    {"&Bearbeiten",
     {"&Rückgängig", "&Wiederholen", "-", "Letzte Dateiänderung &zurücknehmen",
      "Dateiänderung &erneut ausführen", "Änderungs&verlauf..."}},
    {"&Tileset",
     {"Leerer Offset &suchen", "-", "&Einfügen", "Einfügen &als ...", "Tileset neu &Laden",
      "Leeres Tileset öffnen", "-"}},
    {"&Pointer", {"Pointer ändern", "Original Pointer einfügen", "Pointer auf Original und Titlset löschen"}},
    {"&Farben",
     {"&Tileset-Paletten", "&Original Tileset-Paletten einfügen", "-", "&Palettenzuordnung der Tilesets",
      "Original Pa&lettenzuordnung einfügen"}},
    {"Extras", {"Kollisionsdaten", "Blockdaten", "Animationen", "-", "Optionen"}},
    {"&Sprache", {"Deutsch", "English"}},
    {"&?", {"&Info", "Wichtige Infos &zum Prog", "&Wie mache ich das eigentlich ohne dieses Tool?"}},
};
}  // namespace

Leerfenster::Leerfenster() {
  setWindowTitle(QStringLiteral("Tessaron"));
  for (const Menue& m : Menues) {
    QMenu* menue = menuBar()->addMenu(QString::fromUtf8(m.titel));
    for (const char* e : m.eintraege) {
      if (QByteArrayView(e) == "-")
        menue->addSeparator();
      else
        menue->addAction(QString::fromUtf8(e))->setEnabled(false);
    }
  }
  setCentralWidget(new QWidget(this));
  centralWidget()->setFixedSize(4725 / 15, 2505 / 15);
}
