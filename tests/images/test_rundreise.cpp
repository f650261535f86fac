#include <sys/resource.h>

#include <QSettings>
#include <QtTest>
#include <csignal>

#include "Flaeche.h"
#include "Frm_Bild.h"
#include "Frm_Optionen.h"
#include "Welt.h"
#include "frm_Angaben.h"
#include "frm_Block.h"

namespace {
// Every colour 2 a copy of colour 1: only the index tells them apart.
Rombau::Plan Doppelfarben() {
  Rombau::Plan plan = Testdaten::Plan();
  for (int i = 0; i < 320; i += 8) plan.paletten.replace(i + 2, 2, plan.paletten.mid(i, 2));
  return plan;
}

// The colour table the options promise: the pinned fixed colours, or the
// plan's 32 colours of time of day 2, each channel 8 x its component.
QList<QRgb> Tabelle(const QString& optionen, const Rombau::Plan& plan) {
  QList<QRgb> tabelle;
  for (int i = 128; optionen[2] == QLatin1Char('1') && i < 192; i += 2) {
    const int w = quint8(plan.paletten[i]) | quint8(plan.paletten[i + 1]) << 8;
    tabelle << qRgb((w & 31) * 8, (w >> 5 & 31) * 8, (w >> 10 & 31) * 8);
  }
  if (optionen[2] != QLatin1Char('1'))
    for (std::uint32_t f : optionen[0] == QLatin1Char('1') ? Welt::Festfarben : Welt::Grau)
      tabelle << qRgb(f & 0xFF, f >> 8 & 0xFF, f >> 16);
  return tabelle;
}

// A 2x enlargement as a painting program makes it, keeping the index table.
QImage Verdoppelt(const QImage& bild) {
  QImage gross(2 * bild.width(), 2 * bild.height(), QImage::Format_Indexed8);
  gross.setColorTable(bild.colorTable());
  for (int y = 0; y < gross.height(); ++y)
    for (int x = 0; x < gross.width(); ++x) gross.setPixel(x, y, bild.pixelIndex(x / 2, y / 2));
  return gross;
}

Frm_Bild& Einlesen(frm_Angaben& f, const QString& pfad, int faktor) {
  f.Cmd_BLaden_Click();
  Frm_Bild& b = Frm_Bild::Instanz();
  (faktor == 2 ? b.Opt_96256 : b.Opt_48128)->setChecked(true);
  b.BildLaden(pfad);
  return b;
}

// Files cannot grow beyond 64 bytes while it lives, as on a full disk.
struct VollePlatte {
  rlimit alt{};
  VollePlatte() {
    std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &alt);
    const rlimit grenze{64, alt.rlim_max};
    setrlimit(RLIMIT_FSIZE, &grenze);
  }
  ~VollePlatte() { setrlimit(RLIMIT_FSIZE, &alt); }
};
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
    QSettings(QStringLiteral("ZERAN"), QStringLiteral("Tessaron"))
        .setValue(QStringLiteral("Einstelungen/Speicher"), optionen);
    Testumgebung u(Doppelfarben());
    frm_Angaben& f = Welt::Offen(u, 2);
    Welt::Bemalen();
    const QStringList vorher = Welt::Ansicht();
    const QString pfad = u.Pfad(QStringLiteral("tileset.png"));
    f.BildSpeichern(pfad);
    QVERIFY2(u.meldungen.empty(), qPrintable(u.Texte()));
    const QImage bild(pfad);
    QCOMPARE(bild.size(), QSize(128, 48));
    QCOMPARE(bild.colorTable(), Tabelle(optionen, u.plan));
    const QByteArray& zuordnung = u.plan.tilesets[2].zuordnung;
    for (int k = 0; optionen[2] == QLatin1Char('1') && k < 96; ++k)
      QCOMPARE(bild.pixelIndex(8 * (k % 16), 8 * (k / 16)) / 4, quint8(zuordnung[k / 2]) >> (k % 2 * 4) & 15);
    const QString gross = u.Pfad(QStringLiteral("gross.png"));
    Verdoppelt(bild).save(gross);

    Welt::Waehlen(f, 2);  // the view as stored, without the painting
    QVERIFY(Welt::Ansicht() != vorher);
    Frm_Bild& b = Einlesen(f, faktor == 1 ? pfad : gross, faktor);
    QVERIFY(b.Cmd_Einfügen->isEnabled());
    b.Cmd_Einfügen_Click();
    QCOMPARE(Welt::Ansicht(), vorher);
  }

  // Which pictures are read by index; entries 0 and 1 hold the same colour.
  void nachIndex_data() {
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<int>("eintraege");
    QTest::addColumn<bool>("index");
    QTest::addRow("PNG, 4 Einträge") << QByteArray("png") << 4 << true;
    QTest::addRow("PNG, 32 Einträge") << QByteArray("png") << 32 << true;
    QTest::addRow("PNG, 16 Einträge") << QByteArray("png") << 16 << false;
    QTest::addRow("BMP, 4 Einträge") << QByteArray("bmp") << 4 << false;
  }
  void nachIndex() {
    QFETCH(QByteArray, format);
    QFETCH(int, eintraege);
    QFETCH(bool, index);
    Testumgebung u;
    frm_Angaben& f = Welt::Offen(u, 1);
    QImage bild(128, 48, QImage::Format_Indexed8);
    QList<QRgb> tabelle(eintraege, qRgb(10, 20, 30));
    tabelle[2] = qRgb(200, 0, 0);
    bild.setColorTable(tabelle);
    for (int y = 0; y < 48; ++y)
      for (int x = 0; x < 128; ++x) bild.setPixel(x, y, x % eintraege);
    const QString pfad = u.Pfad(QStringLiteral("bild.") + QString::fromLatin1(format));
    QVERIFY(bild.save(pfad, format.constData()));
    Frm_Bild& b = Einlesen(f, pfad, 1);
    QCOMPARE(b.Cmd_Einfügen->isEnabled(), index);
    QCOMPARE(b.List->count(), index ? eintraege : 0);
    if (!index) return;
    QCOMPARE(b.List->item(1)->text(), QStringLiteral("Nr. 01    Farbe2 (Grün)"));
    b.Cmd_Einfügen_Click();
    QCOMPARE(Welt::Tile(1).DirektZurück(), QStringLiteral("12341234").repeated(8));
  }

  void fehlschlagLaesstDateiStehen_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("bloecke");
    QTest::addRow("Platte voll") << "alt.png" << false;
    QTest::addRow("Platte voll, Blöcke") << "alt.png" << true;
    QTest::addRow("Ordner gleichen Namens") << "ordner.png" << false;
  }
  void fehlschlagLaesstDateiStehen() {
    QFETCH(QString, name);
    QFETCH(bool, bloecke);
    Testumgebung u;
    frm_Angaben& f = Welt::Offen(u, 1);
    f.Cmd_Block_Click();
    u.Schreib(QStringLiteral("alt.png"), QByteArray(100, 'a'));
    QDir(u.Pfad({})).mkdir(QStringLiteral("ordner.png"));
    const QString pfad = u.Pfad(name);
    const QStringList vorher = QDir(u.Pfad({})).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    {
      VollePlatte platte;
      bloecke ? frm_Block::Instanz().BlockBildSpeichern(pfad) : f.BildSpeichern(pfad);
    }
    QCOMPARE(u.meldungen.size(), size_t(1));
    QCOMPARE(u.meldungen[0].titel, QStringLiteral("Fehler"));
    QVERIFY(u.meldungen[0].text.contains(pfad));
    QCOMPARE(u.Lies(QStringLiteral("alt.png")), QByteArray(100, 'a'));
    QCOMPARE(QDir(u.Pfad({})).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), vorher);
    QVERIFY(QDir(u.Pfad(QStringLiteral("ordner.png"))).isEmpty());
  }

  // Block 01 from the tiles of the view (unsaved painting included), block
  // 02 beside it with tile numbers that have no tile.
  void bloeckeAlsBild() {
    Rombau::Plan plan = Testdaten::Plan();
    QByteArray& bloecke = plan.tilesets[1].bloecke;
    for (int j = 0; j < 16; ++j) bloecke[j] = char(j < 8 ? j : 0x10 + j);
    bloecke.replace(16, 16, QByteArray(16, char(0x60)));
    bloecke[16 + 5] = char(0xFF);
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
    for (int y = 0; y < 32; ++y) {
      for (int x = 0; x < 32; ++x) {
        const int j = (y / 8) * 4 + x / 8;
        const int nummer = Welt::Tile(quint8(bloecke[j]) + 1).Nummer((y % 8) * 8 + x % 8 + 1);
        const std::uint32_t grau = Welt::Grau[nummer - 1];
        QCOMPARE(bild.pixel(x, y), qRgb(grau & 0xFF, grau >> 8 & 0xFF, grau >> 16));
      }
    }
    // Block 02 right of block 01: the placeholder, grey crossed in red.
    for (int j : {0, 5, 15}) {
      const int x0 = 32 + (j % 4) * 8, y0 = (j / 4) * 8;
      QCOMPARE(bild.pixel(x0, y0), qRgb(255, 0, 0));
      QCOMPARE(bild.pixel(x0 + 3, y0), qRgb(128, 128, 128));
    }
  }
};

QTEST_MAIN(TestRundreise)
#include "test_rundreise.moc"
