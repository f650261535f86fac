#include <QtTest>
#include <random>

#include "Fehlfaelle.h"
#include "Kennzahlen.h"
#include "Testumgebung.h"

// ROMs whose tileset header table leads anywhere: banks 00 and FF, addresses
// outside the switchable window 4000..7FFF, pointers past the end of the file,
// whole records of noise, and palette tables and animation tiles of noise.
// Every read path runs over each; nothing may crash, hang, or write.
namespace {
constexpr std::uint32_t Saat = 0x7E55A8;
constexpr int Faelle = 360;
constexpr qint64 Kopf = 0x156D3;

class Zufall {
 public:
  int Bis(int n) { return static_cast<int>(m_gen() % static_cast<std::uint32_t>(n)); }
  char Byte() { return static_cast<char>(Bis(256)); }

  // A 3-byte pointer of one of the kinds a damaged table holds.
  QByteArray Zeiger() {
    static constexpr int Baenke[] = {0x00, 0xFF, 0x7F, 0x80, 0x01};
    const int bank = Bis(3) == 0 ? Bis(256) : Baenke[Bis(5)];
    int adresse = 0;
    switch (Bis(5)) {
      case 0:
        adresse = Bis(0x4000);
        break;  // below the window
      case 1:
        adresse = 0x8000 + Bis(0x8000);
        break;  // above it
      case 2:
        adresse = 0x4000 + Bis(0x4000);
        break;  // inside
      case 3:
        adresse = 0x7FFF - Bis(0x610);
        break;  // runs over the bank's end
      default:
        adresse = Bis(2) ? 0xFFFF : 0x0000;
        break;  // the extremes
    }
    QByteArray z(3, '\0');
    z[0] = static_cast<char>(bank);
    z[1] = static_cast<char>(adresse & 0xFF);
    z[2] = static_cast<char>(adresse >> 8);
    return z;
  }

 private:
  std::mt19937 m_gen{Saat};
};

void Setze(QByteArray& rom, qint64 ort, const QByteArray& bytes) {
  for (qsizetype i = 0; i < bytes.size(); ++i) rom[ort + i] = bytes[i];
}

// Damages some records of the header table, field by field or whole.
QByteArray Beschaedigt(const QByteArray& grund, Zufall& z) {
  QByteArray rom = grund;
  const int anzahl = 1 + z.Bis(28);
  for (int i = 0; i < anzahl; ++i) {
    const qint64 satz = Kopf + 15 * (1 + z.Bis(28));
    switch (z.Bis(5)) {
      case 0:
        Setze(rom, satz, z.Zeiger());
        break;  // graphics
      case 1:
        Setze(rom, satz + 3, z.Zeiger());
        break;  // blocks
      case 2:
        Setze(rom, satz + 6, z.Zeiger());
        break;  // collisions
      case 3:
        Setze(rom, satz + 13, z.Zeiger().left(2));
        break;  // palette assignment
      default:
        for (int b = 0; b < 15; ++b) rom[satz + b] = z.Byte();
    }
  }
  if (z.Bis(4) == 0) {
    for (int b = 0; b < 320; ++b) rom[Rombau::PalettenTabelle + b] = z.Byte();
    for (int b = 0; b < 64; ++b) rom[Rombau::Wasser + b] = z.Byte();
  }
  return rom;
}
}  // namespace

class TestFehlrom : public QObject {
  Q_OBJECT
 private slots:
  void zufaelligeKopftabellen() {
    Testumgebung u;
    const QByteArray grund = u.Lies(QStringLiteral("test.gb"));
    Zufall z;
    Fehlfaelle f(u);
    for (int fall = 0; fall < Faelle; ++fall) {
      if (!f.Fall(QStringLiteral("test.gb"), Beschaedigt(grund, z), false)) return;
      QCOMPARE(u.Lies(QStringLiteral("test.gb")).size(), Rombau::RomLaenge);
    }
    f.Festhalten(QStringLiteral("fehlrom.tsv"));
  }
};

QTEST_MAIN(TestFehlrom)
#include "test_fehlrom.moc"
