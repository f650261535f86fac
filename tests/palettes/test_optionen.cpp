#include <QSettings>
#include <QtTest>

#include "Frm_Bearbeiten.h"
#include "Frm_Kolli.h"
#include "Frm_Optionen.h"
#include "Module1.h"
#include "Testumgebung.h"
#include "frm_Angaben.h"

namespace {
const QString Schluessel = QStringLiteral("Einstelungen/Speicher");
using Vier = std::array<std::uint32_t, 4>;

QSettings Einstellungen() { return QSettings(QStringLiteral("ZERAN"), QStringLiteral("Tessaron")); }

QString Gespeichert() { return Einstellungen().value(Schluessel).toString(); }

Fläche& Tile(int i) { return Frm_Bearbeiten::Instanz().Fläche(i); }

// The screen colours of a palette, worked out from the synthesised ROM bytes.
Vier PlanFarben(const Rombau::Plan& plan, int t, int p) {
  Vier farben{};
  for (int c = 1; c <= 4; ++c) {
    const int o = 64 * t + 8 * p + 2 * (c - 1);
    const int w = static_cast<quint8>(plan.paletten[o]) | (static_cast<quint8>(plan.paletten[o + 1]) << 8);
    farben[c - 1] = VbWert((w & 31) * 8, ((w >> 5) & 31) * 8, ((w >> 10) & 31) * 8);
  }
  return farben;
}

int PlanPalette(const Rombau::Plan& plan, int tileset, int i) {
  const auto b = static_cast<quint8>(plan.tilesets[tileset].zuordnung[(i - 1) / 2]);
  return i % 2 ? b & 15 : b >> 4;
}

// Every cell shows the colour given for its colour number.
bool ZeigtFarben(const Fläche& f, const Vier& farben) {
  for (int k = 1; k <= 64; ++k)
    if (f.Point((k - 1) % 8 + 1, (k - 1) / 8 + 1) != farben[f.Nummer(k) - 1]) return false;
  return true;
}

bool AlleZeigen(const Vier& farben) {
  for (int i = 1; i <= 96; ++i)
    if (!ZeigtFarben(Tile(i), farben)) return false;
  return true;
}

// The collision editor shows the short named lists in all four quadrants.
bool KurzeListen(const Frm_Kolli& k) {
  for (int q = 1; q <= 4; ++q)
    if (!k.Cbo_Art[q]->isHidden() || k.Cbo_Art1[q]->isHidden()) return false;
  return true;
}

const Vier Grau = {VbWert(255, 255, 255), VbWert(192, 192, 192), VbWert(128, 128, 128), VbWert(0, 0, 0)};
const Vier Fest = {VbWert(0, 0, 0), VbWert(100, 210, 100), VbWert(60, 50, 255), VbWert(220, 255, 255)};
}  // namespace

class TestOptionen : public QObject {
  Q_OBJECT
 private slots:
  void init() { Einstellungen().remove(Schluessel); }

  void ersterStartUndSchliessen() {
    Testumgebung u;
    QCOMPARE(Gespeichert(), QStringLiteral("00111510"));
    Frm_Optionen& o = Frm_Optionen::Instanz();
    QVERIFY(!o.isVisible());
    QVERIFY(o.Opt_OriginalFarben->isChecked() && o.Chk_Raster->isChecked() && o.Opt_0bisFF->isChecked());
    QCOMPARE(Module1.KolliKurzListe, 0);
    // Grid on, size 5, and time of day 1's palettes.
    u.fenster().RomÖffnen(u.rom());
    QCOMPARE(Tile(2).x(), Tile(1).x() + 41);
    for (int i = 1; i <= 96; ++i)
      QVERIFY(ZeigtFarben(Tile(i), PlanFarben(u.plan, 1, PlanPalette(u.plan, 1, i))));

    // Shown from the menu, a tileset choice keeps it shown; closed, it only hides.
    u.fenster().Cmd_Optionen->trigger();
    QVERIFY(o.isVisible());
    QCOMPARE(Module1.OptionenAktiv, 1);
    u.fenster().Auswahl_Click();
    QVERIFY(o.isVisible());
    o.close();
    QVERIFY(Frm_Optionen::Geladen());
    QVERIFY(!o.isVisible());
    QCOMPARE(Module1.OptionenAktiv, 0);
    u.fenster().Auswahl_Click();
    QVERIFY(!o.isVisible());
  }

  void festeFarbsaetze() {
    Testumgebung u;
    u.fenster().RomÖffnen(u.rom());
    Frm_Optionen& o = Frm_Optionen::Instanz();
    o.Opt_Grau->click();
    QCOMPARE(Gespeichert(), QStringLiteral("01011510"));
    QVERIFY(AlleZeigen(Grau));
    for (int c = 1; c <= 4; ++c) QCOMPARE(Module1.Tilefarben[c], Grau[c - 1]);
    o.Opt_AlteFarben->click();
    QCOMPARE(Gespeichert(), QStringLiteral("10011510"));
    QVERIFY(AlleZeigen(Fest));
    // Painting after the change uses the new colour of the bound number.
    Tile(7).PositionAngabe(1, 0, 0, 0);
    QCOMPARE(Tile(7).Point(1, 1), Fest[1]);
  }

  void groesseOhneRasterBeimNaechstenStart() {
    Testumgebung u;
    u.fenster().RomÖffnen(u.rom());
    Frm_Optionen& o = Frm_Optionen::Instanz();
    o.Chk_Raster->click();
    QCOMPARE(Module1.Raster, 0);
    o.Cbo_Grösse->setCurrentIndex(2);
    emit o.Cbo_Grösse->activated(2);
    QCOMPARE(Gespeichert(), QStringLiteral("00110310"));
    QCOMPARE(Tile(96).Grösse(), 3);
    QVERIFY(Frm_Bearbeiten::Instanz().isVisible());

    u.FensterNeu();
    for (int i = 0; i <= 96; ++i) QCOMPARE(Tile(i).Grösse(), 3);
    QVERIFY(!Frm_Optionen::Instanz().Chk_Raster->isChecked());
    QCOMPARE(Module1.Raster, 0);
    u.fenster().RomÖffnen(u.rom());
    QCOMPARE(Tile(2).x(), Tile(1).x() + 24);
    QCOMPARE(Tile(17).y(), Tile(1).y() + 24);
    QCOMPARE(Frm_Bearbeiten::Instanz().width(), 16 * 24);
  }

  // Tile 1's assignment digit is damaged (above 7): it names no palette, so
  // that tile shows the fixed colours and every other its own palette.
  void originalAnsichtNachtPalette() {
    Rombau::Plan plan = Testdaten::Plan();
    plan.tilesets[1].zuordnung[0] = static_cast<char>((plan.tilesets[1].zuordnung[0] & 0xF0) | 0x0C);
    Testumgebung u(plan);
    u.fenster().RomÖffnen(u.rom());
    Frm_Optionen& o = Frm_Optionen::Instanz();
    o.Zeit->setCurrentIndex(2);
    emit o.Zeit->activated(2);
    QCOMPARE(Gespeichert(), QStringLiteral("00121510"));
    QCOMPARE(Module1.Tageszeit, 2);
    QVERIFY(ZeigtFarben(Tile(1), Fest));
    int mitVier = 0;
    for (int i = 2; i <= 96; ++i) {
      const int p = PlanPalette(u.plan, 1, i);
      mitVier += p == 4;
      QVERIFY(ZeigtFarben(Tile(i), PlanFarben(u.plan, 2, p)));
    }
    QVERIFY(mitVier > 0);
  }

  // A bad stored text falls back position by position (the full table of bad
  // texts is the codec's); its valid collision list mode applies at start-up
  // although the collision editor was never opened.
  void gespeicherterTextGiltAbStart() {
    Einstellungen().setValue(Schluessel, QStringLiteral("11091701"));
    Testumgebung u;
    Frm_Optionen& o = Frm_Optionen::Instanz();
    QCOMPARE(Gespeichert(), QStringLiteral("00111501"));
    QCOMPARE(Tile(50).Grösse(), 5);
    QCOMPARE(Module1.Tageszeit, 1);
    QVERIFY(o.Opt_Aufgezälten->isChecked());
    QCOMPARE(Module1.KolliKurzListe, 1);
    QVERIFY(!Frm_Kolli::Geladen());
    u.fenster().RomÖffnen(u.rom());
    QVERIFY(u.meldungen.empty());
    Frm_Kolli& k = Frm_Kolli::Instanz();
    QVERIFY(KurzeListen(k));
    o.Opt_0bisFF->click();
    QCOMPARE(Module1.KolliKurzListe, 0);
    QCOMPARE(Gespeichert(), QStringLiteral("00111510"));
    for (int q = 1; q <= 4; ++q) QVERIFY(!k.Cbo_Art[q]->isHidden());
    o.Opt_Aufgezälten->click();
    QCOMPARE(Gespeichert(), QStringLiteral("00111501"));
    QVERIFY(KurzeListen(k));
  }
};

QTEST_MAIN(TestOptionen)
#include "test_optionen.moc"
