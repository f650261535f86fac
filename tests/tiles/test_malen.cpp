#include <QtTest>

#include "Frm_Bearbeiten.h"
#include "Frm_Farben.h"
#include "Module1.h"
#include "Testumgebung.h"
#include "frm_Angaben.h"

namespace {
// Cell size 5 px: a tile is 40 x 40 px; cell k of a row lies at 5 (k - 1).
Fläche& Tile(int i) { return Frm_Bearbeiten::Instanz().Fläche(i); }

void Senden(int i, QEvent::Type art, QPoint p, Qt::MouseButton knopf, Qt::MouseButtons knoepfe,
            Qt::KeyboardModifiers m = {}) {
  QMouseEvent e(art, p, Tile(i).mapToGlobal(p), knopf, knoepfe, m);
  QApplication::sendEvent(&Tile(i), &e);
}

void Druecken(int i, QPoint p, Qt::MouseButton b = Qt::LeftButton, Qt::KeyboardModifiers m = {}) {
  QTest::mousePress(&Tile(i), b, m, p);
}

// A move with a button held arrives at the tile that took the press.
void Ziehen(int i, QPoint p, Qt::MouseButtons b = Qt::LeftButton, Qt::KeyboardModifiers m = {}) {
  Senden(i, QEvent::MouseMove, p, Qt::NoButton, b, m);
}

void Loslassen(int i, QPoint p, Qt::MouseButton b = Qt::LeftButton, Qt::KeyboardModifiers m = {}) {
  QTest::mouseRelease(&Tile(i), b, m, p);
}

QStringList AlleZellen() {
  QStringList z;
  for (int i = 1; i <= 96; ++i) z << Tile(i).DirektZurück();
  return z;
}

// Tiles whose cell text differs from `vorher`, with their new texts.
QMap<int, QString> Geaendert(const QStringList& vorher) {
  QMap<int, QString> g;
  for (int i = 1; i <= 96; ++i)
    if (Tile(i).DirektZurück() != vorher[i - 1]) g[i] = Tile(i).DirektZurück();
  return g;
}

// The cells each tile changed since `vorher`, as the region they cover.
QMap<QObject*, QRegion> GeaenderteZellen(const QStringList& vorher) {
  QMap<QObject*, QRegion> g;
  for (int i = 1; i <= 96; ++i) {
    const QString jetzt = Tile(i).DirektZurück();
    for (int z = 0; z < 64; ++z)
      if (jetzt[z] != vorher[i - 1][z]) g[&Tile(i)] += QRect((z % 8) * 5, (z / 8) * 5, 5, 5);
  }
  return g;
}

QString MitZelle(QString text, int zelle, int nummer) {
  text[zelle - 1] = QChar('0' + nummer);
  return text;
}

// Remembers the paint events of the tiles.
struct Malzeuge : QObject {
  QMap<QObject*, QRegion> bereiche;
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() == QEvent::Paint) bereiche[o] += static_cast<QPaintEvent*>(e)->region();
    return false;
  }
};

class Malumgebung : public Testumgebung {
 public:
  Malumgebung() {
    fenster().RomÖffnen(rom());
    QVERIFY(QTest::qWaitForWindowExposed(&Frm_Bearbeiten::Instanz()));
    // Distinct cells everywhere, so any paint shows.
    for (int i = 1; i <= 96; ++i) Tile(i).Direkt(QString(64, QLatin1Char('4')));
  }
};
}  // namespace

class TestMalen : public QObject {
  Q_OBJECT
 private slots:
  void strichLaeuftInDenNachbarn() {
    Malumgebung u;
    const QStringList vorher = AlleZellen();
    Druecken(1, {12, 7});  // cell 3 of row 2
    Ziehen(1, {52, 7});    // tile 2, same height
    Ziehen(1, {52, 47});   // tile 18, below tile 2
    Loslassen(1, {52, 47});
    const QString erwartet = MitZelle(QString(64, QLatin1Char('4')), 11, 2);
    const auto g = Geaendert(vorher);
    QCOMPARE(g.keys(), QList<int>({1, 2, 18}));
    for (const QString& text : g) QCOMPARE(text, erwartet);
    // Moving without a button paints nothing.
    const QStringList danach = AlleZellen();
    QTest::mouseMove(&Tile(3), {3, 3});
    Ziehen(3, {3, 3}, Qt::NoButton);
    QVERIFY(Geaendert(danach).isEmpty());
  }

  void randUndRasterluecken() {
    Malumgebung u;
    // Without the grid (the options start with it on) the tiles touch.
    Module1.Raster = 0;
    Frm_Bearbeiten::Instanz().AnordnenTile();
    QStringList vorher = AlleZellen();
    Druecken(16, {38, 2});
    Ziehen(16, {41, 2});   // beyond the right edge of the view
    Ziehen(16, {-6, 2});   // back into tile 15, cell 7
    Ziehen(16, {2, -10});  // above the view
    Loslassen(16, {2, -10});
    auto g = Geaendert(vorher);
    QCOMPARE(g.keys(), QList<int>({15, 16}));
    QCOMPARE(g[15].indexOf(QLatin1Char('2')), 6);

    // With the grid on, the 15-twip gap between tiles 1 and 2 paints nothing.
    Module1.Raster = 15;
    Frm_Bearbeiten::Instanz().AnordnenTile();
    vorher = AlleZellen();
    Druecken(1, {39, 2});
    Ziehen(1, {40, 2});
    QCOMPARE(Geaendert(vorher).keys(), QList<int>({1}));
    Ziehen(1, {41, 2});
    Loslassen(1, {41, 2});
    g = Geaendert(vorher);
    QCOMPARE(g.keys(), QList<int>({1, 2}));
    QCOMPARE(g[2].indexOf(QLatin1Char('2')), 0);
    // The gap below a tile row, too.
    vorher = AlleZellen();
    Druecken(1, {2, 39});
    Ziehen(1, {2, 40});
    QCOMPARE(Geaendert(vorher).keys(), QList<int>({1}));
    Ziehen(1, {2, 41});
    QCOMPARE(Geaendert(vorher).keys(), QList<int>({1, 17}));
  }

  void kopierenMitStrgUndLinks() {
    Malumgebung u;
    Tile(5).Direkt(QString(32, QLatin1Char('1')) + QString(32, QLatin1Char('3')));
    const QString quelle = Tile(5).DirektZurück();
    Frm_Bearbeiten& ansicht = Frm_Bearbeiten::Instanz();
    QStringList vorher = AlleZellen();
    Druecken(5, {3, 3}, Qt::LeftButton, Qt::ControlModifier);
    QCOMPARE(ansicht.cursor().shape(), Qt::WaitCursor);
    Ziehen(5, {60, 30}, Qt::LeftButton, Qt::ControlModifier);
    Ziehen(5, {60, 30}, Qt::LeftButton);  // Ctrl let go during the drag: still no paint
    QVERIFY(Geaendert(vorher).isEmpty());
    // Tile 40 is column 8, row 3: three tiles right and two down of tile 5.
    Loslassen(5, {3 + 120, 3 + 80}, Qt::LeftButton, Qt::ControlModifier);
    QCOMPARE(Module1.KopierModus, 0);
    QCOMPARE(ansicht.cursor().shape(), Qt::ArrowCursor);
    const auto g = Geaendert(vorher);
    QCOMPARE(g.keys(), QList<int>({40}));
    QCOMPARE(g[40], quelle);

    // Released outside every tile (2 px above the view must not count as row
    // 1): nothing copied, pointer restored.
    for (QPoint draussen : {QPoint(-200, 3), QPoint(3, -2), QPoint(500, 3), QPoint(3, 250)}) {
      vorher = AlleZellen();
      Druecken(5, {3, 3}, Qt::LeftButton, Qt::ControlModifier);
      Loslassen(5, draussen, Qt::LeftButton, Qt::ControlModifier);
      QVERIFY(Geaendert(vorher).isEmpty());
      QCOMPARE(ansicht.cursor().shape(), Qt::ArrowCursor);
      QCOMPARE(Module1.KopierModus, 0);
    }
    // A release without a copy drag does nothing; painting works again.
    vorher = AlleZellen();
    Loslassen(7, {3, 3});
    QVERIFY(Geaendert(vorher).isEmpty());
    Druecken(7, {3, 3});
    QCOMPARE(Geaendert(vorher).keys(), QList<int>({7}));
  }

  void andereKnopfUndTastenMalen() {
    Malumgebung u;
    const QString voll(64, QLatin1Char('4'));
    QStringList vorher = AlleZellen();
    Druecken(9, {2, 2}, Qt::RightButton, Qt::ControlModifier);
    Ziehen(9, {7, 2}, Qt::RightButton, Qt::ControlModifier);
    QCOMPARE(Module1.KopierModus, 0);
    QCOMPARE(Tile(9).DirektZurück(), MitZelle(MitZelle(voll, 1, 1), 2, 1));
    Druecken(10, {2, 2}, Qt::LeftButton, Qt::ShiftModifier);
    Ziehen(10, {2, 7}, Qt::LeftButton, Qt::ShiftModifier);
    QCOMPARE(Tile(10).DirektZurück(), MitZelle(MitZelle(voll, 1, 2), 9, 2));
    QCOMPARE(Geaendert(vorher).keys(), QList<int>({9, 10}));
    QCOMPARE(Frm_Bearbeiten::Instanz().cursor().shape(), Qt::ArrowCursor);
  }

  void farbwahlBindetDieKnoepfe() {
    Malumgebung u;
    Frm_Farben& farben = Frm_Farben::Instanz();
    // Shown below the tileset view, and it cannot be closed.
    const Frm_Bearbeiten& ansicht = Frm_Bearbeiten::Instanz();
    QCOMPARE(farben.x(), ansicht.x());
    QVERIFY(farben.y() > ansicht.y() + ansicht.height());
    QVERIFY(!farben.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!farben.close());
    QVERIFY(farben.isVisible());
    // The chooser follows the tile under the mouse.
    Tile(7).Farbenübergabe(QStringLiteral("255"), QStringLiteral("65280"), QStringLiteral("16711680"),
                           QStringLiteral("8421504"));
    Ziehen(7, {3, 3}, Qt::NoButton);
    QCOMPARE(Module1.Tilefarben[3], 16711680u);
    QCOMPARE(farben.f1[4]->palette().color(QPalette::Window), QColor(128, 128, 128));
    QCOMPARE(farben.Links->palette().color(QPalette::Window), QColor(0, 255, 0));
    QCOMPARE(farben.Rechts->palette().color(QPalette::Window), QColor(255, 0, 0));

    QTest::mouseClick(farben.Farb[3], Qt::LeftButton);
    QTest::mouseClick(farben.Farb[4], Qt::RightButton);
    QTest::mouseClick(farben.Farb[1], Qt::MiddleButton);  // binds nothing
    QCOMPARE(Module1.FarbeLinks, 3);
    QCOMPARE(Module1.FarbeRechts, 4);
    QCOMPARE(farben.Links->palette().color(QPalette::Window), QColor(0, 0, 255));
    for (int i = 1; i <= 96; ++i) {
      Tile(i).Direkt(QString(64, QLatin1Char('1')));
      Druecken(i, {2, 2});
      Druecken(i, {7, 2}, Qt::RightButton);
      QCOMPARE(Tile(i).Nummer(1), 3);
      QCOMPARE(Tile(i).Nummer(2), 4);
      // Each tile paints with its own display colour of that number.
      QCOMPARE(Tile(i).Point(1, 1), Tile(i).Anzeigefarbe(3));
    }
    QCOMPARE(Tile(0).PositionAngabe(1, 0, 10, 10), QString());
    QCOMPARE(Tile(0).Nummer(1), 3);
  }

  // A stroke with each button that crosses tiles, rows and returns over
  // painted cells: every event repaints exactly the cells it changed, in the
  // tiles that hold them and nowhere else; over a cell that already has the
  // colour it repaints nothing.
  void strichZeichnetNurGetroffeneZellen() {
    Malumgebung u;
    Malzeuge zeuge;
    for (int i = 1; i <= 96; ++i) Tile(i).installEventFilter(&zeuge);
    QTest::qWait(50);
    int gemalt = 0;
    auto nurGetroffenes = [&](QEvent::Type art, QPoint p, Qt::MouseButton knopf) {
      const QStringList vorher = AlleZellen();
      zeuge.bereiche.clear();
      Senden(2, art, p, art == QEvent::MouseMove ? Qt::NoButton : knopf, knopf);
      QCoreApplication::processEvents();
      QCoreApplication::processEvents();
      const auto erwartet = GeaenderteZellen(vorher);
      gemalt += erwartet.size();
      if (zeuge.bereiche == erwartet) return true;
      qWarning() << "event at" << p << "changed" << erwartet << "repainted" << zeuge.bereiche;
      return false;
    };
    for (Qt::MouseButton knopf : {Qt::LeftButton, Qt::RightButton}) {
      QVERIFY(nurGetroffenes(QEvent::MouseButtonPress, {3, 3}, knopf));
      for (int k = 0; k < 60; ++k) {
        // Right across four tiles and down into the second row, then back.
        const QPoint p(k < 40 ? -35 + 4 * k : 125 - 4 * (k - 40), 3 + k);
        QVERIFY(nurGetroffenes(QEvent::MouseMove, p, knopf));
      }
      QVERIFY(nurGetroffenes(QEvent::MouseButtonRelease, {45, 62}, knopf));
    }
    QVERIFY(gemalt > 40);
  }
};

QTEST_MAIN(TestMalen)
#include "test_malen.moc"
