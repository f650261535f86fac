#include <QProcess>
#include <QSettings>
#include <QtTest>

#include "Welt.h"
#include "frm_Angaben.h"

namespace {
struct Lauf {
  int status = -1;
  QString fehler;
  QByteArray ausgabe;
};

// The program copied beside the test's side files, run without a display.
Lauf Starten(const Testumgebung& u, const QStringList& argumente) {
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
          QString::fromUtf8(p.readAllStandardError()), p.readAllStandardOutput()};
}

QStringList Inhalt(const Testumgebung& u) {
  QStringList liste;
  for (const QFileInfo& i : QDir(u.Pfad({})).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot))
    liste << i.fileName() + QLatin1Char(' ') + QString::number(i.size());
  return liste;
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
    QSettings(QStringLiteral("ZERAN"), QStringLiteral("Tessaron"))
        .setValue(QStringLiteral("Einstelungen/Speicher"), optionen);
    Testumgebung u;
    Welt::Offen(u, n).BildSpeichern(u.Pfad(QStringLiteral("menue.png")));
    const Lauf lauf = Starten(
        u, QStringList{"--export-png", QString::number(n), u.Pfad(QStringLiteral("zeile.png")), u.rom()} +
               farben);
    QCOMPARE(lauf.status, 0);
    QCOMPARE(lauf.fehler, QString());
    QCOMPARE(u.Lies(QStringLiteral("zeile.png")), u.Lies(QStringLiteral("menue.png")));
  }

  // "@name" stands for the file in the test's folder.
  void fehler_data() {
    QTest::addColumn<QStringList>("argumente");
    QTest::addColumn<QString>("nennt");
    auto zeile = [](const char* n, QStringList mehr = {}) {
      return QStringList{"--export-png", n, "@aus.png", "@test.gb"} + mehr;
    };
    QTest::addRow("ROM fehlt") << QStringList{"--export-png", "1", "@aus.png", "@fehlt.gb"} << "fehlt.gb";
    QTest::addRow("ROM zu kurz") << QStringList{"--export-png", "1", "@aus.png", "@kurz.gb"} << "kurz.gb";
    QTest::addRow("Nummer 29") << zeile("29") << "'29'";
    QTest::addRow("Nummer x") << zeile("x") << "'x'";
    QTest::addRow("Farben") << zeile("1", {"--farben", "bunt"}) << "'bunt'";
    QTest::addRow("Zeit") << zeile("1", {"--zeit", "5"}) << "'5'";
    QTest::addRow("Ziel ist Ordner") << QStringList{"--export-png", "1", "@ordner", "@test.gb"} << "ordner";
    QTest::addRow("ROM fehlt im Aufruf") << QStringList{"--export-png", "1", "@aus.png"} << "DATEI.png ROM";
  }
  void fehler() {
    QFETCH(QStringList, argumente);
    QFETCH(QString, nennt);
    Testumgebung u(Testdaten::Plan(), false);
    u.Schreib(QStringLiteral("kurz.gb"), QByteArray(Rombau::RomLaenge - 1, '\0'));
    QDir(u.Pfad({})).mkdir(QStringLiteral("ordner"));
    Starten(u, {QStringLiteral("--version")});
    const QStringList vorher = Inhalt(u);
    for (QString& a : argumente)
      if (a.startsWith(QLatin1Char('@'))) a = u.Pfad(a.mid(1));
    const Lauf lauf = Starten(u, argumente);
    QCOMPARE(lauf.status, 1);
    QCOMPARE(lauf.fehler.count(QLatin1Char('\n')), 1);
    QVERIFY2(lauf.fehler.contains(nennt), qPrintable(lauf.fehler));
    QCOMPARE(Inhalt(u), vorher);
  }
};

QTEST_MAIN(TestBefehlszeile)
#include "test_befehlszeile.moc"
