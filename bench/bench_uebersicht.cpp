// (11) The block overview drawn whole from the view's tiles, against the block
// sheet export of the same blocks; (11a) a painting stroke with the overview
// shown, until the overview shows it, against the stroke with the overview
// hidden; (11b) counting the blocks each tile is used in, against one pass
// summing the block table's bytes.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <numeric>

#include "Benchwelt.h"
#include "Blocknutzung.h"
#include "Frm_Bearbeiten.h"
#include "Frm_Blockuebersicht.h"
#include "Medianbericht.h"
#include "frm_Angaben.h"
#include "frm_Block.h"

namespace {
Frm_Blockuebersicht& Gezeigt() {
  Benchwelt::Gemeinsam().Fenster().Cmd_Blockuebersicht->trigger();
  QApplication::processEvents();
  return Frm_Blockuebersicht::Instanz();
}

void Uebersicht_Ganz(benchmark::State& state) {
  Frm_Blockuebersicht& uebersicht = Gezeigt();
  Frm_Bearbeiten& ansicht = Frm_Bearbeiten::Instanz();
  const QString texte[] = {QString(64, QLatin1Char('2')), QString(64, QLatin1Char('3'))};
  int n = 0;
  for (auto _ : state) {
    state.PauseTiming();
    ++n;
    for (int i = 1; i <= ansicht.AnzahlTiles(); ++i) ansicht.Fläche(i).Direkt(texte[(i + n) % 2]);
    state.ResumeTiming();
    uebersicht.Auffrischen();
    QApplication::processEvents();
  }
  uebersicht.hide();
}

void Uebersicht_Strich(benchmark::State& state) {
  Frm_Blockuebersicht& uebersicht = Gezeigt();
  int n = 0;
  for (auto _ : state) {
    Strich(Frm_Bearbeiten::Instanz().Fläche(1), n++);
    QApplication::processEvents();
  }
  uebersicht.hide();
}

void Nutzung_Zaehlen(benchmark::State& state) {
  Benchwelt::Gemeinsam().Fenster();
  const QByteArray bloecke = frm_Block::Instanz().Blocktabelle();
  for (auto _ : state) benchmark::DoNotOptimize(Blocknutzung::Zaehlen(bloecke));
}

void Tabelle_Summe(benchmark::State& state) {
  Benchwelt::Gemeinsam().Fenster();
  const QByteArray bloecke = frm_Block::Instanz().Blocktabelle();
  for (auto _ : state)
    benchmark::DoNotOptimize(std::accumulate(
        bloecke.begin(), bloecke.end(), 0, [](int summe, char b) { return summe + static_cast<quint8>(b); }));
}
}  // namespace

BENCHMARK(Uebersicht_Ganz)->Apply(Wiederholt);
BENCHMARK(Uebersicht_Strich)->Apply(Wiederholt);
BENCHMARK(Nutzung_Zaehlen)->Apply(Wiederholt);
BENCHMARK(Tabelle_Summe)->Apply(Wiederholt);
