#include <QtTest>

#include "Blockbild.h"
#include "Blockdaten.h"
#include "Frm_Kolli.h"
#include "Kollision.h"
#include "Module1.h"
#include "Welt.h"
#include "frm_Angaben.h"
#include "frm_Block.h"

namespace {
frm_Block& Block() { return frm_Block::Instanz(); }
Frm_Kolli& Kolli() { return Frm_Kolli::Instanz(); }

QImage Ausschnitt(const Bildfeld* bild, int x, int y) { return bild->Bild().copy(x, y, 16, 16); }

QImage Platzhalter() {
  QImage bild = Blockbild::Leer(16, 16);
  Blockbild::Platzhalter(bild, 0, 0);
  return bild;
}
}  // namespace

class TestBloecke : public QObject {
  Q_OBJECT
 private slots:
  // A tileset choice reads both tables through the header's pointers and
  // shows block 01: its tiles, where it lies, its four collision values.
  void auswahl() {
    Rombau::Plan plan = Testdaten::Plan();
    plan.tilesets[1].bloecke.replace(0, 16, QByteArray::fromHex("00010203101112132021222330313233"));
    Testumgebung u(plan);
    Welt::Offen(u);
    frm_Block& b = Block();
    QCOMPARE(b.Lbl_Pos->text(), QStringLiteral("60000"));
    QCOMPARE(b.Lbl_Offset->text(), QStringLiteral("Offset: 060010"));
    QCOMPARE(b.Pic_Block->Bild(), b.Pic_Tileset->Bild().copy(0, 0, 64, 64));
    for (int q = 1; q <= 4; ++q)
      QCOMPARE(Kolli().Cbo_Art[q]->currentIndex(), int(quint8(u.plan.tilesets[1].kollisionen[q - 1])));

    Welt::Waehlen(u.fenster(), 28);
    QCOMPARE(b.Lbl_Pos->text(), QStringLiteral("6D800"));
  }

  // Left picks a tile from the tileset and paints it into block cells; right
  // picks from the block; presses outside either picture do nothing. Numbers
  // without a tile show a placeholder and are saved as they are. The save
  // writes the block's 16 bytes in place; what was not saved is gone when the
  // block is chosen again.
  void mausUndSpeichern() {
    Rombau::Plan plan = Testdaten::Plan();
    plan.tilesets[1].bloecke.replace(16, 16, QByteArray::fromHex("60FF00000000001F0000000000000000"));
    Testumgebung u(plan);
    Welt::Offen(u);
    frm_Block& b = Block();
    const Bildfeld* tileset = b.Pic_Tileset;
    b.show();
    QVERIFY(QTest::qWaitForWindowExposed(&b));
    QTest::mousePress(b.Pic_Tileset, Qt::LeftButton, {}, QPoint(40, 20));
    for (QPointF p : {QPointF(-1, 5), QPointF(5, -0.5), QPointF(256, 5), QPointF(5, 96)})
      b.Pic_Tileset_MouseMove(1, 0, p.x(), p.y());
    QCOMPARE(b.Pic_Aktuell->Bild(), Ausschnitt(tileset, 32, 16));  // tile 12

    Kolli().Cbo_Block->setCurrentIndex(1);
    QCOMPARE(Ausschnitt(b.Pic_Block, 0, 0), Platzhalter());
    b.Pic_Block_MouseMove(2, 0, 20, 5);
    QCOMPARE(b.Pic_Aktuell->Bild(), Platzhalter());
    b.Pic_Block_MouseMove(1, 0, 40, 5);
    b.Cmd_Speichern_Click();
    const qint64 ort = Blockdaten::BlockOffset(u.plan.tilesets[1].blockTabelle, 2);
    QCOMPARE(Welt::Rom(u).mid(ort, 4), QByteArray::fromHex("60FFFF00"));
    const QByteArray vorher = Welt::Rom(u);

    b.Pic_Block_MouseMove(2, 0, 3 * 16 + 5, 16 + 5);  // tile 1F
    QCOMPARE(b.Pic_Aktuell->Bild(), Ausschnitt(tileset, 15 * 16, 16));
    for (int x : {-3, 64}) b.Pic_Block_MouseMove(2, 0, x, 5);
    for (QPoint p : {QPoint(3, 3), QPoint(3, 63), QPoint(70, 3)}) b.Pic_Block_MouseMove(1, 0, p.x(), p.y());
    b.Pic_Block_MouseMove(3, 0, 20, 3);  // both buttons paint nothing
    QCOMPARE(Welt::Rom(u), vorher);
    b.Cmd_Speichern_Click();
    QByteArray erwartet = vorher;
    erwartet[ort] = erwartet[ort + 12] = 0x1F;
    QCOMPARE(Welt::Rom(u), erwartet);

    b.Pic_Tileset_MouseMove(1, 0, 5 * 16, 2 * 16);  // tile 25
    b.Pic_Block_MouseMove(1, 0, 60, 60);
    QCoreApplication::processEvents();
    emit Kolli().Cbo_Block->activated(1);  // picked again by the user, the placement discarded
    b.Cmd_Speichern_Click();
    QCOMPARE(Welt::Rom(u), erwartet);
    QCOMPARE(u.Texte(),
             QStringLiteral("Tessaron: Block 02 (Titelset1): Die Änderungen sind noch nicht gespeichert."));
  }

  // Full lists show every value, short lists the known ones; a save writes
  // the chosen values in quadrant order, and a value without a text in the
  // short lists stays as stored.
  void kollisionen() {
    Rombau::Plan plan = Testdaten::Plan();
    plan.tilesets[1].kollisionen.replace(4, 4, QByteArray::fromHex("42A342B2"));
    Testumgebung u(plan);
    Welt::Offen(u);
    Frm_Kolli& k = Kolli();
    k.Cbo_Block->setCurrentIndex(1);
    QCOMPARE(k.Cbo_Art[1]->currentText(), QStringLiteral("42"));
    QCOMPARE(k.Cbo_Art1[1]->currentIndex(), -1);
    QCOMPARE(k.Cbo_Art1[2]->currentText(), QStringLiteral("A3"));
    QCOMPARE(k.Cbo_Art1[4]->currentText(), QStringLiteral("B2"));

    const qint64 ort = Kollision::SatzOffset(u.plan.tilesets[1].kolliTabelle, 2);
    k.Cbo_Art[2]->setCurrentIndex(0x18);
    k.Cmd_Speichern_Click();
    QCOMPARE(Welt::Rom(u).mid(ort, 4), QByteArray::fromHex("421842B2"));

    Haupt.KolliListeKurz(true);
    k.Cbo_Block->setCurrentIndex(0);
    k.Cbo_Block->setCurrentIndex(1);
    QCOMPARE(k.Cbo_Art1[2]->currentText(), QStringLiteral("18"));
    k.Cbo_Art1[4]->setCurrentIndex(Kollision::KurzIndex(0x29));
    for (int mal = 0; mal < 2; ++mal) {
      k.Cmd_Speichern_Click();
      QCOMPARE(Welt::Rom(u).mid(ort, 4), QByteArray::fromHex("42184229"));
    }
  }

  // A block chosen in either window is chosen in both; a tileset change keeps
  // the block number and reads the new tileset's records.
  void blockwahlUndTilesetwechsel() {
    Testumgebung u;
    Welt::Offen(u);
    frm_Block& b = Block();
    Frm_Kolli& k = Kolli();
    b.Cbo_Block->setCurrentIndex(9);
    QTest::keyClick(k.Cbo_Block, Qt::Key_Down);

    Welt::Waehlen(u.fenster(), 3);
    QCOMPARE(k.Cbo_Block->currentIndex(), 10);
    const Rombau::Tileset& t = u.plan.tilesets[3];
    QCOMPARE(b.Lbl_Offset->text(), QStringLiteral("Offset: 0610B0"));  // block 0B of the table at 61000
    QCOMPARE(k.Cbo_Art[1]->currentIndex(), int(quint8(t.kollisionen[10 * 4])));
  }
};

QTEST_MAIN(TestBloecke)
#include "test_bloecke.moc"
