#include <QtTest>

#include "Frm_Bearbeiten.h"
#include "Frm_Farben.h"
#include "Module1.h"
#include "Welt.h"

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
    QTest::mousePress(&Tile(s.tile), s.knopf, s.tasten, s.punkte[0]);
    for (const QPoint& p : s.punkte.mid(1)) Ziehen(s.tile, p, s.knopf, s.tasten);
    QTest::mouseRelease(&Tile(s.tile), s.knopf, s.tasten, s.punkte.last());
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
    QCOMPARE(farben.Links->palette().color(QPalette::Window), QColor(0, 0, 255));
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
};

QTEST_MAIN(TestMalen)
#include "test_malen.moc"
