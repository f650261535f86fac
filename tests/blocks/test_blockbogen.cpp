#include <QtTest>

#include "Flaeche.h"
#include "Frm_Optionen.h"
#include "Welt.h"
#include "frm_Angaben.h"
#include "frm_Block.h"

class TestBlockbogen : public QObject {
  Q_OBJECT
 private slots:
  // Block 01 from the tiles of the view (unsaved painting included), block
  // 02 with tile numbers that have no tile, the sheet 16 blocks wide.
  void bogen() {
    Rombau::Plan plan = Testdaten::Plan();
    QByteArray& bloecke = plan.tilesets[1].bloecke;
    for (int j = 0; j < 16; ++j) bloecke[j] = char(j < 8 ? j : 0x10 + j);
    bloecke.replace(16, 16, QByteArray(16, char(0x60)));
    bloecke[16 + 5] = char(0xFF);
    Testumgebung u(plan);
    frm_Angaben& f = Welt::Offen(u, 1);
    Frm_Optionen::Instanz().Opt_Grau->click();
    Welt::Bemalen();
    f.Cmd_Block_Click();
    const QString pfad = u.Pfad(QStringLiteral("bloecke.png"));
    frm_Block::Instanz().BlockBildSpeichern(pfad);
    QVERIFY2(u.meldungen.empty(), qPrintable(u.Texte()));

    const QImage bild = QImage(pfad).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(bild.size(), QSize(512, 256));
    for (int y = 0; y < 32; ++y) {
      for (int x = 0; x < 32; ++x) {
        const int j = (y / 8) * 4 + x / 8;
        const int nummer = Welt::Tile(quint8(bloecke[j]) + 1).Nummer((y % 8) * 8 + x % 8 + 1);
        const std::uint32_t grau = Welt::Grau[nummer - 1];
        QCOMPARE(bild.pixel(x, y), qRgb(grau & 0xFF, grau >> 8 & 0xFF, grau >> 16));
      }
    }
    // Block 02 right of block 01: the placeholder, grey crossed in red.
    for (int j : {0, 5, 15}) {
      const int x0 = 32 + (j % 4) * 8, y0 = (j / 4) * 8;
      QCOMPARE(bild.pixel(x0, y0), qRgb(255, 0, 0));
      QCOMPARE(bild.pixel(x0 + 3, y0), qRgb(128, 128, 128));
    }
    // Block 11 starts the second row.
    const std::uint32_t grau = Welt::Grau[Welt::Tile(quint8(bloecke[16 * 16]) + 1).Nummer(1) - 1];
    QCOMPARE(bild.pixel(0, 32), qRgb(grau & 0xFF, grau >> 8 & 0xFF, grau >> 16));
  }
};

QTEST_MAIN(TestBlockbogen)
#include "test_blockbogen.moc"
