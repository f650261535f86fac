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
constexpr qint64 Alt2 = Testdaten::VerschobenOrt2;

Fläche& Tile(int i) { return Frm_Bearbeiten::Instanz().Fläche(i); }

qint64 ZeigerOrt(int n) { return 0x156D3 + 15 * n; }

QByteArray Rom(const Testumgebung& u) { return u.Lies(QStringLiteral("test.gb")); }

QStringList Ansicht() {
  QStringList t;
  for (int i = 1; i <= 96; ++i) t << Tile(i).Zurükgeben();
  return t;
}

QStringList Gelesen(const QByteArray& block) {
  const Tilesetblock::KachelTexte t = Tilesetblock::Lesen(block);
  return QStringList(t.begin(), t.end());
}

void Waehlen(frm_Angaben& f, int n) {
  f.Auswahl->setCurrentIndex(n - 1);
  f.Auswahl_Click();
}

// The main window over the opened ROM with tileset n chosen.
frm_Angaben& Offen(Testumgebung& u, int n) {
  u.fenster().RomÖffnen(u.rom());
  Waehlen(u.fenster(), n);
  return u.fenster();
}

// Paints a few tiles so the written block differs from every stored copy.
void Bemalen() {
  Tile(1).Direkt(QString(64, QLatin1Char('3')));
  Tile(64).Direkt(QString(32, QLatin1Char('2')) + QString(32, QLatin1Char('4')));
  Tile(96).Direkt(QString(64, QLatin1Char('1')));
}

bool HatErfolg(const Testumgebung& u) { return u.Texte().contains(QLatin1String("erfolgreich")); }

const QString Eingesetzt =
    QStringLiteral("Tessaron: Das Tileset wurde erfolgreich eingesetzt und zwar am Offset: ");
}  // namespace

class TestEinfuegen : public QObject {
  Q_OBJECT
 private slots:
  // Each refusal comes alone, before the free-area question, and writes nothing.
  void abgelehnteUndGrenzOffsets() {
    Testumgebung u;
    frm_Angaben& f = Offen(u, 2);
    const QByteArray vorher = Rom(u);
    const QString bereich = QStringLiteral(
        "!!ACHTUNG!!: Der Offset darf nicht Zwischen 1BB900 und 1BC000 sein.\nSonst sturzt das Rom ab!!!");
    const QList<QPair<QString, QString>> faelle = {
        {QStringLiteral("1BB901"), bereich},
        {QStringLiteral("1BBFFF"), bereich},
        {Hex(u.plan.tilesets[2].originalOrt),
         QStringLiteral("Tessaron: Dieser Offset ist ungültig. Bitte einen anderen Offset angeben!")},
        // Occupied, and the free-area question answered No.
        {QStringLiteral("100000"), QStringLiteral("Achtung: Der angegebene Offset ist nich leer!")},
        // Pasted with the mouse: not hex.
        {QStringLiteral("1C4G00"), QStringLiteral("Fehler: Der Offset '1C4G00'")}};
    for (const auto& [ort, text] : faelle) {
      u.meldungen.clear();
      f.Txt_Ort->setText(ort);
      f.Cmd_Einfügen_Click();
      QCOMPARE(u.meldungen.size(), size_t(1));
      QVERIFY2(u.Texte().startsWith(text), qPrintable(u.Texte()));
      QCOMPARE(Rom(u), vorher);
    }
    u.antwort = QMessageBox::Yes;
    for (qint64 ort : {0x1BB900, 0x1BC000}) {
      u.meldungen.clear();
      f.Txt_Ort->setText(Hex(ort));
      const QStringList tiles = Ansicht();
      f.Cmd_Einfügen_Click();
      QVERIFY2(HatErfolg(u), qPrintable(u.Texte()));
      QCOMPARE(Gelesen(Rom(u).mid(ort, Block)), tiles);
    }
  }

  void insRomMitPointer() {
    Rombau::Plan plan = Testdaten::Plan();
    plan.tilesets[2].ort = plan.tilesets[2].originalOrt;  // so that 1C0000 is free
    Testumgebung u(plan);
    frm_Angaben& f = Offen(u, 3);
    Bemalen();
    const QStringList tiles = Ansicht();
    f.Txt_Ort->setText(QStringLiteral("1C0000"));
    QCOMPARE(f.Lbl_Pointer->text(), QStringLiteral("700040"));
    f.Cmd_Einfügen_Click();
    QCOMPARE(u.Texte(), Eingesetzt + QStringLiteral("1C0000\nDer Pointer auf das 3.Tileset wurde auf 700040 "
                                                    "gesetzt!"));
    const QByteArray rom = Rom(u);
    QCOMPARE(rom.mid(ZeigerOrt(3), 3), QByteArray("\x70\x00\x40", 3));
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

  void inTilesetsGb() {
    Testumgebung u;
    frm_Angaben& f = u.fenster();
    f.RomÖffnen(u.rom());
    f.Chk_Geheim->setChecked(true);
    Waehlen(f, 5);
    QCOMPARE(f.Txt_Ort->text(), QStringLiteral("1C00"));
    Bemalen();
    const QStringList tiles = Ansicht();
    const QByteArray rom = Rom(u);
    const QByteArray gb = u.Lies(QStringLiteral("Tilesets.gb"));
    f.Cmd_Einfügen_Click();
    QCOMPARE(
        u.Texte(),
        QStringLiteral("Tessaron: Das 5.Tileset wurde erfolgreich in der Datei 'Tilesets.gb' eingesetzt!"));
    const QByteArray neu = u.Lies(QStringLiteral("Tilesets.gb"));
    QCOMPARE(Gelesen(neu.mid(4 * 0x700, Block)), tiles);
    QCOMPARE(neu.left(4 * 0x700), gb.left(4 * 0x700));
    QCOMPARE(neu.mid(4 * 0x700 + Block), gb.mid(4 * 0x700 + Block));  // the palette assignment stays
    QCOMPARE(Rom(u), rom);
    QCOMPARE(Ansicht(), tiles);

    // Only the tileset's own record takes the block: not an offset the free
    // search found in the ROM, not one between records, not another record.
    for (const char* ort : {"1C4000", "1C01", "700"}) {
      u.meldungen.clear();
      f.Txt_Ort->setText(QString::fromLatin1(ort));
      f.Cmd_Einfügen_Click();
      QCOMPARE(u.Texte(),
               QStringLiteral("Fehler: In 'Tilesets.gb' beginnt das 5.Tileset am Offset 1C00, nicht "
                              "am Offset %1. Es wurde nichts geschrieben.")
                   .arg(QLatin1String(ort)));
      QCOMPARE(u.Lies(QStringLiteral("Tilesets.gb")), neu);
    }
  }

  // Opening another ROM forgets the moved tilesets of the previous one: their
  // places get the free-area question again.
  void neuesRomVergisstVerschobeneTilesets() {
    Testumgebung u;
    frm_Angaben& f = Offen(u, 2);
    Waehlen(f, 1);
    QCOMPARE(Module1.NeuPointer[2], QStringLiteral("700040"));
    u.Schreib(QStringLiteral("zweite.gb"), Rom(u));
    f.RomÖffnen(u.Pfad(QStringLiteral("zweite.gb")));
    QVERIFY(Module1.NeuPointer[2].isEmpty());
    const QByteArray vorher = u.Lies(QStringLiteral("zweite.gb"));
    f.Txt_Ort->setText(Hex(Alt2));
    u.meldungen.clear();
    f.Cmd_Einfügen_Click();
    QVERIFY2(u.Texte().startsWith(QLatin1String("Achtung: Der angegebene Offset ist nich leer!")),
             qPrintable(u.Texte()));
    QCOMPARE(u.Lies(QStringLiteral("zweite.gb")), vorher);
  }

  // Without an open ROM only the insertion into Tilesets.gb runs; the
  // insertion into the ROM and the pointer operations are refused ("Pointer
  // ändern" with its side-file mode refusal first).
  void ohneRom() {
    Testumgebung u;
    frm_Angaben& f = u.fenster();
    f.Chk_Geheim->setChecked(true);
    f.Cmd_Pointeränd_Click();  // no tileset chosen yet
    QVERIFY2(u.Texte().startsWith(QLatin1String("Achtung: Solange")), qPrintable(u.Texte()));
    u.meldungen.clear();
    Waehlen(f, 2);
    f.Cmd_Einfügen_Click();
    QVERIFY2(u.Texte().contains(QLatin1String("2.Tileset wurde erfolgreich")), qPrintable(u.Texte()));
    const QString keinRom =
        QStringLiteral("Fehler: Es ist keine Romdatei geöffnet. Bitte zuerst ein Rom öffnen.");
    u.meldungen.clear();
    f.Cmd_Pointeränd_Click();
    QVERIFY2(u.Texte().startsWith(QLatin1String("Achtung: Solange")), qPrintable(u.Texte()));
    for (auto op : {&frm_Angaben::Cmd_AltPointer_Click, &frm_Angaben::Cmd_PointeruLöschen_Click}) {
      u.meldungen.clear();
      (f.*op)();
      QCOMPARE(u.Texte(), keinRom);
    }
    u.meldungen.clear();
    f.Chk_Geheim->setChecked(false);
    f.Cmd_Einfügen_Click();
    QCOMPARE(u.Texte(), keinRom);
  }

  // At its own place the block is rewritten without the free-area question
  // or an erase; moved elsewhere, the old copy is erased.
  void gleicherOrtUndAltesTilesetLoeschen() {
    Testumgebung u;
    frm_Angaben& f = Offen(u, 2);
    QCOMPARE(f.Txt_Ort->text(), QStringLiteral("1C0000"));
    Bemalen();
    const QStringList tiles = Ansicht();
    f.Cmd_Einfügen_Click();
    QCOMPARE(u.meldungen.size(), size_t(1));
    QVERIFY(HatErfolg(u));
    QCOMPARE(Gelesen(Rom(u).mid(Alt2, Block)), tiles);
    QCOMPARE(Rom(u).mid(ZeigerOrt(2), 3), Rombau::Zeiger(Alt2));

    u.meldungen.clear();
    f.Txt_Ort->setText(Hex(Frei));
    f.Cmd_Einfügen_Click();
    QCOMPARE(u.Texte(), Eingesetzt + QStringLiteral("1C4000\nDer Pointer auf das 2.Tileset wurde auf 710040 "
                                                    "gesetzt!"));
    const QByteArray rom = Rom(u);
    QCOMPARE(rom.mid(Alt2, Block), QByteArray(Block, '\0'));
    QCOMPARE(Gelesen(rom.mid(Frei, Block)), tiles);

    // A new block overlapping the old copy survives its erasure.
    u.meldungen.clear();
    f.Txt_Ort->setText(Hex(Frei + 100));
    u.antwort = QMessageBox::Yes;
    f.Cmd_Einfügen_Click();
    QVERIFY(HatErfolg(u));
    const QByteArray danach = Rom(u);
    QCOMPARE(danach.mid(Frei, 100), QByteArray(100, '\0'));
    QCOMPARE(Gelesen(danach.mid(Frei + 100, Block)), tiles);
  }

  // The old copy stays while a pointer still leads there: without "Pointer
  // ersetzen" the tileset's own (only the block is written), or another
  // tileset's.
  void alteKopieMitZeigerBleibt() {
    Testumgebung u;
    frm_Angaben& f = Offen(u, 2);
    const QByteArray vorher = Rom(u);
    f.Chk_Ersetzen->setChecked(false);
    f.Txt_Ort->setText(Hex(Frei));
    f.Cmd_Einfügen_Click();
    QCOMPARE(u.Texte(),
             Eingesetzt + QStringLiteral("1C4000\nDas alte Tileset am Offset 1C0000 wurde nicht "
                                         "gelöscht: Der Pointer des 2.Tilesets zeigt noch dorthin."));
    const QByteArray rom = Rom(u);
    QCOMPARE(rom.mid(ZeigerOrt(2), 3), vorher.mid(ZeigerOrt(2), 3));
    QCOMPARE(rom.mid(Alt2, Block), vorher.mid(Alt2, Block));
    QCOMPARE(rom.mid(Frei, Block), Rombau::TilesetBlock(u.plan.tilesets[2].geaenderteKacheln));

    Rombau::Plan plan = Testdaten::Plan();
    plan.tilesets[7].ort = Alt2;
    plan.tilesets[7].geaenderteKacheln = plan.tilesets[2].geaenderteKacheln;
    Testumgebung geteilt(plan);
    Offen(geteilt, 2).Txt_Ort->setText(Hex(Frei));
    geteilt.fenster().Cmd_Einfügen_Click();
    QVERIFY2(geteilt.Texte().endsWith(QLatin1String("Der Pointer des 7.Tilesets zeigt noch dorthin.")),
             qPrintable(geteilt.Texte()));
    QCOMPARE(Rom(geteilt).mid(Alt2, Block), Rombau::TilesetBlock(plan.tilesets[2].geaenderteKacheln));
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
    // A new ROM starts the search at its beginning again.
    f.RomÖffnen(u.rom());
    QVERIFY(Module1.FreierOffset.isEmpty());
  }
};

QTEST_MAIN(TestEinfuegen)
#include "test_einfuegen.moc"
