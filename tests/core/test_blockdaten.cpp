#include <QtTest>

#include "Blockdaten.h"
#include "Kollision.h"
#include "Zahlen.h"

// The places and byte formats of block and collision data, by fixed examples.
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

  void blockText() {
    const QByteArray bytes("\x00\x01\x02\x03\x10\x11\x12\x13\x20\x21\x22\x23\x30\x31\x60\xFF", 16);
    QCOMPARE(Blockdaten::AusBytes(bytes), QStringLiteral("000102031011121320212223303160FF"));
    QCOMPARE(Blockdaten::ZuBytes(Blockdaten::AusBytes(bytes)), bytes);
  }
};

QTEST_MAIN(TestBlockdaten)
#include "test_blockdaten.moc"
