#include <QtTest>

#include "Fehlfaelle.h"
#include "Kaputtrom.h"
#include "Rombau.h"
#include "Testumgebung.h"

// ROMs whose header table is damaged in the block table, collision table and palette-assignment pointers.
// Every read path runs over each; nothing may crash, hang, or write.
namespace {
constexpr std::uint32_t Saat = 0x7AB3;
constexpr int Faelle = 200;
}  // namespace

class TestFehlromTabellen : public QObject {
  Q_OBJECT
 private slots:
  void zufaelligeKopftabellen() {
    Testumgebung u;
    const QByteArray grund = u.Lies(QStringLiteral("test.gb"));
    std::mt19937 gen(Saat);
    Fehlfaelle f(u);
    for (int fall = 0; fall < Faelle; ++fall) {
      const QByteArray rom = Kaputtrom::Beschaedigt(
          grund, gen, {Kaputtrom::Feld::Bloecke, Kaputtrom::Feld::Kollisionen, Kaputtrom::Feld::Zuordnung});
      if (!f.Fall(QStringLiteral("test.gb"), rom, false)) return;
      QCOMPARE(u.Lies(QStringLiteral("test.gb")).size(), Rombau::RomLaenge);
    }
    f.Festhalten(QStringLiteral("fehlrom_tabellen.tsv"));
  }
};

QTEST_MAIN(TestFehlromTabellen)
#include "test_fehlrom_tabellen.moc"
