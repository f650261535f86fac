#include <QClipboard>
#include <QtTest>

#include "Dateizugriff.h"
#include "Frm_PalettenZu.h"
#include "Frm_TilesetPal.h"
#include "Palettentabelle.h"
#include "Schreiboperationen.h"
#include "Welt.h"
#include "Zuordnung.h"
#include "frm_Angaben.h"

namespace {
const QString Original = QStringLiteral("OriginalPaletten.gb");

Frm_TilesetPal& Zeige(int t, int p) {
  Frm_TilesetPal& f = Frm_TilesetPal::Instanz();
  f.Zeit->setCurrentIndex(t);
  f.Zeit_Click();
  f.Paletten->setCurrentIndex(p);
  f.Paletten_Click();
  return f;
}

struct Eingabe {
  QString vorher;
  int stelle;  // -1: at the end, -2: all selected
  QString tasten;
  Qt::Key taste;  // then this key
  Qt::KeyboardModifiers mod;
  QString ablage;  // on the clipboard
  QString erwartet;
};

// Tileset 1's field starting 73 25; Tilesets.gb's record of tileset 4 ending 25.
Rombau::Plan ZuordnungsPlan() {
  Rombau::Plan plan = Testdaten::Plan();
  plan.tilesets[1].zuordnung[0] = 0x73;
  plan.tilesets[1].zuordnung[1] = 0x25;
  plan.tilesets[4].zuordnung[47] = 0x25;
  return plan;
}

Frm_PalettenZu& Waehle(int p) {
  Frm_PalettenZu& f = Frm_PalettenZu::Instanz();
  f.Paletten->setCurrentIndex(p);
  f.Paletten_Click();
  return f;
}
}  // namespace
Q_DECLARE_METATYPE(Eingabe)

class TestPaletten : public QObject {
  Q_OBJECT
 private slots:
  // Every colour shows the two bytes of its place in the table, low byte
  // first, the chosen one also in the colour text box.
  // "Hex zu RGB" takes a whole colour text only.
  void lesen() {
    Rombau::Plan plan = Testdaten::Plan();
    plan.paletten.replace(64, 2, QByteArray::fromHex("FF7F"));  // white: time 1, palette 0, colour 1
    Testumgebung u(plan);
    Welt::Offen(u);
    const QByteArray rom = Welt::Rom(u);
    Frm_TilesetPal& f = Frm_TilesetPal::Instanz();
    QCOMPARE(f.Zeit->currentIndex(), 1);  // the time of day of the options
    QCOMPARE(f.Wert->text(), QStringLiteral("FF7F"));
    const QString tabelle = QString::fromLatin1(rom.mid(Palettentabelle::RomOffset, 320).toHex().toUpper());
    for (int t = 0; t < Palettentabelle::Zeiten; ++t)
      for (int p = 0; p < Palettentabelle::Paletten; ++p)
        for (int c = 1; c <= 4; ++c)
          QCOMPARE(Zeige(t, p).Lbl_Farbe[c]->text(), tabelle.mid(128 * t + 16 * p + 4 * c - 4, 4));

    QTest::mouseClick(f.Lbl_Farbe[3], Qt::LeftButton);
    const QString vorher = f.Lbl_Farbe[3]->text();
    f.Wert->setText(QStringLiteral("7F"));
    f.Cmd_HexRGB_Click();
    QCOMPARE(f.Lbl_Farbe[3]->text(), vorher);
    QCOMPARE(u.meldungen.at(0).titel, QStringLiteral("Tileset-Paletten"));
    f.Wert->setText(QStringLiteral("E003"));
    f.Cmd_HexRGB_Click();
    QCOMPARE(f.Lbl_Farbe[3]->text(), QStringLiteral("E003"));
    f.Cmd_Achtung_Click();  // a warning without a title
    QCOMPARE(u.meldungen.back().titel, QStringLiteral("Tessaron"));
  }

  // A shorter OriginalPaletten.gb goes over the start of the ROM's table (the
  // bytes are the walk's), and the window shows it at once.
  void originalPalettenEinfuegen() {
    Testumgebung u;
    Welt::Offen(u);
    Zeige(0, 0);
    u.Schreib(Original, QByteArray::fromHex("E003"));
    u.fenster().Cmd_OriginalTilePal->trigger();
    QCOMPARE(Zeige(0, 0).Lbl_Farbe[1]->text(), QStringLiteral("E003"));
  }

  // Typed, the colour text takes hex digits only, upper case, at most four,
  // and no 8-F in third place, also typed into the middle. Ctrl+V pastes a
  // valid colour text only.
  void eingabe_data() {
    QTest::addColumn<Eingabe>("e");
    const auto S = Qt::ControlModifier;
    QTest::newRow("8 an dritter Stelle") << Eingabe{"7F", -1, "8", {}, {}, {}, "7F"};
    QTest::newRow("hoechstens vier") << Eingabe{"7F7A", -1, "1", {}, {}, {}, "7F7A"};
    QTest::newRow("nur Hex, gross") << Eingabe{"", -1, "!x 2a", {}, {}, {}, "2A"};
    QTest::newRow("in die Mitte") << Eingabe{"120", 2, "9", {}, {}, {}, "120"};
    QTest::newRow("alles ersetzt") << Eingabe{"FF7F", -2, "0", {}, {}, {}, "0"};
    QTest::newRow("Ruecktaste") << Eingabe{"7F7A", -1, "", Qt::Key_Backspace, {}, {}, "7F7"};
    QTest::newRow("Strg+Ruecktaste") << Eingabe{"05", -1, "", Qt::Key_Backspace, S, {}, "05"};
    QTest::newRow("Strg+A") << Eingabe{"05", -1, "", Qt::Key_A, S, {}, "05"};
    QTest::newRow("Alt+1") << Eingabe{"05", -1, "", Qt::Key_1, Qt::AltModifier, {}, "05"};
    QTest::newRow("einfuegen") << Eingabe{"0000", -1, "", Qt::Key_V, S, " e003 ", "E003"};
    QTest::newRow("dritte Stelle 8") << Eingabe{"0000", -1, "", Qt::Key_V, S, "FF8F", "0000"};
  }
  void eingabe() {
    QFETCH(Eingabe, e);
    Testumgebung u;
    Palettenwert* w = Frm_TilesetPal::Instanz().Wert;
    w->setText(e.vorher);
    w->setCursorPosition(e.stelle < 0 ? int(e.vorher.size()) : e.stelle);
    if (e.stelle == -2) w->selectAll();
    QTest::keyClicks(w, e.tasten);
    QGuiApplication::clipboard()->setText(e.ablage);
    if (e.taste) QTest::keyClick(w, e.taste, e.mod);
    QCOMPARE(w->text(), e.erwartet);
  }

  // Each tile's digit sits in its nibble, tile 2k+1 low; with original data
  // the save goes to Tilesets.gb's record of the chosen tileset (the walk has
  // the ROM's field and tileset 1). An unchanged save writes the same bytes.
  void speichernInDenSatzDesTilesets() {
    Testumgebung u(ZuordnungsPlan());
    Welt::Offen(u);
    u.fenster().Chk_Original->setChecked(true);
    Welt::Waehlen(u.fenster(), 4);
    Frm_PalettenZu& z = Frm_PalettenZu::Instanz();
    QCOMPARE(z.Pal(95)->text() + z.Pal(96)->text(), QStringLiteral("52"));
    const Dateistand vorher = Stand(u);
    z.Cmd_Speichern_Click();
    Waehle(0).Pal(96)->click();
    QCOMPARE(Stand(u), vorher);
    z.Cmd_Speichern_Click();
    Dateistand erwartet = vorher;
    erwartet[QStringLiteral("Tilesets.gb")][3 * Zuordnung::SatzLaenge + Zuordnung::SeitenBasis + 47] = 0x05;
    QCOMPARE(Stand(u), erwartet);
    QVERIFY(u.meldungen.empty());
  }

  // A click gives the tile the chosen palette and a second one gives it back
  // to palette 7, which cannot be taken away.
  void klicken() {
    Testumgebung u(ZuordnungsPlan());
    Welt::Offen(u);
    u.fenster().Cmd_PalettenZu->trigger();
    QPushButton* pal3 = Waehle(2).Pal(3);  // digit 5
    QTest::mouseClick(pal3, Qt::LeftButton);
    QCOMPARE(pal3->text(), QStringLiteral("2"));
    QVERIFY(pal3->isChecked());
    QTest::mouseClick(pal3, Qt::LeftButton);
    QCOMPARE(pal3->text(), QStringLiteral("7"));
    QVERIFY(!pal3->isChecked());
    QPushButton* pal2 = Waehle(7).Pal(2);
    QVERIFY(pal2->isChecked());
    QTest::mouseClick(pal2, Qt::LeftButton);
    QCOMPARE(pal2->text(), QStringLiteral("7"));
    QVERIFY(pal2->isChecked());
  }
};

QTEST_MAIN(TestPaletten)
#include "test_paletten.moc"
