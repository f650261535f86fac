#include <QtTest>

#include "Blockbild.h"
#include "Blockdaten.h"
#include "Dateizugriff.h"
#include "Frm_Bearbeiten.h"
#include "Frm_Kolli.h"
#include "Kollision.h"
#include "Module1.h"
#include "Testumgebung.h"
#include "frm_Angaben.h"
#include "frm_Block.h"

namespace {
frm_Block& Block() { return frm_Block::Instanz(); }
Frm_Kolli& Kolli() { return Frm_Kolli::Instanz(); }

void Oeffnen(Testumgebung& u) { u.fenster().RomÖffnen(u.rom()); }

void TilesetWaehlen(Testumgebung& u, int index) {
  u.fenster().Auswahl->setCurrentIndex(index);
  u.fenster().Auswahl_Click();
}

QImage Ausschnitt(const Bildfeld* bild, int x, int y) { return bild->Bild().copy(x, y, 16, 16); }

QImage Platzhalter() {
  QImage bild = Blockbild::Leer(16, 16);
  Blockbild::Platzhalter(bild, 0, 0);
  return bild;
}

// Offsets at which two files differ.
QList<qint64> Unterschiede(const QByteArray& a, const QByteArray& b) {
  QList<qint64> orte;
  for (qint64 i = 0; i < std::max(a.size(), b.size()); ++i)
    if (i >= a.size() || i >= b.size() || a[i] != b[i]) orte << i;
  return orte;
}

const QString Rom = QStringLiteral("test.gb");
}  // namespace

class TestBloecke : public QObject {
  Q_OBJECT
 private slots:
  void auswahlRichtetBeideFensterEin() {
    Testumgebung u;
    Oeffnen(u);
    QVERIFY(Frm_Kolli::Geladen() && frm_Block::Geladen());
    QVERIFY(Kolli().isHidden() && Block().isHidden());
    QCOMPARE(Module1.BlockPointerOrt, QStringLiteral("0156E5"));
    QCOMPARE(Module1.KolliPointerOrt, QStringLiteral("0156E8"));
    QCOMPARE(Block().Lbl_Pos->text(), QStringLiteral("60000"));
    QCOMPARE(Kolli().Lbl_Ort->text(), QStringLiteral("70000"));
    QCOMPARE(Kolli().Cbo_Block->currentIndex(), 0);
    QCOMPARE(Block().Lbl_Block->text(), QStringLiteral("Block: 01"));
    QCOMPARE(Block().Lbl_Offset->text(), QStringLiteral("Offset: 060010"));
    QCOMPARE(Module1.AktuellerBlock, Blockdaten::AusBytes(u.plan.tilesets[1].bloecke.left(16)));
    QCOMPARE(Module1.KolliOrt, 0x70004);
    QCOMPARE(Kolli().Cbo_Art[4]->currentIndex(), int(quint8(u.plan.tilesets[1].kollisionen[3])));

    // The tileset picture is drawn from the tileset view, 2 x 2 pixels a cell.
    const ::Fläche& kachel11 = Frm_Bearbeiten::Instanz().Fläche(0x11 + 1);
    QCOMPARE(Block().Pic_Tileset->Bild().pixel(16 + 4, 16 + 8), VbFarbe(kachel11.Point(3, 5)).rgb());
    QCOMPARE(Block().Pic_Tileset->Bild().pixel(16 + 5, 16 + 9), VbFarbe(kachel11.Point(3, 5)).rgb());
    QCOMPARE(Block().AktuellesTile, QStringLiteral("00"));
    QCOMPARE(Block().Pic_Aktuell->Bild(), Ausschnitt(Block().Pic_Tileset, 0, 0));

    // The last entry of the list is block 7F.
    Block().Cbo_Block->setCurrentIndex(126);
    QCOMPARE(Block().Lbl_Block->text(), QStringLiteral("Block: 7F"));
    QCOMPARE(Block().Lbl_Offset->text(), QStringLiteral("Offset: 0607F0"));
    QCOMPARE(Module1.KolliOrt, 0x701FC);

    TilesetWaehlen(u, 27);
    QCOMPARE(Module1.BlockPointerOrt, QStringLiteral("01587A"));
    QCOMPARE(Block().Lbl_Pos->text(), QStringLiteral("6D800"));

    // Both windows stay loaded: closing hides them.
    u.fenster().Cmd_Kolli->trigger();
    QVERIFY(Kolli().isVisible());
    Kolli().close();
    QVERIFY(Frm_Kolli::Geladen() && Kolli().isHidden());
    u.fenster().Cmd_Block->trigger();
    QVERIFY(Block().isVisible());
    QTest::mouseClick(Block().Cmd_Abbrechen, Qt::LeftButton);
    QVERIFY(frm_Block::Geladen() && Block().isHidden());
  }

  // Everything the mouse does in the block window, and saving.
  void mausUndSpeichern() {
    Rombau::Plan plan = Testdaten::Plan();
    plan.tilesets[1].bloecke.replace(0, 16, QByteArray::fromHex("00010203101112132021222330313233"));
    plan.tilesets[1].bloecke.replace(16, 16, QByteArray::fromHex("60FF00000000001F0000000000000000"));
    Testumgebung u(plan);
    Oeffnen(u);
    frm_Block& b = Block();
    const Bildfeld* tileset = b.Pic_Tileset;
    QCOMPARE(b.Pic_Block->Bild(), tileset->Bild().copy(0, 0, 64, 64));
    for (int q = 1; q <= 4; ++q)
      QCOMPARE(Kolli().Pic_Aussehen[q]->Bild(),
               tileset->Bild().copy((q - 1) % 2 * 32, (q - 1) / 2 * 32, 32, 32));

    // Pointing names a tile, a press picks it, presses outside pick nothing.
    b.show();
    QVERIFY(QTest::qWaitForWindowExposed(&b));
    b.Pic_Tileset_MouseMove(0, 0, 20, 40);
    QCOMPARE(b.Lbl_Tile->text(), QStringLiteral("Tile: 21"));
    QCOMPARE(b.AktuellesTile, QStringLiteral("00"));
    QTest::mousePress(b.Pic_Tileset, Qt::LeftButton, {}, QPoint(40, 20));
    QCOMPARE(b.AktuellesTile, QStringLiteral("12"));
    QCOMPARE(b.Pic_Aktuell->Bild(), Ausschnitt(tileset, 32, 16));
    QCOMPARE(b.Lbl_Tile->text(), QStringLiteral("Tile: 21"));
    for (QPointF p : {QPointF(-1, 5), QPointF(5, -0.5), QPointF(256, 5), QPointF(5, 96)}) {
      b.Pic_Tileset_MouseMove(1, 0, p.x(), p.y());
      QCOMPARE(b.AktuellesTile, QStringLiteral("12"));
    }
    QCOMPARE(b.Pic_Aktuell->Bild(), Ausschnitt(tileset, 32, 16));

    // Numbers without a tile show the placeholder and are saved as they are.
    Kolli().Cbo_Block->setCurrentIndex(1);
    QCOMPARE(Ausschnitt(b.Pic_Block, 0, 0), Platzhalter());
    QCOMPARE(Ausschnitt(b.Pic_Block, 16, 0), Platzhalter());
    QCOMPARE(Ausschnitt(Kolli().Pic_Aussehen[1], 16, 0), Platzhalter());
    b.Pic_Block_MouseMove(2, 0, 20, 5);
    QCOMPARE(b.AktuellesTile, QStringLiteral("FF"));
    QCOMPARE(b.Pic_Aktuell->Bild(), Platzhalter());
    b.Pic_Block_MouseMove(1, 0, 40, 5);
    QCOMPARE(Module1.AktuellerBlock.left(6), QStringLiteral("60FFFF"));
    QCOMPARE(Ausschnitt(b.Pic_Block, 32, 0), Platzhalter());
    b.Cmd_Speichern_Click();
    const qint64 ort = 0x60020;
    QCOMPARE(u.Lies(Rom).mid(ort, 4), QByteArray::fromHex("60FFFF00"));
    const QByteArray vorher = u.Lies(Rom);
    const QString gespeichert = Module1.AktuellerBlock;

    // A right press picks from the block, outside it nothing.
    b.Pic_Block_MouseMove(2, 0, 3 * 16 + 5, 16 + 5);
    QCOMPARE(b.AktuellesTile, QStringLiteral("1F"));
    QCOMPARE(b.Pic_Aktuell->Bild(), Ausschnitt(tileset, 15 * 16, 16));
    b.Pic_Block_MouseMove(2, 0, -3, 5);
    b.Pic_Block_MouseMove(2, 0, 64, 5);
    QCOMPARE(b.AktuellesTile, QStringLiteral("1F"));

    // Holding the left button paints cell after cell; the ROM is not touched.
    b.Pic_Block_MouseMove(1, 0, 3, 3);
    b.Pic_Block_MouseMove(1, 0, 3, 63);
    b.Pic_Block_MouseMove(1, 0, 70, 3);
    b.Pic_Block_MouseMove(3, 0, 20, 3);
    QCOMPARE(Module1.AktuellerBlock.left(2), QStringLiteral("1F"));
    QCOMPARE(Module1.AktuellerBlock.mid(24, 2), QStringLiteral("1F"));
    QCOMPARE(Module1.AktuellerBlock.mid(2, 22), gespeichert.mid(2, 22));
    QCOMPARE(Ausschnitt(b.Pic_Block, 0, 48), Ausschnitt(tileset, 15 * 16, 16));
    QCOMPARE(u.Lies(Rom), vorher);

    // Choosing the block again drops what was not saved.
    Kolli().Cbo_Block->setCurrentIndex(2);
    Kolli().Cbo_Block->setCurrentIndex(1);
    QCOMPARE(Module1.AktuellerBlock, gespeichert);

    // An unchanged block is written all the same. Failed writes are the
    // write-fault walk's (reliability tests).
    QCOMPARE(Module1.BlockOrt, ort);
    Schreibfehler::NachSchritt(0);
    b.Cmd_Speichern_Click();
    QVERIFY(Schreibfehler::Schritte() > 0);
    QCOMPARE(u.Lies(Rom), vorher);

    b.Pic_Tileset_MouseMove(1, 0, 5 * 16, 2 * 16);  // tile 25
    b.Pic_Block_MouseMove(1, 0, 60, 60);
    const int ladungen = b.Ladevorgaenge();
    b.Cmd_Speichern_Click();
    const QByteArray nachher = u.Lies(Rom);
    QCOMPARE(Unterschiede(vorher, nachher), QList<qint64>{ort + 15});
    QCOMPARE(quint8(nachher[ort + 15]), quint8(0x25));
    QVERIFY2(u.meldungen.empty(), qPrintable(u.Texte()));
    // Saving ends with a block choice in both windows.
    QCOMPARE(b.Ladevorgaenge(), ladungen + 1);
    QCOMPARE(Module1.AktuellerBlock, Blockdaten::AusBytes(nachher.mid(ort, 16)));
  }

  // Under a large desktop font the description still fits its fixed place.
  void beschreibungPasstBeiGrosserSchrift() {
    const QFont vorher = QApplication::font();
    QFont gross = vorher;
    gross.setPixelSize(20);
    QApplication::setFont(gross);
    Testumgebung u;
    const QLabel* b = Kolli().Beschreibung;
    const QRect rahmen(0, 0, b->width(), QWIDGETSIZE_MAX);
    QVERIFY(b->fontMetrics().boundingRect(rahmen, Qt::TextWordWrap, b->text()).height() <= b->height());
    QApplication::setFont(vorher);
  }

  void kollisionsWerteInBeidenListen() {
    Rombau::Plan plan = Testdaten::Plan();
    plan.tilesets[1].kollisionen.replace(0, 4, QByteArray::fromHex("07070000"));
    plan.tilesets[1].kollisionen.replace(4, 4, QByteArray::fromHex("42A342B2"));
    Testumgebung u(plan);
    Oeffnen(u);
    Frm_Kolli& k = Kolli();
    for (int q = 1; q <= 4; ++q) {
      const QString wert = q <= 2 ? QStringLiteral("07") : QStringLiteral("00");
      QCOMPARE(k.Cbo_Art[q]->currentText(), wert);
      QCOMPARE(k.Cbo_Art1[q]->currentText(), wert);
    }
    k.Cbo_Block->setCurrentIndex(1);
    QCOMPARE(k.Cbo_Art[1]->currentText(), QStringLiteral("42"));
    QCOMPARE(k.Cbo_Art1[1]->currentIndex(), -1);
    QCOMPARE(k.Cbo_Art1[2]->currentText(), QStringLiteral("A3"));
    QCOMPARE(k.Cbo_Art1[4]->currentText(), QStringLiteral("B2"));

    const qint64 ort = 0x70000 + 2 * 4;
    const QByteArray vorher = u.Lies(Rom);
    Schreibfehler::NachSchritt(0);
    k.Cmd_Speichern_Click();
    QVERIFY(Schreibfehler::Schritte() > 0);
    QCOMPARE(u.Lies(Rom), vorher);

    k.Cbo_Art[2]->setCurrentIndex(0x18);
    k.Cmd_Speichern_Click();
    QCOMPARE(Unterschiede(vorher, u.Lies(Rom)), QList<qint64>{ort + 1});
    QCOMPARE(u.Lies(Rom).mid(ort, 4), QByteArray::fromHex("421842B2"));

    // Short lists: the values without a text are kept as stored.
    Haupt.KolliListeKurz(true);
    k.Cbo_Block->setCurrentIndex(0);
    k.Cbo_Block->setCurrentIndex(1);
    QCOMPARE(k.Cbo_Art1[2]->currentText(), QStringLiteral("18"));
    k.Cbo_Art1[4]->setCurrentIndex(Kollision::KurzIndex(0x29));
    for (int mal = 0; mal < 2; ++mal) {
      k.Cmd_Speichern_Click();
      QCOMPARE(u.Lies(Rom).mid(ort, 4), QByteArray::fromHex("42184229"));
    }
  }

  void blockwahlUndTilesetwechselGleichenBeideFensterAn() {
    Testumgebung u;
    Oeffnen(u);
    frm_Block& b = Block();
    Frm_Kolli& k = Kolli();
    // Every choice loads the block exactly once in each window.
    auto Ladungen = [&] { return QPoint(b.Ladevorgaenge(), k.Ladevorgaenge()); };
    QPoint l = Ladungen();

    k.Cbo_Block->setCurrentIndex(4);
    QCOMPARE(b.Cbo_Block->currentIndex(), 4);
    QCOMPARE(b.Lbl_Block->text(), QStringLiteral("Block: 05"));
    QCOMPARE(Module1.KolliOrt, 0x70000 + 5 * 4);
    QCOMPARE(Ladungen(), l += QPoint(1, 1));

    b.Cbo_Block->setCurrentIndex(9);
    QCOMPARE(k.Cbo_Block->currentIndex(), 9);
    QCOMPARE(Module1.KolliOrt, 0x70000 + 10 * 4);
    QCOMPARE(Ladungen(), l += QPoint(1, 1));

    QTest::keyClick(k.Cbo_Block, Qt::Key_Down);
    QCOMPARE(b.Cbo_Block->currentIndex(), 10);
    QCOMPARE(Ladungen(), l += QPoint(1, 1));
    QCOMPARE(Module1.LadeSperre, 0);

    // The user picking the block that is already chosen reloads it, once.
    QCoreApplication::processEvents();
    emit b.Cbo_Block->activated(10);
    QCOMPARE(Ladungen(), l += QPoint(1, 1));

    // The same block chosen again through the other window's code path.
    b.Cbo_Block_Click();
    QCOMPARE(Ladungen(), l += QPoint(1, 1));

    // A tileset change keeps the block number and starts again at tile 00.
    b.Pic_Tileset_MouseMove(1, 0, 100, 50);
    b.Pic_Block_MouseMove(1, 0, 5, 5);
    QVERIFY(b.AktuellesTile != QStringLiteral("00"));
    TilesetWaehlen(u, 2);
    QCOMPARE(b.Cbo_Block->currentIndex(), 10);
    QCOMPARE(k.Cbo_Block->currentIndex(), 10);
    const Rombau::Tileset& t = u.plan.tilesets[3];
    QCOMPARE(Module1.BlockOrt, t.blockTabelle + 11 * 16);
    QCOMPARE(Module1.KolliOrt, t.kolliTabelle + 11 * 4);
    QCOMPARE(Module1.AktuellerBlock, Blockdaten::AusBytes(t.bloecke.mid(10 * 16, 16)));
    QCOMPARE(k.Cbo_Art[1]->currentIndex(), int(quint8(t.kollisionen[10 * 4])));
    QCOMPARE(b.AktuellesTile, QStringLiteral("00"));
    QCOMPARE(b.Pic_Aktuell->Bild(), Ausschnitt(b.Pic_Tileset, 0, 0));
    QCOMPARE(b.Pic_Tileset->Bild().pixel(0, 0),
             VbFarbe(Frm_Bearbeiten::Instanz().Fläche(1).Point(1, 1)).rgb());
  }

  void ohneRomLeer() {
    Testumgebung u;
    Haupt.KolliListeKurz(true);  // chosen before the window exists
    u.fenster().Chk_Original->setChecked(true);
    TilesetWaehlen(u, 0);
    QVERIFY(Frm_Kolli::Geladen());
    frm_Block& b = Block();
    Frm_Kolli& k = Kolli();
    for (int q = 1; q <= 4; ++q) QVERIFY(!k.Cbo_Art[q]->isVisibleTo(&k) && k.Cbo_Art1[q]->isVisibleTo(&k));
    QCOMPARE(k.Beschreibung->text(), Kollision::Beschreibung());
    QCOMPARE(k.Cbo_Block->currentIndex(), -1);
    QCOMPARE(b.Cbo_Block->currentIndex(), -1);
    QVERIFY(!k.Cmd_Speichern->isEnabled() && !b.Cmd_Speichern->isEnabled());
    QVERIFY(!k.Cbo_Block->isEnabled() && !b.Cbo_Block->isEnabled());
    QVERIFY(Module1.AktuellerBlock.isEmpty());
    QCOMPARE(b.Pic_Block->Bild(), Blockbild::Leer(64, 64));
    QCOMPARE(b.Pic_Tileset->Bild(), Blockbild::Leer(256, 96));
    b.Pic_Tileset_MouseMove(1, 0, 5, 5);
    b.Pic_Block_MouseMove(1, 0, 5, 5);
    b.Pic_Block_MouseMove(2, 0, 5, 5);
    b.Cmd_Speichern_Click();
    k.Cmd_Speichern_Click();
    QVERIFY(b.AktuellesTile.isEmpty());
    QVERIFY2(u.meldungen.empty(), qPrintable(u.Texte()));

    u.fenster().Chk_Original->setChecked(false);
    Oeffnen(u);
    QCOMPARE(k.Cbo_Block->currentIndex(), 0);
    QVERIFY(b.Cmd_Speichern->isEnabled() && k.Cmd_Speichern->isEnabled());
    QCOMPARE(Module1.AktuellerBlock, Blockdaten::AusBytes(u.plan.tilesets[1].bloecke.left(16)));
  }

  void zeigerHinterDemRomEnde() {
    Testumgebung u;
    QByteArray rom = u.Lies(Rom);
    rom.replace(0x156E5, 3, QByteArray::fromHex("7FF87F"));  // B = 0x1FFFF8
    rom.replace(0x156E8, 3, QByteArray::fromHex("FFFFFF"));  // C far past the end
    u.Schreib(Rom, rom);
    Oeffnen(u);
    QCOMPARE(Block().Lbl_Pos->text(), QStringLiteral("1FFFF8"));
    QCOMPARE(Module1.BlockOrt, 0x200008);
    QCOMPARE(Module1.AktuellerBlock, QString(32, QLatin1Char('0')));
    QCOMPARE(Kolli().Cbo_Art[1]->currentIndex(), 0);

    Block().Pic_Block_MouseMove(2, 0, 5, 5);
    Block().Cmd_Speichern_Click();
    Kolli().Cmd_Speichern_Click();
    QCOMPARE(u.Lies(Rom), rom);
    QCOMPARE(u.meldungen.size(), size_t(2));
    for (const Testumgebung::Box& m : u.meldungen) QCOMPARE(m.titel, QStringLiteral("Fehler"));
  }
};

QTEST_MAIN(TestBloecke)
#include "test_bloecke.moc"
