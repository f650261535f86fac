#include <QtTest>

#include "Blockdaten.h"
#include "Farbmodell.h"
#include "Kachel.h"
#include "Kollision.h"
#include "Tilesetblock.h"
#include "Zahlen.h"

// The text and byte formats of offsets, pointers, tiles, colours, the stored
// tileset block and the block and collision tables, pinned by fixed examples:
// a codec wrong in both directions passes every round trip.
class TestZahlen : public QObject {
  Q_OBJECT
 private slots:
  void zeigerUndOffsets() {
    QCOMPARE(HexZuZahl(QStringLiteral("1BBA00")), 1817088);
    QCOMPARE(OffsetZuPointer(QStringLiteral("156D3"), 0), QStringLiteral("05D356"));
    QCOMPARE(OffsetZuPointer(QStringLiteral("1BBA00"), 3), QStringLiteral("6E007A"));
    QCOMPARE(OffsetZuPointer(QStringLiteral("B75E"), 0), QStringLiteral("025E77"));
    QCOMPARE(OffsetZuPointer(QStringLiteral("156D3"), 1), QStringLiteral("D356"));
    QCOMPARE(PointerZuOffset(QStringLiteral("05D356"), 0, 0), QStringLiteral("156D3"));
    QCOMPARE(PointerZuOffset(QStringLiteral("6E007A"), 0, 0), QStringLiteral("1BBA00"));
    QCOMPARE(PointerZuOffset(QStringLiteral("5E77"), 2, 2), QStringLiteral("B75E"));
    QCOMPARE(PointerZuOffset(QStringLiteral("005A"), 2, 2), QStringLiteral("9A00"));
  }

  void kachelTexte() {
    // Row pair 0x3C 0x7E is the cell row 1 3 4 4 4 4 3 1.
    const QString text = QStringLiteral("060126") + QString(42, QLatin1Char('0'));
    const Zellen z = KachelTextZuZellen(text);
    const Zellen erste = {1, 3, 4, 4, 4, 4, 3, 1};
    QVERIFY(std::equal(erste.begin(), erste.begin() + 8, z.begin()));
    QCOMPARE(ZellenZuKachelText(z), text);
    QCOMPARE(BytesZuKachelText(QByteArray("\x07\xFF\0\0\0\0\0\0\0\0\0\0\0\0\0\0", 16).constData()).left(6),
             QStringLiteral("007255"));
  }

  void tilesetblock() {
    Tilesetblock::KachelTexte texte;
    for (int i = 0; i < Tilesetblock::Kacheln; ++i) {
      QByteArray b(16, '\0');
      for (int k = 0; k < 16; ++k) b[k] = static_cast<char>(i * 16 + k);
      texte[i] = BytesZuKachelText(b.constData());
    }
    const QByteArray block = Tilesetblock::Bauen(texte);
    QCOMPARE(block.size(), 1542);
    QCOMPARE(block.left(4), QByteArray("\xE3\xFF\x00\x01", 4));
    QCOMPARE(block.mid(1024, 6), QByteArray("\xFE\xFF\xE1\xFF\x00\x01", 6));
    QCOMPARE(block.right(4), QByteArray("\xFE\xFF\xFF\x00", 4));
    QVERIFY(Tilesetblock::Lesen(block) == texte);
  }

  // The free test before an insertion (its question is the windows'): zeros,
  // or a stored block whose tiles are all empty.
  void frei() {
    QByteArray leererBlock =
        "\xE3\xFF" + QByteArray(1024, '\0') + "\xE1\xFF" + QByteArray(512, '\0') + QByteArray("\xFF\0", 2);
    QVERIFY(Tilesetblock::Frei(QByteArray(1542, '\0')) && Tilesetblock::Frei(leererBlock));
    QVERIFY(!Tilesetblock::HatMarker(QByteArray(1542, '\0')) && Tilesetblock::HatMarker(leererBlock));
    leererBlock[0] = 0;  // later markers alone do not make an area free
    QVERIFY(!Tilesetblock::Frei(leererBlock) && !Tilesetblock::HatMarker(leererBlock));
    QByteArray belegt(1542, '\0');
    belegt[1541] = 1;
    QVERIFY(!Tilesetblock::Frei(belegt));
  }

  // The places and byte formats of block and collision data.
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

  // Fixed examples: the byte order of the colour text, channel values between
  // the 8-steps, and the triple order, which a round trip cannot catch.
  void farbwoerter() {
    QCOMPARE(Farbauswerten(QStringLiteral("1F00"), QString()), QStringLiteral("000000248"));
    QCOMPARE(Farbauswerten(QStringLiteral("1F00"), QStringLiteral("HeX")), QStringLiteral("0000F8"));
    QCOMPARE(FarbtextZuFarbe(QStringLiteral("E003")), 256u * 248);
    QCOMPARE(TripelZuFarbe(QStringLiteral("248000008")), 8u + 65536u * 248);
    QCOMPARE(KanaeleZuFarbtext(0, 0, 255), QStringLiteral("007C"));
    QCOMPARE(Farbauswerten(QStringLiteral("3412"), QString()), QStringLiteral("032136160"));
    QCOMPARE(KanaeleZuFarbtext(160, 136, 32), QStringLiteral("3412"));
    // Only a valid colour text may enter a palette.
    for (const char* t : {"FF8F", "7F", "G000"}) QVERIFY(!IstFarbtext(QString::fromLatin1(t)));
  }
};

QTEST_GUILESS_MAIN(TestZahlen)
#include "test_zahlen.moc"
