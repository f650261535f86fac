#include <QtTest>
#include <functional>

#include "Frm_Bearbeiten.h"
#include "Frm_Farben.h"
#include "Module1.h"
#include "Welt.h"
#include "frm_Angaben.h"
#include "frm_Animationen.h"
#include "frm_Block.h"

using Welt::Tile;

namespace {
// Cell size 5 px: a tile is 40 x 40 px; cell k of a row lies at 5 (k - 1).
// A move with a button held arrives at the tile that took the press.
void Ziehen(int i, QPoint p, Qt::MouseButtons knoepfe, Qt::KeyboardModifiers m = {}) {
  QMouseEvent e(QEvent::MouseMove, p, Tile(i).mapToGlobal(p), Qt::NoButton, knoepfe, m);
  QApplication::sendEvent(&Tile(i), &e);
}

using Orte = QList<QPair<int, int>>;

// The cells (tile, 0-based cell) whose colour number differs from `vorher`.
Orte Geaendert(const QStringList& vorher) {
  Orte g;
  for (int i = 1; i <= 96; ++i)
    for (int z = 0; z < 64; ++z)
      if (Tile(i).DirektZurück()[z] != vorher[i - 1][z]) g.append({i, z});
  return g;
}

// The test ROM open and shown, every cell colour 4, so any paint shows.
struct Malumgebung : Testumgebung {
  QStringList vorher;
  Malumgebung() {
    Welt::Offen(*this);
    QVERIFY(QTest::qWaitForWindowExposed(&Frm_Bearbeiten::Instanz()));
    for (int i = 1; i <= 96; ++i) Tile(i).Direkt(QString(64, QLatin1Char('4')));
    Merken();
  }
  void Merken() {
    vorher.clear();
    for (int i = 1; i <= 96; ++i) vorher << Tile(i).DirektZurück();
  }
};

struct Strich {
  bool raster;
  int tile;
  Qt::MouseButton knopf;
  Qt::KeyboardModifiers tasten;
  QList<QPoint> punkte;  // the press, then moves
  Orte erwartet;
};

// Press, moves with the button held, release: the way a hand paints.
void Malen(QWidget& w, const QList<QPoint>& punkte, Qt::KeyboardModifiers m = {},
           Qt::MouseButton knopf = Qt::LeftButton) {
  QTest::mousePress(&w, knopf, m, punkte.first());
  for (const QPoint& p : punkte) {
    QMouseEvent e(QEvent::MouseMove, p, w.mapToGlobal(p), Qt::NoButton, knopf, m);
    QApplication::sendEvent(&w, &e);
  }
  QTest::mouseRelease(&w, knopf, m, punkte.last());
}

// Steps 1 and 2 in an editor, taken back and redone with the keys while its
// window is active; reading its content again starts a fresh history.
void ZweiSchritte(frm_Angaben& f, QWidget& fenster, const std::function<QByteArray()>& inhalt,
                  const std::function<void(int)>& schritt, const std::function<void()>& neuLesen) {
  fenster.show();
  fenster.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&fenster));
  const QByteArray vorher = inhalt();
  schritt(1);
  const QByteArray mitte = inhalt();
  schritt(2);
  const QByteArray nachher = inhalt();
  QVERIFY(vorher != mitte && mitte != nachher);
  for (const auto& [taste, erwartet] : {std::pair{Qt::CTRL | Qt::Key_Z, mitte},
                                        {Qt::CTRL | Qt::Key_Z, vorher},
                                        {Qt::CTRL | Qt::Key_Y, mitte},
                                        {Qt::CTRL | Qt::SHIFT | Qt::Key_Z, nachher}}) {
    QTest::keyClick(&fenster, taste.key(), taste.keyboardModifiers());
    QCOMPARE(inhalt(), erwartet);
  }
  neuLesen();
  QVERIFY(!f.Cmd_Rückgängig->isEnabled());
}

}  // namespace
Q_DECLARE_METATYPE(Strich)

class TestMalen : public QObject {
  Q_OBJECT
 private slots:
  // The stroke runs on into the tiles it crosses, but neither the grid gaps
  // nor the space beyond the view paint. Left paints 2, right 1, also with
  // Ctrl (right) or Shift held.
  void strich_data() {
    QTest::addColumn<Strich>("s");
    const auto L = Qt::LeftButton;
    QTest::newRow("Nachbarn") << Strich{
        true, 1, L, {}, {{12, 7}, {52, 7}, {52, 47}}, {{1, 10}, {2, 10}, {18, 10}}};
    QTest::newRow("Rand") << Strich{
        false, 16, L, {}, {{38, 2}, {41, 2}, {-6, 2}, {2, -10}}, {{15, 6}, {16, 7}}};
    QTest::newRow("Luecke rechts") << Strich{true, 1, L, {}, {{39, 2}, {40, 2}}, {{1, 7}}};
    QTest::newRow("hinter der Luecke") << Strich{true, 1, L, {}, {{39, 2}, {41, 2}}, {{1, 7}, {2, 0}}};
    QTest::newRow("Luecke unten") << Strich{true, 1, L, {}, {{2, 39}, {2, 40}}, {{1, 56}}};
    QTest::newRow("unter der Luecke") << Strich{true, 1, L, {}, {{2, 39}, {2, 41}}, {{1, 56}, {17, 0}}};
    QTest::newRow("Strg rechts") << Strich{
        true, 9, Qt::RightButton, Qt::ControlModifier, {{2, 2}, {7, 2}}, {{9, 0}, {9, 1}}};
    QTest::newRow("Umschalt") << Strich{true, 10, L, Qt::ShiftModifier, {{2, 2}, {2, 7}}, {{10, 0}, {10, 8}}};
  }
  void strich() {
    QFETCH(Strich, s);
    Malumgebung u;
    Module1.Raster = s.raster ? 15 : 0;
    Frm_Bearbeiten::Instanz().AnordnenTile();
    Malen(Tile(s.tile), s.punkte, s.tasten, s.knopf);
    QCOMPARE(Geaendert(u.vorher), s.erwartet);
    for (auto [i, z] : s.erwartet) QCOMPARE(Tile(i).Nummer(z + 1), s.knopf == Qt::LeftButton ? 2 : 1);
  }

  // Ctrl and the left button drag a copy of tile 5 to the tile under the
  // release, painting nothing on the way; a release outside every tile (2 px
  // above the view must not count as row 1) copies nothing.
  void kopieren_data() {
    QTest::addColumn<QPoint>("los");
    QTest::addColumn<int>("ziel");
    QTest::newRow("Tile 40") << QPoint(3 + 120, 3 + 80) << 40;  // three right, two down
    for (QPoint p : {QPoint(-200, 3), QPoint(3, -2), QPoint(500, 3), QPoint(3, 250)})
      QTest::addRow("draussen %d,%d", p.x(), p.y()) << p << 0;
  }
  void kopieren() {
    QFETCH(QPoint, los);
    QFETCH(int, ziel);
    Malumgebung u;
    Tile(5).Direkt(QString(32, QLatin1Char('1')) + QString(32, QLatin1Char('3')));
    u.Merken();
    QTest::mousePress(&Tile(5), Qt::LeftButton, Qt::ControlModifier, {3, 3});
    Ziehen(5, {60, 30}, Qt::LeftButton, Qt::ControlModifier);
    Ziehen(5, {60, 30}, Qt::LeftButton);  // Ctrl let go: still no paint
    QTest::mouseRelease(&Tile(5), Qt::LeftButton, Qt::ControlModifier, los);
    QStringList erwartet = u.vorher;
    if (ziel) erwartet[ziel - 1] = u.vorher[4];
    for (int i = 1; i <= 96; ++i) QCOMPARE(Tile(i).DirektZurück(), erwartet[i - 1]);
    // A release without a copy drag does nothing; painting works again.
    QTest::mouseRelease(&Tile(7), Qt::LeftButton, {}, {3, 3});
    QTest::mousePress(&Tile(7), Qt::LeftButton, {}, {3, 3});
    QCOMPARE(Geaendert(erwartet), (Orte{{7, 0}}));
  }

  // The chooser shows the colours of the tile under the mouse and binds the
  // number of a swatch to the button that clicks it; the tiles then paint
  // those numbers in their own display colours. It cannot be closed.
  void farbwahl() {
    Malumgebung u;
    Frm_Farben& farben = Frm_Farben::Instanz();
    QVERIFY(!farben.close());
    Tile(7).Farbenübergabe(QStringLiteral("255"), QStringLiteral("65280"), QStringLiteral("16711680"),
                           QStringLiteral("8421504"));
    Ziehen(7, {3, 3}, Qt::NoButton);
    QVERIFY(Geaendert(u.vorher).isEmpty());
    QTest::mouseClick(farben.Farb[3], Qt::LeftButton);
    QTest::mouseClick(farben.Farb[2], Qt::RightButton);
    QTest::mouseClick(farben.Farb[1], Qt::MiddleButton);  // binds nothing
    for (int i : {7, 96}) {
      QTest::mousePress(&Tile(i), Qt::LeftButton, {}, {2, 2});
      QTest::mousePress(&Tile(i), Qt::RightButton, {}, {7, 2});
      QCOMPARE(Tile(i).DirektZurück().left(3), QStringLiteral("324"));
      QCOMPARE(Tile(i).Point(1, 1), Tile(i).Anzeigefarbe(3));
    }
  }

  // A stroke with each button across tiles and rows and back over painted
  // cells: after each event, the tiles repaint at least the cells it changed.
  void neuGezeichnet() {
    Malumgebung u;
    Welt::Malzeuge zeuge;
    for (int i = 1; i <= 96; ++i) Tile(i).installEventFilter(&zeuge);
    int zellen = 0;
    auto pruefen = [&](QEvent::Type art, QPoint p, Qt::MouseButton knopf) {
      u.Merken();
      zeuge.bereiche.clear();
      QMouseEvent e(art, p, Tile(2).mapToGlobal(p), art == QEvent::MouseMove ? Qt::NoButton : knopf, knopf,
                    {});
      QApplication::sendEvent(&Tile(2), &e);
      const Orte geaendert = Geaendert(u.vorher);
      zellen += int(geaendert.size());
      auto gedeckt = [&] {
        for (auto [i, z] : geaendert)
          if (!QRegion(z % 8 * 5, z / 8 * 5, 5, 5).subtracted(zeuge.bereiche.value(&Tile(i))).isEmpty())
            return false;
        return true;
      };
      QTRY_VERIFY2(gedeckt(), qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
    };
    for (Qt::MouseButton knopf : {Qt::LeftButton, Qt::RightButton}) {
      pruefen(QEvent::MouseButtonPress, {3, 3}, knopf);
      for (int k = 0; k < 60 && !QTest::currentTestFailed(); ++k)  // right over four tiles, down, back
        pruefen(QEvent::MouseMove, {k < 40 ? -35 + 4 * k : 125 - 4 * (k - 40), 3 + k}, knopf);
      pruefen(QEvent::MouseButtonRelease, {45, 62}, knopf);
    }
    QVERIFY(zellen > 40);
  }

  void schritteDerAnsicht_data() {
    QTest::addColumn<int>("kachel");  // where the stroke begins; 0 the empty tileset
    QTest::addColumn<bool>("kopieren");
    QTest::addColumn<QList<QPoint>>("punkte");
    QList<QPoint> zweihundert;  // from tile 1 along the top row to tile 16
    for (int k = 0; k < 200; ++k) zweihundert << QPoint(2 + k * 636 / 199, 2 + (k * 7) % 36);
    QTest::newRow("Strich aus 200 Ereignissen") << 1 << false << zweihundert;
    QTest::newRow("Tile 5 auf Tile 40 kopieren") << 5 << true << QList<QPoint>{{122, 82}};
    QTest::newRow("Leeres Tileset") << 0 << false << QList<QPoint>{};
  }
  void schritteDerAnsicht() {
    QFETCH(int, kachel);
    QFETCH(bool, kopieren);
    QFETCH(QList<QPoint>, punkte);
    Testumgebung u;
    frm_Angaben& f = Welt::Offen(u);
    QVERIFY(QTest::qWaitForWindowExposed(&Frm_Bearbeiten::Instanz()));
    for (int i = 1; i <= 40; ++i) Welt::Tile(i).Direkt(QString(64, QLatin1Char(i == 5 ? '3' : '4')));
    const QByteArray rom = Welt::Rom(u);
    const QStringList vorher = Welt::Ansicht();
    if (kachel > 0)
      Malen(Welt::Tile(kachel), punkte, kopieren ? Qt::ControlModifier : Qt::NoModifier);
    else
      f.Cmd_LeerTile->trigger();
    const QStringList nachher = Welt::Ansicht();

    // Each command restores exactly one step and repaints only the tiles it changes.
    Welt::Malzeuge zeuge;
    for (int i = 1; i <= 96; ++i) Welt::Tile(i).installEventFilter(&zeuge);
    for (QAction* befehl : {f.Cmd_Rückgängig, f.Cmd_Wiederholen}) {
      const QStringList davor = Welt::Ansicht();
      QCoreApplication::processEvents();
      zeuge.bereiche.clear();
      befehl->trigger();
      QCoreApplication::processEvents();
      QCOMPARE(Welt::Ansicht(), befehl == f.Cmd_Rückgängig ? vorher : nachher);
      for (int i = 1; i <= 96; ++i) {
        const QRegion bereich = zeuge.bereiche.value(&Welt::Tile(i));
        const QRegion fehlt = QRegion(Welt::Tile(i).rect()).subtracted(bereich);
        QVERIFY2(Welt::Ansicht()[i - 1] == davor[i - 1] ? bereich.isEmpty() : fehlt.isEmpty(),
                 qPrintable(QString::number(i)));
      }
    }
    f.Cmd_Rückgängig->trigger();
    QVERIFY(!f.Cmd_Rückgängig->isEnabled());  // the whole stroke was one step
    QCOMPARE(Welt::Rom(u), rom);
  }

  // The animation editor (one step per stroke, either button) and the block
  // editor (a drag, then one placed tile) keep histories of their own.
  void animationen() {
    Testumgebung u;
    frm_Angaben& f = Welt::Offen(u);
    frm_Animationen& a = frm_Animationen::Instanz();
    for (int i = 1; i <= 2; ++i) a.Bild[i]->Direkt(QString(64, QLatin1Char('4')));
    const auto inhalt = [&a] { return (a.Bild[1]->DirektZurück() + a.Bild[2]->DirektZurück()).toLatin1(); };
    const auto strich = [&a](int n) { Malen(*a.Bild[n], {{2, 2}, {37, 37}}, {}, Qt::MouseButton(n)); };
    ZweiSchritte(f, a, inhalt, strich, [&a] { emit a.Animation->activated(0); });
  }

  void bloecke() {
    Testumgebung u;
    frm_Angaben& f = Welt::Offen(u);
    frm_Block& b = frm_Block::Instanz();
    b.Pic_Tileset_MouseMove(1, 0, 15 * 16 + 1, 5 * 16 + 1);  // tile 5F
    const auto inhalt = [&b] {
      const QImage& bild = b.Pic_Block->Bild();
      return QByteArray::number(qHashBits(bild.constBits(), bild.sizeInBytes()));
    };
    const QList<QPoint> striche[] = {{{2, 2}, {20, 2}, {60, 2}}, {{2, 50}}};
    const auto strich = [&](int n) { Malen(*b.Pic_Block, striche[n - 1]); };
    ZweiSchritte(f, b, inhalt, strich, [&b] { b.Cbo_Block_Click(); });
  }
};

QTEST_MAIN(TestMalen)
#include "test_malen.moc"
