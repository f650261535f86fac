#include "Rombau.h"

#include <QDir>
#include <QFile>

namespace Rombau {

namespace {
void Setze(QByteArray& ziel, qint64 ort, const QByteArray& bytes) {
  for (qsizetype i = 0; i < bytes.size(); ++i) ziel[ort + i] = bytes[i];
}

bool DateiSchreiben(const QString& pfad, const QByteArray& bytes) {
  QFile f(pfad);
  return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

QByteArray Ausgefuellt(QByteArray b, qsizetype laenge) {
  b.resize(laenge, '\0');
  return b;
}
}  // namespace

Plan Grundplan() {
  Plan plan;
  for (int n = 1; n <= 28; ++n) {
    Tileset& t = plan.tilesets[n];
    t.kacheln = QByteArray(96 * 16, '\0');
    t.zuordnung = QByteArray(48, '\0');
    t.bloecke = QByteArray(127 * 16, '\0');
    t.kollisionen = QByteArray(127 * 4, '\0');
    t.originalOrt = 0x40000 + (n - 1) * 0x700;
    t.ort = t.originalOrt;
    t.blockTabelle = 0x60000 + (n - 1) * 0x800;
    t.kolliTabelle = 0x70000 + (n - 1) * 0x200;
    t.zuordnungOrt = 0x9000 + (n - 1) * 0x30;
  }
  plan.paletten = QByteArray(320, '\0');
  plan.wasser = QByteArray(64, '\0');
  plan.blumen = QByteArray(64, '\0');
  plan.fuellung = QByteArray(RomLaenge, '\0');
  return plan;
}

QByteArray Musterkacheln(int tileset, int salz) {
  QByteArray k(96 * 16, '\0');
  for (int i = 0; i < k.size(); ++i)
    k[i] = static_cast<char>((tileset * 37 + i * 11 + salz * 5 + i / 16) | 1);
  return k;
}

Plan Musterplan() {
  Plan plan = Grundplan();
  for (int n = 1; n <= 28; ++n) {
    Tileset& t = plan.tilesets[n];
    t.kacheln = Musterkacheln(n);
    for (int i = 0; i < 48; ++i) t.zuordnung[i] = static_cast<char>(((n + i) % 8) | (((n + i + 3) % 8) << 4));
    for (int i = 0; i < t.bloecke.size(); ++i) t.bloecke[i] = static_cast<char>((i + n) % 0x60);
    for (int i = 0; i < t.kollisionen.size(); ++i) t.kollisionen[i] = static_cast<char>((i * 7 + n) & 0xFF);
  }
  for (int i = 0; i < 320; ++i) plan.paletten[i] = static_cast<char>(i % 2 ? (i * 3) & 0x7F : i * 5);
  for (int i = 0; i < 64; ++i) {
    plan.wasser[i] = static_cast<char>(i * 3 + 1);
    plan.blumen[i] = static_cast<char>(0xF0 - i);
  }
  for (qint64 i = 0; i < plan.fuellung.size(); ++i)
    plan.fuellung[i] = static_cast<char>((i * 13 + 7) % 251 + 1);
  for (qint64 i = 0x180000; i < 0x1B0000; ++i) plan.fuellung[i] = 0;
  return plan;
}

QByteArray Zeiger(qint64 offset) {
  const qint64 adresse = offset % 0x4000 + 0x4000;
  QByteArray z(3, '\0');
  z[0] = static_cast<char>(offset / 0x4000);
  z[1] = static_cast<char>(adresse & 0xFF);
  z[2] = static_cast<char>(adresse >> 8);
  return z;
}

QByteArray TilesetBlock(const QByteArray& kacheln) {
  const QByteArray k = Ausgefuellt(kacheln, 96 * 16);
  return QByteArray("\xE3\xFF", 2) + k.left(64 * 16) + QByteArray("\xE1\xFF", 2) + k.mid(64 * 16) +
         QByteArray("\xFF\x00", 2);
}

QByteArray Rom(const Plan& plan) {
  QByteArray rom = Ausgefuellt(plan.fuellung, RomLaenge);
  for (int n = 1; n <= 28; ++n) {
    const Tileset& t = plan.tilesets[n];
    const qint64 satz = KopfTabelle + 15 * n;
    Setze(rom, satz, Zeiger(t.ort));
    Setze(rom, satz + 3, Zeiger(t.blockTabelle));
    Setze(rom, satz + 6, Zeiger(t.kolliTabelle));
    Setze(rom, satz + 13, Zeiger(t.zuordnungOrt).mid(1));
    Setze(rom, t.originalOrt, TilesetBlock(t.kacheln));
    if (t.ort != t.originalOrt) Setze(rom, t.ort, TilesetBlock(t.geaenderteKacheln));
    Setze(rom, t.blockTabelle + 16, Ausgefuellt(t.bloecke, 127 * 16));
    Setze(rom, t.kolliTabelle + 4, Ausgefuellt(t.kollisionen, 127 * 4));
    Setze(rom, t.zuordnungOrt, Ausgefuellt(t.zuordnung, 48));
  }
  Setze(rom, PalettenTabelle, Ausgefuellt(plan.paletten, 320));
  Setze(rom, Wasser, Ausgefuellt(plan.wasser, 64));
  Setze(rom, Blumen, Ausgefuellt(plan.blumen, 64));
  return rom;
}

QByteArray TilesetsGb(const Plan& plan) {
  QByteArray gb(28 * 0x700, '\0');
  for (int n = 1; n <= 28; ++n) {
    const qint64 satz = (n - 1) * 0x700;
    Setze(gb, satz, TilesetBlock(plan.tilesets[n].kacheln));
    Setze(gb, satz + 0x610, Ausgefuellt(plan.tilesets[n].zuordnung, 48));
  }
  return gb;
}

QByteArray OriginalPointerIni(const Plan& plan) {
  QByteArray ini;
  for (int n = 1; n <= 28; ++n) {
    QByteArray zeile = Zeiger(plan.tilesets[n].originalOrt).toHex().toUpper();
    zeile += QByteArray(";Titelset") + QByteArray::number(n);
    zeile = zeile.leftJustified(17, ' ') + "\r\n";
    ini += zeile;
  }
  return ini;
}

bool Schreiben(const Plan& plan, const QString& ordner, const QString& romName) {
  const QDir d(ordner);
  return DateiSchreiben(d.filePath(romName), Rom(plan)) &&
         DateiSchreiben(d.filePath(QStringLiteral("Tilesets.gb")), TilesetsGb(plan)) &&
         DateiSchreiben(d.filePath(QStringLiteral("OriginalPointer.ini")), OriginalPointerIni(plan)) &&
         DateiSchreiben(d.filePath(QStringLiteral("OriginalPaletten.gb")), Ausgefuellt(plan.paletten, 320));
}

}  // namespace Rombau
