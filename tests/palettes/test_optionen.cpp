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

void Speicher(const QString& text) {
  QSettings s(QStringLiteral("ZERAN"), QStringLiteral("Tessaron"));
  if (text.isNull())
    s.remove(Schluessel);
  else
    s.setValue(Schluessel, text);
}

QString Gespeichert() {
  return QSettings(QStringLiteral("ZERAN"), QStringLiteral("Tessaron")).value(Schluessel).toString();
}

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

const Vier Grau = {VbWert(255, 255, 255), VbWert(192, 192, 192), VbWert(128, 128, 128), VbWert(0, 0, 0)};
const Vier Fest = {VbWert(0, 0, 0), VbWert(100, 210, 100), VbWert(60, 50, 255), VbWert(220, 255, 255)};
}  // namespace

class TestOptionen : public QObject {
  Q_OBJECT
 private slots:
  void init() { Speicher(QString()); }

  void ersterStart() {
    Testumgebung u;
    QCOMPARE(Gespeichert(), QStringLiteral("00111510"));
    Frm_Optionen& o = Frm_Optionen::Instanz();
    QVERIFY(!o.isVisible());
    QVERIFY(o.Opt_OriginalFarben->isChecked());
    QCOMPARE(o.Zeit->currentText(), QStringLiteral("1 Tag Palette"));
    QVERIFY(o.Chk_Raster->isChecked());
    QCOMPARE(o.Cbo_Grösse->currentText(), QStringLiteral("5"));
    QVERIFY(o.Opt_0bisFF->isChecked());
    QCOMPARE(Module1.OptionenAktiv, 0);
    QCOMPARE(Module1.Tageszeit, 1);
    QCOMPARE(Module1.Raster, 15);
    QCOMPARE(Module1.KolliKurzListe, 0);
    u.fenster().RomÖffnen(u.rom());
    Frm_Bearbeiten& a = Frm_Bearbeiten::Instanz();
    QCOMPARE(a.Fläche(2).x(), a.Fläche(1).x() + 41);
    for (int i = 1; i <= 96; ++i)
      QVERIFY(ZeigtFarben(a.Fläche(i), PlanFarben(u.plan, 1, PlanPalette(u.plan, 1, i))));
  }

  void festeFarbsaetze() {
    Testumgebung u;
    u.fenster().RomÖffnen(u.rom());
    Frm_Optionen& o = Frm_Optionen::Instanz();
    Frm_Bearbeiten& a = Frm_Bearbeiten::Instanz();
    o.Opt_Grau->click();
    QCOMPARE(Gespeichert(), QStringLiteral("01011510"));
    for (int i = 1; i <= 96; ++i) QVERIFY(ZeigtFarben(a.Fläche(i), Grau));
    for (int c = 1; c <= 4; ++c) QCOMPARE(Module1.Tilefarben[c], Grau[c - 1]);
    o.Opt_AlteFarben->click();
    QCOMPARE(Gespeichert(), QStringLiteral("10011510"));
    for (int i = 1; i <= 96; ++i) QVERIFY(ZeigtFarben(a.Fläche(i), Fest));
    // Painting after the change uses the new colour of the bound number.
    a.Fläche(7).PositionAngabe(1, 0, 0, 0);
    QCOMPARE(a.Fläche(7).Point(1, 1), Fest[1]);
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
    QCOMPARE(Frm_Bearbeiten::Instanz().Fläche(96).Grösse(), 3);
    QVERIFY(Frm_Bearbeiten::Instanz().isVisible());

    u.FensterNeu();
    Frm_Bearbeiten& a = Frm_Bearbeiten::Instanz();
    for (int i = 0; i <= 96; ++i) QCOMPARE(a.Fläche(i).Grösse(), 3);
    QVERIFY(!Frm_Optionen::Instanz().Chk_Raster->isChecked());
    QCOMPARE(Module1.Raster, 0);
    u.fenster().RomÖffnen(u.rom());
    QCOMPARE(a.Fläche(2).x(), a.Fläche(1).x() + 24);
    QCOMPARE(a.Fläche(17).y(), a.Fläche(1).y() + 24);
    QCOMPARE(a.width(), 16 * 24);
  }

  void originalAnsichtNachtPalette() {
    Testumgebung u;
    u.fenster().RomÖffnen(u.rom());
    Frm_Optionen& o = Frm_Optionen::Instanz();
    o.Zeit->setCurrentIndex(2);
    emit o.Zeit->activated(2);
    QCOMPARE(Gespeichert(), QStringLiteral("00121510"));
    QCOMPARE(Module1.Tageszeit, 2);
    Frm_Bearbeiten& a = Frm_Bearbeiten::Instanz();
    int mitVier = 0;
    for (int i = 1; i <= 96; ++i) {
      const int p = PlanPalette(u.plan, 1, i);
      mitVier += p == 4;
      QVERIFY(ZeigtFarben(a.Fläche(i), PlanFarben(u.plan, 2, p)));
    }
    QVERIFY(mitVier > 0);
  }

  // Damaged assignment data (digit above 7) names no palette: such a tile
  // shows the fixed colours, its neighbour its own palette.
  void beschaedigtePalettenziffer() {
    Rombau::Plan plan = Testdaten::Plan();
    plan.tilesets[1].zuordnung[0] = static_cast<char>(0x3C);
    Testumgebung u(plan);
    u.fenster().RomÖffnen(u.rom());
    QVERIFY(ZeigtFarben(Frm_Bearbeiten::Instanz().Fläche(1), Fest));
    QVERIFY(ZeigtFarben(Frm_Bearbeiten::Instanz().Fläche(2), PlanFarben(u.plan, 1, 3)));
  }

  void kollisionslisteGiltAbStart() {
    Speicher(QStringLiteral("00111501"));
    Testumgebung u;
    Frm_Optionen& o = Frm_Optionen::Instanz();
    QVERIFY(o.Opt_Aufgezälten->isChecked());
    QCOMPARE(Module1.KolliKurzListe, 1);
    QCOMPARE(Gespeichert(), QStringLiteral("00111501"));
    QVERIFY(!Frm_Kolli::Geladen());
    u.fenster().RomÖffnen(u.rom());
    Frm_Kolli& k = Frm_Kolli::Instanz();
    for (int q = 1; q <= 4; ++q) {
      QVERIFY(k.Cbo_Art[q]->isHidden());
      QVERIFY(!k.Cbo_Art1[q]->isHidden());
    }
    o.Opt_0bisFF->click();
    QCOMPARE(Module1.KolliKurzListe, 0);
    QCOMPARE(Gespeichert(), QStringLiteral("00111510"));
    for (int q = 1; q <= 4; ++q) QVERIFY(!k.Cbo_Art[q]->isHidden());
    o.Opt_Aufgezälten->click();
    QCOMPARE(Module1.KolliKurzListe, 1);
    QCOMPARE(Gespeichert(), QStringLiteral("00111501"));
    for (int q = 1; q <= 4; ++q) QVERIFY(k.Cbo_Art[q]->isHidden());
  }

  // The window-level fallback; the full table of bad texts is the codec's.
  void schlechteTexte() {
    Speicher(QStringLiteral("11091701"));
    Testumgebung u;
    QCOMPARE(Gespeichert(), QStringLiteral("00111501"));
    QCOMPARE(Frm_Bearbeiten::Instanz().Fläche(50).Grösse(), 5);
    QCOMPARE(Module1.Tageszeit, 1);
    u.fenster().RomÖffnen(u.rom());
    QVERIFY(u.meldungen.empty());
  }

  void schliessenVersteckt() {
    Testumgebung u;
    u.fenster().RomÖffnen(u.rom());
    u.fenster().Cmd_Optionen->trigger();
    Frm_Optionen& o = Frm_Optionen::Instanz();
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
};

QTEST_MAIN(TestOptionen)
#include "test_optionen.moc"
