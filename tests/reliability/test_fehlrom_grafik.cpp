#include <QtTest>

#include "Fehlfaelle.h"
#include "Kaputtrom.h"
#include "Rombau.h"
#include "Testumgebung.h"

// ROMs whose header table is damaged in the graphics pointers (which decide between the ROM and Tilesets.gb,
// and what the insertion would erase) and whole records of noise. Every read path runs over each; nothing may
// crash, hang, or write.
namespace {
constexpr std::uint32_t Saat = 0x7E55A8;
constexpr int Faelle = 200;
}  // namespace

class TestFehlromGrafik : public QObject {
  Q_OBJECT
 private slots:
  void zufaelligeKopftabellen() {
    Testumgebung u;
    const QByteArray grund = u.Lies(QStringLiteral("test.gb"));
    std::mt19937 gen(Saat);
    Fehlfaelle f(u);
    for (int fall = 0; fall < Faelle; ++fall) {
      const QByteArray rom =
          Kaputtrom::Beschaedigt(grund, gen, {Kaputtrom::Feld::Grafik, Kaputtrom::Feld::Satz});
      if (!f.Fall(QStringLiteral("test.gb"), rom, false)) return;
      QCOMPARE(u.Lies(QStringLiteral("test.gb")).size(), Rombau::RomLaenge);
    }
    f.Festhalten(QStringLiteral("fehlrom_grafik.tsv"));
  }
};

QTEST_MAIN(TestFehlromGrafik)
#include "test_fehlrom_grafik.moc"
