#include <QSettings>
#include <QtTest>

#include "Dateizugriff.h"
#include "Farbmodell.h"
#include "Frm_Farben.h"
#include "Frm_Optionen.h"
#include "Kachel.h"
#include "Module1.h"
#include "Testumgebung.h"
#include "frm_Angaben.h"
#include "frm_Animationen.h"

namespace {
using Vier = std::array<std::uint32_t, 4>;
constexpr qint64 Wasser = 0xFC348;
constexpr qint64 Blumen = 0xFC3A7;

Vier PlanFarben(const Rombau::Plan& plan, int t, int p) {
  Vier farben{};
  for (int c = 0; c < 4; ++c)
    farben[c] = FarbtextZuFarbe(QString::fromLatin1(plan.paletten.mid(64 * t + 8 * p + 2 * c, 2).toHex()));
  return farben;
}

// The test ROM opened in the main window.
struct Offen : Testumgebung {
  explicit Offen(const Rombau::Plan& p = Testdaten::Plan()) : Testumgebung(p) { fenster().RomÖffnen(rom()); }
  QByteArray Rom() const { return Lies(QStringLiteral("test.gb")); }
};

// The four tiles hold these 64 bytes and show them in these colours.
void PruefeBilder(const frm_Animationen& f, const QByteArray& bytes, const Vier& farben) {
  for (int i = 1; i <= 4; ++i) {
    const Fläche2& b = *f.Bild[i];
    QCOMPARE(b.Zurükgeben(), BytesZuKachelText(bytes.constData() + 16 * (i - 1)));
    for (int k = 1; k <= 64; ++k)
      QCOMPARE(b.Point((k - 1) % 8 + 1, (k - 1) / 8 + 1), farben[b.Nummer(k) - 1]);
  }
}

void Waehlen(frm_Animationen& f, int index) {
  f.Animation->setCurrentIndex(index);
  emit f.Animation->activated(index);
}

void Malen(Fläche2& bild, Qt::MouseButton knopf, int spalte, int reihe) {
  const QPoint punkt((spalte - 1) * 5 + 2, (reihe - 1) * 5 + 2);
  QTest::mousePress(&bild, knopf, {}, punkt);
  QTest::mouseRelease(&bild, knopf, {}, punkt);
}

void Schliessen() {
  frm_Animationen::Instanz().close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QVERIFY(!frm_Animationen::Geladen());
}
}  // namespace

class TestAnimationen : public QObject {
  Q_OBJECT
 private slots:
  // Every test starts with the default options (time of day 1).
  void init() {
    QSettings(QStringLiteral("ZERAN"), QStringLiteral("Tessaron"))
        .remove(QStringLiteral("Einstelungen/Speicher"));
  }

  void wasserUndBlumenNeuGeladen() {
    Offen u;
    QVERIFY(frm_Animationen::Geladen());
    frm_Animationen& f = frm_Animationen::Instanz();
    QVERIFY(!f.isVisible());
    QCOMPARE(f.Animation->currentText(), QStringLiteral("Wasser"));
    PruefeBilder(f, u.plan.wasser, PlanFarben(u.plan, 1, 6));
    Waehlen(f, 1);
    PruefeBilder(f, u.plan.blumen, PlanFarben(u.plan, 1, 1));
    u.fenster().Cmd_Animationen->trigger();
    QVERIFY(f.isVisible());

    // Choosing the same entry again reads the ROM again.
    f.Bild[1]->Direkt(QString(64, QLatin1Char('4')));
    QByteArray rom = u.Rom(), neu(64, '\0');
    for (int i = 0; i < 64; ++i) neu[i] = static_cast<char>(i * 7);
    u.Schreib(QStringLiteral("test.gb"), rom.replace(Blumen, 64, neu));
    Dateizugriff::Vergessen();
    Waehlen(f, 1);
    PruefeBilder(f, neu, PlanFarben(u.plan, 1, 1));

    // A new time of day reloads the tileset, which chooses the first entry
    // again, in the new colours.
    Frm_Optionen& o = Frm_Optionen::Instanz();
    o.Zeit->setCurrentIndex(3);
    emit o.Zeit->activated(3);
    QCOMPARE(f.Animation->currentIndex(), 0);
    PruefeBilder(f, u.plan.wasser, PlanFarben(u.plan, 3, 6));
    Waehlen(f, 1);
    PruefeBilder(f, neu, PlanFarben(u.plan, 3, 1));
  }

  // Also when the palette holds one colour four times: the tiles keep their
  // colour numbers.
  void speichernOhneMalenAendertNichts() {
    for (const bool gleicheFarben : {false, true}) {
      Rombau::Plan plan = Testdaten::Plan();
      if (gleicheFarben)
        for (int c = 0; c < 4; ++c) plan.paletten.replace(64 + 8 + 2 * c, 2, QByteArray("\x1F\x02", 2));
      Offen u(plan);
      const QByteArray vorher = u.Rom();
      Waehlen(frm_Animationen::Instanz(), 1);
      frm_Animationen::Instanz().Cmd_Speichern->click();
      QCOMPARE(u.Rom(), vorher);
      QVERIFY(u.meldungen.empty());
    }
  }

  void malenUndSpeichern() {
    Offen u;
    const QByteArray vorher = u.Rom();
    frm_Animationen& f = frm_Animationen::Instanz();
    f.show();
    Malen(*f.Bild[2], Qt::LeftButton, 1, 1);
    Malen(*f.Bild[2], Qt::RightButton, 8, 8);
    QCOMPARE(f.Bild[2]->Nummer(1), 2);
    QCOMPARE(f.Bild[2]->Nummer(64), 1);
    // The colour chooser followed the tile under the mouse.
    const Vier farben = PlanFarben(u.plan, 1, 6);
    for (int c = 1; c <= 4; ++c) QCOMPARE(Module1.Tilefarben[c], farben[c - 1]);
    f.Cmd_Speichern->click();
    QByteArray erwartet = vorher;
    erwartet.replace(Wasser + 16, 16, KachelTextZuBytes(f.Bild[2]->Zurükgeben()));
    QCOMPARE(u.Rom(), erwartet);
    QVERIFY(static_cast<quint8>(erwartet[Wasser + 16]) & 0x80);
    QVERIFY(!(static_cast<quint8>(erwartet[Wasser + 30]) & 0x01));
    QVERIFY(u.meldungen.empty());
  }

  // The chooser's colours paint here in the animation's palette; a second
  // button pressed while the first is held paints with its own colour.
  void farbwahlGiltAuchHier() {
    Offen u;
    frm_Animationen& f = frm_Animationen::Instanz();
    f.show();
    QTest::mouseClick(Frm_Farben::Instanz().Farb[3], Qt::LeftButton);
    QTest::mouseClick(Frm_Farben::Instanz().Farb[4], Qt::RightButton);
    QTest::mousePress(f.Bild[4], Qt::LeftButton, {}, QPoint(22, 22));
    QTest::mousePress(f.Bild[4], Qt::RightButton, {}, QPoint(27, 22));
    QTest::mouseRelease(f.Bild[4], Qt::RightButton, {}, QPoint(27, 22));
    QTest::mouseRelease(f.Bild[4], Qt::LeftButton, {}, QPoint(27, 22));
    const Vier farben = PlanFarben(u.plan, 1, 6);
    QCOMPARE(f.Bild[4]->Nummer(37), 3);
    QCOMPARE(f.Bild[4]->Point(5, 5), farben[2]);
    QCOMPARE(f.Bild[4]->Nummer(38), 4);
    QCOMPARE(f.Bild[4]->Point(6, 5), farben[3]);

    // A closed editor is loaded again by the next choice of button colour.
    Schliessen();
    QTest::mouseClick(Frm_Farben::Instanz().Farb[1], Qt::LeftButton);
    u.fenster().Cmd_Animationen->trigger();
    frm_Animationen& wieder = frm_Animationen::Instanz();
    Malen(*wieder.Bild[1], Qt::LeftButton, 1, 1);
    Malen(*wieder.Bild[1], Qt::RightButton, 2, 1);
    QCOMPARE(wieder.Bild[1]->Nummer(1), 1);
    QCOMPARE(wieder.Bild[1]->Nummer(2), 4);
  }

  void ohneAuswahlWirdNichtsGeschrieben() {
    Offen u;
    const QByteArray vorher = u.Rom();
    Schliessen();
    u.fenster().Cmd_Animationen->trigger();
    frm_Animationen& f = frm_Animationen::Instanz();
    QCOMPARE(f.Animation->currentIndex(), -1);
    QVERIFY(!f.Cmd_Speichern->isEnabled());
    for (int i = 1; i <= 4; ++i) QCOMPARE(f.Bild[i]->Point(4, 4), 0u);
    f.Cmd_Speichern_Click();
    QCOMPARE(u.Rom(), vorher);
    QVERIFY(u.meldungen.empty());
  }
};

QTEST_MAIN(TestAnimationen)
#include "test_animationen.moc"
