#include <QtTest>

#include "Farbmodell.h"
#include "Palettentabelle.h"
#include "Zahlen.h"
#include "Zuordnung.h"

namespace {
QString TextVonWort(int wort) { return DrehBytes(HexStellen(wort, 4)); }
}  // namespace

class TestFarbmodell : public QObject {
  Q_OBJECT
 private slots:
  void beispiele() {
    QCOMPARE(DrehBytes(QStringLiteral("FF7F")), QStringLiteral("7FFF"));
    QCOMPARE(Farbauswerten(QStringLiteral("FF7F"), QString()), QStringLiteral("248248248"));
    QCOMPARE(Farbauswerten(QStringLiteral("1F00"), QString()), QStringLiteral("000000248"));
    QCOMPARE(Farbauswerten(QStringLiteral("1F00"), QStringLiteral("hex")), QStringLiteral("0000F8"));
    QCOMPARE(Farbauswerten(QStringLiteral("1F00"), QStringLiteral("HeX")), QStringLiteral("0000F8"));
    QCOMPARE(Farbauswerten(QStringLiteral("E003"), QString()), QStringLiteral("000248000"));
    QCOMPARE(Farbauswerten(QStringLiteral("007C"), QString()), QStringLiteral("248000000"));
    QCOMPARE(Farbauswerten(QStringLiteral("0000"), QString()), QStringLiteral("000000000"));
    QCOMPARE(FarbtextZuFarbe(QStringLiteral("1F00")), 248u);
    QCOMPARE(FarbtextZuFarbe(QStringLiteral("FF7F")), 248u + 256u * 248 + 65536u * 248);
    QCOMPARE(TripelZuFarbe(QStringLiteral("248000008")), 8u + 65536u * 248);
    QCOMPARE(KanaeleZuFarbtext(248, 0, 0), QStringLiteral("1F00"));
    QCOMPARE(KanaeleZuFarbtext(0, 0, 255), QStringLiteral("007C"));
  }

  void hilfsfunktionen() {
    QCOMPARE(AchtZahlText(255, 3), QStringLiteral("248"));
    QCOMPARE(AchtZahlText(7, 3), QStringLiteral("000"));
    QCOMPARE(AchtZahl(7), qint64(0));
    QCOMPARE(AchtZahl(-1), qint64(-8));
    QCOMPARE(BinXxx(QStringLiteral("11111"), QString()), QStringLiteral("031"));
    QCOMPARE(BinXxx(QStringLiteral("11111"), QStringLiteral("hex")), QStringLiteral("1F"));
    QCOMPARE(BinXxx(QStringLiteral("11111"), QStringLiteral("HEX")), QStringLiteral("1F"));
    QCOMPARE(BinXxx(QStringLiteral("0"), QString()), QStringLiteral("000"));
    QCOMPARE(HexZuBin(QStringLiteral("0"), 0), QStringLiteral("0"));
    QCOMPARE(HexZuBin(QStringLiteral("1"), 15), QString(14, QLatin1Char('0')) + QLatin1Char('1'));
    QCOMPARE(HexZuBin(QStringLiteral("7FFF"), 15), QString(15, QLatin1Char('1')));
    QCOMPARE(DrehBytes(QStringLiteral("ABCD")), QStringLiteral("CDAB"));
    QCOMPARE(DrehBytes(QStringLiteral("AB")), QStringLiteral("AB"));
  }

  // Every colour word goes to its text, to channel values and back unchanged,
  // and each channel value is 8 times its component.
  void alleFarbwoerterHinUndZurueck() {
    for (int wort = 0; wort < 0x8000; ++wort) {
      const QString text = TextVonWort(wort);
      const QString tripel = Farbauswerten(text, QString());
      const int blau = tripel.mid(0, 3).toInt(), gruen = tripel.mid(3, 3).toInt(),
                rot = tripel.mid(6, 3).toInt();
      if (rot != 8 * (wort & 31) || gruen != 8 * ((wort >> 5) & 31) || blau != 8 * (wort >> 10))
        QFAIL(qPrintable(QStringLiteral("Kanaele von %1: %2").arg(text, tripel)));
      if (KanaeleZuFarbtext(rot, gruen, blau) != text) QFAIL(qPrintable(text));
      if (Farbauswerten(text, QStringLiteral("hex")) !=
          HexStellen(blau, 2) + HexStellen(gruen, 2) + HexStellen(rot, 2))
        QFAIL(qPrintable(text));
      if (!IstFarbtext(text)) QFAIL(qPrintable(text));
    }
  }

  // Text the program never produces still gives a result.
  void beschaedigteTexte() {
    QCOMPARE(Farbauswerten(QString(), QString()), QStringLiteral("000000000"));
    QCOMPARE(Farbauswerten(QStringLiteral("ZZZZ"), QStringLiteral("hex")), QStringLiteral("000000"));
    QCOMPARE(Farbauswerten(QStringLiteral("1"), QString()), QStringLiteral("000000008"));
    QCOMPARE(Farbauswerten(QStringLiteral("FFFF"), QString()),
             QStringLiteral("248248248"));  // bit 15 dropped
    QCOMPARE(TripelZuFarbe(QStringLiteral("abc")), 0u);
    QCOMPARE(KanaeleZuFarbtext(999, -5, 0), QStringLiteral("1F00"));
    QVERIFY(!IstFarbtext(QStringLiteral("FF8F")));
    QVERIFY(!IstFarbtext(QStringLiteral("7F")));
    QVERIFY(!IstFarbtext(QStringLiteral("G000")));
    QVERIFY(IstFarbtext(QStringLiteral("ff7f")));
  }

  void dateiformate() {
    QCOMPARE(Palettentabelle::Offset(Palettentabelle::RomOffset, 4, 7, 1), qint64(0xB75E + 256 + 56));
    QCOMPARE(Palettentabelle::Offset(0, 4, 7, 4), qint64(312 + 6));
    const auto texte = Palettentabelle::Farbtexte(QByteArray::fromHex("FF7F1F00E003007C"));
    QCOMPARE(texte[1], QStringLiteral("FF7F"));
    QCOMPARE(texte[4], QStringLiteral("007C"));
    QCOMPARE(Palettentabelle::Bytes(texte), QByteArray::fromHex("FF7F1F00E003007C"));

    QByteArray feld(48, '\0');
    feld[0] = 0x73;
    feld[47] = static_cast<char>(0xA5);
    const QString ziffern = Zuordnung::Ziffern(feld);
    QCOMPARE(ziffern.size(), 96);
    QCOMPARE(ziffern.left(2), QStringLiteral("37"));
    QCOMPARE(ziffern.right(2), QStringLiteral("5A"));
    QCOMPARE(Zuordnung::Feld(ziffern), feld);
    QCOMPARE(Zuordnung::FeldOffset(QByteArray::fromHex("005A")), qint64(0x9A00));
  }
};

QTEST_MAIN(TestFarbmodell)
#include "test_farbmodell.moc"
