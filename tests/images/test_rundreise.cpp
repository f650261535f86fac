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

void OptionenSetzen(const QString& text) {
  QSettings(QStringLiteral("ZERAN"), QStringLiteral("Tessaron"))
      .setValue(QStringLiteral("Einstelungen/Speicher"), text);
}

// The colour of colour number c of palette p at time t, from the plan's bytes.
QRgb Spielfarbe(const Rombau::Plan& plan, int t, int p, int c) {
  const int i = 64 * t + 8 * p + 2 * c;
  const int wort = quint8(plan.paletten[i]) | quint8(plan.paletten[i + 1]) << 8;
  return qRgb((wort & 31) * 8, (wort >> 5 & 31) * 8, (wort >> 10 & 31) * 8);
}

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
    OptionenSetzen(optionen);
    Testumgebung u(Doppelfarben(), false);
    u.FensterNeu();
    frm_Angaben& f = Welt::Offen(u, 2);
    Welt::Bemalen();
    const QStringList vorher = Welt::Ansicht();
    const QString pfad = u.Pfad(QStringLiteral("tileset.png"));
    f.BildSpeichern(pfad);
    QVERIFY2(u.meldungen.empty(), qPrintable(u.Texte()));

    const QImage bild(pfad);
    QCOMPARE(bild.size(), QSize(128, 48));
    if (optionen[2] == QLatin1Char('1')) {
      QCOMPARE(bild.colorCount(), 32);
      for (int p = 0; p < 8; ++p)
        for (int c = 0; c < 4; ++c) QCOMPARE(bild.color(4 * p + c), Spielfarbe(u.plan, 2, p, c));
      const QByteArray& zuordnung = u.plan.tilesets[2].zuordnung;
      for (int k = 0; k < 96; ++k)
        QCOMPARE(bild.pixelIndex(8 * (k % 16), 8 * (k / 16)) / 4,
                 quint8(zuordnung[k / 2]) >> (k % 2 ? 4 : 0) & 15);
    } else {
      const auto& farben = optionen[0] == QLatin1Char('1') ? Welt::Festfarben : Welt::Grau;
      QCOMPARE(bild.colorCount(), 4);
      for (int c = 0; c < 4; ++c)
        QCOMPARE(bild.color(c), qRgb(farben[c] & 0xFF, farben[c] >> 8 & 0xFF, farben[c] >> 16));
    }
    const QString gross = u.Pfad(QStringLiteral("gross.png"));
    Verdoppelt(bild).save(gross);

    Welt::Waehlen(f, 2);  // the view as stored, without the painting
    QVERIFY(Welt::Ansicht() != vorher);
    Frm_Bild& b = Einlesen(f, faktor == 1 ? pfad : gross, faktor);
    QVERIFY(b.Cmd_Einfügen->isEnabled());
    b.Cmd_Einfügen_Click();
    QCOMPARE(Welt::Ansicht(), vorher);
  }

  // Which pictures are read by index, and that equal entries keep their numbers.
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
    tabelle[3] = qRgb(0, 0, 200);
    bild.setColorTable(tabelle);  // entries 0 and 1 hold the same colour
    for (int y = 0; y < 48; ++y)
      for (int x = 0; x < 128; ++x) bild.setPixel(x, y, x % eintraege);
    const QString pfad = u.Pfad(QStringLiteral("bild.") + QString::fromLatin1(format));
    QVERIFY(bild.save(pfad, format.constData()));
    Frm_Bild& b = Einlesen(f, pfad, 1);
    QCOMPARE(b.Cmd_Einfügen->isEnabled(), index);
    if (!index) {
      QCOMPARE(b.List->count(), 0);
      return;
    }
    QCOMPARE(b.List->count(), eintraege);
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
    QTest::addRow("Ordner fehlt") << "fehlt/neu.png" << false;
  }
  void fehlschlagLaesstDateiStehen() {
    QFETCH(QString, name);
    QFETCH(bool, bloecke);
    Testumgebung u;
    frm_Angaben& f = Welt::Offen(u, 1);
    u.Schreib(QStringLiteral("alt.png"), QByteArray(100, 'a'));
    QDir(u.Pfad({})).mkdir(QStringLiteral("ordner.png"));
    const QString pfad = u.Pfad(name);
    const QStringList vorher = QDir(u.Pfad({})).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    // A disk that takes no more than 64 bytes of any file.
    const rlimit grenze{64, RLIM_INFINITY};
    rlimit alt{};
    getrlimit(RLIMIT_FSIZE, &alt);
    const auto signal = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &grenze);
    if (bloecke) {
      f.Cmd_Block_Click();
      frm_Block::Instanz().BlockBildSpeichern(pfad);
    } else {
      f.BildSpeichern(pfad);
    }
    setrlimit(RLIMIT_FSIZE, &alt);
    std::signal(SIGXFSZ, signal);
    QCOMPARE(u.meldungen.size(), size_t(1));
    QCOMPARE(u.meldungen[0].titel, QStringLiteral("Fehler"));
    QVERIFY(u.meldungen[0].text.contains(pfad));
    QCOMPARE(u.Lies(QStringLiteral("alt.png")), QByteArray(100, 'a'));
    QCOMPARE(QDir(u.Pfad({})).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), vorher);
    QVERIFY(QDir(u.Pfad(QStringLiteral("ordner.png"))).isEmpty());
  }
};

QTEST_MAIN(TestRundreise)
#include "test_rundreise.moc"
