#include <QtTest>

#include "Frm_PalettenZu.h"
#include "Schreiboperationen.h"
#include "Welt.h"
#include "Zuordnung.h"
#include "frm_Angaben.h"

namespace {
constexpr qint64 FeldOrt1 = 0x9A00;  // behind the pointer bytes 00 5A
const QString Tilesets = QStringLiteral("Tilesets.gb");

// Tileset 1's field moved behind its pointer, starting 73 25; Tilesets.gb's
// record of tileset 4 ending 25.
Rombau::Plan Plan() {
  Rombau::Plan plan = Testdaten::Plan();
  plan.tilesets[1].zuordnungOrt = FeldOrt1;
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

QString Ziffern(int von, int bis) {
  QString s;
  for (int i = von; i <= bis; ++i) s += Frm_PalettenZu::Instanz().Pal(i)->text();
  return s;
}

struct Fall {
  bool original;
  int tileset;
  QString ziffern;  // of tiles 1-2 or 95-96
  int tile, palette;
  qint64 ort;
  char byte;  // there after the save
};
}  // namespace
Q_DECLARE_METATYPE(Fall)

class TestPalettenZu : public QObject {
  Q_OBJECT
 private slots:
  // Each tile's digit sits in its nibble, tile 2k+1 low: reading and saving
  // follow the ROM's pointer, or with original data Tilesets.gb's record of
  // the chosen tileset. Nothing is written before "Speichern", an unchanged
  // save writes the same bytes, and a change touches its own nibble only.
  void speichern_data() {
    QTest::addColumn<Fall>("f");
    QTest::newRow("Rom, ueber den Zeiger") << Fall{false, 1, "37", 2, 6, FeldOrt1, 0x63};
    QTest::newRow("Tilesets.gb, Tileset 4")
        << Fall{true, 4, "52", 96, 0, 3 * Zuordnung::SatzLaenge + Zuordnung::SeitenBasis + 47, 0x05};
  }
  void speichern() {
    QFETCH(Fall, f);
    const auto [original, tileset, ziffern, tile, palette, ort, byte] = f;
    Testumgebung u(Plan());
    Welt::Offen(u);
    u.fenster().Chk_Original->setChecked(original);
    Welt::Waehlen(u.fenster(), tileset);
    QCOMPARE(tile == 2 ? Ziffern(1, 2) : Ziffern(95, 96), ziffern);
    const Dateistand vorher = Stand(u);
    Frm_PalettenZu::Instanz().Cmd_Speichern_Click();
    Waehle(palette).Pal(tile)->click();
    QCOMPARE(Stand(u), vorher);
    Frm_PalettenZu::Instanz().Cmd_Speichern_Click();
    Dateistand erwartet = vorher;
    erwartet[original ? Tilesets : QStringLiteral("test.gb")][ort] = byte;
    QCOMPARE(Stand(u), erwartet);
    QVERIFY(u.meldungen.empty());
    // The tileset is chosen again and shows what was saved.
    QCOMPARE(Frm_PalettenZu::Instanz().Pal(tile)->text(), QString::number(palette));
  }

  // A click gives the tile the chosen palette and a second one gives it back
  // to palette 7, which cannot be taken away. Closed, the window is unloaded.
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
    Frm_PalettenZu::Instanz().close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!Frm_PalettenZu::Geladen());
  }

  // The original assignment comes from Tilesets.gb into the field the ROM's
  // pointer names, and nowhere else.
  void originalEinfuegen() {
    Testumgebung u(Plan());
    QByteArray rom = Welt::Rom(u);
    u.Schreib(QStringLiteral("test.gb"), rom.replace(FeldOrt1, Zuordnung::Laenge, QByteArray(48, '\x11')));
    Welt::Offen(u);
    QCOMPARE(Ziffern(1, 2), QStringLiteral("11"));
    QVERIFY(u.fenster().Cmd_OrgPalEinf->isEnabled());
    u.fenster().Cmd_OrgPalEinf->trigger();
    QCOMPARE(Welt::Rom(u),
             rom.replace(FeldOrt1, Zuordnung::Laenge, u.Lies(Tilesets).mid(Zuordnung::SeitenBasis, 48)));
    QCOMPARE(Ziffern(1, 4), QStringLiteral("3752"));
  }

  // Without a ROM an assignment lives in the ROM in every mode but original
  // data: the save says so and writes nothing, and no restore is offered.
  void ohneRom_data() {
    QTest::addColumn<bool>("original");
    QTest::newRow("Originaldaten gelesen") << true;
    QTest::newRow("Tilesets.gb-Modus") << false;
  }
  void ohneRom() {
    QFETCH(bool, original);
    Testumgebung u;
    (original ? u.fenster().Chk_Original : u.fenster().Chk_Geheim)->setChecked(true);
    Welt::Waehlen(u.fenster(), 4);
    QVERIFY(!u.fenster().Cmd_OrgPalEinf->isEnabled());
    u.fenster().Chk_Original->setChecked(false);
    const Dateistand vorher = Stand(u);
    u.meldungen.clear();
    Frm_PalettenZu::Instanz().Cmd_Speichern_Click();
    QCOMPARE(u.meldungen.size(), size_t(1));
    QCOMPARE(u.meldungen[0].titel, QStringLiteral("Fehler"));
    QCOMPARE(Stand(u), vorher);
  }
};

QTEST_MAIN(TestPalettenZu)
#include "test_palettenzu.moc"
