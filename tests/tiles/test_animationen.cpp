#include <QtTest>

#include "Farbmodell.h"
#include "Frm_Farben.h"
#include "Frm_Optionen.h"
#include "Kachel.h"
#include "Welt.h"
#include "frm_Angaben.h"
#include "frm_Animationen.h"

namespace {
using Vier = std::array<std::uint32_t, 4>;
constexpr qint64 Wasser = 0xFC348;

// The four tiles hold these 64 bytes and show them in these colours.
void PruefeBilder(const QByteArray& bytes, const Vier& farben) {
  for (int i = 1; i <= 4; ++i) {
    const Fläche2& b = *frm_Animationen::Instanz().Bild[i];
    QCOMPARE(b.Zurükgeben(), BytesZuKachelText(bytes.constData() + 16 * (i - 1)));
    for (int k = 1; k <= 64; ++k)
      QCOMPARE(b.Point((k - 1) % 8 + 1, (k - 1) / 8 + 1), farben[b.Nummer(k) - 1]);
  }
}

void Waehlen(int index) {
  frm_Animationen& f = frm_Animationen::Instanz();
  f.Animation->setCurrentIndex(index);
  emit f.Animation->activated(index);
}

}  // namespace

class TestAnimationen : public QObject {
  Q_OBJECT
 private slots:
  // Every test starts with the default options (time of day 1).
  void init() { Welt::Optionen({}); }

  // Water in palette 6, flowers in palette 1, of the time of day the options
  // show; a new time of day shows the same entry in its colours.
  void lesen() {
    Testumgebung u;
    Welt::Offen(u);
    PruefeBilder(u.plan.wasser, Welt::PlanFarben(u.plan, 1, 6));
    Waehlen(1);
    PruefeBilder(u.plan.blumen, Welt::PlanFarben(u.plan, 1, 1));
    Frm_Optionen& o = Frm_Optionen::Instanz();
    o.Zeit->setCurrentIndex(3);
    emit o.Zeit->activated(3);
    PruefeBilder(u.plan.blumen, Welt::PlanFarben(u.plan, 3, 1));
  }

  // Also when the palette holds one colour four times the tiles keep their
  // colour numbers: a save without painting writes the same bytes.
  void speichernOhneMalenAendertNichts_data() {
    QTest::addColumn<QByteArray>("farben");  // palette 1 at time 1
    QTest::newRow("wie gebaut") << QByteArray();
    QTest::newRow("viermal dieselbe Farbe") << QByteArray::fromHex("1F021F021F021F02");
  }
  void speichernOhneMalenAendertNichts() {
    QFETCH(QByteArray, farben);
    Rombau::Plan plan = Testdaten::Plan();
    plan.paletten.replace(64 + 8, farben.size(), farben);
    Testumgebung u(plan);
    Welt::Offen(u);
    const QByteArray vorher = Welt::Rom(u);
    Waehlen(1);
    frm_Animationen::Instanz().Cmd_Speichern->click();
    QCOMPARE(Welt::Rom(u), vorher);
    QVERIFY(u.meldungen.empty());
  }

  // Colours 3 and 4 bound in the chooser; the right button pressed while the
  // left is held paints with its own colour. The save changes only the bits
  // of the painted cells: byte 2r holds the low, byte 2r + 1 the high bits of
  // row r, the leftmost cell in bit 7.
  void malenUndSpeichern() {
    Testumgebung u;
    Welt::Offen(u);
    const QByteArray vorher = Welt::Rom(u);
    frm_Animationen& f = frm_Animationen::Instanz();
    f.show();
    Frm_Farben& farben = Frm_Farben::Instanz();
    QTest::mouseClick(farben.Farb[3], Qt::LeftButton);
    QTest::mouseClick(farben.Farb[4], Qt::RightButton);
    Fläche2* bild = f.Bild[2];
    QTest::mousePress(bild, Qt::LeftButton, {}, QPoint(2, 2));
    QTest::mousePress(bild, Qt::RightButton, {}, QPoint(7, 2));
    QTest::mouseRelease(bild, Qt::RightButton, {}, QPoint(7, 2));
    QTest::mouseRelease(bild, Qt::LeftButton, {}, QPoint(7, 2));
    // The chooser followed the tile under the mouse.
    QCOMPARE(farben.f1[4]->palette().color(QPalette::Window), VbFarbe(Welt::PlanFarben(u.plan, 1, 6)[3]));
    f.Cmd_Speichern->click();
    QByteArray erwartet = vorher;
    erwartet[Wasser + 16] = char((erwartet[Wasser + 16] & 0x3F) | 0x40);
    erwartet[Wasser + 17] = char(erwartet[Wasser + 17] | 0xC0);
    QCOMPARE(Welt::Rom(u), erwartet);
    QVERIFY(u.meldungen.empty());

    // Loaded again from the menu nothing is chosen: a save has nowhere to go.
    f.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    u.fenster().Cmd_Animationen->trigger();
    frm_Animationen& neu = frm_Animationen::Instanz();
    QTest::mousePress(neu.Bild[1], Qt::LeftButton, {}, QPoint(2, 2));
    neu.Cmd_Speichern_Click();
    QCOMPARE(Welt::Rom(u), erwartet);
  }
};

QTEST_MAIN(TestAnimationen)
#include "test_animationen.moc"
