#include <QtTest>

#include "Flaeche.h"
#include "Frm_Bearbeiten.h"
#include "Module1.h"

namespace {
QString ZufallsKachel(int salz) {
  QString t;
  for (int i = 0; i < 16; ++i)
    t += QString::number((i * 37 + salz * 11) % 256).rightJustified(3, QLatin1Char('0'));
  return t;
}
}  // namespace

class TestFlaeche : public QObject {
  Q_OBJECT
 private slots:
  void rundreisen() {
    Fläche f;
    for (int salz = 0; salz < 20; ++salz) {
      f.Zuteilen(ZufallsKachel(salz));
      QCOMPARE(f.Zurükgeben(), ZufallsKachel(salz));
    }
    const QString zellen = QStringLiteral("1234").repeated(16);
    f.Direkt(zellen);
    QCOMPARE(f.DirektZurück(), zellen);
    f.Zuteilen(QString(48, QLatin1Char('0')));
    QCOMPARE(f.Point(1, 1), 0u);
    QCOMPARE(f.Point(8, 8), 0u);
  }

  void gleicheAnzeigefarbenVerlierenNichts() {
    // A game palette may hold one colour twice; read-back must still give
    // the numbers the cells were given.
    Fläche f;
    f.Farbenübergabe(QStringLiteral("255"), QStringLiteral("255"), QStringLiteral("65280"),
                     QStringLiteral("255"));
    f.Zuteilen(ZufallsKachel(3));
    QCOMPARE(f.Zurükgeben(), ZufallsKachel(3));
    f.Farben(4, 2);
    f.PositionAngabe(1, 0, 10, 10);
    QCOMPARE(f.DirektZurück().at(0), QLatin1Char('4'));
  }

  void farbenuebergabeMaltNichtNeu() {
    Fläche f;
    f.Zuteilen(QStringLiteral("255000") + QString(42, QLatin1Char('0')));  // first row colour 2
    const std::uint32_t gruen = f.Point(1, 1);
    QCOMPARE(gruen, 6607460u);
    f.Farbenübergabe(QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"));
    QCOMPARE(f.Point(1, 1), gruen);
    QCOMPARE(f.FarbenRückgabe(), QStringLiteral("00000001000000020000000300000004"));
    // Painting keeps the colours of the last Farben call.
    f.PositionAngabe(1, 0, 0, 0);
    QCOMPARE(f.Point(1, 1), 6607460u);
    f.Farben(3, 1);
    f.PositionAngabe(1, 0, 0, 0);
    QCOMPARE(f.Point(1, 1), 3u);
  }

  void positionAngabe() {
    Fläche f;  // cell 5 px = 75 twips, tile 600 twips
    QCOMPARE(f.PositionAngabe(0, 0, 10, 10), QString());
    QCOMPARE(f.PositionAngabe(1, 0, 615, -30), QStringLiteral("1,0,+00615,-00030"));
    QCOMPARE(f.PositionAngabe(2, 1, 600, 10), QStringLiteral("2,1,+00600,+00010"));
    QCOMPARE(f.PositionAngabe(1, 0, 10, 600), QStringLiteral("1,0,+00010,+00600"));
    f.Zuteilen(QString(48, QLatin1Char('0')));
    QCOMPARE(f.PositionAngabe(3, 0, 80, 0), QString());  // both buttons paint nothing
    QCOMPARE(f.DirektZurück().at(1), QLatin1Char('1'));
    QCOMPARE(f.PositionAngabe(1, 0, 599, 599), QString());
    QCOMPARE(f.DirektZurück().at(63), QLatin1Char('2'));
    QCOMPARE(f.PositionAngabe(2, 0, 80, 0), QString());
    QCOMPARE(f.DirektZurück().at(1), QLatin1Char('1'));
  }

  void groesse() {
    Fläche f;
    QCOMPARE(f.width(), 40);
    f.setGrösse(7);
    QCOMPARE(f.Grösse(), 5);
    QCOMPARE(f.width(), 40);
    f.setGrösse(3);
    QCOMPARE(f.width(), 24);
    QCOMPARE(f.PositionAngabe(1, 0, 8 * 45, 0), QStringLiteral("1,0,+00360,+00000"));
  }

  void tilesetAnsicht() {
    Module1Zuruecksetzen();
    Frm_Bearbeiten& v = Frm_Bearbeiten::Instanz();
    v.GrösseTile(6, 16);
    QCOMPARE(v.AnzahlTiles(), 96);
    QCOMPARE(v.Ort(1, 2), 17);
    QCOMPARE(v.Ort2(16), QStringLiteral("1601"));
    QCOMPARE(v.Ort2(17), QStringLiteral("0102"));
    QCOMPARE(v.Ort2(96), QStringLiteral("1606"));
    QCOMPARE(v.Ort2(50), QStringLiteral("0204"));
    QCOMPARE(v.Fläche(2).x() - v.Fläche(1).x(), 40);  // 600 twips apart
    QCOMPARE(v.Fläche(17).y() - v.Fläche(1).y(), 40);
    QCOMPARE(v.size(), QSize(16 * 40, 6 * 40));
    Module1.Raster = 15;
    v.AnordnenTile();
    QCOMPARE(v.Fläche(2).x() - v.Fläche(1).x(), 41);  // 615 twips with the grid
    QCOMPARE(v.Fläche(96).y(), 5 * 41);
    QCOMPARE(Module1.TileZähler, 96);
    Frm_Bearbeiten::Entladen();
  }
};

QTEST_MAIN(TestFlaeche)
#include "test_flaeche.moc"
