#include <QtTest>

#include "Schreiboperationen.h"
#include "Welt.h"
#include "frm_Angaben.h"

namespace {
// The program copied beside the test's side files, run without a display:
// its exit status (-1 after a crash) and what it wrote to standard error.
std::pair<int, QString> Starten(const Testumgebung& u, const QStringList& argumente) {
  const QString programm = u.Pfad(QStringLiteral("tessaron"));
  if (!QFile::exists(programm)) QFile::copy(QStringLiteral(TESSARON_PROGRAMM), programm);
  QProcess p;
  QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
  umgebung.remove(QStringLiteral("DISPLAY"));
  umgebung.remove(QStringLiteral("QT_QPA_PLATFORM"));
  p.setProcessEnvironment(umgebung);
  p.start(programm, argumente);
  p.waitForFinished(60000);
  return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
          QString::fromUtf8(p.readAllStandardError())};
}
}  // namespace

class TestBefehlszeile : public QObject {
  Q_OBJECT
 private slots:
  // The same file as "Bild speichern..." over the same tileset and options;
  // without --farben and --zeit the stored options choose.
  void wieDasMenue_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("optionen");
    QTest::addColumn<QStringList>("farben");
    QTest::addRow("Tilesets.gb, fest") << 1 << "10011510" << QStringList{"--farben", "fest"};
    QTest::addRow("verschoben, grau") << 2 << "01011510" << QStringList{"--farben=grau"};
    QTest::addRow("verschoben, spiel, Nacht")
        << 5 << "00131510" << QStringList{"--farben", "spiel", "--zeit", "3"};
    QTest::addRow("gespeicherte Optionen") << 28 << "00141510" << QStringList{};
  }
  void wieDasMenue() {
    QFETCH(int, n);
    QFETCH(QString, optionen);
    QFETCH(QStringList, farben);
    Welt::Optionen(optionen);
    Testumgebung u;
    Welt::Offen(u, n).BildSpeichern(u.Pfad(QStringLiteral("menue.png")));
    const QStringList zeile{"--export-png", QString::number(n), u.Pfad(QStringLiteral("zeile.png")), u.rom()};
    QCOMPARE(Starten(u, zeile + farben).first, 0);
    QCOMPARE(u.Lies(QStringLiteral("zeile.png")), u.Lies(QStringLiteral("menue.png")));
  }

  // "@name" stands for the file in the test's folder.
  void fehler_data() {
    QTest::addColumn<QString>("zeile");
    QTest::addColumn<QString>("nennt");
    QTest::addRow("ROM fehlt") << QStringLiteral("--export-png 1 @aus.png @fehlt.gb") << "fehlt.gb";
    QTest::addRow("ROM zu kurz") << QStringLiteral("--export-png 1 @aus.png @kurz.gb") << "kurz.gb";
    QTest::addRow("Nummer 29") << QStringLiteral("--export-png 29 @aus.png @test.gb") << "'29'";
    QTest::addRow("Farben") << QStringLiteral("--export-png 1 @aus.png @test.gb --farben bunt") << "'bunt'";
    QTest::addRow("Ziel ist Ordner") << QStringLiteral("--export-png 1 @ordner @test.gb") << "ordner";
  }
  void fehler() {
    QFETCH(QString, zeile);
    QFETCH(QString, nennt);
    Testumgebung u(Testdaten::Plan(), false);
    u.Schreib(QStringLiteral("kurz.gb"), QByteArray(Rombau::RomLaenge - 1, '\0'));
    QDir(u.Pfad({})).mkdir(QStringLiteral("ordner"));
    Starten(u, {QStringLiteral("--version")});
    const Dateistand vorher = Stand(u);
    QStringList argumente = zeile.split(QLatin1Char(' '));
    for (QString& a : argumente)
      if (a.startsWith(QLatin1Char('@'))) a = u.Pfad(a.mid(1));
    const auto [status, meldung] = Starten(u, argumente);
    QCOMPARE(status, 1);
    QCOMPARE(meldung.count(QLatin1Char('\n')), 1);
    QVERIFY2(meldung.contains(nennt), qPrintable(meldung));
    QCOMPARE(Abweichung(vorher, Stand(u)), QString());
  }
};

QTEST_MAIN(TestBefehlszeile)
#include "test_befehlszeile.moc"
