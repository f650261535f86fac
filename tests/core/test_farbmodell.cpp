#include <QtTest>

#include "Farbmodell.h"
#include "Zahlen.h"

class TestFarbmodell : public QObject {
  Q_OBJECT
 private slots:
  // Fixed examples: the byte order of the colour text, channel values between
  // the 8-steps, and the triple order, which a round trip cannot catch.
  void beispiele() {
    QCOMPARE(Farbauswerten(QStringLiteral("1F00"), QString()), QStringLiteral("000000248"));
    QCOMPARE(Farbauswerten(QStringLiteral("1F00"), QStringLiteral("HeX")), QStringLiteral("0000F8"));
    QCOMPARE(FarbtextZuFarbe(QStringLiteral("E003")), 256u * 248);
    QCOMPARE(TripelZuFarbe(QStringLiteral("248000008")), 8u + 65536u * 248);
    QCOMPARE(KanaeleZuFarbtext(0, 0, 255), QStringLiteral("007C"));
    // Only a valid colour text may enter a palette.
    for (const char* t : {"FF8F", "7F", "G000"}) QVERIFY(!IstFarbtext(QString::fromLatin1(t)));
  }

  // Every colour word goes to its text, to channel values 8 times its
  // components, and back unchanged.
  void alleFarbwoerterHinUndZurueck() {
    for (int wort = 0; wort < 0x8000; ++wort) {
      const QString text = DrehBytes(HexStellen(wort, 4));
      const QString tripel = Farbauswerten(text, QString());
      const int blau = tripel.mid(0, 3).toInt(), gruen = tripel.mid(3, 3).toInt(),
                rot = tripel.mid(6, 3).toInt();
      if (rot != 8 * (wort & 31) || gruen != 8 * ((wort >> 5) & 31) || blau != 8 * (wort >> 10) ||
          KanaeleZuFarbtext(rot, gruen, blau) != text || !IstFarbtext(text) ||
          Farbauswerten(text, QStringLiteral("hex")) !=
              HexStellen(blau, 2) + HexStellen(gruen, 2) + HexStellen(rot, 2))
        QFAIL(qPrintable(text + QLatin1Char(' ') + tripel));
    }
  }
};

QTEST_MAIN(TestFarbmodell)
#include "test_farbmodell.moc"
