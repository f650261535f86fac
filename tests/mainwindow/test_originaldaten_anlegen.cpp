// The original data made from the user's own ROM: the three side files come
// out as the files the ROM was built from, only from an unchanged ROM, and
// all three or none.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QtTest>

#include "Dateizugriff.h"
#include "Schreiboperationen.h"
#include "Welt.h"
#include "frm_Angaben.h"

namespace {
const QString Tilesets = QStringLiteral("Tilesets.gb");
const QString Pointer = QStringLiteral("OriginalPointer.ini");
const QString Paletten = QStringLiteral("OriginalPaletten.gb");

// The header's global checksum made right (or wrong), after every other change.
void Pruefsumme(Testumgebung& u, bool richtig, int ohneMarker) {
  QByteArray rom = u.Lies(QStringLiteral("test.gb"));
  if (ohneMarker) rom[u.plan.tilesets[ohneMarker].originalOrt + 1026] = 0;
  quint16 summe = richtig ? 0 : 1;
  for (qsizetype i = 0; i < rom.size(); ++i)
    if (i != 0x14E && i != 0x14F) summe += static_cast<quint8>(rom[i]);
  rom[0x14E] = static_cast<char>(summe >> 8);
  rom[0x14F] = static_cast<char>(summe & 0xFF);
  u.Schreib(QStringLiteral("test.gb"), rom);
}

// Side files of another ROM: Tilesets.gb longer than a new one,
// OriginalPaletten.gb shorter, OriginalPointer.ini missing (made below).
void Vorbelegen(Testumgebung& u, bool fremd) {
  u.Schreib(Tilesets, fremd ? QByteArray(60000, 'x') : QByteArray());
  u.Schreib(Pointer, {});
  u.Schreib(Paletten, fremd ? QByteArray(10, 'y') : QByteArray());
}

QStringList Titel(const Testumgebung& u) {
  QStringList t;
  for (const auto& m : u.meldungen) t << m.titel;
  return t;
}

void PruefeAngelegt(Testumgebung& u) {
  QCOMPARE(u.Lies(Tilesets), Rombau::TilesetsGb(u.plan));
  QCOMPARE(u.Lies(Paletten), u.plan.paletten);
  const QByteArray ini = u.Lies(Pointer);
  QCOMPARE(ini.size(), 28 * 19);
  for (int n = 1; n <= 28; ++n)
    QCOMPARE(ini.mid(19 * (n - 1), 6), Rombau::Zeiger(u.plan.tilesets[n].originalOrt).toHex().toUpper());
  // Read again: tileset 1 is at its original place now.
  QVERIFY(!u.fenster().Cmd_AltPointer->isVisible());
}
}  // namespace

class TestOriginaldatenAnlegen : public QObject {
  Q_OBJECT

 private slots:
  void anlegen_data() {
    QTest::addColumn<bool>("angebot");  // run by the offer on opening, not from the menu
    QTest::addColumn<bool>("fremd");
    QTest::addColumn<bool>("pruefsummeRichtig");
    QTest::addColumn<int>("ohneMarker");
    QTest::addColumn<bool>("ja");
    QTest::addColumn<int>("schritt");  // write step made to fail
    QTest::addColumn<QStringList>("titel");
    const QStringList frage{QStringLiteral("Achtung")}, erfolg{QStringLiteral("Tessaron")};
    const QStringList fehler{QStringLiteral("Fehler")};
    QTest::newRow("keine Dateien") << false << false << true << 0 << false << 0 << erfolg;
    QTest::newRow("Prüfsumme falsch, Nein") << false << false << false << 0 << false << 0 << frage;
    QTest::newRow("Prüfsumme falsch, Ja") << false << false << false << 0 << true << 0 << frage + erfolg;
    QTest::newRow("Tileset 9 ohne Marker") << false << false << true << 9 << true << 0 << fehler;
    QTest::newRow("Dateien vorhanden, Nein") << false << true << true << 0 << false << 0 << frage;
    QTest::newRow("Dateien vorhanden, Ja") << false << true << true << 0 << true << 0 << frage + erfolg;
    for (int k = 1; k <= 9; ++k)
      QTest::addRow("Schreibfehler bei Schritt %d", k)
          << false << true << true << 0 << true << k << frage + fehler;
    QTest::newRow("Angebot, Ja") << true << false << true << 0 << true << 0 << frage + erfolg;
    QTest::newRow("Angebot, Nein") << true << false << true << 0 << false << 0 << frage;
    QTest::newRow("kein Angebot, Dateien vorhanden")
        << true << true << true << 0 << true << 0 << QStringList();
  }
  void anlegen() {
    QFETCH(bool, angebot);
    QFETCH(bool, fremd);
    QFETCH(bool, pruefsummeRichtig);
    QFETCH(int, ohneMarker);
    QFETCH(bool, ja);
    QFETCH(int, schritt);
    QFETCH(QStringList, titel);
    Testumgebung u(Rombau::Musterplan(), false);  // no tileset moved
    Pruefsumme(u, pruefsummeRichtig, ohneMarker);
    Vorbelegen(u, fremd);
    u.FensterNeu();
    if (fremd) QVERIFY(QFile::remove(u.Pfad(Pointer)));
    if (!angebot) {
      u.fenster().RomÖffnen(u.rom());  // the offer, if any, declined
      u.meldungen.clear();
      QVERIFY(u.fenster().Cmd_AltPointer->isVisible());  // no original pointer yet
    }
    const Dateistand vorher = Stand(u);
    u.antwort = ja ? QMessageBox::Yes : QMessageBox::No;
    Schreibfehler::NachSchritt(schritt);
    angebot ? u.fenster().RomÖffnen(u.rom()) : u.fenster().Cmd_OriginaldatenAnlegen_Click();
    Schreibfehler::NachSchritt(0);
    QCOMPARE(Titel(u).mid(0, titel.size()), titel);
    if (ohneMarker) QVERIFY(u.meldungen[0].text.contains(QStringLiteral("%1.Tileset").arg(ohneMarker)));
    if (angebot && !fremd) QVERIFY(u.meldungen[0].text.contains(QDir::cleanPath(u.Pfad(QString()))));
    if (titel.endsWith(QStringLiteral("Tessaron"))) {
      PruefeAngelegt(u);
    } else {
      QVERIFY2(Geaendert(vorher, Stand(u)) == 0, qPrintable(u.Texte()));
      QVERIFY(!Welt::HatErfolg(u));
    }
    u.meldungen.clear();
    u.fenster().RomÖffnen(u.rom());  // offered once a run at most
    QVERIFY(!Titel(u).contains(QStringLiteral("Achtung")));
  }
};

QTEST_MAIN(TestOriginaldatenAnlegen)
#include "test_originaldaten_anlegen.moc"
