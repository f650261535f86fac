#include <QtTest>

#include "Frm_Bearbeiten.h"
#include "Testumgebung.h"
#include "frm_Angaben.h"

namespace {
// Cell size 5 px: a tile is 40 x 40 px.
Fläche& Tile(int i) { return Frm_Bearbeiten::Instanz().Fläche(i); }

void Senden(int i, QEvent::Type art, QPoint p, Qt::MouseButton knopf, Qt::MouseButtons knoepfe) {
  QMouseEvent e(art, p, Tile(i).mapToGlobal(p), knopf, knoepfe, Qt::NoModifier);
  QApplication::sendEvent(&Tile(i), &e);
}

// The paint regions every tile received.
struct Malzeuge : QObject {
  QMap<QObject*, QRegion> bereiche;
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() == QEvent::Paint) bereiche[o] += static_cast<QPaintEvent*>(e)->region();
    return false;
  }
};

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

QStringList AlleZellen() {
  QStringList z;
  for (int i = 1; i <= 96; ++i) z << Tile(i).DirektZurück();
  return z;
}

// Delivers one event and lets the view repaint; true when exactly the cells
// it changed were repainted, in the tiles that hold them and nowhere else.
bool NurGetroffenesNeu(Malzeuge& zeuge, int i, QEvent::Type art, QPoint p, Qt::MouseButton knopf,
                       int& gemalt) {
  const QStringList vorher = AlleZellen();
  zeuge.bereiche.clear();
  Senden(i, art, p, art == QEvent::MouseMove ? Qt::NoButton : knopf, knopf);
  QCoreApplication::processEvents();
  QCoreApplication::processEvents();
  const auto erwartet = GeaenderteZellen(vorher);
  gemalt += erwartet.size();
  if (zeuge.bereiche == erwartet) return true;
  qWarning() << "event at" << p << "changed" << erwartet << "repainted" << zeuge.bereiche;
  return false;
}
}  // namespace

class TestMalenBereich : public QObject {
  Q_OBJECT
 private slots:
  // A stroke that crosses tiles, rows and returns over painted cells: every
  // event repaints only the cell it changed, and an event over a cell that
  // already has the colour repaints nothing.
  void strichZeichnetNurGetroffeneZellen() {
    Testumgebung u;
    u.fenster().RomÖffnen(u.rom());
    QVERIFY(QTest::qWaitForWindowExposed(&Frm_Bearbeiten::Instanz()));
    for (int i = 1; i <= 96; ++i) Tile(i).Direkt(QString(64, QLatin1Char('4')));
    Malzeuge zeuge;
    for (int i = 1; i <= 96; ++i) Tile(i).installEventFilter(&zeuge);
    QTest::qWait(50);

    int gemalt = 0;
    for (Qt::MouseButton knopf : {Qt::LeftButton, Qt::RightButton}) {
      QVERIFY(NurGetroffenesNeu(zeuge, 2, QEvent::MouseButtonPress, {3, 3}, knopf, gemalt));
      for (int k = 0; k < 60; ++k) {
        // Right across four tiles and down into the second row, then back.
        const QPoint p(k < 40 ? -35 + 4 * k : 125 - 4 * (k - 40), 3 + k);
        QVERIFY(NurGetroffenesNeu(zeuge, 2, QEvent::MouseMove, p, knopf, gemalt));
      }
      QVERIFY(NurGetroffenesNeu(zeuge, 2, QEvent::MouseButtonRelease, {45, 62}, knopf, gemalt));
    }
    // The stroke did paint, in several tiles.
    QVERIFY(gemalt > 40);
  }
};

QTEST_MAIN(TestMalenBereich)
#include "test_malen_bereich.moc"
