#include <sys/resource.h>

#include <QtTest>
#include <csignal>

#include "Flaeche.h"
#include "Frm_Bild.h"
#include "Frm_Optionen.h"
#include "Schreiboperationen.h"
#include "Sprache.h"
#include "Welt.h"
#include "frm_Angaben.h"
#include "frm_Block.h"

// The tileset and the blocks as PNG, out through the menu and the command
// line and back in through the picture import.
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

class TestRundreise : public QObject {
  Q_OBJECT
 private slots:
  void rundreise_data() {
    QTest::addColumn<QString>("optionen");
    QTest::addColumn<int>("faktor");
    for (int faktor : {1, 2}) {
      QTest::addRow("fest %dx", faktor) << "10011510" << faktor;
      QTest::addRow("grau %dx", faktor) << "01011510" << faktor;
      QTest::addRow("spiel Nacht %dx", faktor) << "00121510" << faktor;
    }
  }
  void rundreise() {
    QFETCH(QString, optionen);
    QFETCH(int, faktor);
    Welt::Optionen(optionen);
    // Every colour 2 a copy of colour 1: only the index tells them apart.
    Rombau::Plan plan = Testdaten::Plan();
    for (int i = 0; i < 320; i += 8) plan.paletten.replace(i + 2, 2, plan.paletten.mid(i, 2));
    Testumgebung u(plan);
    frm_Angaben& f = Welt::Offen(u, 2);
    Welt::Bemalen();
    const QStringList vorher = Welt::Ansicht();
    const QString pfad = u.Pfad(QStringLiteral("tileset.png"));
    f.BildSpeichern(pfad);
    QVERIFY2(u.meldungen.empty(), qPrintable(u.Texte()));
    const QImage bild(pfad);
    QCOMPARE(bild.size(), QSize(128, 48));
    const bool spiel = optionen[2] == QLatin1Char('1');
    QCOMPARE(bild.colorCount(), spiel ? 32 : 4);
    for (int k = 0; !spiel && k < 4; ++k) {
      const std::uint32_t farbe = (optionen[0] == QLatin1Char('1') ? Welt::Festfarben : Welt::Grau)[k];
      QCOMPARE(bild.color(k), qRgb(farbe & 0xFF, farbe >> 8 & 0xFF, farbe >> 16));
    }
    const QByteArray& zuordnung = u.plan.tilesets[2].zuordnung;
    for (int k = 0; spiel && k < 96; ++k)
      QCOMPARE(bild.pixelIndex(8 * (k % 16), 8 * (k / 16)) / 4, quint8(zuordnung[k / 2]) >> (k % 2 * 4) & 15);
    // A 2x enlargement as a painting program makes it, keeping the index table.
    if (faktor == 2) {
      QImage gross(256, 96, QImage::Format_Indexed8);
      gross.setColorTable(bild.colorTable());
      for (int y = 0; y < 96; ++y)
        for (int x = 0; x < 256; ++x) gross.setPixel(x, y, bild.pixelIndex(x / 2, y / 2));
      QVERIFY(gross.save(pfad));
    }

    Welt::Waehlen(f, 2);  // the view as stored, without the painting
    QVERIFY(Welt::Ansicht() != vorher);
    f.Cmd_BLaden_Click();
    Frm_Bild& b = Frm_Bild::Instanz();
    (faktor == 2 ? b.Opt_96256 : b.Opt_48128)->setChecked(true);
    b.BildLaden(pfad);
    b.Cmd_Einfügen_Click();  // at once: the colour assignments come from the index
    QCOMPARE(Welt::Ansicht(), vorher);
  }

  void fehlschlagLaesstDateiStehen() {
    Testumgebung u;
    frm_Angaben& f = Welt::Offen(u, 1);
    u.Schreib(QStringLiteral("alt.png"), QByteArray(100, 'a'));
    const QString pfad = u.Pfad(QStringLiteral("alt.png"));
    const Dateistand vorher = Stand(u);
    // Files cannot grow beyond 64 bytes meanwhile, as on a full disk.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit alt{};
    getrlimit(RLIMIT_FSIZE, &alt);
    const rlimit voll{64, alt.rlim_max};
    setrlimit(RLIMIT_FSIZE, &voll);
    f.BildSpeichern(pfad);
    setrlimit(RLIMIT_FSIZE, &alt);
    QVERIFY(FehlerNenntDatei(u, pfad));
    QCOMPARE(Abweichung(vorher, Stand(u)), QString());
  }

  // Block 01 from the tiles of the view, unsaved painting included.
  void bloeckeAlsBild() {
    Rombau::Plan plan = Testdaten::Plan();
    QByteArray& bloecke = plan.tilesets[1].bloecke;
    for (int j = 0; j < 16; ++j) bloecke[j] = char(j < 8 ? j : 0x10 + j);
    Testumgebung u(plan);
    frm_Angaben& f = Welt::Offen(u, 1);
    Frm_Optionen::Instanz().Opt_Grau->click();
    Welt::Bemalen();
    f.Cmd_Block_Click();
    const QString pfad = u.Pfad(QStringLiteral("bloecke.png"));
    frm_Block::Instanz().BlockBildSpeichern(pfad);
    QVERIFY2(u.meldungen.empty(), qPrintable(u.Texte()));

    const QImage bild = QImage(pfad).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(bild.size(), QSize(512, 256));
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x) {
        const int j = (y / 8) * 4 + x / 8;
        const int nummer = Welt::Tile(quint8(bloecke[j]) + 1).Nummer((y % 8) * 8 + x % 8 + 1);
        const std::uint32_t grau = Welt::Grau[nummer - 1];
        QCOMPARE(bild.pixel(x, y), qRgb(grau & 0xFF, grau >> 8 & 0xFF, grau >> 16));
      }
  }

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
    QTest::addRow("Ziel ist das Rom") << QStringLiteral("--export-png 1 @test.gb @test.gb") << "Eingaben";
    QTest::addRow("Ziel verweist aufs Rom")
        << QStringLiteral("--export-png 1 @verweis.gb @test.gb") << "verweis.gb";
    QTest::addRow("Wert fehlt") << QStringLiteral("--export-png 1 @aus.png @test.gb --zeit") << "'--zeit'";
    QTest::addRow("Schalter mit Wert")
        << QStringLiteral("--patch-anwenden=1 @a @b @c") << "'--patch-anwenden'";
    QTest::addRow("Patch in eine Eingabe")
        << QStringLiteral("--patch-erstellen @test.gb @kurz.gb @kurz.gb") << "Eingaben";
    QTest::addRow("IPS verkürzt") << QStringLiteral("--patch-erstellen @test.gb @kurz.gb @aus.ips")
                                  << "verkürzen";
    QTest::addRow("kein Patch") << QStringLiteral("--patch-anwenden @kurz.gb @test.gb @aus.gb") << "Patch";
    QTest::addRow("Patch fehlt") << QStringLiteral("--patch-anwenden @fehlt.bps @test.gb @aus.gb")
                                 << "fehlt.bps";
  }
  void fehler() {
    QFETCH(QString, zeile);
    QFETCH(QString, nennt);
    Testumgebung u(Testdaten::Plan(), false);
    u.Schreib(QStringLiteral("kurz.gb"), QByteArray(Rombau::RomLaenge - 1, '\0'));
    QDir(u.Pfad({})).mkdir(QStringLiteral("ordner"));
    QFile::link(u.rom(), u.Pfad(QStringLiteral("verweis.gb")));
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

  // The command line speaks the language chosen in the window.
  void englisch() {
    Testumgebung u(Testdaten::Plan(), false);
    QSettings einstellungen(QStringLiteral("ZERAN"), QStringLiteral("Tessaron"));
    einstellungen.setValue(Sprache::Schluessel, QStringLiteral("en"));
    einstellungen.sync();
    const auto [status, meldung] = Starten(
        u, {QStringLiteral("--export-png"), QStringLiteral("29"), u.Pfad(QStringLiteral("a.png")), u.rom()});
    einstellungen.remove(Sprache::Schluessel);
    QCOMPARE(status, 1);
    QCOMPARE(meldung, QStringLiteral("tessaron: Invalid tileset number '29': 1 to 28 are allowed.\n"));
  }

  // A patch made on the command line gives the changed file back.
  void patchZeile_data() {
    QTest::addColumn<QString>("patch");
    QTest::addRow("BPS") << "p.bps";
    QTest::addRow("IPS") << "p.ips";
  }
  void patchZeile() {
    QFETCH(QString, patch);
    Testumgebung u(Testdaten::Plan(), false);
    QByteArray geaendert = u.Lies(QStringLiteral("test.gb"));
    geaendert.replace(0x1C4000, 3, "neu");
    u.Schreib(QStringLiteral("geaendert.gb"), geaendert);
    const auto pfade = [&u](QStringList namen) {
      for (QString& n : namen) n = u.Pfad(n);
      return namen;
    };
    QCOMPARE(Starten(u, QStringList{"--patch-erstellen"} + pfade({"test.gb", "geaendert.gb", patch})).first,
             0);
    QCOMPARE(Starten(u, QStringList{"--patch-anwenden"} + pfade({patch, "test.gb", "neu.gb"})).first, 0);
    QVERIFY(u.Lies(QStringLiteral("neu.gb")) == geaendert);
  }
};

QTEST_MAIN(TestRundreise)
#include "test_rundreise.moc"
