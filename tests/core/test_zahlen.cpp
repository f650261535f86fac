#include <QtTest>

#include "Kachel.h"
#include "Tilesetblock.h"
#include "Zahlen.h"

// The text and byte formats of offsets, pointers, tiles and the stored
// tileset block, pinned by fixed examples: a codec wrong in both directions
// passes every round trip.
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
};

QTEST_GUILESS_MAIN(TestZahlen)
#include "test_zahlen.moc"
