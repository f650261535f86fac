#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <vector>

#include "Blockliste.h"
#include "Dateizugriff.h"
#include "Frm_Bearbeiten.h"
#include "Frm_Kolli.h"
#include "Frm_PalettenZu.h"
#include "Frm_TilesetPal.h"
#include "Meldung.h"
#include "Module1.h"
#include "Sprache.h"
#include "Verlaufsbefehle.h"
#include "Wiederherstellung.h"
#include "frm_Angaben.h"
#include "frm_Animationen.h"
#include "frm_Block.h"

namespace {
// What an editor keeps in the recovery file: which record it shows (its
// place; empty when the tileset says it all) and the texts of its parts.
struct Editor {
  QString schluessel;
  std::function<Bearbeitungsverlauf*()> verlauf;  // nullptr while it is not loaded
  int erster;
  int letzter;
  std::function<QString()> ort;
  std::function<void(const QString& ort)> zeigen;  // the record chosen again, the window shown
};

template <class T>
Bearbeitungsverlauf* VerlaufVon() {
  return T::Geladen() ? &T::Instanz().Verlauf() : nullptr;
}

// Both block windows show the block chosen in the collision editor.
void BlockWaehlen(const QString& ort) {
  Frm_Kolli& kolli = Frm_Kolli::Instanz();
  Waehlen(*kolli.Cbo_Block, ort.toInt(), [&kolli] { kolli.Cbo_Block_Click(); });
}

QString BlockOrt() { return QString::number(Frm_Kolli::Instanz().Cbo_Block->currentIndex()); }

std::vector<Editor> Editoren(frm_Angaben& f) {
  const auto ohneOrt = [] { return QString(); };
  return {
      {QStringLiteral("Tiles"), VerlaufVon<Frm_Bearbeiten>, 1, 96, ohneOrt, [](const QString&) {}},
      {QStringLiteral("Animation"), VerlaufVon<frm_Animationen>, 1, 4,
       [] { return QString::number(frm_Animationen::Instanz().Animation->currentIndex()); },
       [&f](const QString& ort) {
         frm_Animationen& a = frm_Animationen::Instanz();
         a.Animation->setCurrentIndex(ort.toInt());
         a.Animation_Click();
         f.Cmd_Animationen_Click();
       }},
      {QStringLiteral("Block"), VerlaufVon<frm_Block>, 0, 0, BlockOrt,
       [&f](const QString& ort) {
         BlockWaehlen(ort);
         f.Cmd_Block_Click();
       }},
      {QStringLiteral("Kollision"), VerlaufVon<Frm_Kolli>, 0, 0, BlockOrt,
       [&f](const QString& ort) {
         BlockWaehlen(ort);
         f.Cmd_Kolli_Click();
       }},
      {QStringLiteral("Palettenzuordnung"), VerlaufVon<Frm_PalettenZu>, 1, 96, ohneOrt,
       [&f](const QString&) { f.Cmd_PalettenZu_Click(); }},
      {QStringLiteral("Paletten"), VerlaufVon<Frm_TilesetPal>, 0, 0,
       [] {
         const Frm_TilesetPal& p = Frm_TilesetPal::Instanz();
         return QStringLiteral("%1,%2").arg(p.Zeit->currentIndex()).arg(p.Paletten->currentIndex());
       },
       [&f](const QString& ort) {
         Frm_TilesetPal& p = Frm_TilesetPal::Instanz();
         p.Zeit->setCurrentIndex(ort.section(QLatin1Char(','), 0, 0).toInt());
         p.Paletten->setCurrentIndex(ort.section(QLatin1Char(','), 1, 1).toInt());
         p.Zeit_Click();
         f.Cmd_TilesetPal_Click();
       }},
  };
}

quint32 RomPruefsumme() {
  const auto inhalt = Dateizugriff::Inhalt(Module1.RomDatei);
  return inhalt ? Wiederherstellung::Pruefsumme(*inhalt) : 0;
}
}  // namespace

void frm_Angaben::WiederherstellungVerbinden() {
  VerlaufBeobachten([this] {
    if (m_planer) m_planer->Geaendert();
  });
}

// The changes of the ROM left behind were written or discarded.
void frm_Angaben::WiederherstellungBeenden() {
  if (m_planer) m_planer->Verwerfen();
  m_planer.reset();
}

std::optional<Wiederherstellungsstand> frm_Angaben::Sicherungsstand() {
  Wiederherstellungsstand stand;
  for (const Editor& e : Editoren(*this)) {
    const Bearbeitungsverlauf* verlauf = e.verlauf();
    if (!verlauf || verlauf->Sauber()) continue;
    QStringList texte{e.ort()};
    for (int teil = e.erster; teil <= e.letzter; ++teil) texte << verlauf->Teil(teil);
    stand.Teile.insert(e.schluessel, texte.join(QLatin1Char('\n')).toUtf8());
  }
  if (stand.Teile.isEmpty()) return std::nullopt;
  stand.RomPfad = QFileInfo(Module1.RomDatei).absoluteFilePath();
  stand.RomPruefsumme = m_romPruefsumme;
  stand.Tileset = m_bearbeitet + 1;
  stand.Zeit = QDateTime::currentDateTime();
  return stand;
}

// Once the new ROM is read: its recovery file, if one was left behind, is
// offered, and from now on the unwritten state is kept for this ROM.
void frm_Angaben::WiederherstellungAnbieten() {
  const QString rom = Module1.RomDatei;
  QString fehler;
  const std::optional<Wiederherstellungsstand> stand = Wiederherstellung::Lesen(rom, &fehler);
  if (!fehler.isEmpty()) {
    Meldung(fehler, QCoreApplication::translate("frm_Angaben", "Fehler"));
    Wiederherstellung::Beiseitelegen(rom);
  }
  m_romPruefsumme = RomPruefsumme();
  m_planer = std::make_unique<Wiederherstellungsplaner>(rom, [this] { return Sicherungsstand(); });
  m_planer->Fehler = [](const QString& text) {
    Meldung(text, QCoreApplication::translate("frm_Angaben", "Fehler"));
  };
  if (!stand || stand->Tileset < 1 || stand->Tileset > Auswahl->count()) return;
  QString frage =
      QCoreApplication::translate(
          "frm_Angaben", "Für diese Romdatei gibt es noch nicht geschriebene Änderungen vom %1 (Titelset%2).")
          .arg(QLocale(Sprache::Aktuell()).toString(stand->Zeit, QLocale::ShortFormat))
          .arg(stand->Tileset);
  if (stand->RomPruefsumme != m_romPruefsumme)
    frage += QLatin1Char('\n') +
             QCoreApplication::translate("frm_Angaben", "Die Romdatei wurde seitdem geändert.");
  frage += QLatin1Char('\n') +
           QCoreApplication::translate("frm_Angaben", "Sollen die Änderungen wiederhergestellt werden?");
  if (Meldung(frage, {}, Knoepfe::JaNeinStandardJa) == Antwort::Ja)
    Wiederherstellen(*stand);
  else
    Wiederherstellung::Entfernen(rom);
}

// Each editor's changes come back as one undoable step, unwritten.
void frm_Angaben::Wiederherstellen(const Wiederherstellungsstand& stand) {
  AuswahlSetzen(stand.Tileset - 1);
  for (const Editor& e : Editoren(*this)) {
    const auto teil = stand.Teile.constFind(e.schluessel);
    if (teil == stand.Teile.constEnd()) continue;
    const QStringList texte = QString::fromUtf8(*teil).split(QLatin1Char('\n'));
    if (texte.size() != e.letzter - e.erster + 2) continue;  // not this program's layout
    e.zeigen(texte.first());
    Bearbeitungsverlauf* verlauf = e.verlauf();
    if (!verlauf) continue;
    std::vector<std::pair<int, QString>> teile;
    for (int t = e.erster; t <= e.letzter; ++t) teile.emplace_back(t, texte[t - e.erster + 1]);
    verlauf->Einsetzen(QStringLiteral(QT_TRANSLATE_NOOP("Verlaufsbefehle", "Wiederherstellen")), teile);
  }
}
