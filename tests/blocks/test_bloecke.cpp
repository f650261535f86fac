#include <QSettings>
#include <QtTest>

#include "Blockbild.h"
#include "Blockdaten.h"
#include "Frm_Bearbeiten.h"
#include "Frm_Blockuebersicht.h"
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

Bloeckebild& Uebersicht() { return *Frm_Blockuebersicht::Instanz().Pic_Bloecke; }

// Block b of the overview's picture, or of the block sheet (block 01 first).
QImage Bildblock(int b) { return Uebersicht().Bild().copy(Bloeckebild::Ort(b)); }
QImage Bogenblock(const QImage& bogen, int b) {
  return bogen.copy((b - 1) % 16 * 32, (b - 1) / 16 * 32, 32, 32);
}

bool Nutzt(const Testumgebung& u, int n, int b, int t) {
  return u.plan.tilesets[n].bloecke.mid((b - 1) * 16, 16).contains(char(t));
}

// Tileset 1: tile 1F in block 01 (twice), 2A in blocks 02..0D, 05 nowhere.
Rombau::Plan Nutzungsplan() {
  Rombau::Plan plan = Testdaten::Plan();
  QByteArray& bloecke = plan.tilesets[1].bloecke;
  bloecke.fill(0);
  bloecke[0] = bloecke[5] = 0x1F;
  for (int b = 2; b <= 13; ++b) bloecke[(b - 1) * 16 + b % 16] = 0x2A;
  return plan;
}

bool Schraffiert(int tile) {
  const QImage bild = Welt::Tile(tile + 1).grab().toImage();
  for (int y = 0; y < bild.height(); ++y)
    for (int x = 0; x < bild.width(); ++x)
      if (bild.pixel(x, y) == qRgb(255, 0, 255)) return true;
  return false;
}

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

  // Every block of the overview, on the screen at its scale, is what the
  // block sheet writes, in the game's palettes, painting included; block 00
  // is black.
  void uebersichtWieBlockbogen_data() {
    QTest::addColumn<QString>("optionen");
    QTest::addColumn<int>("massstab");
    QTest::addRow("Zeit 0, 1x") << "00101510" << 1;
    QTest::addRow("Zeit 4, 3x") << "00141510" << 3;
  }
  void uebersichtWieBlockbogen() {
    QFETCH(QString, optionen);
    QFETCH(int, massstab);
    Welt::Optionen(optionen);
    Testumgebung u;
    frm_Angaben& f = Welt::Offen(u, 2);
    Welt::Bemalen();
    f.Cmd_Blockuebersicht->trigger();
    Uebersicht().MassstabSetzen(massstab);
    const QString pfad = u.Pfad(QStringLiteral("bloecke.png"));
    frm_Block::Instanz().BlockBildSpeichern(pfad);
    const QImage bogen = QImage(pfad).convertToFormat(QImage::Format_RGB32);
    const QImage schirm = Uebersicht().grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(schirm.size(), QSize(512, 256) * massstab);
    const QSize seite(32 * massstab, 32 * massstab);
    QImage schwarz(seite, QImage::Format_RGB32);
    schwarz.fill(Qt::black);
    QCOMPARE(schirm.copy(QRect(QPoint(0, 0), seite)), schwarz);
    for (int b = 1; b <= 127; ++b)
      QCOMPARE(schirm.copy(QRect(Bloeckebild::Ort(b).topLeft() * massstab, seite)),
               Bogenblock(bogen, b).scaled(seite));
  }

  // A stroke over tile 1F redraws exactly the blocks using it, by the next
  // turn of the event loop; its undo brings the picture back. A placement in
  // the block editor redraws its block alone.
  void strich() {
    Testumgebung u;
    Welt::Offen(u, 1).Cmd_Blockuebersicht->trigger();
    const QImage vorher = Uebersicht().Bild();
    const QString kachel = Welt::Tile(0x20).Zurükgeben();
    Frm_Bearbeiten& ansicht = Frm_Bearbeiten::Instanz();
    ansicht.Fläche_MouseDown(0x20, 1, 0, 10, 10);
    for (int i = 1; i < 8; ++i) ansicht.Fläche_MouseMove(0x20, 1, 0, i * 75 + 10, i * 75 + 10);
    ansicht.Fläche_MouseUp(0x20, 1, 0, 600, 600);
    QVERIFY(Welt::Tile(0x20).Zurükgeben() != kachel);
    QCoreApplication::processEvents();
    for (int b = 1; b <= 127; ++b)
      QCOMPARE(Bildblock(b) != vorher.copy(Bloeckebild::Ort(b)), Nutzt(u, 1, b, 0x1F));
    ansicht.Verlauf().Rückgängig();
    QCoreApplication::processEvents();
    QCOMPARE(Uebersicht().Bild(), vorher);
    Block().Pic_Tileset_MouseMove(1, 0, 0, 0);
    Block().Pic_Block_MouseMove(1, 0, 63, 63);
    QCoreApplication::processEvents();
    for (int b = 1; b <= 127; ++b) QCOMPARE(Bildblock(b) != vorher.copy(Bloeckebild::Ort(b)), b == 1);
  }

  // A click chooses the block in the block editor; block 00 is no choice.
  // Pointing at a tile frames the blocks using it.
  void klickUndRahmen() {
    Testumgebung u;
    frm_Angaben& f = Welt::Offen(u, 1);
    f.Cmd_Blockuebersicht->trigger();
    QTest::mouseClick(&Uebersicht(), Qt::LeftButton, {}, Bloeckebild::Ort(0x23).center());
    QVERIFY(Block().isVisible());
    QCOMPARE(Block().Cbo_Block->currentIndex(), 0x22);
    QCOMPARE(Kolli().Cbo_Block->currentIndex(), 0x22);
    QTest::mouseClick(&Uebersicht(), Qt::LeftButton, {}, QPoint(3, 3));
    QCOMPARE(Block().Cbo_Block->currentIndex(), 0x22);

    QEvent hinein(QEvent::Enter), hinaus(QEvent::Leave);
    QCoreApplication::sendEvent(&Welt::Tile(0x20), &hinein);
    for (int b = 0; b < 128; ++b) QCOMPARE(Uebersicht().Umrahmt()[b], b > 0 && Nutzt(u, 1, b, 0x1F));
    QCoreApplication::sendEvent(&Welt::Tile(0x20), &hinaus);
    QVERIFY(Uebersicht().Umrahmt().none());
  }

  // Tooltips count the blocks using a tile, the unsaved block as shown; a
  // save and its take-back bring them back to the table.
  void nutzung_data() {
    QTest::addColumn<int>("tile");
    QTest::addColumn<QString>("geladen");
    QTest::addColumn<QString>("gesetzt");  // tile 05 over block 01's first cell
    QTest::addRow("keiner") << 0x05 << "Tile 05: in keinem Block"
                            << "Tile 05: in 1 Block";
    QTest::addRow("einer") << 0x1F << "Tile 1F: in 1 Block"
                           << "Tile 1F: in 1 Block";
    QTest::addRow("viele") << 0x2A << "Tile 2A: in 12 Blöcken"
                           << "Tile 2A: in 12 Blöcken";
  }
  void nutzung() {
    QFETCH(int, tile);
    QFETCH(QString, geladen);
    QFETCH(QString, gesetzt);
    Testumgebung u(Nutzungsplan());
    frm_Angaben& f = Welt::Offen(u, 1);
    QCoreApplication::processEvents();
    QCOMPARE(Welt::Tile(tile + 1).toolTip(), geladen);
    Block().Pic_Tileset_MouseMove(1, 0, 5 * 16, 0);
    Block().Pic_Block_MouseMove(1, 0, 1, 1);
    QCoreApplication::processEvents();
    QCOMPARE(Welt::Tile(tile + 1).toolTip(), gesetzt);
    Block().Cmd_Speichern_Click();
    f.Cmd_Zurücknehmen_Click();
    QCoreApplication::processEvents();
    QCOMPARE(Welt::Tile(tile + 1).toolTip(), geladen);
  }

  // The marker hatches unused tiles on the screen only: the tiles and the
  // tileset picture stay as they were, and the choice is stored.
  void markierung() {
    Testumgebung u(Nutzungsplan());
    frm_Angaben& f = Welt::Offen(u, 1);
    const QString vorher = u.Pfad(QStringLiteral("vorher.png")),
                  nachher = u.Pfad(QStringLiteral("nachher.png"));
    f.BildSpeichern(vorher);
    const QStringList kacheln = Welt::Ansicht();
    f.Cmd_Unbenutzt->trigger();
    QCoreApplication::processEvents();
    QVERIFY(Schraffiert(0x05));
    QVERIFY(!Schraffiert(0x1F));
    QCOMPARE(Welt::Ansicht(), kacheln);
    f.BildSpeichern(nachher);
    QCOMPARE(u.Lies(QStringLiteral("nachher.png")), u.Lies(QStringLiteral("vorher.png")));
    QCOMPARE(QSettings(QStringLiteral("ZERAN"), QStringLiteral("Tessaron")).value("Einstelungen/Unbenutzt"),
             QVariant(QStringLiteral("1")));
    f.Cmd_Unbenutzt->trigger();
    QVERIFY(!Schraffiert(0x05));
  }
};

QTEST_MAIN(TestBloecke)
#include "test_bloecke.moc"
