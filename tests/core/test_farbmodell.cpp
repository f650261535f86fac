#include <QtTest>

#include "Farbmodell.h"
#include "Zahlen.h"

namespace {
QString TextVonWort(int wort) { return DrehBytes(HexStellen(wort, 4)); }
}  // namespace

class TestFarbmodell : public QObject {
  Q_OBJECT
 private slots:
  // The examples the round trip below cannot catch: the byte order of the
  // colour text, channel values between the 8-steps, and the triple order.
  void beispiele() {
    QCOMPARE(Farbauswerten(QStringLiteral("1F00"), QString()), QStringLiteral("000000248"));
    QCOMPARE(Farbauswerten(QStringLiteral("1F00"), QStringLiteral("HeX")), QStringLiteral("0000F8"));
    QCOMPARE(FarbtextZuFarbe(QStringLiteral("1F00")), 248u);
    QCOMPARE(FarbtextZuFarbe(QStringLiteral("E003")), 256u * 248);
    QCOMPARE(TripelZuFarbe(QStringLiteral("248000008")), 8u + 65536u * 248);
    QCOMPARE(KanaeleZuFarbtext(0, 0, 255), QStringLiteral("007C"));
  }

  void hilfsfunktionen() {
    QCOMPARE(AchtZahlText(255, 3), QStringLiteral("248"));
    QCOMPARE(AchtZahlText(7, 3), QStringLiteral("000"));
    QCOMPARE(AchtZahl(7), qint64(0));
    QCOMPARE(AchtZahl(-1), qint64(-8));
    QCOMPARE(BinXxx(QStringLiteral("11111"), QString()), QStringLiteral("031"));
    QCOMPARE(BinXxx(QStringLiteral("11111"), QStringLiteral("HEX")), QStringLiteral("1F"));
    QCOMPARE(BinXxx(QStringLiteral("0"), QString()), QStringLiteral("000"));
    QCOMPARE(HexZuBin(QStringLiteral("0"), 0), QStringLiteral("0"));
    QCOMPARE(HexZuBin(QStringLiteral("1"), 15), QString(14, QLatin1Char('0')) + QLatin1Char('1'));
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

  // Text the program never produces still gives a result; only a valid
  // colour text may enter a palette.
  void beschaedigteTexte() {
    QCOMPARE(Farbauswerten(QString(), QString()), QStringLiteral("000000000"));
    QCOMPARE(Farbauswerten(QStringLiteral("FFFF"), QString()),
             QStringLiteral("248248248"));  // bit 15 dropped
    QCOMPARE(KanaeleZuFarbtext(999, -5, 0), QStringLiteral("1F00"));
    QVERIFY(!IstFarbtext(QStringLiteral("FF8F")));
    QVERIFY(!IstFarbtext(QStringLiteral("7F")));
    QVERIFY(!IstFarbtext(QStringLiteral("G000")));
    QVERIFY(IstFarbtext(QStringLiteral("ff7f")));
  }
};

QTEST_MAIN(TestFarbmodell)
#include "test_farbmodell.moc"
