// (2) Flipping through the 28 tilesets: the whole tileset choice with every
// window it updates, repainted; against reading and decoding the tileset
// block alone.
// (3) Loading 96 tiles into the view and reading them back; against the tile
// codecs alone.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>

#include "Benchwelt.h"
#include "Dateizugriff.h"
#include "Frm_Bearbeiten.h"
#include "Medianbericht.h"
#include "Module1.h"
#include "Tilesetblock.h"
#include "Zahlen.h"
#include "frm_Angaben.h"

namespace {
void Tilesetwahl(benchmark::State& state) {
  frm_Angaben& f = Benchwelt::Gemeinsam().Fenster();
  int n = 0;
  for (auto _ : state) {
    f.Auswahl->setCurrentIndex(n++ % 28);
    f.Auswahl_Click();
    QApplication::processEvents();
  }
}

void Tilesetblock_Lesen(benchmark::State& state) {
  Benchwelt::Gemeinsam().Fenster();
  for (auto _ : state) {
    const QByteArray block =
        Dateizugriff::Lesen(Module1.QuellDatei, HexZuZahl(Module1.QuellOffset), Tilesetblock::Laenge);
    benchmark::DoNotOptimize(Tilesetblock::Lesen(block));
  }
}

// The tiles of two tilesets, so every load changes every tile.
std::array<Tilesetblock::KachelTexte, 2> ZweiTilesets() {
  const Rombau::Plan plan = Benchplan();
  return {Tilesetblock::Lesen(Rombau::TilesetBlock(plan.tilesets[1].kacheln)),
          Tilesetblock::Lesen(Rombau::TilesetBlock(plan.tilesets[2].kacheln))};
}

void Zuteilen_Zurueckgeben(benchmark::State& state) {
  Benchwelt::Gemeinsam().Fenster();
  Frm_Bearbeiten& ansicht = Frm_Bearbeiten::Instanz();
  const auto texte = ZweiTilesets();
  int k = 0;
  for (auto _ : state) {
    const Tilesetblock::KachelTexte& t = texte[k++ % 2];
    for (int i = 1; i <= 96; ++i) ansicht.Fläche(i).Zuteilen(t[i - 1]);
    for (int i = 1; i <= 96; ++i) benchmark::DoNotOptimize(ansicht.Fläche(i).Zurükgeben());
  }
  QApplication::processEvents();
}

void Kachel_Codecs(benchmark::State& state) {
  const auto texte = ZweiTilesets();
  int k = 0;
  for (auto _ : state) {
    for (const QString& text : texte[k++ % 2])
      benchmark::DoNotOptimize(ZellenZuKachelText(KachelTextZuZellen(text)));
  }
}
}  // namespace

BENCHMARK(Tilesetwahl)->Apply(Wiederholt);
BENCHMARK(Tilesetblock_Lesen)->Apply(Wiederholt);
BENCHMARK(Zuteilen_Zurueckgeben)->Apply(Wiederholt);
BENCHMARK(Kachel_Codecs)->Apply(Wiederholt);
