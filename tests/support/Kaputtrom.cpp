#include "Kaputtrom.h"

#include "Rombau.h"

namespace Kaputtrom {

namespace {
int Bis(std::mt19937& gen, int n) { return static_cast<int>(gen() % static_cast<std::uint32_t>(n)); }

int Adresse(std::mt19937& gen) {
  switch (Bis(gen, 5)) {
    case 0:
      return Bis(gen, 0x4000);  // below the window
    case 1:
      return 0x8000 + Bis(gen, 0x8000);  // above it
    case 2:
      return 0x4000 + Bis(gen, 0x4000);  // inside
    case 3:
      return 0x7FFF - Bis(gen, 0x610);  // a block running over the bank's end
    default:
      return Bis(gen, 2) ? 0xFFFF : 0x0000;
  }
}

QByteArray Zeiger(std::mt19937& gen) {
  static constexpr int Baenke[] = {0x00, 0xFF, 0x7F, 0x80, 0x01};  // 80 and up: past the end
  const int bank = Bis(gen, 3) == 0 ? Bis(gen, 256) : Baenke[Bis(gen, 5)];
  const int adresse = Adresse(gen);
  QByteArray z(3, '\0');
  z[0] = static_cast<char>(bank);
  z[1] = static_cast<char>(adresse & 0xFF);
  z[2] = static_cast<char>(adresse >> 8);
  return z;
}

void Setze(QByteArray& rom, qint64 ort, const QByteArray& bytes) {
  for (qsizetype i = 0; i < bytes.size(); ++i) rom[ort + i] = bytes[i];
}

void Rauschen(QByteArray& rom, qint64 ort, int anzahl, std::mt19937& gen) {
  for (int i = 0; i < anzahl; ++i) rom[ort + i] = static_cast<char>(gen());
}
}  // namespace

QByteArray Beschaedigt(const QByteArray& grund, std::mt19937& gen, const std::vector<Feld>& felder) {
  QByteArray rom = grund;
  const int anzahl = 1 + Bis(gen, 28);
  for (int i = 0; i < anzahl; ++i) {
    const qint64 satz = Rombau::KopfTabelle + 15 * (1 + Bis(gen, 28));
    switch (felder[static_cast<size_t>(Bis(gen, static_cast<int>(felder.size())))]) {
      case Feld::Grafik:
        Setze(rom, satz, Zeiger(gen));
        break;
      case Feld::Bloecke:
        Setze(rom, satz + 3, Zeiger(gen));
        break;
      case Feld::Kollisionen:
        Setze(rom, satz + 6, Zeiger(gen));
        break;
      case Feld::Zuordnung:
        Setze(rom, satz + 13, Zeiger(gen).mid(1));
        break;
      case Feld::Satz:
        Rauschen(rom, satz, 15, gen);
        break;
    }
  }
  if (Bis(gen, 4) == 0) {
    Rauschen(rom, Rombau::PalettenTabelle, 320, gen);
    Rauschen(rom, Rombau::Wasser, 64, gen);
  }
  return rom;
}

}  // namespace Kaputtrom
