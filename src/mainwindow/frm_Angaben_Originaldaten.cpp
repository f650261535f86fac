#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>
#include <array>

#include "Dateisatz.h"
#include "Dateizugriff.h"
#include "Meldung.h"
#include "Module1.h"
#include "Originaldaten.h"
#include "Zahlen.h"
#include "frm_Angaben.h"

namespace {
const std::array<QString, 3> Seitendateien = {QStringLiteral("Tilesets.gb"),
                                              QStringLiteral("OriginalPointer.ini"),
                                              QStringLiteral("OriginalPaletten.gb")};

QString Ordner() { return QDir::toNativeSeparators(QDir::cleanPath(Module1.ProgOrdner)); }

QString Pfad(const QString& name) { return Module1.ProgOrdner + name; }

bool Ja(const QString& text, Knoepfe knoepfe = Knoepfe::JaNein) {
  return Meldung(text, QCoreApplication::translate("frm_Angaben", "Achtung"), knoepfe) == Antwort::Ja;
}

// A changed ROM would hand its changes out as the game's original data.
bool PruefsummeAngenommen(const QByteArray& rom) {
  const quint16 gespeichert = Originaldaten::GespeichertePruefsumme(rom);
  const quint16 berechnet = Originaldaten::BerechnetePruefsumme(rom);
  return gespeichert == berechnet ||
         Ja(QCoreApplication::translate(
                "frm_Angaben",
                "Die Prüfsumme des Roms stimmt nicht: im Rom steht %1, die Bytes ergeben %2.\n"
                "Das Rom wurde wahrscheinlich schon verändert; die angelegten Daten wären dann "
                "nicht die Originaldaten.\nTrotzdem fortfahren?")
                .arg(HexStellen(gespeichert, 4), HexStellen(berechnet, 4)));
}

bool MarkerVollstaendig(const QByteArray& rom) {
  const int n = Originaldaten::ErsterOhneMarker(rom);
  if (n == 0) return true;
  Meldung(QCoreApplication::translate("frm_Angaben",
                                      "Der Pointer des %1.Tilesets führt zu keinem gespeicherten Tileset.\n"
                                      "Es wurden keine Originaldaten angelegt.")
              .arg(n),
          QCoreApplication::translate("frm_Angaben", "Fehler"));
  return false;
}

QStringList Vorhanden() {
  QStringList vorhanden;
  for (const QString& name : Seitendateien)
    if (Dateizugriff::Laenge(Pfad(name)) > 0) vorhanden << name;
  return vorhanden;
}

bool ErsetzenErlaubt() {
  const QStringList vorhanden = Vorhanden();
  return vorhanden.isEmpty() ||
         Ja(QCoreApplication::translate(
                "frm_Angaben",
                "Im Ordner %1 gibt es schon %2.\nSollen sie durch die Daten aus dem Rom ersetzt werden?")
                .arg(Ordner(), vorhanden.join(QStringLiteral(", "))));
}

bool Schreiben(const QByteArray& rom) {
  Dateisatz satz(QCoreApplication::translate("frm_Angaben", "Originaldaten aus dem Rom angelegt"));
  satz.Datei(Pfad(Seitendateien[0]), Originaldaten::TilesetsGb(rom));
  satz.Datei(Pfad(Seitendateien[1]), Originaldaten::OriginalPointerIni(rom));
  satz.Datei(Pfad(Seitendateien[2]), Originaldaten::OriginalPaletten(rom));
  return satz.Ausfuehren();
}

// Beside the program (portable use, the demo), else where the package put it.
// Each language has a help text of its own.
QString HilfeDatei() {
  const QString name = QCoreApplication::translate("frm_Angaben", "WichtigeInfos.txt");
  const QString daneben = Pfad(name);
  if (QFileInfo::exists(daneben)) return daneben;
  const QString installiert =
      QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/tessaron/") + name);
  if (QFileInfo::exists(installiert)) return installiert;
  return QStandardPaths::locate(QStandardPaths::GenericDataLocation, QStringLiteral("tessaron/") + name);
}
}  // namespace

void frm_Angaben::Cmd_OriginaldatenAnlegen_Click() {
  if (KeinRomOffen()) return;
  const auto rom = Dateizugriff::Inhalt(Module1.RomDatei);
  // The tileset is read again afterwards.
  if (!PruefsummeAngenommen(*rom) || !MarkerVollstaendig(*rom) || !ErsetzenErlaubt() || !AuswahlFragen() ||
      !Schreiben(*rom))
    return;
  OriginalPointerLesen();
  // Recorded against the old original pointers, they would let an insertion
  // take an original block for a moved copy.
  Module1.NeuPointer.fill(QString());
  Auswahl_Click();
  Meldung(
      QCoreApplication::translate("frm_Angaben",
                                  "Die Originaldaten wurden aus dem Rom angelegt:\n%1 im Ordner %2.")
          .arg(QStringList(Seitendateien.begin(), Seitendateien.end()).join(QStringLiteral(", ")), Ordner()));
}

// Without any original data every tileset counts as moved and the restores
// have nothing to restore; a user's first ROM is usually still unchanged.
void frm_Angaben::OriginaldatenAnbieten() {
  if (m_originaldatenAngeboten || !Vorhanden().isEmpty()) return;
  m_originaldatenAngeboten = true;
  if (Ja(QCoreApplication::translate(
             "frm_Angaben",
             "Es gibt noch keine Originaldaten (Tilesets.gb, OriginalPointer.ini, "
             "OriginalPaletten.gb).\nSollen sie jetzt aus diesem Rom angelegt werden? Das geht nur "
             "mit einem noch unveränderten Rom.\nSie kommen in den Ordner %1.")
             .arg(Ordner()),
         Knoepfe::JaNeinStandardJa))
    Cmd_OriginaldatenAnlegen_Click();
}

void frm_Angaben::Cmd_WichtigInfo_Click() {
  QString text = QCoreApplication::translate(
      "frm_Angaben", "Bitte lesen Sie zu diesem Thema die mitgeliferte Datei 'WichtigeInfos.txt'");
  const QString hilfe = HilfeDatei();
  if (!hilfe.isEmpty()) text += QStringLiteral("\n(%1)").arg(QDir::toNativeSeparators(hilfe));
  text += QCoreApplication::translate(
              "frm_Angaben",
              "\n\nDie Originaldaten (Tilesets.gb, OriginalPointer.ini, OriginalPaletten.gb) liegen im "
              "Ordner %1.")
              .arg(Ordner());
  Meldung(text);
}
