#include <QtTest>

#include "Dateizugriff.h"
#include "Frm_Bearbeiten.h"
#include "Module1.h"
#include "Rombau.h"
#include "Testumgebung.h"
#include "Tilesetblock.h"
#include "frm_Angaben.h"

namespace {
constexpr qint64 Block = 1542;
constexpr qint64 Frei = 0x1C4000;  // zeros in the test ROM

Fläche& Tile(int i) { return Frm_Bearbeiten::Instanz().Fläche(i); }

qint64 ZeigerOrt(int n) { return 0x156D3 + 15 * n; }

QStringList Ansicht() {
  QStringList t;
  for (int i = 1; i <= 96; ++i) t << Tile(i).Zurükgeben();
  return t;
}

QStringList Gelesen(const QByteArray& block) {
  QStringList t;
  for (const QString& k : Tilesetblock::Lesen(block)) t << k;
  return t;
}

void Waehlen(frm_Angaben& f, int n) {
  f.Auswahl->setCurrentIndex(n - 1);
  f.Auswahl_Click();
}

// Paints a few tiles so the written block differs from every stored copy.
void Bemalen() {
  Tile(1).Direkt(QString(64, QLatin1Char('3')));
  Tile(64).Direkt(QString(32, QLatin1Char('2')) + QString(32, QLatin1Char('4')));
  Tile(96).Direkt(QString(64, QLatin1Char('1')));
}

bool HatErfolg(const Testumgebung& u) { return u.Texte().contains(QLatin1String("erfolgreich")); }

// A plan whose tileset 2 still lies at its original place, so 1C0000 is free.
Rombau::Plan OhneVerschobene2() {
  Rombau::Plan plan = Testdaten::Plan();
  plan.tilesets[2].ort = plan.tilesets[2].originalOrt;
  return plan;
}
}  // namespace

class TestEinfuegen : public QObject {
  Q_OBJECT
 private slots:
  void verbotenerBereich() {
    Testumgebung u;
    u.fenster().RomÖffnen(u.rom());
    frm_Angaben& f = u.fenster();
    u.antwort = QMessageBox::Yes;  // the occupied area may be overwritten
    for (const char* ort : {"1BB901", "1BBFFF"}) {
      const QByteArray vorher = u.Lies(QStringLiteral("test.gb"));
      u.meldungen.clear();
      f.Txt_Ort->setText(QString::fromLatin1(ort));
      f.Cmd_Einfügen_Click();
      QCOMPARE(u.meldungen.size(), size_t(1));
      QCOMPARE(u.meldungen[0].titel, QStringLiteral("!!ACHTUNG!!"));
      QCOMPARE(u.meldungen[0].text,
               QStringLiteral(
                   "Der Offset darf nicht Zwischen 1BB900 und 1BC000 sein.\nSonst sturzt das Rom ab!!!"));
      QCOMPARE(u.Lies(QStringLiteral("test.gb")), vorher);
    }
    for (qint64 ort : {0x1BB900, 0x1BC000}) {
      Waehlen(f, 1);
      u.meldungen.clear();
      f.Txt_Ort->setText(Hex(ort));
      const QStringList tiles = Ansicht();
      f.Cmd_Einfügen_Click();
      QVERIFY2(HatErfolg(u), qPrintable(u.Texte()));
      QCOMPARE(Gelesen(u.Lies(QStringLiteral("test.gb")).mid(ort, Block)), tiles);
    }
  }

  void insRomMitPointer() {
    Testumgebung u(OhneVerschobene2());
    frm_Angaben& f = u.fenster();
    f.RomÖffnen(u.rom());
    Waehlen(f, 3);
    Bemalen();
    const QStringList tiles = Ansicht();
    f.Txt_Ort->setText(QStringLiteral("1C0000"));
    QCOMPARE(f.Lbl_Pointer->text(), QStringLiteral("700040"));
    f.Cmd_Einfügen_Click();
    QCOMPARE(u.meldungen.size(), size_t(1));
    QCOMPARE(u.meldungen[0].titel, QStringLiteral("Tessaron"));
    QCOMPARE(u.meldungen[0].text,
             QStringLiteral("Das Tileset wurde erfolgreich eingesetzt und zwar am Offset: 1C0000\n"
                            "Der Pointer auf das 3.Tileset wurde auf 700040 gesetzt!"));
    const QByteArray rom = u.Lies(QStringLiteral("test.gb"));
    QCOMPARE(rom.mid(ZeigerOrt(3), 3), QByteArray("\x70\x00\x40", 3));
    QCOMPARE(rom.size(), Rombau::RomLaenge);
    // Auswahl_Click ran: the tileset now comes from the written block.
    QCOMPARE(Module1.QuellDatei, u.rom());
    QCOMPARE(Module1.QuellOffset, QStringLiteral("1C0000"));
    QCOMPARE(Module1.NeuPointer[3], QStringLiteral("700040"));
    QVERIFY(f.Cmd_AltPointer->isVisible());
    QCOMPARE(Ansicht(), tiles);
    // The original copy of a tileset that was never moved is not touched.
    QCOMPARE(rom.mid(u.plan.tilesets[3].originalOrt, Block),
             Rombau::TilesetBlock(u.plan.tilesets[3].kacheln));
  }

  void ohnePointerUndOriginalplatz() {
    Testumgebung u;
    frm_Angaben& f = u.fenster();
    f.RomÖffnen(u.rom());
    Waehlen(f, 4);
    const QByteArray vorher = u.Lies(QStringLiteral("test.gb"));
    // The tileset's original place is refused.
    f.Txt_Ort->setText(Hex(u.plan.tilesets[4].originalOrt));
    f.Cmd_Einfügen_Click();
    QCOMPARE(u.Texte(),
             QStringLiteral("Tessaron: Dieser Offset ist ungültig. Bitte einen anderen Offset angeben!"));
    QCOMPARE(u.Lies(QStringLiteral("test.gb")), vorher);
    // Without "Pointer ersetzen" only the block is written.
    u.meldungen.clear();
    f.Chk_Ersetzen->setChecked(false);
    f.Txt_Ort->setText(Hex(Frei));
    f.Cmd_Einfügen_Click();
    QCOMPARE(u.Texte(),
             QStringLiteral("Tessaron: Das Tileset wurde erfolgreich eingesetzt und zwar am Offset: 1C4000"));
    const QByteArray rom = u.Lies(QStringLiteral("test.gb"));
    QCOMPARE(rom.mid(ZeigerOrt(4), 3), vorher.mid(ZeigerOrt(4), 3));
    QCOMPARE(rom.mid(Frei, Block), Rombau::TilesetBlock(u.plan.tilesets[4].kacheln));
  }

  void inTilesetsGb() {
    Testumgebung u;
    frm_Angaben& f = u.fenster();
    f.RomÖffnen(u.rom());
    f.Chk_Geheim->setChecked(true);
    Waehlen(f, 5);
    QCOMPARE(f.Txt_Ort->text(), QStringLiteral("1C00"));
    Bemalen();
    const QStringList tiles = Ansicht();
    const QByteArray rom = u.Lies(QStringLiteral("test.gb"));
    const QByteArray gb = u.Lies(QStringLiteral("Tilesets.gb"));
    f.Cmd_Einfügen_Click();
    QCOMPARE(
        u.Texte(),
        QStringLiteral("Tessaron: Das 5.Tileset wurde erfolgreich in der Datei 'Tilesets.gb' eingesetzt!"));
    const QByteArray neu = u.Lies(QStringLiteral("Tilesets.gb"));
    QCOMPARE(Gelesen(neu.mid(4 * 0x700, Block)), tiles);
    QCOMPARE(neu.left(4 * 0x700), gb.left(4 * 0x700));
    QCOMPARE(neu.mid(4 * 0x700 + Block), gb.mid(4 * 0x700 + Block));  // the palette assignment stays
    QCOMPARE(u.Lies(QStringLiteral("test.gb")), rom);
    QCOMPARE(Ansicht(), tiles);

    // Without an open ROM the side file is still a valid target; the ROM is not.
    Testumgebung ohne;
    ohne.fenster().Chk_Geheim->setChecked(true);
    Waehlen(ohne.fenster(), 2);
    ohne.fenster().Cmd_Einfügen_Click();
    QVERIFY2(ohne.Texte().contains(QLatin1String("2.Tileset wurde erfolgreich")), qPrintable(ohne.Texte()));
    ohne.meldungen.clear();
    ohne.fenster().Chk_Geheim->setChecked(false);
    ohne.fenster().Cmd_Einfügen_Click();
    QCOMPARE(ohne.meldungen.size(), size_t(1));
    QCOMPARE(ohne.meldungen[0].titel, QStringLiteral("Fehler"));
    QVERIFY(!HatErfolg(ohne));
  }

  void belegterBereichUndUngueltigerText() {
    Testumgebung u;
    frm_Angaben& f = u.fenster();
    f.RomÖffnen(u.rom());
    Waehlen(f, 2);
    const QByteArray vorher = u.Lies(QStringLiteral("test.gb"));
    f.Txt_Ort->setText(QStringLiteral("100000"));
    f.Cmd_Einfügen_Click();
    QCOMPARE(u.meldungen.size(), size_t(1));
    QCOMPARE(u.meldungen[0].titel, QStringLiteral("Achtung"));
    QVERIFY(u.meldungen[0].text.startsWith(QLatin1String("Der angegebene Offset ist nich leer!")));
    QCOMPARE(u.Lies(QStringLiteral("test.gb")), vorher);
    // Text pasted with the mouse is not hex: refused before anything else.
    u.meldungen.clear();
    f.Txt_Ort->setText(QStringLiteral("1C4G00"));
    f.Cmd_Einfügen_Click();
    QCOMPARE(u.meldungen.size(), size_t(1));
    QCOMPARE(u.meldungen[0].titel, QStringLiteral("Fehler"));
    QVERIFY(u.meldungen[0].text.contains(QLatin1String("1C4G00")));
    QCOMPARE(u.Lies(QStringLiteral("test.gb")), vorher);
  }

  void altesTilesetWirdGeloescht() {
    Testumgebung u;
    frm_Angaben& f = u.fenster();
    f.RomÖffnen(u.rom());
    Waehlen(f, 2);
    const QStringList tiles = Ansicht();
    f.Txt_Ort->setText(Hex(Frei));
    f.Cmd_Einfügen_Click();
    QCOMPARE(u.Texte(),
             QStringLiteral("Tessaron: Das Tileset wurde erfolgreich eingesetzt und zwar am Offset: 1C4000\n"
                            "Der Pointer auf das 2.Tileset wurde auf 710040 gesetzt!"));
    const QByteArray rom = u.Lies(QStringLiteral("test.gb"));
    QCOMPARE(rom.mid(Testdaten::VerschobenOrt2, Block), QByteArray(Block, '\0'));
    QCOMPARE(Gelesen(rom.mid(Frei, Block)), tiles);

    // A new block overlapping the old copy survives its erasure.
    u.meldungen.clear();
    f.Txt_Ort->setText(Hex(Frei + 100));
    u.antwort = QMessageBox::Yes;
    f.Cmd_Einfügen_Click();
    QVERIFY(HatErfolg(u));
    const QByteArray danach = u.Lies(QStringLiteral("test.gb"));
    QCOMPARE(danach.mid(Frei, 100), QByteArray(100, '\0'));
    QCOMPARE(Gelesen(danach.mid(Frei + 100, Block)), tiles);
  }

  void gleicherOrtUeberspringtPruefungUndLoeschen() {
    Testumgebung u;
    frm_Angaben& f = u.fenster();
    f.RomÖffnen(u.rom());
    Waehlen(f, 2);
    QCOMPARE(f.Txt_Ort->text(), QStringLiteral("1C0000"));
    Bemalen();
    const QStringList tiles = Ansicht();
    f.Cmd_Einfügen_Click();
    QCOMPARE(u.meldungen.size(), size_t(1));  // no free-area question
    QVERIFY(HatErfolg(u));
    const QByteArray rom = u.Lies(QStringLiteral("test.gb"));
    QCOMPARE(Gelesen(rom.mid(Testdaten::VerschobenOrt2, Block)), tiles);
    QCOMPARE(rom.mid(ZeigerOrt(2), 3), Rombau::Zeiger(Testdaten::VerschobenOrt2));
  }

  void loeschenNurEigenerBloecke() {
    // No markers where the pointer leads: the erase is skipped and reported.
    Testumgebung u;
    QByteArray rom = u.Lies(QStringLiteral("test.gb"));
    rom[Testdaten::VerschobenOrt2 + 1027] = 0x12;
    u.Schreib(QStringLiteral("test.gb"), rom);
    frm_Angaben& f = u.fenster();
    f.RomÖffnen(u.rom());
    Waehlen(f, 2);
    f.Txt_Ort->setText(Hex(Frei));
    f.Cmd_Einfügen_Click();
    QVERIFY(HatErfolg(u));
    QVERIFY2(u.Texte().contains(QStringLiteral("Das alte Tileset am Offset 1C0000 wurde nicht gelöscht")),
             qPrintable(u.Texte()));
    QCOMPARE(u.Lies(QStringLiteral("test.gb")).mid(Testdaten::VerschobenOrt2, Block),
             rom.mid(Testdaten::VerschobenOrt2, Block));

    // Another tileset's pointer leads to the block: it stays.
    Rombau::Plan plan = Testdaten::Plan();
    plan.tilesets[7].ort = Testdaten::VerschobenOrt2;
    plan.tilesets[7].geaenderteKacheln = plan.tilesets[2].geaenderteKacheln;
    Testumgebung geteilt(plan);
    geteilt.fenster().RomÖffnen(geteilt.rom());
    Waehlen(geteilt.fenster(), 2);
    geteilt.fenster().Txt_Ort->setText(Hex(Frei));
    geteilt.fenster().Cmd_Einfügen_Click();
    QVERIFY2(geteilt.Texte().contains(QLatin1String("7.Tilesets zeigt noch dorthin")),
             qPrintable(geteilt.Texte()));
    QCOMPARE(geteilt.Lies(QStringLiteral("test.gb")).mid(Testdaten::VerschobenOrt2, Block),
             Rombau::TilesetBlock(plan.tilesets[2].geaenderteKacheln));

    // Without "Pointer ersetzen" the tileset's own pointer still leads there.
    Testumgebung behalten;
    behalten.fenster().RomÖffnen(behalten.rom());
    Waehlen(behalten.fenster(), 2);
    behalten.fenster().Chk_Ersetzen->setChecked(false);
    behalten.fenster().Txt_Ort->setText(Hex(Frei));
    behalten.fenster().Cmd_Einfügen_Click();
    QVERIFY2(behalten.Texte().contains(QLatin1String("2.Tilesets zeigt noch dorthin")),
             qPrintable(behalten.Texte()));
    QCOMPARE(behalten.Lies(QStringLiteral("test.gb")).mid(Testdaten::VerschobenOrt2, Block),
             Rombau::TilesetBlock(behalten.plan.tilesets[2].geaenderteKacheln));
  }

  void sucheImFenster() {
    Rombau::Plan plan = Testdaten::Plan();
    for (qint64 i = 0x87BFC; i < 0x87BFC + Block; ++i) plan.fuellung[i] = 0;
    Testumgebung u(plan);
    frm_Angaben& f = u.fenster();
    f.RomÖffnen(u.rom());
    u.antwort = QMessageBox::Yes;
    f.Cmd_sucheOff_Click();
    QCOMPARE(u.Texte(),
             QStringLiteral(
                 "Tessaron: Der nächste geeignete Offset ist: 180000. Soll dieser eingetragen wer den?"));
    QCOMPARE(f.Txt_Ort->text(), QStringLiteral("180000"));
    QCOMPARE(f.Lbl_Pointer->text(), QStringLiteral("600040"));
    u.antwort = QMessageBox::No;
    f.Cmd_sucheOff_Click();
    QCOMPARE(Module1.FreierOffset, QStringLiteral("180606"));
    QCOMPARE(f.Txt_Ort->text(), QStringLiteral("180000"));
    // Behind the last free area the search starts again at the beginning.
    Module1.FreierOffset = QStringLiteral("1AFFFF");
    f.Cmd_sucheOff_Click();
    QCOMPARE(Module1.FreierOffset, QStringLiteral("180000"));
    QCOMPARE(u.meldungen.size(), size_t(3));
    // A new ROM starts the search at its beginning again.
    f.RomÖffnen(u.rom());
    QVERIFY(Module1.FreierOffset.isEmpty());
  }

  void sucheOhneFreienBereich() {
    Rombau::Plan plan = Testdaten::Plan();
    for (qint64 i = 0; i < 0x1C0000; ++i) plan.fuellung[i] = static_cast<char>(i % 255 + 1);
    for (qint64 i = 0x87BFC; i < 0x87BFC + Block; ++i) plan.fuellung[i] = 0;
    Testumgebung u(plan);
    frm_Angaben& f = u.fenster();
    f.RomÖffnen(u.rom());
    const QString ort = f.Txt_Ort->text();
    f.Cmd_sucheOff_Click();
    QCOMPARE(u.meldungen.size(), size_t(1));
    QVERIFY2(u.meldungen[0].text.startsWith(QLatin1String("Es wurde kein leerer Offset gefunden")),
             qPrintable(u.Texte()));
    QCOMPARE(f.Txt_Ort->text(), ort);
    f.Cmd_sucheOff_Click();  // and again, from the same place
    QCOMPARE(u.meldungen.size(), size_t(2));
  }
};

QTEST_MAIN(TestEinfuegen)
#include "test_einfuegen.moc"
