#include <QtTest>

#include "Frm_PalettenZu.h"
#include "Schreiboperationen.h"
#include "Welt.h"
#include "Zuordnung.h"
#include "frm_Angaben.h"

namespace {
// Tileset 1's field starting 73 25; Tilesets.gb's record of tileset 4 ending 25.
Rombau::Plan Plan() {
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

class TestPalettenZu : public QObject {
  Q_OBJECT
 private slots:
  // Each tile's digit sits in its nibble, tile 2k+1 low; with original data
  // the save goes to Tilesets.gb's record of the chosen tileset (the walk has
  // the ROM's field and tileset 1). An unchanged save writes the same bytes.
  void speichernInDenSatzDesTilesets() {
    Testumgebung u(Plan());
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
    Testumgebung u(Plan());
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

QTEST_MAIN(TestPalettenZu)
#include "test_palettenzu.moc"
