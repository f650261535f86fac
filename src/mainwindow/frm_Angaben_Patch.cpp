#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <cstdio>
#include <optional>

#include "Aenderungsliste.h"
#include "Dateizugriff.h"
#include "Frm_TilesetPal.h"
#include "Meldung.h"
#include "Module1.h"
#include "Optionstext.h"
#include "Originaldaten.h"
#include "Palettentabelle.h"
#include "Patchdatei.h"
#include "Testspiel.h"
#include "Tilesetblock.h"
#include "Ungeschrieben.h"
#include "Zahlen.h"
#include "frm_Angaben.h"

namespace {
const QString OriginalRomSchluessel = QStringLiteral("Einstelungen/OriginalRom");
const QString EmulatorSchluessel = QStringLiteral("Einstelungen/Emulator");

bool Ja(const QString& text, const QString& titel, Knoepfe knoepfe = Knoepfe::JaNein) {
  return Meldung(text, titel, knoepfe) == Antwort::Ja;
}

// The palette the palette window shows, when its colours were not saved:
// where the ROM keeps it and its 8 bytes.
std::optional<std::pair<qint64, QByteArray>> FarbenUngeschrieben() {
  const Frm_TilesetPal& f = Frm_TilesetPal::Instanz();
  const int t = std::max(f.Zeit->currentIndex(), 0);
  const int p = std::max(f.Paletten->currentIndex(), 0);
  std::array<QString, 5> texte;
  for (int c = 1; c <= 4; ++c) texte[c] = f.Lbl_Farbe[c]->text();
  const QByteArray bytes = Palettentabelle::Bytes(texte);
  if (bytes == Palettentabelle::Bytes(Module1.PalettenWerte[t][p])) return std::nullopt;
  return std::pair{Palettentabelle::Offset(Palettentabelle::RomOffset, t, p, 1), bytes};
}

QByteArray Lesen(const QString& pfad) { return *Dateizugriff::Inhalt(pfad); }

// A ROM changed already would give players a patch that fits no ROM they have.
bool OriginalAngenommen(const QString& pfad) {
  const QByteArray rom = Lesen(pfad);
  const quint16 gespeichert = Originaldaten::GespeichertePruefsumme(rom);
  const quint16 berechnet = Originaldaten::BerechnetePruefsumme(rom);
  return gespeichert == berechnet ||
         Ja(QCoreApplication::translate(
                "frm_Angaben",
                "Die Prüfsumme des Original-Roms %1 stimmt nicht: im Rom steht %2, die Bytes ergeben %3.\n"
                "Es wurde wahrscheinlich schon verändert; der Patch passt dann nicht zum Rom der Spieler.\n"
                "Trotzdem fortfahren?")
                .arg(pfad, HexStellen(gespeichert, 4), HexStellen(berechnet, 4)),
            QCoreApplication::translate("frm_Angaben", "Patch erstellen"));
}

// Written beside and renamed over the last copy, so that an emulator still
// running that one keeps its file; not synced, since nothing is lost with it.
// The ROM goes out as it is held, the unwritten bytes over it.
bool KopieSchreiben(const QString& pfad, const QByteArray& rom, const Testspiel::Ungeschrieben& u) {
  QFile datei(pfad + QStringLiteral(".neu"));
  bool gut = datei.open(QIODevice::WriteOnly | QIODevice::Truncate) && datei.write(rom) == rom.size();
  for (const auto& [ort, bytes] : Testspiel::Flicken(rom, u))
    gut = gut && datei.seek(ort) && datei.write(bytes) == bytes.size();
  gut = gut && datei.flush();
  datei.close();
  if (gut &&
      ::rename(QFile::encodeName(datei.fileName()).constData(), QFile::encodeName(pfad).constData()) == 0)
    return true;
  Meldung(QCoreApplication::translate("frm_Angaben",
                                      "Die Kopie für den Emulator '%1' konnte nicht geschrieben werden:\n%2")
              .arg(pfad, datei.errorString()),
          QCoreApplication::translate("frm_Angaben", "Fehler"));
  return false;
}
}  // namespace

void frm_Angaben::PatchMenüAufbauen(QMenu* datei) {
  auto eintrag = [&](QAction*& a, const char* name, const QString& text, void (frm_Angaben::*handler)()) {
    a = datei->addAction(text);
    a->setObjectName(QString::fromUtf8(name));
    connect(a, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
  };
  eintrag(Cmd_PatchErstellen, "Cmd_PatchErstellen",
          QCoreApplication::translate("frm_Angaben", "Patch erstellen..."),
          &frm_Angaben::Cmd_PatchErstellen_Click);
  eintrag(Cmd_PatchAnwenden, "Cmd_PatchAnwenden",
          QCoreApplication::translate("frm_Angaben", "Patch anwenden..."),
          &frm_Angaben::Cmd_PatchAnwenden_Click);
  eintrag(Cmd_Testen, "Cmd_Testen", QCoreApplication::translate("frm_Angaben", "Im Emulator testen"),
          &frm_Angaben::Cmd_Testen_Click);
  Cmd_Testen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
  Cmd_PatchErstellen->setEnabled(false);
  Cmd_Testen->setEnabled(false);
}

bool frm_Angaben::UngeschriebeneAenderungen() const { return Ungeschrieben::Vorhanden(); }

// Asked once and kept; asked again when that file is gone.
QString frm_Angaben::OriginalRom() {
  QSettings einstellungen = Einstellungen();
  const QString gemerkt = einstellungen.value(OriginalRomSchluessel).toString();
  if (!gemerkt.isEmpty() && QFileInfo(gemerkt).isFile()) return gemerkt;
  const QString pfad = QFileDialog::getOpenFileName(
      this, QCoreApplication::translate("frm_Angaben", "Unverändertes Original-Rom wählen"), QString(),
      QCoreApplication::translate("frm_Angaben", "Gameboy Roms (*.gb *.gbc);;Alle Dateien (*)"));
  if (!pfad.isEmpty()) einstellungen.setValue(OriginalRomSchluessel, pfad);
  return pfad;
}

void frm_Angaben::Cmd_PatchErstellen_Click() {
  if (KeinRomOffen()) return;
  if (UngeschriebeneAenderungen() &&
      !Ja(QCoreApplication::translate(
              "frm_Angaben",
              "Ungeschriebene Änderungen sind nicht Teil des Patches: er wird aus dem Rom gemacht, wie es "
              "gespeichert ist.\nTrotzdem einen Patch erstellen?"),
          QCoreApplication::translate("frm_Angaben", "Patch erstellen")))
    return;
  const QString original = OriginalRom();
  if (original.isEmpty() || !OriginalAngenommen(original)) return;
  const QString ips = QCoreApplication::translate("frm_Angaben", "IPS-Patch (*.ips)");
  QString filter;
  QString patch = QFileDialog::getSaveFileName(
      this, QCoreApplication::translate("frm_Angaben", "Patch erstellen"), QString(),
      QCoreApplication::translate("frm_Angaben", "BPS-Patch (*.bps)") + QStringLiteral(";;") + ips, &filter);
  if (patch.isEmpty()) return;
  // The filter chosen stands in for a missing extension.
  if (filter == ips && QFileInfo(patch).suffix().isEmpty()) patch += QStringLiteral(".ips");
  PatchErstellen(original, Patchdatei::MitEndung(patch));
}

void frm_Angaben::PatchErstellen(const QString& original, const QString& patch) {
  if (Patchdatei::SelbeDatei(patch, original) || Patchdatei::SelbeDatei(patch, Module1.RomDatei)) {
    Meldung(QCoreApplication::translate(
                "frm_Angaben",
                "Der Patch darf keine seiner Eingaben überschreiben: %1\nEs wurde nichts geschrieben.")
                .arg(patch),
            QCoreApplication::translate("frm_Angaben", "Fehler"));
    return;
  }
  const QByteArray alt = Lesen(original);
  const QByteArray neu = Lesen(Module1.RomDatei);
  const Patchdatei::Ergebnis e = Patchdatei::Erstellen(alt, neu, Patchdatei::FormatVon(patch));
  if (!e.fehler.isEmpty()) {
    Meldung(e.fehler + QCoreApplication::translate("frm_Angaben", "\nEs wurde nichts geschrieben."),
            QCoreApplication::translate("frm_Angaben", "Fehler"));
    return;
  }
  if (!Patchdatei::Schreiben(patch, e.daten, QCoreApplication::translate("frm_Angaben", "Patch erstellt")))
    return;
  const QStringList liste = Aenderungsliste::Aenderungen(alt, neu);
  Meldung(
      QCoreApplication::translate("frm_Angaben", "Der Patch %1 wurde geschrieben (%2 Bytes).\nEr ändert:\n%3")
          .arg(patch)
          .arg(e.daten.size())
          .arg(liste.isEmpty() ? QCoreApplication::translate("frm_Angaben", "nichts")
                               : liste.join(QLatin1Char('\n'))),
      QCoreApplication::translate("frm_Angaben", "Patch erstellen"));
}

void frm_Angaben::Cmd_PatchAnwenden_Click() {
  const QString patch = QFileDialog::getOpenFileName(
      this, QCoreApplication::translate("frm_Angaben", "Patch wählen"), QString(),
      QCoreApplication::translate("frm_Angaben", "Patches (*.bps *.ips);;Alle Dateien (*)"));
  if (patch.isEmpty()) return;
  const QString rom = QFileDialog::getOpenFileName(
      this, QCoreApplication::translate("frm_Angaben", "Rom wählen, auf das der Patch passt"), QString(),
      QCoreApplication::translate("frm_Angaben", "Gameboy Roms (*.gb *.gbc);;Alle Dateien (*)"));
  if (rom.isEmpty()) return;
  const QString neu = QFileDialog::getSaveFileName(
      this, QCoreApplication::translate("frm_Angaben", "Neues Rom speichern"), QString(),
      QCoreApplication::translate("frm_Angaben", "Gameboy Roms (*.gb *.gbc);;Alle Dateien (*)"));
  if (!neu.isEmpty()) PatchAnwenden(patch, rom, neu);
}

void frm_Angaben::PatchAnwenden(const QString& patch, const QString& rom, const QString& neu) {
  if (Patchdatei::SelbeDatei(neu, patch) || Patchdatei::SelbeDatei(neu, rom)) {
    Meldung(QCoreApplication::translate(
                "frm_Angaben",
                "Das neue Rom darf keine der Eingaben überschreiben: %1\nEs wurde nichts geschrieben.")
                .arg(neu),
            QCoreApplication::translate("frm_Angaben", "Fehler"));
    return;
  }
  const Patchdatei::Ergebnis e = Patchdatei::Anwenden(Lesen(patch), Lesen(rom));
  if (!e.fehler.isEmpty()) {
    Meldung(QCoreApplication::translate("frm_Angaben",
                                        "Der Patch wurde nicht angewendet:\n%1\nEs wurde nichts geschrieben.")
                .arg(e.fehler),
            QCoreApplication::translate("frm_Angaben", "Fehler"));
    return;
  }
  if (!Patchdatei::Schreiben(neu, e.daten, QCoreApplication::translate("frm_Angaben", "Patch angewendet")))
    return;
  // Opening it asks first about anything unwritten in the open ROM.
  if (Ja(QCoreApplication::translate("frm_Angaben",
                                     "Das neue Rom %1 wurde geschrieben.\nSoll es jetzt geöffnet werden?")
             .arg(neu),
         QCoreApplication::translate("frm_Angaben", "Patch anwenden"), Knoepfe::JaNeinStandardJa))
    RomÖffnen(neu);
}

// The stored command, else mgba-qt when it is installed, else the program the
// user picks once.
QString frm_Angaben::Emulatorbefehl() {
  QSettings einstellungen = Einstellungen();
  const QString befehl = einstellungen.value(EmulatorSchluessel).toString();
  if (!befehl.trimmed().isEmpty()) return befehl;
  if (!QStandardPaths::findExecutable(QStringLiteral("mgba-qt")).isEmpty())
    return QStringLiteral("mgba-qt %ROM%");
  const QString programm =
      QFileDialog::getOpenFileName(this, QCoreApplication::translate("frm_Angaben", "Emulator wählen"));
  if (programm.isEmpty()) return {};
  const QString neu = QStringLiteral("\"%1\" %ROM%").arg(programm);
  einstellungen.setValue(EmulatorSchluessel, neu);
  return neu;
}

void frm_Angaben::Cmd_Testen_Click() {
  if (KeinRomOffen()) return;
  Testspiel::Ungeschrieben u;
  u.tileset = Auswahl->currentIndex() + 1;
  u.block = Tilesetblock::Bauen(frm_Angaben::AnsichtsKacheln());
  if (const auto farben = FarbenUngeschrieben()) std::tie(u.farbenOrt, u.farben) = *farben;
  const QString kopie = Testspiel::Pfad(Module1.RomDatei);
  QDir().mkpath(QFileInfo(kopie).absolutePath());
  if (!KopieSchreiben(kopie, Lesen(Module1.RomDatei), u)) return;
  const QString befehl = Emulatorbefehl();
  if (befehl.isEmpty()) return;
  QStringList teile = Testspiel::Befehl(befehl, kopie);
  const QString programm = teile.isEmpty() ? QString() : teile.takeFirst();
  if (programm.isEmpty() || !QProcess::startDetached(programm, teile))
    Meldung(QCoreApplication::translate("frm_Angaben", "Der Emulator konnte nicht gestartet werden:\n%1")
                .arg(befehl),
            QCoreApplication::translate("frm_Angaben", "Fehler"));
}
