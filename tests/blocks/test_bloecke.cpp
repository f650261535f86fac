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

QImage Ausschnitt(const Bildfeld* bild, int x, int y, int seite = 16) {
  return bild->Bild().copy(x, y, seite, seite);
}

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

void Setze(QByteArray& ziel, qint64 ort, const QByteArray& bytes) {
  for (qsizetype i = 0; i < bytes.size(); ++i) ziel[ort + i] = bytes[i];
}
}  // namespace

class TestBloecke : public QObject {
  Q_OBJECT
 private slots:
  void auswahlRichtetBeideFensterEin() {
    Testumgebung u;
    QVERIFY(!Frm_Kolli::Geladen());
    Oeffnen(u);
    QVERIFY(Frm_Kolli::Geladen() && frm_Block::Geladen());
    QVERIFY(Kolli().isHidden() && Block().isHidden());
    QCOMPARE(Module1.BlockPointerOrt, QStringLiteral("0156E5"));
    QCOMPARE(Module1.KolliPointerOrt, QStringLiteral("0156E8"));
    QCOMPARE(Block().Lbl_Pos->text(), QStringLiteral("60000"));
    QCOMPARE(Kolli().Lbl_Ort->text(), QStringLiteral("70000"));
    QCOMPARE(Block().Cbo_Block->currentIndex(), 0);
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

    TilesetWaehlen(u, 27);
    QCOMPARE(Module1.BlockPointerOrt, QStringLiteral("01587A"));
    QCOMPARE(Module1.KolliPointerOrt, QStringLiteral("01587D"));
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

  void tabellenInBank05() {
    Rombau::Plan plan = Testdaten::Plan();
    plan.tilesets[1].blockTabelle = 0x14000;
    plan.tilesets[2].kolliTabelle = 0x14000;
    Testumgebung u(plan);
    Oeffnen(u);
    QCOMPARE(Block().Lbl_Pos->text(), QStringLiteral("14000"));
    QCOMPARE(Module1.BlockOrt, 0x14010);
    Block().Cbo_Block->setCurrentIndex(126);
    QCOMPARE(Module1.BlockOrt, 0x147F0);
    QCOMPARE(Block().Lbl_Block->text(), QStringLiteral("Block: 7F"));
    QCOMPARE(Block().Lbl_Offset->text(), QStringLiteral("Offset: 0147F0"));
    QCOMPARE(Module1.AktuellerBlock, Blockdaten::AusBytes(plan.tilesets[1].bloecke.mid(126 * 16, 16)));

    TilesetWaehlen(u, 1);
    QCOMPARE(Kolli().Lbl_Ort->text(), QStringLiteral("14000"));
    QCOMPARE(Module1.KolliOrt, 0x141FC);
    QCOMPARE(Kolli().Cbo_Art[1]->currentIndex(), int(quint8(plan.tilesets[2].kollisionen[126 * 4])));
    Kolli().Cbo_Block->setCurrentIndex(0);
    QCOMPARE(Module1.KolliOrt, 0x14004);
  }

  void zeigenUndWaehlenImTileset() {
    Testumgebung u;
    Oeffnen(u);
    frm_Block& b = Block();
    b.show();
    QVERIFY(QTest::qWaitForWindowExposed(&b));
    b.Pic_Tileset_MouseMove(0, 0, 20, 40);
    QCOMPARE(b.Lbl_Tile->text(), QStringLiteral("Tile: 21"));
    QCOMPARE(b.AktuellesTile, QStringLiteral("00"));

    QTest::mousePress(b.Pic_Tileset, Qt::LeftButton, {}, QPoint(40, 20));
    QCOMPARE(b.AktuellesTile, QStringLiteral("12"));
    QCOMPARE(b.Pic_Aktuell->Bild(), Ausschnitt(b.Pic_Tileset, 32, 16));
    QCOMPARE(b.Lbl_Tile->text(), QStringLiteral("Tile: 21"));

    // Presses outside the picture select nothing.
    for (QPointF p : {QPointF(-1, 5), QPointF(5, -0.5), QPointF(256, 5), QPointF(5, 96)}) {
      b.Pic_Tileset_MouseMove(1, 0, p.x(), p.y());
      QCOMPARE(b.AktuellesTile, QStringLiteral("12"));
    }
    QCOMPARE(b.Pic_Aktuell->Bild(), Ausschnitt(b.Pic_Tileset, 32, 16));
  }

  void blockUndQuadrantenAusDemTileset() {
    Rombau::Plan plan = Testdaten::Plan();
    Setze(plan.tilesets[1].bloecke, 0, QByteArray::fromHex("00010203101112132021222330313233"));
    Setze(plan.tilesets[1].bloecke, 16, QByteArray::fromHex("60FF0000000000000000000000000000"));
    Testumgebung u(plan);
    Oeffnen(u);
    const Bildfeld* tileset = Block().Pic_Tileset;
    QCOMPARE(Block().Pic_Block->Bild(), tileset->Bild().copy(0, 0, 64, 64));
    QCOMPARE(Kolli().Pic_Aussehen[1]->Bild(), tileset->Bild().copy(0, 0, 32, 32));
    QCOMPARE(Kolli().Pic_Aussehen[2]->Bild(), tileset->Bild().copy(32, 0, 32, 32));
    QCOMPARE(Kolli().Pic_Aussehen[3]->Bild(), tileset->Bild().copy(0, 32, 32, 32));
    QCOMPARE(Kolli().Pic_Aussehen[4]->Bild(), tileset->Bild().copy(32, 32, 32, 32));

    // Numbers without a tile show the placeholder and stay as they are.
    Kolli().Cbo_Block->setCurrentIndex(1);
    QCOMPARE(Ausschnitt(Block().Pic_Block, 0, 0), Platzhalter());
    QCOMPARE(Ausschnitt(Block().Pic_Block, 16, 0), Platzhalter());
    QCOMPARE(Ausschnitt(Block().Pic_Block, 32, 0), Ausschnitt(tileset, 0, 0));
    QCOMPARE(Ausschnitt(Kolli().Pic_Aussehen[1], 16, 0), Platzhalter());
    Block().Pic_Block_MouseMove(2, 0, 20, 5);
    QCOMPARE(Block().AktuellesTile, QStringLiteral("FF"));
    QCOMPARE(Block().Pic_Aktuell->Bild(), Platzhalter());
    Block().Pic_Block_MouseMove(1, 0, 40, 5);
    QCOMPARE(Module1.AktuellerBlock.left(6), QStringLiteral("60FFFF"));
    QCOMPARE(Ausschnitt(Block().Pic_Block, 32, 0), Platzhalter());
    Block().Cmd_Speichern_Click();
    QCOMPARE(u.Lies(QStringLiteral("test.gb")).mid(0x60020, 4), QByteArray::fromHex("60FFFF00"));
    QCOMPARE(Module1.AktuellerBlock.left(6), QStringLiteral("60FFFF"));
  }

  void setzenUndAufnehmenImBlock() {
    Rombau::Plan plan = Testdaten::Plan();
    plan.tilesets[1].bloecke[7] = 0x1F;
    Testumgebung u(plan);
    Oeffnen(u);
    frm_Block& b = Block();
    const QByteArray vorher = u.Lies(QStringLiteral("test.gb"));
    const QString gespeichert = Module1.AktuellerBlock;

    b.Pic_Block_MouseMove(2, 0, 3 * 16 + 5, 16 + 5);
    QCOMPARE(b.AktuellesTile, QStringLiteral("1F"));
    QCOMPARE(b.Pic_Aktuell->Bild(), Ausschnitt(b.Pic_Tileset, 15 * 16, 16));

    // Right presses outside the block pick nothing.
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
    QCOMPARE(Ausschnitt(b.Pic_Block, 0, 0), Ausschnitt(b.Pic_Tileset, 15 * 16, 16));
    QCOMPARE(Ausschnitt(b.Pic_Block, 0, 48), Ausschnitt(b.Pic_Tileset, 15 * 16, 16));
    QCOMPARE(u.Lies(QStringLiteral("test.gb")), vorher);

    Kolli().Cbo_Block->setCurrentIndex(2);
    Kolli().Cbo_Block->setCurrentIndex(0);
    QCOMPARE(Module1.AktuellerBlock, gespeichert);
  }

  void blockSpeichern() {
    Testumgebung u;
    Oeffnen(u);
    frm_Block& b = Block();
    b.Cbo_Block->setCurrentIndex(4);
    const qint64 ort = 0x60000 + 5 * 16;
    QCOMPARE(Module1.BlockOrt, ort);
    const QByteArray vorher = u.Lies(QStringLiteral("test.gb"));

    Schreibfehler::NachSchritt(0);
    b.Cmd_Speichern_Click();
    QVERIFY(Schreibfehler::Schritte() > 0);
    QCOMPARE(u.Lies(QStringLiteral("test.gb")), vorher);

    b.Pic_Tileset_MouseMove(1, 0, 5 * 16, 2 * 16);  // tile 25
    b.Pic_Block_MouseMove(1, 0, 60, 60);

    // A failed write changes nothing and keeps the placement for another try.
    const int ladungen = b.Ladevorgaenge();
    Schreibfehler::NachSchritt(1);
    b.Cmd_Speichern_Click();
    Schreibfehler::NachSchritt(0);
    QCOMPARE(u.Lies(QStringLiteral("test.gb")), vorher);
    QCOMPARE(u.meldungen.size(), size_t(1));
    QCOMPARE(u.meldungen[0].titel, QStringLiteral("Fehler"));
    QCOMPARE(Module1.AktuellerBlock.right(2), QStringLiteral("25"));
    QCOMPARE(b.Ladevorgaenge(), ladungen);

    b.Cmd_Speichern_Click();
    const QByteArray nachher = u.Lies(QStringLiteral("test.gb"));
    QCOMPARE(Unterschiede(vorher, nachher), QList<qint64>{ort + 15});
    QCOMPARE(quint8(nachher[ort + 15]), quint8(0x25));
    QCOMPARE(u.meldungen.size(), size_t(1));
    // Saving ends with a block choice in both windows.
    QCOMPARE(b.Ladevorgaenge(), ladungen + 1);
    QCOMPARE(Module1.AktuellerBlock, Blockdaten::AusBytes(nachher.mid(ort, 16)));
  }

  void kollisionsWerteInBeidenListen() {
    Rombau::Plan plan = Testdaten::Plan();
    Setze(plan.tilesets[1].kollisionen, 0, QByteArray::fromHex("07070000"));
    Setze(plan.tilesets[1].kollisionen, 4, QByteArray::fromHex("42A342B2"));
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
    const QByteArray vorher = u.Lies(QStringLiteral("test.gb"));
    Schreibfehler::NachSchritt(0);
    k.Cmd_Speichern_Click();
    QVERIFY(Schreibfehler::Schritte() > 0);
    QCOMPARE(u.Lies(QStringLiteral("test.gb")), vorher);

    k.Cbo_Art[2]->setCurrentIndex(0x18);
    k.Cmd_Speichern_Click();
    QByteArray nachher = u.Lies(QStringLiteral("test.gb"));
    QCOMPARE(Unterschiede(vorher, nachher), QList<qint64>{ort + 1});
    QCOMPARE(nachher.mid(ort, 4), QByteArray::fromHex("4218"
                                                      "42B2"));

    // Short lists: the values without a text are kept as stored.
    k.ListenModus(true);
    k.Cbo_Block->setCurrentIndex(0);
    k.Cbo_Block->setCurrentIndex(1);
    QCOMPARE(k.Cbo_Art1[2]->currentText(), QStringLiteral("18"));
    k.Cbo_Art1[4]->setCurrentIndex(Kollision::KurzIndex(0x29));
    k.Cmd_Speichern_Click();
    QCOMPARE(u.Lies(QStringLiteral("test.gb")).mid(ort, 4), QByteArray::fromHex("42184229"));
    k.Cmd_Speichern_Click();
    QCOMPARE(u.Lies(QStringLiteral("test.gb")).mid(ort, 4), QByteArray::fromHex("42184229"));

    nachher = u.Lies(QStringLiteral("test.gb"));
    k.Cbo_Art1[1]->setCurrentIndex(0);
    Schreibfehler::NachSchritt(1);
    k.Cmd_Speichern_Click();
    Schreibfehler::NachSchritt(0);
    QCOMPARE(u.Lies(QStringLiteral("test.gb")), nachher);
    QCOMPARE(u.meldungen.size(), size_t(1));
    QCOMPARE(u.meldungen[0].titel, QStringLiteral("Fehler"));
  }

  void listenModusAuchVorDemOeffnen() {
    Testumgebung u;
    Haupt.KolliListeKurz(true);
    QVERIFY(!Frm_Kolli::Geladen());
    QCOMPARE(Module1.KolliKurzListe, 1);
    Oeffnen(u);
    Frm_Kolli& k = Kolli();
    for (int q = 1; q <= 4; ++q) {
      QVERIFY(!k.Cbo_Art[q]->isVisibleTo(&k));
      QVERIFY(k.Cbo_Art1[q]->isVisibleTo(&k));
    }
    Haupt.KolliListeKurz(false);
    QCOMPARE(Module1.KolliKurzListe, 0);
    for (int q = 1; q <= 4; ++q) {
      QVERIFY(k.Cbo_Art[q]->isVisibleTo(&k));
      QVERIFY(!k.Cbo_Art1[q]->isVisibleTo(&k));
    }
    QCOMPARE(k.Beschreibung->text(), Kollision::Beschreibung());
  }

  void blockwahlGleichtBeideFensterAn() {
    Testumgebung u;
    Oeffnen(u);
    frm_Block& b = Block();
    Frm_Kolli& k = Kolli();
    int lb = b.Ladevorgaenge(), lk = k.Ladevorgaenge();

    k.Cbo_Block->setCurrentIndex(4);
    QCOMPARE(b.Cbo_Block->currentIndex(), 4);
    QCOMPARE(b.Lbl_Block->text(), QStringLiteral("Block: 05"));
    QCOMPARE(Module1.KolliOrt, 0x70000 + 5 * 4);
    QCOMPARE(b.Ladevorgaenge(), ++lb);
    QCOMPARE(k.Ladevorgaenge(), ++lk);

    b.Cbo_Block->setCurrentIndex(9);
    QCOMPARE(k.Cbo_Block->currentIndex(), 9);
    QCOMPARE(Module1.KolliOrt, 0x70000 + 10 * 4);
    QCOMPARE(b.Ladevorgaenge(), ++lb);
    QCOMPARE(k.Ladevorgaenge(), ++lk);

    QTest::keyClick(k.Cbo_Block, Qt::Key_Down);
    QCOMPARE(b.Cbo_Block->currentIndex(), 10);
    QCOMPARE(b.Ladevorgaenge(), ++lb);
    QCOMPARE(k.Ladevorgaenge(), ++lk);
    QCOMPARE(Module1.LadeSperre, 0);

    // The user picking the block that is already chosen reloads it, once.
    QCoreApplication::processEvents();
    emit b.Cbo_Block->activated(10);
    QCOMPARE(b.Ladevorgaenge(), ++lb);
    QCOMPARE(k.Ladevorgaenge(), ++lk);

    // The same block chosen again through the other window's code path.
    b.Cbo_Block_Click();
    QCOMPARE(b.Ladevorgaenge(), ++lb);
    QCOMPARE(k.Ladevorgaenge(), ++lk);
  }

  void tilesetwechselBehaeltDenBlock() {
    Testumgebung u;
    Oeffnen(u);
    frm_Block& b = Block();
    Kolli().Cbo_Block->setCurrentIndex(4);
    b.Pic_Tileset_MouseMove(1, 0, 100, 50);
    b.Pic_Block_MouseMove(1, 0, 5, 5);
    QVERIFY(b.AktuellesTile != QStringLiteral("00"));

    TilesetWaehlen(u, 2);
    QCOMPARE(b.Cbo_Block->currentIndex(), 4);
    QCOMPARE(Kolli().Cbo_Block->currentIndex(), 4);
    const Rombau::Tileset& t = u.plan.tilesets[3];
    QCOMPARE(Module1.BlockOrt, t.blockTabelle + 5 * 16);
    QCOMPARE(Module1.KolliOrt, t.kolliTabelle + 5 * 4);
    QCOMPARE(Module1.AktuellerBlock, Blockdaten::AusBytes(t.bloecke.mid(4 * 16, 16)));
    QCOMPARE(Kolli().Cbo_Art[1]->currentIndex(), int(quint8(t.kollisionen[4 * 4])));
    QCOMPARE(b.AktuellesTile, QStringLiteral("00"));
    QCOMPARE(b.Pic_Aktuell->Bild(), Ausschnitt(b.Pic_Tileset, 0, 0));
    QCOMPARE(b.Pic_Tileset->Bild().pixel(0, 0),
             VbFarbe(Frm_Bearbeiten::Instanz().Fläche(1).Point(1, 1)).rgb());
  }

  void ohneRomLeer() {
    Testumgebung u;
    u.fenster().Chk_Original->setChecked(true);
    TilesetWaehlen(u, 0);
    QVERIFY(Frm_Kolli::Geladen());
    frm_Block& b = Block();
    Frm_Kolli& k = Kolli();
    QCOMPARE(k.Cbo_Block->currentIndex(), -1);
    QCOMPARE(b.Cbo_Block->currentIndex(), -1);
    QVERIFY(!k.Cmd_Speichern->isEnabled() && !b.Cmd_Speichern->isEnabled());
    QVERIFY(!k.Cbo_Block->isEnabled() && !b.Cbo_Block->isEnabled());
    QVERIFY(Module1.AktuellerBlock.isEmpty());
    QCOMPARE(k.Lbl_Ort->text(), QStringLiteral("Speicher Ort"));
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
    QVERIFY(b.Cmd_Speichern->isEnabled());
    QCOMPARE(Module1.AktuellerBlock, Blockdaten::AusBytes(u.plan.tilesets[1].bloecke.left(16)));
  }

  void zeigerHinterDemRomEnde() {
    Testumgebung u;
    QByteArray rom = u.Lies(QStringLiteral("test.gb"));
    Setze(rom, 0x156E5, QByteArray::fromHex("7FF87F"));  // B = 0x1FFFF8
    Setze(rom, 0x156E8, QByteArray::fromHex("FFFFFF"));  // C far past the end
    u.Schreib(QStringLiteral("test.gb"), rom);
    Oeffnen(u);
    QCOMPARE(Block().Lbl_Pos->text(), QStringLiteral("1FFFF8"));
    QCOMPARE(Module1.BlockOrt, 0x200008);
    QCOMPARE(Module1.AktuellerBlock, QString(32, QLatin1Char('0')));
    QCOMPARE(Kolli().Cbo_Art[1]->currentIndex(), 0);

    Block().Pic_Block_MouseMove(2, 0, 5, 5);
    Block().Cmd_Speichern_Click();
    Kolli().Cmd_Speichern_Click();
    QCOMPARE(u.Lies(QStringLiteral("test.gb")), rom);
    QCOMPARE(u.meldungen.size(), size_t(2));
    QCOMPARE(u.meldungen[0].titel, QStringLiteral("Fehler"));
    QCOMPARE(u.meldungen[1].titel, QStringLiteral("Fehler"));
  }
};

QTEST_MAIN(TestBloecke)
#include "test_bloecke.moc"
