#include <QtTest>

#include "Optionstext.h"

class TestOptionstext : public QObject {
  Q_OBJECT
 private slots:
  void standard() {
    const Optionen o = OptionstextLesen(StandardOptionstext);
    QVERIFY(o.OriginalFarben && !o.AlteFarben && !o.Grau);
    QCOMPARE(o.Zeit, 1);
    QVERIFY(o.Raster);
    QCOMPARE(o.Grösse, 5);
    QVERIFY(o.AlleWerte && !o.NurErklärte);
    QCOMPARE(OptionstextBauen(Optionen{}), QStringLiteral("00111510"));
  }

  void gueltigeTexteBleibenErhalten_data() {
    QTest::addColumn<QString>("text");
    for (const char* t : {"01011510", "10040601", "00100101", "00131301", "10000601"})
      QTest::newRow(t) << QString::fromLatin1(t);
  }
  void gueltigeTexteBleibenErhalten() {
    QFETCH(QString, text);
    QCOMPARE(OptionstextBauen(OptionstextLesen(text)), text);
  }

  void schlechteTexteFallenZurueck_data() {
    QTest::addColumn<QString>("gespeichert");
    QTest::addColumn<QString>("gelesen");
    QTest::newRow("leer") << QString() << QStringLiteral("00111510");
    QTest::newRow("zu kurz") << QStringLiteral("0101151") << QStringLiteral("00111510");
    QTest::newRow("buchstaben") << QStringLiteral("abcdefgh") << QStringLiteral("00111510");
    QTest::newRow("zeit 5") << QStringLiteral("01051310") << QStringLiteral("01011310");
    QTest::newRow("zeit buchstabe") << QStringLiteral("010x1310") << QStringLiteral("01011310");
    QTest::newRow("groesse 0") << QStringLiteral("10020001") << QStringLiteral("10020501");
    QTest::newRow("groesse 7") << QStringLiteral("10021701") << QStringLiteral("10021501");
    QTest::newRow("groesse 9") << QStringLiteral("10021901") << QStringLiteral("10021501");
    QTest::newRow("raster 2") << QStringLiteral("10022301") << QStringLiteral("10021301");
    QTest::newRow("zwei farben") << QStringLiteral("11030610") << QStringLiteral("00130610");
    QTest::newRow("keine farbe") << QStringLiteral("00030610") << QStringLiteral("00130610");
    QTest::newRow("beide listen") << QStringLiteral("01001211") << QStringLiteral("01001210");
    QTest::newRow("keine liste") << QStringLiteral("01001200") << QStringLiteral("01001210");
    QTest::newRow("zu lang") << QStringLiteral("0100120199") << QStringLiteral("01001201");
    QTest::newRow("vorzeichen") << QStringLiteral("-1-1-1-1") << QStringLiteral("00111110");
  }
  void schlechteTexteFallenZurueck() {
    QFETCH(QString, gespeichert);
    QFETCH(QString, gelesen);
    QCOMPARE(OptionstextBauen(OptionstextLesen(gespeichert)), gelesen);
  }
};

QTEST_MAIN(TestOptionstext)
#include "test_optionstext.moc"
