#include <QtTest>
#include <functional>

#include "Frm_Bearbeiten.h"
#include "Welt.h"
#include "frm_Angaben.h"
#include "frm_Animationen.h"
#include "frm_Block.h"

namespace {
// Press, moves with the button held, release: the way a hand paints.
void Strich(QWidget& w, const QList<QPoint>& punkte, Qt::KeyboardModifiers m = {},
            Qt::MouseButton knopf = Qt::LeftButton) {
  QTest::mousePress(&w, knopf, m, punkte.first());
  for (const QPoint& p : punkte) {
    QMouseEvent e(QEvent::MouseMove, p, w.mapToGlobal(p), Qt::NoButton, knopf, m);
    QApplication::sendEvent(&w, &e);
  }
  QTest::mouseRelease(&w, knopf, m, punkte.last());
}

// Steps 1 and 2 in an editor, taken back and redone with its keys; reading
// its content again starts a fresh history.
void ZweiSchritte(QWidget& fenster, const std::function<QByteArray()>& inhalt,
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
  QVERIFY(!fenster.findChild<QAction*>(QStringLiteral("Cmd_Rückgängig"))->isEnabled());
}

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
    Welt::Offen(u);
    frm_Animationen& a = frm_Animationen::Instanz();
    for (int i = 1; i <= 2; ++i) a.Bild[i]->Direkt(QString(64, QLatin1Char('4')));
    const auto inhalt = [&a] { return (a.Bild[1]->DirektZurück() + a.Bild[2]->DirektZurück()).toLatin1(); };
    const auto strich = [&a](int n) { Strich(*a.Bild[n], {{2, 2}, {37, 37}}, {}, Qt::MouseButton(n)); };
    ZweiSchritte(a, inhalt, strich, [&a] { emit a.Animation->activated(0); });
  }

  void bloecke() {
    Testumgebung u;
    Welt::Offen(u);
    frm_Block& b = frm_Block::Instanz();
    b.Pic_Tileset_MouseMove(1, 0, 15 * 16 + 1, 5 * 16 + 1);  // tile 5F
    const auto inhalt = [&b] {
      const QImage& bild = b.Pic_Block->Bild();
      return QByteArray::number(qHashBits(bild.constBits(), bild.sizeInBytes()));
    };
    const QList<QPoint> striche[] = {{{2, 2}, {20, 2}, {60, 2}}, {{2, 50}}};
    const auto strich = [&](int n) { Strich(*b.Pic_Block, striche[n - 1]); };
    ZweiSchritte(b, inhalt, strich, [&b] { b.Cbo_Block_Click(); });
  }
};

QTEST_MAIN(TestRueckgaengig)
#include "test_rueckgaengig.moc"
