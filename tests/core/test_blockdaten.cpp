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
    QCOMPARE(Blockdaten::Ort2(1, 16), QStringLiteral("0101"));
    QCOMPARE(Blockdaten::Ort2(16, 16), QStringLiteral("1601"));
    QCOMPARE(Blockdaten::Ort2(17, 16), QStringLiteral("0102"));
    QCOMPARE(Blockdaten::Ort2(0x1F + 1, 16), QStringLiteral("1602"));
    QCOMPARE(Blockdaten::Ort2(96, 16), QStringLiteral("1606"));
    QCOMPARE(Blockdaten::Ort2(256, 16), QStringLiteral("1616"));
    for (int zahl = 1; zahl <= 256; ++zahl) {
      const QString erwartet = QString::number((zahl - 1) % 16 + 1).rightJustified(2, QLatin1Char('0')) +
                               QString::number((zahl - 1) / 16 + 1).rightJustified(2, QLatin1Char('0'));
      QCOMPARE(Blockdaten::Ort2(zahl, 16), erwartet);
    }
    QVERIFY(Blockdaten::IsInt(3.0));
    QVERIFY(!Blockdaten::IsInt(2.5));
    QVERIFY(!Blockdaten::IsInt(-2.5));
  }

  void blockText() {
    const QByteArray bytes("\x00\x01\x02\x03\x10\x11\x12\x13\x20\x21\x22\x23\x30\x31\x60\xFF", 16);
    const QString text = Blockdaten::AusBytes(bytes);
    QCOMPARE(text, QStringLiteral("000102031011121320212223303160FF"));
    QCOMPARE(Blockdaten::ZuBytes(text), bytes);
    QCOMPARE(Blockdaten::Kachel(text, 15), 0xFF);
    const QString neu = Blockdaten::Setzen(text, 0, QStringLiteral("5F"));
    QCOMPARE(neu, QStringLiteral("5F0102031011121320212223303160FF"));
    QCOMPARE(Blockdaten::Setzen(neu, 15, QStringLiteral("07")),
             QStringLiteral("5F010203101112132021222330316007"));
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

  void quadranten() {
    const int erwartet[16] = {1, 1, 2, 2, 1, 1, 2, 2, 3, 3, 4, 4, 3, 3, 4, 4};
    for (int zelle = 0; zelle < 16; ++zelle) QCOMPARE(Kollision::Quadrant(zelle), erwartet[zelle]);
    QCOMPARE(Kollision::QuadrantOrt(0), QPoint(0, 0));
    QCOMPARE(Kollision::QuadrantOrt(3), QPoint(16, 0));
    QCOMPARE(Kollision::QuadrantOrt(6), QPoint(0, 16));
    QCOMPARE(Kollision::QuadrantOrt(15), QPoint(16, 16));
  }

  void speicherWert() {
    QCOMPARE(Kollision::SpeicherWert(false, 0x42, QString(), 0x07), 0x42);
    QCOMPARE(Kollision::SpeicherWert(false, -1, QString(), 0x07), 0x07);
    QCOMPARE(Kollision::SpeicherWert(true, 0x42, QStringLiteral("A3"), 0x42), 0xA3);
    QCOMPARE(Kollision::SpeicherWert(true, 0x00, QString(), 0x42), 0x42);
  }

  void kachelnZeichnen() {
    // Every tile pixel distinct per tile: colour = k * 256 + x * 16 + y.
    const QImage tileset =
        Blockbild::Tileset([](int k, int x, int y) { return std::uint32_t(k * 256 + x * 16 + y); });
    QCOMPARE(tileset.size(), QSize(256, 96));
    auto farbe = [](std::uint32_t v) { return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF).rgb(); };
    // Tile 0x11 is k = 18 at column 2, row 2; its cell (3, 5) covers a 2 x 2 square.
    for (int dx = 0; dx < 2; ++dx)
      for (int dy = 0; dy < 2; ++dy)
        QCOMPARE(tileset.pixel(16 + 4 + dx, 16 + 8 + dy), farbe(18 * 256 + 3 * 16 + 5));

    QImage ziel = Blockbild::Leer(32, 16);
    Blockbild::Kachel(tileset, 0x5F, ziel, 0, 0);
    QCOMPARE(ziel.copy(0, 0, 16, 16), tileset.copy(240, 80, 16, 16));
    Blockbild::Kachel(tileset, 0x60, ziel, 16, 0);
    QImage platzhalter = Blockbild::Leer(16, 16);
    Blockbild::Platzhalter(platzhalter, 0, 0);
    QCOMPARE(ziel.copy(16, 0, 16, 16), platzhalter);
    QCOMPARE(QColor(platzhalter.pixel(0, 0)), QColor(255, 0, 0));
    QCOMPARE(QColor(platzhalter.pixel(15, 0)), QColor(255, 0, 0));
    QCOMPARE(QColor(platzhalter.pixel(5, 0)), QColor(128, 128, 128));
  }
};

QTEST_MAIN(TestBlockdaten)
#include "test_blockdaten.moc"
