// (8) The tileset written as an indexed PNG from "Bild speichern..." and (9)
// all 127 blocks as one PNG from the block editor, each against Qt writing a
// picture of the same size and kind alone.
#include <benchmark/benchmark.h>

#include <QImage>

#include "Benchwelt.h"
#include "Blockbogen.h"
#include "Frm_Kolli.h"
#include "Medianbericht.h"
#include "Tilesetbild.h"
#include "frm_Angaben.h"
#include "frm_Block.h"

namespace {
QString Ziel(const char* name) {
  return Benchwelt::Gemeinsam().Ordner() + QLatin1Char('/') + QLatin1String(name);
}

QImage Gestreift(int breite, int hoehe, QImage::Format format) {
  QImage bild(breite, hoehe, format);
  if (format == QImage::Format_Indexed8) bild.setColorCount(32);
  for (int y = 0; y < hoehe; ++y)
    for (int x = 0; x < breite; ++x)
      bild.setPixel(x, y, format == QImage::Format_Indexed8 ? (x ^ y) % 32 : qRgb(x, y, x ^ y));
  return bild;
}

void Bild_Speichern(benchmark::State& state) {
  frm_Angaben& fenster = Benchwelt::Gemeinsam().Fenster();
  const QString ziel = Ziel("tileset.png");
  for (auto _ : state) fenster.BildSpeichern(ziel);
}

void Png_Tileset(benchmark::State& state) {
  const QImage bild = Gestreift(Tilesetbild::Breite, Tilesetbild::Hoehe, QImage::Format_Indexed8);
  const QString ziel = Ziel("nackt.png");
  for (auto _ : state) bild.save(ziel, "png");
}

void Bloecke_Speichern(benchmark::State& state) {
  Benchwelt::Gemeinsam().Fenster();
  Frm_Kolli::Instanz();  // loads the block editor with it
  frm_Block& block = frm_Block::Instanz();
  const QString ziel = Ziel("bloecke.png");
  for (auto _ : state) block.BlockBildSpeichern(ziel);
}

void Png_Bloecke(benchmark::State& state) {
  const QImage bild = Gestreift(Blockbogen::Breite, Blockbogen::Hoehe, QImage::Format_RGB32);
  const QString ziel = Ziel("nackt.png");
  for (auto _ : state) bild.save(ziel, "png");
}
}  // namespace

BENCHMARK(Bild_Speichern)->Apply(Wiederholt);
BENCHMARK(Png_Tileset)->Apply(Wiederholt);
BENCHMARK(Bloecke_Speichern)->Apply(Wiederholt);
BENCHMARK(Png_Bloecke)->Apply(Wiederholt);
