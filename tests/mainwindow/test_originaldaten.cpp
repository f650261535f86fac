// The original data made from the user's own ROM: the three side files come
// out as the files the ROM was built from, only from an unchanged ROM, and
// all three or none, and taken back as one step; and where the side files go:
// beside the program when they are already there, else in the user's data
// folder.
#include <unistd.h>

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "Dateizugriff.h"
#include "Schreiboperationen.h"
#include "Seitenordner.h"
#include "Verlauf.h"
#include "Welt.h"
#include "frm_Angaben.h"

namespace {
const QString Tilesets = QStringLiteral("Tilesets.gb");
const QString Pointer = QStringLiteral("OriginalPointer.ini");
const QString Paletten = QStringLiteral("OriginalPaletten.gb");

// The header's global checksum made right (or wrong: -1), after the markers
// of tileset n > 0 are spoilt.
void RomVorbereiten(Testumgebung& u, int fehler) {
  QByteArray rom = u.Lies(QStringLiteral("test.gb"));
  if (fehler > 0) rom[u.plan.tilesets[fehler].originalOrt + 1026] = 0;
  quint16 summe = fehler < 0 ? 1 : 0;
  for (qsizetype i = 0; i < rom.size(); ++i)
    if (i != 0x14E && i != 0x14F) summe += static_cast<quint8>(rom[i]);
  rom[0x14E] = static_cast<char>(summe >> 8);
  rom[0x14F] = static_cast<char>(summe & 0xFF);
  u.Schreib(QStringLiteral("test.gb"), rom);
}

// Root ignores mode bits, so it gets an immutable folder instead.
bool Sperren(const QString& ordner, bool an) {
  if (::geteuid() == 0)
    return QProcess::execute(QStringLiteral("chattr"),
                             {an ? QStringLiteral("+i") : QStringLiteral("-i"), ordner}) == 0;
  return QFile::setPermissions(
      ordner, QFile::ReadOwner | QFile::ExeOwner | (an ? QFile::Permissions() : QFile::WriteOwner));
}
}  // namespace

class TestOriginaldaten : public QObject {
  Q_OBJECT

 private slots:
  void anlegen_data() {
    QTest::addColumn<bool>("angebot");       // run by the offer on opening, not from the menu
    QTest::addColumn<bool>("fremd");         // side files of another ROM there
    QTest::addColumn<int>("romFehler");      // -1 checksum wrong, n > 0 tileset n without markers
    QTest::addColumn<int>("schritt");        // write step made to fail; -1 a side file unreadable
    QTest::addColumn<QStringList>("titel");  // a question answered Ja when anything follows it
    const QStringList frage{"Achtung"}, erfolg{"Tessaron"}, fehler{"Fehler"};
    QTest::newRow("keine Dateien") << false << false << 0 << 0 << erfolg;
    QTest::newRow("Prüfsumme falsch, Nein") << false << false << -1 << 0 << frage;
    QTest::newRow("Tileset 9 ohne Marker") << false << false << 9 << 0 << fehler;
    QTest::newRow("Dateien vorhanden, Ja") << false << true << 0 << 0 << frage + erfolg;
    for (int k : {1, 5, 9})  // one step in each of Tilesets.gb, OriginalPointer.ini, OriginalPaletten.gb
      QTest::addRow("Schreibfehler bei Schritt %d", k) << false << true << 0 << k << frage + fehler;
    QTest::newRow("OriginalPointer.ini unlesbar") << false << true << 0 << -1 << frage + fehler;
    QTest::newRow("Angebot, Ja") << true << false << 0 << 0 << frage + erfolg;
    QTest::newRow("kein Angebot, Dateien vorhanden") << true << true << 0 << 0 << QStringList();
  }
  void anlegen() {
    QFETCH(bool, angebot);
    QFETCH(bool, fremd);
    QFETCH(int, romFehler);
    QFETCH(int, schritt);
    QFETCH(QStringList, titel);
    Testumgebung u(Rombau::Musterplan(), false);  // no tileset moved
    RomVorbereiten(u, romFehler);
    // Tilesets.gb longer than a new one, OriginalPaletten.gb shorter, OriginalPointer.ini missing.
    u.Schreib(Tilesets, fremd ? QByteArray(60000, 'x') : QByteArray());
    u.Schreib(Pointer, {});
    u.Schreib(Paletten, fremd ? QByteArray(10, 'y') : QByteArray());
    u.FensterNeu();
    if (fremd) QVERIFY(QFile::remove(u.Pfad(Pointer)) && (schritt >= 0 || QDir(u.Pfad({})).mkdir(Pointer)));
    if (!angebot) {
      u.fenster().RomÖffnen(u.rom());  // the offer, if any, declined
      u.meldungen.clear();
      QVERIFY(u.fenster().Cmd_AltPointer->isVisible());  // no original pointer yet
    }
    const Dateistand vorher = Stand(u);
    const size_t eintraege = Verlauf::Instanz().Eintraege().size();
    u.antwort = titel.size() > 1 ? QMessageBox::Yes : QMessageBox::No;
    Schreibfehler::NachSchritt(schritt);
    angebot ? u.fenster().RomÖffnen(u.rom()) : u.fenster().Cmd_OriginaldatenAnlegen_Click();
    Schreibfehler::NachSchritt(0);
    QStringList titelIst;
    for (const auto& m : u.meldungen) titelIst << m.titel;
    QCOMPARE(titelIst.mid(0, titel.size()), titel);
    if (romFehler > 0) QVERIFY(u.meldungen[0].text.contains(QStringLiteral("%1.Tileset").arg(romFehler)));
    if (angebot && !fremd) QVERIFY(u.meldungen[0].text.contains(QDir::cleanPath(u.Pfad(QString()))));
    if (titel.endsWith(QStringLiteral("Tessaron"))) {
      QCOMPARE(u.Lies(Tilesets), Rombau::TilesetsGb(u.plan));
      QCOMPARE(u.Lies(Paletten), u.plan.paletten);
      const QByteArray ini = u.Lies(Pointer);
      QCOMPARE(ini.size(), 28 * 19);
      for (int n = 1; n <= 28; ++n)
        QCOMPARE(ini.mid(19 * (n - 1), 6), Rombau::Zeiger(u.plan.tilesets[n].originalOrt).toHex().toUpper());
      QVERIFY(!u.fenster().Cmd_AltPointer->isVisible());  // read again: tileset 1 at its original place now
      // One step in the history: taken back, all three files are as before
      // (one that was missing comes back empty).
      QCOMPARE(Verlauf::Instanz().Eintraege().size(), eintraege + 1);
      const Dateistand neu = Stand(u);
      u.fenster().Cmd_Zurücknehmen->trigger();
      Dateistand soll = vorher;
      soll.try_emplace(Pointer);
      QCOMPARE(Abweichung(soll, Stand(u)), QString());
      u.fenster().Cmd_Erneut->trigger();
      QCOMPARE(Abweichung(neu, Stand(u)), QString());
    } else {
      QVERIFY2(Abweichung(vorher, Stand(u)).isEmpty(), qPrintable(u.Texte()));
      QVERIFY(!Welt::HatErfolg(u));
      QCOMPARE(Verlauf::Instanz().Eintraege().size(), eintraege);  // a failed set leaves no record
    }
  }

  void waehlen_data() {
    QTest::addColumn<bool>("tilesets");  // the program's folder already holds Tilesets.gb
    QTest::addColumn<bool>("gesperrt");
    QTest::newRow("beschreibbar, leer") << false << false;
    QTest::newRow("mit Tilesets.gb") << true << false;
    QTest::newRow("mit Tilesets.gb, schreibgeschützt") << true << true;
  }
  // Beside the program only when the side files are already there; a merely
  // writable folder (as /usr/bin is for root) gets nothing.
  void waehlen() {
    QFETCH(bool, tilesets);
    QFETCH(bool, gesperrt);
    QStandardPaths::setTestModeEnabled(true);
    const auto echt = qScopeGuard([] { QStandardPaths::setTestModeEnabled(false); });
    QTemporaryDir programm;
    if (tilesets) QVERIFY(QFile(programm.filePath(Tilesets)).open(QIODevice::WriteOnly));
    if (gesperrt && !Sperren(programm.path(), true)) QSKIP("Der Ordner lässt sich nicht schreibschützen.");
    const QString ordner = Seitenordner::Waehlen(programm.path() + QLatin1Char('/'));
    const auto inhalt =
        QDir(programm.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    if (gesperrt) QVERIFY(Sperren(programm.path(), false));
    QCOMPARE(ordner,
             tilesets ? programm.path() : QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    QCOMPARE(inhalt, tilesets ? QStringList{Tilesets} : QStringList());
  }
};

QTEST_MAIN(TestOriginaldaten)
#include "test_originaldaten.moc"
