#include <QtTest>

#include "Fehlfaelle.h"
#include "Testumgebung.h"

// Tilesets.gb and OriginalPaletten.gb cut off at every boundary of their
// records and fields. Every read path runs over each case; nothing may crash,
// hang, or write.
namespace {
const QString Tilesets = QStringLiteral("Tilesets.gb");
const QString Paletten = QStringLiteral("OriginalPaletten.gb");
}  // namespace

class TestFehlseitendateien : public QObject {
  Q_OBJECT
 private slots:
  // Records of 0x700 bytes: cut at the markers of the stored block (E3 FF,
  // E1 FF after 64 tiles, FF 00), at its end and in the palette assignment.
  void tilesetsGbAbgeschnitten() {
    Testumgebung u;
    const QByteArray ganz = u.Lies(Tilesets);
    Fehlfaelle f(u);
    for (qint64 l : Schnitte(28, 0x700, {0, 2, 1026, 1028, 1541, 1542, 0x610 + 24, 0x63F}))
      if (!f.Fall(Tilesets, ganz.left(l), false)) return;
    f.Festhalten(QStringLiteral("fehl_tilesetsgb.tsv"));
  }

  // The palette table of 5 x 8 palettes of 8 bytes, cut within and between
  // colours, and twice as long.
  void originalPalettenAbgeschnitten() {
    Testumgebung u;
    const QByteArray ganz = u.Lies(Paletten);
    Fehlfaelle f(u);
    for (qint64 l = 0; l <= 320; l += 7)
      if (!f.Fall(Paletten, ganz.left(l), false)) return;
    f.Fall(Paletten, ganz + ganz, false);
    f.Festhalten(QStringLiteral("fehl_originalpaletten.tsv"));
  }
};

QTEST_MAIN(TestFehlseitendateien)
#include "test_fehlseitendateien.moc"
