#include <QtTest>

#include "Optionstext.h"

class TestOptionstext : public QObject {
  Q_OBJECT
 private slots:
  void lesenUndBauen_data() {
    QTest::addColumn<QString>("gespeichert");
    QTest::addColumn<QString>("gelesen");
    for (const char* t : {"00111510", "10040601"})
      QTest::newRow(t) << QString::fromLatin1(t) << QString::fromLatin1(t);
    QTest::newRow("zu kurz") << QStringLiteral("0101151") << QStringLiteral("00111510");
    QTest::newRow("zeit 5") << QStringLiteral("01051310") << QStringLiteral("01011310");
    QTest::newRow("groesse 0") << QStringLiteral("10020001") << QStringLiteral("10020501");
    QTest::newRow("groesse 7") << QStringLiteral("10021701") << QStringLiteral("10021501");
    QTest::newRow("raster 2") << QStringLiteral("10022301") << QStringLiteral("10021301");
    QTest::newRow("zwei farben") << QStringLiteral("11030610") << QStringLiteral("00130610");
    QTest::newRow("keine farbe") << QStringLiteral("00030610") << QStringLiteral("00130610");
    QTest::newRow("beide listen") << QStringLiteral("01001211") << QStringLiteral("01001210");
    QTest::newRow("zu lang") << QStringLiteral("0100120199") << QStringLiteral("01001201");
    QTest::newRow("vorzeichen") << QStringLiteral("-1-1-1-1") << QStringLiteral("00111110");
  }
  void lesenUndBauen() {
    QFETCH(QString, gespeichert);
    QFETCH(QString, gelesen);
    QCOMPARE(OptionstextBauen(OptionstextLesen(gespeichert)), gelesen);
  }
};

QTEST_MAIN(TestOptionstext)
#include "test_optionstext.moc"
