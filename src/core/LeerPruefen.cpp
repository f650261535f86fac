#include "LeerPruefen.h"

#include <QCoreApplication>

#include "Dateizugriff.h"
#include "Meldung.h"
#include "Module1.h"
#include "Tilesetblock.h"
#include "Zahlen.h"

void LeerPrüfen(QString& Ergebnis, QString& Datei, QString Offset) {
  if (Datei.isEmpty()) Datei = Module1.RomDatei;
  if (Offset.isEmpty()) Offset = Module1.ZielOffset;
  const QByteArray bereich = Dateizugriff::Lesen(Datei, HexZuZahl(Offset), Tilesetblock::Laenge);
  Ergebnis.clear();
  if (Tilesetblock::Frei(bereich)) return;
  const Antwort a =
      Meldung(QCoreApplication::translate("LeerPruefen",
                                          "Der angegebene Offset ist nich leer! Soll das Tileset "
                                          "trotzdem dort eingefügt werden?"),
              QCoreApplication::translate("LeerPruefen", "Achtung"), Knoepfe::JaNein);
  if (a != Antwort::Ja) Ergebnis = QStringLiteral("close");
}
