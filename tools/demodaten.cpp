// Writes a demo ROM ("Demo.gbc") and the side files into the folder given as
// the first argument: a small town seen from above, drawn here tile by tile.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>
#include <array>
#include <cstdio>

#include "Rombau.h"

namespace {

// Tiles as 8 rows of colour digits: 0 dark, 1 grass green, 2 water blue, 3 light.
using Muster = std::array<const char*, 8>;

const Muster Gras = {"11111111", "11101111", "11111111", "11111101",
                     "10111111", "11111111", "11110111", "11111111"};
const Muster Gras2 = {"11111111", "11011011", "11101111", "11111111",
                      "11111101", "10111110", "11011111", "11111111"};
const Muster Weg = {"33333333", "33332333", "33333333", "32333333",
                    "33333323", "33333333", "33323333", "33333333"};
const Muster WegRand = {"11111111", "11011111", "13111311", "33333333",
                        "33333323", "33233333", "33333333", "33333233"};
const Muster Wasser = {"22222222", "22222222", "23322222", "22233222",
                       "22222222", "22222233", "22222322", "22222222"};
const Muster Ufer = {"11111111", "11101111", "13311331", "33333333",
                     "22222222", "22332222", "22223322", "22222222"};
const Muster BaumOL = {"11110000", "11001111", "10111111", "10113111",
                       "01131111", "01111111", "01111111", "01111101"};
const Muster BaumOR = {"00001111", "11110011", "11111101", "11111101",
                       "11111110", "11111110", "11011110", "10111110"};
const Muster BaumUL = {"01111111", "01111011", "10111111", "10011111",
                       "11000011", "11110000", "11111000", "11111100"};
const Muster BaumUR = {"11011110", "11111110", "11111101", "11111001",
                       "11000011", "00001111", "00011111", "00111111"};
const Muster DachL = {"00000002", "00000222", "00022222", "02222333",
                      "22233333", "22333333", "33333333", "00000000"};
const Muster DachR = {"20000000", "22200000", "22222000", "33322220",
                      "33333222", "33333322", "33333333", "00000000"};
const Muster Dach = {"22222222", "33333333", "22222222", "22222222",
                     "33333333", "22222222", "22222222", "00000000"};
const Muster Wand = {"33303333", "33303333", "00000000", "33333330",
                     "33333330", "00000000", "33303333", "33303333"};
const Muster Fenster = {"33333333", "30000003", "30220223", "30000003",
                        "30220223", "30000003", "33333333", "33333333"};
const Muster Tuer = {"30000003", "30222203", "30222203", "30222203",
                     "30222233", "30222203", "30222203", "30222203"};
const Muster Zaun = {"11111111", "10111101", "00000000", "30111103",
                     "30111103", "00000000", "30111103", "11111111"};
const Muster Blume = {"11111111", "11311111", "13231111", "11311131",
                      "11111323", "11311131", "13231111", "11311111"};
const Muster Schild = {"11111111", "10000001", "03333330", "03000030",
                       "03333330", "10000001", "11100111", "11100111"};
const Muster Stein = {"11111111", "11000011", "10333301", "03333330",
                      "03333300", "03333000", "10000001", "11111111"};
const Muster Sand = {"33333333", "33323333", "33333333", "33333332",
                     "32333333", "33333333", "33332333", "33333333"};
const Muster Mauer = {"00000000", "03330333", "03330333", "00000000",
                      "33033303", "33033303", "00000000", "03330333"};
const Muster Busch = {"11111111", "11000111", "10111011", "01131101",
                      "01111101", "10111011", "11000111", "11111111"};
const Muster Leer = {"00000000", "00000000", "00000000", "00000000",
                     "00000000", "00000000", "00000000", "00000000"};

// One tileset as 6 rows of 16 tiles.
const std::array<std::array<const Muster*, 16>, 6> Anordnung = {{
    {&Gras, &Gras2, &Gras, &Weg, &Weg, &WegRand, &Gras, &Blume, &Gras2, &Busch, &Gras, &Stein, &Sand, &Sand,
     &Gras, &Gras2},
    {&Wasser, &Wasser, &Ufer, &Ufer, &Wasser, &Gras, &BaumOL, &BaumOR, &BaumOL, &BaumOR, &Gras, &Zaun, &Zaun,
     &Zaun, &Schild, &Gras},
    {&Wasser, &Wasser, &Wasser, &Ufer, &Gras2, &Gras, &BaumUL, &BaumUR, &BaumUL, &BaumUR, &Blume, &Gras, &Weg,
     &Weg, &Weg, &Blume},
    {&DachL, &Dach, &Dach, &DachR, &Gras, &DachL, &DachR, &Gras, &Mauer, &Mauer, &Mauer, &Gras, &Weg, &Busch,
     &Weg, &Gras},
    {&Wand, &Fenster, &Tuer, &Wand, &Gras, &Fenster, &Tuer, &Gras, &Mauer, &Tuer, &Mauer, &Gras2, &Weg, &Weg,
     &Weg, &Stein},
    {&Gras, &Weg, &Weg, &Gras, &Gras2, &Weg, &Weg, &Blume, &Gras, &Weg, &Gras, &Blume, &Schild, &Gras, &Leer,
     &Leer},
}};

QByteArray Kachel(const Muster& m, bool spiegeln) {
  QByteArray b;
  for (const char* reihe : m) {
    int lo = 0, hi = 0;
    for (int c = 0; c < 8; ++c) {
      const int wert = reihe[spiegeln ? 7 - c : c] - '0';
      lo = (lo << 1) | (wert & 1);
      hi = (hi << 1) | (wert >> 1);
    }
    b.append(static_cast<char>(lo)).append(static_cast<char>(hi));
  }
  return b;
}

// Each tileset is the town seen from a little further along: rows turn round
// and every other tileset is mirrored.
QByteArray Kacheln(int n, int verschiebung = 0) {
  QByteArray k;
  for (int r = 0; r < 6; ++r)
    for (int c = 0; c < 16; ++c)
      k += Kachel(*Anordnung[(r + n + verschiebung) % 6][c], (n + verschiebung) % 2 == 1);
  return k;
}

int PaletteVon(const Muster* m) {
  if (m == &Wasser || m == &Ufer) return 6;
  if (m == &Dach || m == &DachL || m == &DachR) return 1;
  if (m == &Wand || m == &Fenster || m == &Tuer || m == &Mauer) return 4;
  if (m == &Weg || m == &WegRand || m == &Sand || m == &Stein || m == &Schild) return 3;
  if (m == &Blume) return 5;
  return 2;
}

QByteArray Zuordnung(int n) {
  QByteArray z(48, '\0');
  for (int i = 0; i < 96; ++i) {
    const int p = PaletteVon(Anordnung[(i / 16 + n) % 6][i % 16]);
    z[i / 2] = static_cast<char>(z[i / 2] | (i % 2 == 0 ? p : p << 4));
  }
  return z;
}

QByteArray Farbe(int r, int g, int b) {
  const int wort = (r >> 3) | ((g >> 3) << 5) | ((b >> 3) << 10);
  return QByteArray(1, static_cast<char>(wort & 0xFF)) + QByteArray(1, static_cast<char>(wort >> 8));
}

// Five times of day (morning, day, evening, night, dark) x eight palettes.
QByteArray Paletten() {
  const int basis[8][4][3] = {
      {{248, 248, 248}, {168, 168, 168}, {96, 96, 96}, {24, 24, 24}},
      {{248, 232, 200}, {224, 96, 64}, {144, 40, 32}, {24, 16, 16}},
      {{224, 248, 160}, {96, 192, 72}, {40, 112, 40}, {16, 32, 16}},
      {{248, 240, 208}, {216, 192, 128}, {144, 112, 64}, {40, 32, 16}},
      {{248, 248, 232}, {208, 200, 184}, {128, 112, 96}, {32, 24, 24}},
      {{248, 248, 248}, {248, 200, 64}, {224, 80, 120}, {40, 24, 24}},
      {{200, 232, 248}, {96, 160, 232}, {40, 80, 184}, {8, 16, 64}},
      {{248, 248, 248}, {200, 200, 200}, {120, 120, 120}, {0, 0, 0}},
  };
  const double licht[5][3] = {
      {1.0, 0.95, 0.85}, {1.0, 1.0, 1.0}, {1.0, 0.8, 0.65}, {0.45, 0.5, 0.8}, {0.3, 0.3, 0.5}};
  QByteArray p;
  for (const auto& t : licht)
    for (const auto& pal : basis)
      for (const auto& f : pal) p += Farbe(int(f[0] * t[0]), int(f[1] * t[1]), int(f[2] * t[2]));
  return p;
}

QByteArray Bloecke(int n) {
  QByteArray b(127 * 16, '\0');
  for (int blk = 0; blk < 127; ++blk) {
    const int zeile = (blk / 4) % 3 * 2, spalte = (blk % 4) * 4;
    for (int i = 0; i < 16; ++i)
      b[blk * 16 + i] = static_cast<char>((zeile + i / 4 % 2) * 16 + (spalte + i % 4) % 16 + n % 2);
  }
  return b;
}

QByteArray Kollisionen() {
  QByteArray k(127 * 4, '\0');
  for (int i = 0; i < k.size(); ++i) k[i] = static_cast<char>(i % 9 == 0 ? 0x07 : (i % 13 == 0 ? 0x29 : 0));
  return k;
}

// Code-like bytes everywhere but the free areas, so the free-offset search
// has something to find.
QByteArray Fuellung() {
  QByteArray f(Rombau::RomLaenge, '\0');
  quint32 z = 12345;
  for (qint64 i = 0; i < f.size(); ++i) {
    z = z * 1103515245u + 12345u;
    f[i] = static_cast<char>((z >> 16) % 255 + 1);
  }
  for (qint64 frei : {qint64(0x120000), qint64(0x150000), qint64(0x1C0000)})
    for (qint64 i = frei; i < frei + 0x8000; ++i) f[i] = 0;
  return f;
}

QByteArray Animation(const Muster& a, const Muster& b) {
  return Kachel(a, false) + Kachel(b, false) + Kachel(a, true) + Kachel(b, true);
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  const QString ordner = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
  QDir().mkpath(ordner);
  Rombau::Plan plan = Rombau::Grundplan();
  for (int n = 1; n <= 28; ++n) {
    Rombau::Tileset& t = plan.tilesets[n];
    t.kacheln = Kacheln(n);
    t.zuordnung = Zuordnung(n);
    t.bloecke = Bloecke(n);
    t.kollisionen = Kollisionen();
  }
  // Three tilesets were already edited and moved to free space.
  const std::array<std::pair<int, qint64>, 3> verschoben = {{{3, 0x1C0000}, {7, 0x1C0800}, {12, 0x1C1000}}};
  for (const auto& [n, ort] : verschoben) {
    plan.tilesets[n].ort = ort;
    plan.tilesets[n].geaenderteKacheln = Kacheln(n, 3);
  }
  plan.paletten = Paletten();
  plan.wasser = Animation(Wasser, Ufer);
  plan.blumen = Animation(Blume, Gras2);
  plan.fuellung = Fuellung();
  // The same help texts the package installs, one for each language.
  bool kopiert = true;
  for (const QString& name : {QStringLiteral("WichtigeInfos.txt"), QStringLiteral("ImportantInfo.txt")}) {
    const QString hilfe = QDir(ordner).filePath(name);
    QFile::remove(hilfe);
    kopiert = kopiert && QFile::copy(QStringLiteral(TESSARON_DATEN "/") + name, hilfe);
  }
  if (!Rombau::Schreiben(plan, ordner, QStringLiteral("Demo.gbc")) || !kopiert) {
    std::fprintf(stderr, "Die Demodaten konnten nicht geschrieben werden.\n");
    return 1;
  }
  std::printf("Demodaten in %s geschrieben.\n", qPrintable(ordner));
  return 0;
}
