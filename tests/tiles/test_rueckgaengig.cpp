#include <QtTest>
#include <functional>

#include "Frm_Bearbeiten.h"
#include "Frm_Bild.h"
#include "Module1.h"
#include "Welt.h"
#include "frm_Angaben.h"
#include "frm_Animationen.h"
#include "frm_Block.h"

namespace {
// Cells are 5 px: the middle of cell (spalte, reihe) of a tile.
QPoint Zelle(int spalte, int reihe) { return {(spalte - 1) * 5 + 2, (reihe - 1) * 5 + 2}; }

// Press, moves with the button held, release: the way a hand paints.
void Strich(QWidget& w, Qt::MouseButton knopf, const QList<QPoint>& punkte, Qt::KeyboardModifiers m = {}) {
  QTest::mousePress(&w, knopf, m, punkte.first());
  for (const QPoint& p : punkte) {
    QMouseEvent e(QEvent::MouseMove, p, w.mapToGlobal(p), Qt::NoButton, knopf, m);
    QApplication::sendEvent(&w, &e);
  }
  QTest::mouseRelease(&w, knopf, m, punkte.last());
}

void Bildimport(Testumgebung& u) {
  QImage bild(128, 48, QImage::Format_RGB32);
  bild.fill(Qt::red);
  bild.save(u.Pfad(QStringLiteral("bild.png")));
  u.fenster().Cmd_BLaden_Click();
  Frm_Bild& b = Frm_Bild::Instanz();
  b.BildLaden(u.Pfad(QStringLiteral("bild.png")));
  b.Cbo_Farben->setCurrentIndex(2);
  b.Cmd_OK_Click();
  b.Cmd_Einfügen_Click();
}

const std::function<void(Testumgebung&)> Schritte[] = {
    [](Testumgebung&) {
      Strich(Welt::Tile(1), Qt::LeftButton, {Zelle(1, 1), Zelle(8, 2), {45, 12}});
    },
    [](Testumgebung&) {
      Strich(Welt::Tile(2), Qt::RightButton, {Zelle(3, 3), {-3, 12}});
    },
    // Ctrl + left from tile 5 to tile 40 (three columns right, two rows down).
    [](Testumgebung&) {
      Strich(Welt::Tile(5), Qt::LeftButton, {{122, 82}}, Qt::ControlModifier);
    },
    [](Testumgebung& u) { u.fenster().findChild<QAction*>(QStringLiteral("Cmd_LeerTile"))->trigger(); },
    Bildimport,
};

void Taste(QWidget& fenster, Qt::KeyboardModifiers m, Qt::Key taste) { QTest::keyClick(&fenster, taste, m); }

// Two steps in an editor undone and redone with its own keys.
void ZweiSchritte(QWidget& fenster, const std::function<QByteArray()>& inhalt,
                  const std::function<void(int)>& schritt) {
  fenster.show();
  fenster.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&fenster));
  const QByteArray vorher = inhalt();
  schritt(1);
  const QByteArray mitte = inhalt();
  schritt(2);
  const QByteArray nachher = inhalt();
  QVERIFY(vorher != mitte && mitte != nachher);
  Taste(fenster, Qt::ControlModifier, Qt::Key_Z);
  QCOMPARE(inhalt(), mitte);
  Taste(fenster, Qt::ControlModifier, Qt::Key_Z);
  QCOMPARE(inhalt(), vorher);
  Taste(fenster, Qt::ControlModifier, Qt::Key_Y);
  QCOMPARE(inhalt(), mitte);
  Taste(fenster, Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z);
  QCOMPARE(inhalt(), nachher);
}

bool KannRueckgaengig(QWidget& fenster) {
  return fenster.findChild<QAction*>(QStringLiteral("Cmd_Rückgängig"))->isEnabled();
}

// Repainted regions per tile.
struct Malzeuge : QObject {
  QMap<QObject*, QRegion> bereiche;
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() == QEvent::Paint) bereiche[o] += static_cast<QPaintEvent*>(e)->region();
    return false;
  }
};
}  // namespace

class TestRueckgaengig : public QObject {
  Q_OBJECT
 private slots:
  void schritteDerAnsicht_data() {
    QTest::addColumn<int>("schritt");
    QTest::addColumn<QString>("name");
    QTest::newRow("Strich links über zwei Tiles") << 0 << "Malen";
    QTest::newRow("Strich rechts") << 1 << "Malen";
    QTest::newRow("Tile kopieren") << 2 << "Kopieren";
    QTest::newRow("Leeres Tileset") << 3 << "Leeres Tileset";
    QTest::newRow("Bild anzeigen") << 4 << "Bildimport";
  }
  void schritteDerAnsicht() {
    QFETCH(int, schritt);
    QFETCH(QString, name);
    Testumgebung u;
    frm_Angaben& f = Welt::Offen(u);
    for (int i : {1, 2, 40}) Welt::Tile(i).Direkt(QString(64, QLatin1Char('4')));
    Welt::Tile(5).Direkt(QString(64, QLatin1Char('3')));
    const QByteArray rom = Welt::Rom(u);
    const QStringList vorher = Welt::Ansicht();
    QVERIFY(!f.Cmd_Rückgängig->isEnabled() && !f.Cmd_Wiederholen->isEnabled());

    Schritte[schritt](u);
    const QStringList nachher = Welt::Ansicht();
    QVERIFY(nachher != vorher);
    QCOMPARE(f.Cmd_Rückgängig->text(), "&Rückgängig: " + name);
    QVERIFY(f.Cmd_Rückgängig->isEnabled() && !f.Cmd_Wiederholen->isEnabled());

    f.Cmd_Rückgängig->trigger();
    QCOMPARE(Welt::Ansicht(), vorher);
    QCOMPARE(f.Cmd_Rückgängig->text(), QStringLiteral("&Rückgängig"));
    QCOMPARE(f.Cmd_Wiederholen->text(), "&Wiederholen: " + name);
    QVERIFY(!f.Cmd_Rückgängig->isEnabled() && f.Cmd_Wiederholen->isEnabled());

    f.Cmd_Wiederholen->trigger();
    QCOMPARE(Welt::Ansicht(), nachher);
    QCOMPARE(Welt::Rom(u), rom);
    QVERIFY(u.meldungen.empty());

    // Reloading starts a fresh history.
    f.Laden();
    QVERIFY(!f.Cmd_Rückgängig->isEnabled() && !f.Cmd_Wiederholen->isEnabled());
  }

  void langerStrichIstEinSchrittUndMaltNurSeineTiles() {
    Testumgebung u;
    Welt::Offen(u);
    Frm_Bearbeiten& ansicht = Frm_Bearbeiten::Instanz();
    QVERIFY(QTest::qWaitForWindowExposed(&ansicht));
    for (int i = 1; i <= 96; ++i) Welt::Tile(i).Direkt(QString(64, QLatin1Char('4')));
    const QStringList vorher = Welt::Ansicht();
    QList<QPoint> punkte;  // 200 events from tile 1 along the top row to tile 16
    for (int k = 0; k < 200; ++k) punkte << QPoint(2 + k * 636 / 199, 2 + (k * 7) % 36);
    Strich(Welt::Tile(1), Qt::LeftButton, punkte);
    QCOMPARE(ansicht.Verlauf().Stapel().count(), 1);
    const QStringList nachher = Welt::Ansicht();

    Malzeuge zeuge;
    for (int i = 1; i <= 96; ++i) Welt::Tile(i).installEventFilter(&zeuge);
    QStringList stand = Welt::Ansicht();
    for (QAction* befehl : {u.fenster().Cmd_Rückgängig, u.fenster().Cmd_Wiederholen}) {
      QCoreApplication::processEvents();
      zeuge.bereiche.clear();
      befehl->trigger();
      QCoreApplication::processEvents();
      const QStringList jetzt = Welt::Ansicht();
      QCOMPARE(jetzt, befehl == u.fenster().Cmd_Rückgängig ? vorher : nachher);
      int geaendert = 0;
      for (int i = 1; i <= 96; ++i) {
        const QRegion bereich = zeuge.bereiche.value(&Welt::Tile(i));
        QVERIFY2(i <= 16 || bereich.isEmpty(), qPrintable(QString::number(i)));
        if (jetzt[i - 1] == stand[i - 1]) continue;
        ++geaendert;
        QVERIFY(QRegion(Welt::Tile(i).rect()).subtracted(bereich).isEmpty());
      }
      QVERIFY(geaendert >= 15);
      stand = jetzt;
    }
  }

  void animationsEditor() {
    Testumgebung u;
    Welt::Offen(u);
    frm_Animationen& a = frm_Animationen::Instanz();
    const auto zellen = [&a] {
      QByteArray z;
      for (int i = 1; i <= 4; ++i) z += a.Bild[i]->DirektZurück().toLatin1();
      return z;
    };
    for (int i = 1; i <= 2; ++i) a.Bild[i]->Direkt(QString(64, QLatin1Char('4')));
    ZweiSchritte(a, zellen, [&a](int n) {
      Strich(*a.Bild[n], n == 1 ? Qt::LeftButton : Qt::RightButton, {Zelle(1, 1), Zelle(8, 8), Zelle(8, 1)});
    });
    QCOMPARE(a.Verlauf().Stapel().count(), 2);
    a.Animation->setCurrentIndex(1);
    emit a.Animation->activated(1);
    QVERIFY(!KannRueckgaengig(a));
  }

  void blockEditor() {
    Testumgebung u;
    Welt::Offen(u);
    frm_Block& b = frm_Block::Instanz();
    const auto inhalt = [&b] {
      const QImage& bild = b.Pic_Block->Bild();
      return Module1.AktuellerBlock.toLatin1() +
             QByteArray(reinterpret_cast<const char*>(bild.constBits()), bild.sizeInBytes());
    };
    b.Pic_Tileset_MouseMove(1, 0, 15 * 16 + 1, 5 * 16 + 1);  // tile 5F
    // A drag over the top row, then one placed tile.
    ZweiSchritte(b, inhalt, [&b](int n) {
      Strich(*b.Pic_Block, Qt::LeftButton,
             n == 1 ? QList<QPoint>{{2, 2}, {20, 2}, {60, 2}} : QList<QPoint>{{2, 50}});
    });
    QCOMPARE(b.Verlauf().Stapel().count(), 2);
    b.Cbo_Block_Click();
    QVERIFY(!KannRueckgaengig(b));
  }
};

QTEST_MAIN(TestRueckgaengig)
#include "test_rueckgaengig.moc"
