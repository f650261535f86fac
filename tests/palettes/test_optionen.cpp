#include <QtTest>

#include "Flaeche.h"
#include "Frm_Kolli.h"
#include "Frm_Optionen.h"
#include "Welt.h"
#include "Zuordnung.h"
#include "frm_Angaben.h"

using Welt::Tile;

namespace {
using Vier = std::array<std::uint32_t, 4>;

// Every cell shows the colour given for its colour number.
bool ZeigtFarben(const Fläche& f, const Vier& farben) {
  for (int k = 1; k <= 64; ++k)
    if (f.Point((k - 1) % 8 + 1, (k - 1) / 8 + 1) != farben[f.Nummer(k) - 1]) return false;
  return true;
}

bool KurzeListen(const Frm_Kolli& k) {
  for (int q = 1; q <= 4; ++q)
    if (!k.Cbo_Art[q]->isHidden() || k.Cbo_Art1[q]->isHidden()) return false;
  return true;
}
}  // namespace

class TestOptionen : public QObject {
  Q_OBJECT
 private slots:
  void init() { Welt::Optionen({}); }

  // Tile 1's assignment digit is damaged (above 7): it names no palette, so
  // in the game's colours that tile shows the fixed colours and every other
  // its own palette of the chosen time of day. Each choice is stored at once.
  void farben_data() {
    QTest::addColumn<int>("satz");  // 0 the game's colours, 1 grey, 2 fixed
    QTest::addColumn<int>("zeit");
    QTest::addColumn<QString>("gespeichert");
    QTest::newRow("erster Start") << 0 << 1 << "00111510";
    QTest::newRow("Grau") << 1 << 1 << "01011510";
    QTest::newRow("alte Farben") << 2 << 1 << "10011510";
    QTest::newRow("Nacht") << 0 << 2 << "00121510";
  }
  void farben() {
    QFETCH(int, satz);
    QFETCH(int, zeit);
    QFETCH(QString, gespeichert);
    Rombau::Plan plan = Testdaten::Plan();
    plan.tilesets[1].zuordnung[0] = static_cast<char>((plan.tilesets[1].zuordnung[0] & 0xF0) | 0x0C);
    Testumgebung u(plan);
    Welt::Offen(u);
    Frm_Optionen& o = Frm_Optionen::Instanz();
    if (satz) (satz == 1 ? o.Opt_Grau : o.Opt_AlteFarben)->click();
    o.Zeit->setCurrentIndex(zeit);
    emit o.Zeit->activated(zeit);
    QCOMPARE(Welt::Optionen(), gespeichert);
    const Vier fest(Welt::Festfarben), grau(Welt::Grau);
    const QString ziffern = Zuordnung::Ziffern(u.plan.tilesets[1].zuordnung);
    for (int i = 1; i <= 96; ++i) {
      const int p = ziffern.mid(i - 1, 1).toInt(nullptr, 16);
      const Vier farben = satz == 1 ? grau : satz == 2 || p > 7 ? fest : Welt::PlanFarben(u.plan, zeit, p);
      QVERIFY2(ZeigtFarben(Tile(i), farben), qPrintable(QString::number(i)));
    }
  }

  // A bad stored text falls back position by position (the full table of bad
  // texts is the codec's); its valid collision list mode applies from the
  // start, in a collision editor opened only later.
  void gespeicherterTextGiltAbStart() {
    Welt::Optionen(QStringLiteral("11091701"));
    Testumgebung u;
    Frm_Optionen& o = Frm_Optionen::Instanz();
    QCOMPARE(Welt::Optionen(), QStringLiteral("00111501"));
    QVERIFY(o.Opt_Aufgezälten->isChecked());
    Welt::Offen(u);
    QVERIFY(u.meldungen.empty());
    Frm_Kolli& k = Frm_Kolli::Instanz();
    QVERIFY(KurzeListen(k));
    o.Opt_0bisFF->click();
    QVERIFY(!KurzeListen(k));
    o.Opt_Aufgezälten->click();
    QCOMPARE(Welt::Optionen(), QStringLiteral("00111501"));
    QVERIFY(KurzeListen(k));
  }
};

QTEST_MAIN(TestOptionen)
#include "test_optionen.moc"
