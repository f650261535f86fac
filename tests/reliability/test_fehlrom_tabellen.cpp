#include <QtTest>

#include "Fehlfaelle.h"

// ROMs whose header table is damaged in the block table, collision table and palette-assignment pointers.
// Every read path runs over each; nothing may crash, hang, or write.
class TestFehlromTabellen : public QObject {
  Q_OBJECT
 private slots:
  void zufaelligeKopftabellen() {
    KaputteRomsLesen(0x7AB3,
                     {Kaputtrom::Feld::Bloecke, Kaputtrom::Feld::Kollisionen, Kaputtrom::Feld::Zuordnung},
                     QStringLiteral("fehlrom_tabellen.tsv"));
  }
};

QTEST_MAIN(TestFehlromTabellen)
#include "test_fehlrom_tabellen.moc"
