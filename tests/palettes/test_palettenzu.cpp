#include <QtTest>

#include "Dateizugriff.h"
#include "Frm_PalettenZu.h"
#include "Module1.h"
#include "Testumgebung.h"
#include "Zuordnung.h"
#include "frm_Angaben.h"

namespace {
constexpr qint64 FeldOrt1 = 0x9A00;  // pointer bytes 00 5A

QByteArray Rom(const Testumgebung& u) { return u.Lies(QStringLiteral("test.gb")); }

// Tileset 1's assignment field behind the pointer 00 5A, starting 73 25.
struct Umgebung : Testumgebung {
  Umgebung() : Testumgebung(Plan()) { fenster().RomÖffnen(rom()); }
  static Rombau::Plan Plan() {
    Rombau::Plan plan = Testdaten::Plan();
    plan.tilesets[1].zuordnungOrt = FeldOrt1;
    plan.tilesets[1].zuordnung[0] = 0x73;
    plan.tilesets[1].zuordnung[1] = 0x25;
    return plan;
  }
};

QString Beschriftungen(Frm_PalettenZu& f) {
  QString s;
  for (int i = 1; i <= 96; ++i) s += f.Pal(i)->text();
  return s;
}

void Waehle(Frm_PalettenZu& f, int p) {
  f.Paletten->setCurrentIndex(p);
  f.Paletten_Click();
}
}  // namespace

class TestPalettenZu : public QObject {
  Q_OBJECT
 private slots:
  void lesenUeberDenZeiger() {
    Umgebung u;
    QVERIFY(Frm_PalettenZu::Geladen());
    Frm_PalettenZu& f = Frm_PalettenZu::Instanz();
    QVERIFY(!f.isVisible());
    QCOMPARE(Module1.PalettenZuGeladen, 1);
    QCOMPARE(Module1.PalettenZuAktiv, 0);
    QCOMPARE(Rom(u).mid(0x156EF, 2), QByteArray::fromHex("005A"));
    QCOMPARE(Module1.ZuordnungOrt, QStringLiteral("9A00"));
    QCOMPARE(Beschriftungen(f).left(4), QStringLiteral("3752"));  // low digit first
    QCOMPARE(f.Pal(1)->objectName(), QStringLiteral("Pal(1)"));
    QVERIFY(!f.Pal(0)->isVisible());
    // A gap-free grid of 16 x 6, tile 1 where the template is.
    QCOMPARE(f.Pal(1)->pos(), f.Pal(0)->pos());
    QCOMPARE(f.Pal(2)->x(), f.Pal(1)->x() + f.Pal(1)->width());
    QCOMPARE(f.Pal(96)->pos(), QPoint(f.Pal(16)->x(), f.Pal(65)->y() + f.Pal(65)->height()));
  }

  // Nothing is written before "Speichern"; an unchanged save rewrites the
  // same 48 bytes, a changed one puts each digit in its tile's nibble; the
  // original assignment then brings Tilesets.gb's field back.
  void klickenSpeichernUndOriginal() {
    Umgebung u;
    Frm_PalettenZu& f = Frm_PalettenZu::Instanz();
    f.show();
    const QByteArray vorher = Rom(u);
    f.Cmd_Speichern_Click();
    QCOMPARE(Rom(u), vorher);
    Waehle(f, 2);
    QVERIFY(f.Pal(4)->isChecked());
    QVERIFY(!f.Pal(3)->isChecked());
    QTest::mouseClick(f.Pal(3), Qt::LeftButton);  // 5 -> 2
    QCOMPARE(f.Pal(3)->text(), QStringLiteral("2"));
    QVERIFY(f.Pal(3)->isChecked());
    QTest::mouseClick(f.Pal(3), Qt::LeftButton);  // 2 -> back to 7
    QCOMPARE(f.Pal(3)->text(), QStringLiteral("7"));
    QVERIFY(!f.Pal(3)->isChecked());
    Waehle(f, 7);
    QVERIFY(f.Pal(2)->isChecked());
    QTest::mouseClick(f.Pal(2), Qt::LeftButton);  // palette 7 stays
    QCOMPARE(f.Pal(2)->text(), QStringLiteral("7"));
    QVERIFY(f.Pal(2)->isChecked());
    QCOMPARE(Rom(u), vorher);
    Waehle(f, 6);
    f.Pal(2)->click();  // 7 -> 6: the high digit of the first byte
    f.Cmd_Speichern_Click();
    const QByteArray nachher = Rom(u);
    QCOMPARE(nachher.mid(FeldOrt1, 48), QByteArray::fromHex("6327") + vorher.mid(FeldOrt1 + 2, 46));
    QCOMPARE(nachher.left(FeldOrt1), vorher.left(FeldOrt1));
    QCOMPARE(nachher.mid(FeldOrt1 + 48), vorher.mid(FeldOrt1 + 48));
    QVERIFY(u.meldungen.empty());
    // The tileset choice ran again and read the saved field.
    QCOMPARE(Beschriftungen(Frm_PalettenZu::Instanz()).left(4), QStringLiteral("3672"));

    QVERIFY(u.fenster().Cmd_OrgPalEinf->isEnabled());
    u.fenster().Cmd_OrgPalEinf->trigger();
    QCOMPARE(Rom(u).mid(FeldOrt1, 48), u.Lies(QStringLiteral("Tilesets.gb")).mid(0x610, 48));
    QCOMPARE(Module1.ZuordnungBasis, QStringLiteral("156E0"));
    QCOMPARE(Module1.ZuordnungOrt, QStringLiteral("9A00"));
    QCOMPARE(Beschriftungen(Frm_PalettenZu::Instanz()).left(4), QStringLiteral("3752"));
  }

  // Original-data mode: the field of list index 3 is read from and saved to
  // Tilesets.gb at 3 * 0x700 + 0x610. Neither restore is offered (the palette
  // base is 0 here), and the palette restore called anyway writes nothing.
  void originalModus() {
    Umgebung u;
    u.fenster().Chk_Original->setChecked(true);
    u.fenster().Auswahl->setCurrentIndex(3);
    u.fenster().Auswahl_Click();
    Frm_PalettenZu& f = Frm_PalettenZu::Instanz();
    QCOMPARE(Module1.ZuordnungOrt, QStringLiteral("1B10"));
    QCOMPARE(Beschriftungen(f).left(2), Zuordnung::Ziffern(u.plan.tilesets[4].zuordnung.left(1)));
    QVERIFY(!u.fenster().Cmd_OrgPalEinf->isEnabled() && !u.fenster().Cmd_OriginalTilePal->isEnabled());
    const QByteArray rom = Rom(u);
    const QByteArray gb = u.Lies(QStringLiteral("Tilesets.gb"));
    Waehle(f, 0);
    f.Pal(96)->click();
    f.Cmd_Speichern_Click();
    u.fenster().Cmd_OriginalTilePal_Click();
    const QByteArray gbNeu = u.Lies(QStringLiteral("Tilesets.gb"));
    QCOMPARE(Rom(u), rom);
    QCOMPARE(gbNeu.left(0x1B10 + 47), gb.left(0x1B10 + 47));
    QCOMPARE(static_cast<quint8>(gbNeu[0x1B10 + 47]) >> 4, 0);
    QCOMPARE(gbNeu.mid(0x1B10 + 48), gb.mid(0x1B10 + 48));
    u.fenster().Chk_Original->setChecked(false);
    QVERIFY(u.fenster().Cmd_OrgPalEinf->isEnabled() && u.fenster().Cmd_OriginalTilePal->isEnabled());
  }

  // Without a ROM an assignment lives in the ROM in every mode but original
  // data: a save has nowhere to go and says so, and no restore is offered.
  void speichernOhneRom() {
    const QString keinRom =
        QStringLiteral("Fehler: Es ist keine Romdatei geöffnet. Bitte zuerst ein Rom öffnen.");
    for (bool original : {true, false}) {
      Testumgebung u;
      (original ? u.fenster().Chk_Original : u.fenster().Chk_Geheim)->setChecked(true);
      u.fenster().Auswahl->setCurrentIndex(3);
      u.fenster().Auswahl_Click();
      Frm_PalettenZu& f = Frm_PalettenZu::Instanz();
      QVERIFY(!u.fenster().Cmd_OrgPalEinf->isEnabled());
      u.fenster().Chk_Original->setChecked(false);
      const QByteArray gb = u.Lies(QStringLiteral("Tilesets.gb"));
      u.meldungen.clear();
      f.Cmd_Speichern_Click();
      QCOMPARE(u.Texte(), keinRom);
      QCOMPARE(u.Lies(QStringLiteral("Tilesets.gb")), gb);
    }
  }

  void ladenUndEntladen() {
    Umgebung u;
    u.fenster().Cmd_PalettenZu->trigger();
    QVERIFY(Frm_PalettenZu::Instanz().isVisible());
    QCOMPARE(Module1.PalettenZuAktiv, 1);
    QCOMPARE(Module1.ZuordnungGeladen, -1);
    // Another tileset keeps the shown window and reads its field.
    u.fenster().Auswahl->setCurrentIndex(1);
    u.fenster().Auswahl_Click();
    QVERIFY(Frm_PalettenZu::Instanz().isVisible());
    QCOMPARE(Frm_PalettenZu::Instanz().Pal(1)->text(),
             QString::number(static_cast<quint8>(u.plan.tilesets[2].zuordnung[0]) & 0x0F, 16));
    Frm_PalettenZu::Instanz().close();
    QCOMPARE(Module1.PalettenZuGeladen, 0);
    QCOMPARE(Module1.PalettenZuAktiv, 0);
    // Opened again before the closed one is gone: a fresh, shown window.
    u.fenster().Cmd_PalettenZu->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(Frm_PalettenZu::Geladen());
    QVERIFY(Frm_PalettenZu::Instanz().isVisible());
    QCOMPARE(Frm_PalettenZu::Instanz().Pal(96)->objectName(), QStringLiteral("Pal(96)"));
    Frm_PalettenZu::Instanz().close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!Frm_PalettenZu::Geladen());
    u.fenster().Auswahl_Click();
    QVERIFY(Frm_PalettenZu::Geladen());
    QVERIFY(!Frm_PalettenZu::Instanz().isVisible());
  }
};

QTEST_MAIN(TestPalettenZu)
#include "test_palettenzu.moc"
