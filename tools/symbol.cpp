// Paints the program's icon, a 3 x 3 grid of map tiles (grass, paths, water,
// a roof, flowers) as 16 x 16 pixel art, and writes it scaled to the hicolor
// sizes under the folder given as the first argument:
// <folder>/hicolor/<g>x<g>/apps/tessaron.png. Needs no display.
#include <QDir>
#include <QImage>
#include <QString>
#include <array>
#include <cstdio>
#include <map>

namespace {

const std::array<const char*, 16> Bild = {
    "BBBBBBBBBBBBBBBB", "BgggGBppppBrrrrB", "BgGggBpPppBRRRRB", "BggggBpppPBrrrrB",
    "BGgggBppppBRRRRB", "BBBBBBBBBBBBBBBB", "BwwwwBgggGBgfggB", "BWWwwBgGggBfyfgB",
    "BwwWWBggggBgfgGB", "BwwwwBGgggBggggB", "BBBBBBBBBBBBBBBB", "BwwwwBppppBgGggB",
    "BwWWwBpPppBggggB", "BWwwWBppppBggGgB", "BwwwwBpppPBggggB", "BBBBBBBBBBBBBBBB",
};

const std::map<char, QRgb> Farben = {
    {'B', qRgb(0, 0, 128)},     {'g', qRgb(88, 168, 72)},   {'G', qRgb(48, 112, 40)},
    {'w', qRgb(64, 112, 216)},  {'W', qRgb(168, 200, 248)}, {'r', qRgb(184, 64, 48)},
    {'R', qRgb(120, 32, 24)},   {'p', qRgb(200, 176, 120)}, {'P', qRgb(160, 136, 88)},
    {'f', qRgb(248, 248, 248)}, {'y', qRgb(248, 216, 64)},
};

QImage Grundbild() {
  QImage bild(16, 16, QImage::Format_RGB32);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) bild.setPixel(x, y, Farben.at(Bild[y][x]));
  return bild;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 2) {
    std::fprintf(stderr, "Aufruf: tessaron_symbol <Ordner>\n");
    return 2;
  }
  const QImage bild = Grundbild();
  for (int groesse : {32, 64, 128}) {
    const QString ordner =
        QStringLiteral("%1/hicolor/%2x%2/apps").arg(QString::fromLocal8Bit(argv[1])).arg(groesse);
    if (!QDir().mkpath(ordner) ||
        !bild.scaled(groesse, groesse, Qt::IgnoreAspectRatio, Qt::FastTransformation)
             .save(ordner + QStringLiteral("/tessaron.png"), "PNG")) {
      std::fprintf(stderr, "Das Symbol konnte nicht nach %s geschrieben werden.\n", qPrintable(ordner));
      return 1;
    }
  }
  return 0;
}
