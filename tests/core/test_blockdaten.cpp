#include <QtTest>

#include "Blockbild.h"
#include "Blockdaten.h"
#include "Kollision.h"
#include "Zahlen.h"

class TestBlockdaten : public QObject {
  Q_OBJECT
 private slots:
  void zeigerUndTabellen() {
    QCOMPARE(Blockdaten::ZeigerOrt(1), 0x156E5);
    QCOMPARE(Blockdaten::ZeigerOrt(28), 0x1587A);
    QCOMPARE(Kollision::ZeigerOrt(1), 0x156E8);
    QCOMPARE(Kollision::ZeigerOrt(28), 0x1587D);

    const QString zeiger = Blockdaten::ZeigerText(QByteArray("\x05\x00\x40", 3));
    QCOMPARE(zeiger, QStringLiteral("050040"));
    const qint64 tabelle = HexZuZahl(PointerZuOffset(zeiger, 0, 0));
    QCOMPARE(tabelle, 0x14000);
    QCOMPARE(Blockdaten::BlockOffset(tabelle, 0x01), 0x14010);
    QCOMPARE(Blockdaten::BlockOffset(tabelle, 0x7F), 0x147F0);
    QCOMPARE(Kollision::SatzOffset(tabelle, 0x01), 0x14004);
    QCOMPARE(Kollision::SatzOffset(tabelle, 0x7F), 0x141FC);

    // A pointer below the banked area must not turn into a small offset that
    // would let a save land in the ROM header.
    QVERIFY(HexZuZahl(PointerZuOffset(QStringLiteral("000000"), 0, 0)) >= 0x200000);
  }

  void gitterOrte() {
    QCOMPARE(Blockdaten::Ort(1, 2, 16), QStringLiteral("33"));
    QCOMPARE(Blockdaten::Ort(3, 3, 4), QStringLiteral("15"));
    // Column and row of every entry of the tileset picture and beyond, against
    // the integer arithmetic the floating-point steps stand for.
    for (int zahl = 1; zahl <= 256; ++zahl) {
      const QString erwartet = QString::number((zahl - 1) % 16 + 1).rightJustified(2, QLatin1Char('0')) +
                               QString::number((zahl - 1) / 16 + 1).rightJustified(2, QLatin1Char('0'));
      QCOMPARE(Blockdaten::Ort2(zahl, 16), erwartet);
    }
  }

  void blockText() {
    const QByteArray bytes("\x00\x01\x02\x03\x10\x11\x12\x13\x20\x21\x22\x23\x30\x31\x60\xFF", 16);
    QCOMPARE(Blockdaten::AusBytes(bytes), QStringLiteral("000102031011121320212223303160FF"));
    QCOMPARE(Blockdaten::ZuBytes(Blockdaten::AusBytes(bytes)), bytes);
  }

  void bekannteWerte() {
    const QStringList kurz = Kollision::KurzListe();
    QCOMPARE(kurz, QStringList({"00", "01", "07", "12", "15", "18", "24", "27", "29", "70", "71", "7B", "76",
                                "7E", "A0", "A1", "A3", "B2"}));
    QCOMPARE(Kollision::KurzIndex(0x07), 2);
    QCOMPARE(Kollision::KurzIndex(0x7B), 11);
    QCOMPARE(Kollision::KurzIndex(0x42), -1);

    const QString text = Kollision::Beschreibung();
    QVERIFY(text.startsWith(QStringLiteral("\n00 - Kein Hindernis\n01 - Kein Hindernis\n07 - Hindernis\n")));
    QVERIFY(text.contains(QStringLiteral("\n71 - Tür\n7B -Höhleneingang\n76 - Teppich Links\n")));
    QVERIFY(
        text.endsWith(QStringLiteral("B2 - Freier Block (Auf Klippen)\n\nDie restlichen sind nochnicht "
                                     "bekannt. Aufjedenfahl kenne ich sie nicht.")));
    QCOMPARE(text.count(QLatin1Char('\n')), 20);
  }

  void kachelnZeichnen() {
    // Every tile pixel distinct per tile: colour = k * 256 + x * 16 + y.
    const QImage tileset =
        Blockbild::Tileset([](int k, int x, int y) { return std::uint32_t(k * 256 + x * 16 + y); });
    // 0x5F is the last tile the tileset holds; 0x60 has none and gets the
    // placeholder: a grey cell crossed in red.
    QImage ziel = Blockbild::Leer(32, 16);
    Blockbild::Kachel(tileset, 0x5F, ziel, 0, 0);
    QCOMPARE(ziel.copy(0, 0, 16, 16), tileset.copy(240, 80, 16, 16));
    Blockbild::Kachel(tileset, 0x60, ziel, 16, 0);
    const QImage platzhalter = ziel.copy(16, 0, 16, 16);
    for (QPoint rot : {QPoint(0, 0), QPoint(15, 0), QPoint(7, 7), QPoint(0, 15)})
      QCOMPARE(QColor(platzhalter.pixel(rot)), QColor(255, 0, 0));
    QCOMPARE(QColor(platzhalter.pixel(5, 0)), QColor(128, 128, 128));
  }
};

QTEST_MAIN(TestBlockdaten)
#include "test_blockdaten.moc"
