#include <QtTest>

#include "Frm_Bearbeiten.h"
#include "Welt.h"
#include "frm_Angaben.h"

namespace {
// Press, moves with the button held, release: the way a hand paints.
void Strich(QWidget& w, const QList<QPoint>& punkte, Qt::KeyboardModifiers m = {}) {
  QTest::mousePress(&w, Qt::LeftButton, m, punkte.first());
  for (const QPoint& p : punkte) {
    QMouseEvent e(QEvent::MouseMove, p, w.mapToGlobal(p), Qt::NoButton, Qt::LeftButton, m);
    QApplication::sendEvent(&w, &e);
  }
  QTest::mouseRelease(&w, Qt::LeftButton, m, punkte.last());
}

struct Malzeuge : QObject {  // repainted regions per widget
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
      Strich(Welt::Tile(kachel), punkte, kopieren ? Qt::ControlModifier : Qt::NoModifier);
    else
      f.Cmd_LeerTile->trigger();
    const QStringList nachher = Welt::Ansicht();

    // Each command restores exactly one step and repaints only the tiles it changes.
    Malzeuge zeuge;
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
};

QTEST_MAIN(TestRueckgaengig)
#include "test_rueckgaengig.moc"
