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

// The program copied beside the test's side files.
QString Programm(const Testumgebung& u) {
  const QString programm = u.Pfad(QStringLiteral("tessaron"));
  if (!QFile::exists(programm)) QFile::copy(QStringLiteral(TESSARON_PROGRAMM), programm);
  return programm;
}

// Run without a display.
Lauf Starten(const Testumgebung& u, const QStringList& argumente) {
  const QString programm = Programm(u);
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

void OptionenSetzen(const QString& text) {
  QSettings(QStringLiteral("ZERAN"), QStringLiteral("Tessaron"))
      .setValue(QStringLiteral("Einstelungen/Speicher"), text);
}

QStringList Inhalt(const Testumgebung& u) {
  QStringList liste;
  QDirIterator it(u.Pfad({}), QDir::AllEntries | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString pfad = it.next();
    liste << pfad + QLatin1Char(' ') + QString::number(QFileInfo(pfad).size());
  }
  liste.sort();
  return liste;
}
}  // namespace

class TestBefehlszeile : public QObject {
  Q_OBJECT
 private slots:
  // The same picture as "Bild speichern..." over the same tileset and options;
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
    OptionenSetzen(optionen);
    Testumgebung u;
    Welt::Offen(u, n).BildSpeichern(u.Pfad(QStringLiteral("menue.png")));
    const QString ziel = u.Pfad(QStringLiteral("zeile.png"));
    const Lauf lauf = Starten(u, QStringList{"--export-png", QString::number(n), ziel, u.rom()} + farben);
    QCOMPARE(lauf.status, 0);
    QCOMPARE(lauf.fehler, QString());
    QCOMPARE(u.Lies(QStringLiteral("zeile.png")), u.Lies(QStringLiteral("menue.png")));
  }

  void fehler_data() {
    QTest::addColumn<QStringList>("argumente");
    QTest::addColumn<QString>("nennt");
    QTest::addRow("ROM fehlt") << QStringList{"--export-png", "1", "aus.png", "fehlt.gb"} << "fehlt.gb";
    QTest::addRow("ROM zu kurz") << QStringList{"--export-png", "1", "aus.png", "kurz.gb"} << "kurz.gb";
    QTest::addRow("Nummer 0") << QStringList{"--export-png", "0", "aus.png", "test.gb"} << "'0'";
    QTest::addRow("Nummer 29") << QStringList{"--export-png", "29", "aus.png", "test.gb"} << "'29'";
    QTest::addRow("Nummer x") << QStringList{"--export-png", "x", "aus.png", "test.gb"} << "'x'";
    QTest::addRow("Farben") << QStringList{"--export-png", "1", "aus.png", "test.gb", "--farben", "bunt"}
                            << "'bunt'";
    QTest::addRow("Zeit") << QStringList{"--export-png", "1", "aus.png", "test.gb", "--zeit", "5"} << "'5'";
    QTest::addRow("Ziel ist Ordner") << QStringList{"--export-png", "1", "ordner", "test.gb"} << "ordner";
    QTest::addRow("Ordner fehlt") << QStringList{"--export-png", "1", "fehlt/aus.png", "test.gb"}
                                  << "fehlt/aus.png";
    QTest::addRow("ROM fehlt im Aufruf") << QStringList{"--export-png", "1", "aus.png"} << "DATEI.png ROM";
    QTest::addRow("unbekannte Option")
        << QStringList{"--export-png", "1", "--bunt", "aus.png", "test.gb"} << "'bunt'";
  }
  void fehler() {
    QFETCH(QStringList, argumente);
    QFETCH(QString, nennt);
    Testumgebung u(Testdaten::Plan(), false);
    u.Schreib(QStringLiteral("kurz.gb"), QByteArray(Rombau::RomLaenge - 1, '\0'));
    QDir(u.Pfad({})).mkdir(QStringLiteral("ordner"));
    Programm(u);
    const QStringList vorher = Inhalt(u);
    for (QString& a : argumente)
      if (a.endsWith(QLatin1String(".gb")) || a.contains(QLatin1Char('/')) || a == QLatin1String("ordner") ||
          a == QLatin1String("aus.png"))
        a = u.Pfad(a);
    const Lauf lauf = Starten(u, argumente);
    QCOMPARE(lauf.status, 1);
    QCOMPARE(lauf.fehler.count(QLatin1Char('\n')), 1);
    QVERIFY2(lauf.fehler.contains(nennt), qPrintable(lauf.fehler));
    QCOMPARE(Inhalt(u), vorher);
  }

  void versionUndHilfe() {
    Testumgebung u(Testdaten::Plan(), false);
    const Lauf version = Starten(u, {QStringLiteral("--version")});
    QCOMPARE(version.status, 0);
    QCOMPARE(version.ausgabe, QByteArray("Tessaron " TESSARON_VERSION "\n"));
    const Lauf hilfe = Starten(u, {QStringLiteral("--help")});
    QCOMPARE(hilfe.status, 0);
    for (const char* teil : {"--export-png <N>", "--farben", "--zeit", "DATEI.png", "ROM"})
      QVERIFY(hilfe.ausgabe.contains(teil));
  }
};

QTEST_MAIN(TestBefehlszeile)
#include "test_befehlszeile.moc"
