#include <QtTest>

#include "Fehlfaelle.h"

// ROMs whose header table is damaged in the graphics pointers (which decide between the ROM and Tilesets.gb,
// and what the insertion would erase) and whole records of noise. Every read path runs over each; nothing may
// crash, hang, or write.
class TestFehlromGrafik : public QObject {
  Q_OBJECT
 private slots:
  void zufaelligeKopftabellen() {
    KaputteRomsLesen(0x7E55A8, {Kaputtrom::Feld::Grafik, Kaputtrom::Feld::Satz},
                     QStringLiteral("fehlrom_grafik.tsv"));
  }
};

QTEST_MAIN(TestFehlromGrafik)
#include "test_fehlrom_grafik.moc"
