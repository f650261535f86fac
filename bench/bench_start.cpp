// (5) Start-up: the main window with everything its load creates (the tile
// controls, the options and palette windows), shown, until the event loop is
// idle; against a bare main window with the same menu bar. Only building and
// showing are timed, not the teardown.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <chrono>
#include <memory>

#include "Benchwelt.h"
#include "Einzeln.h"
#include "Leerfenster.h"
#include "Medianbericht.h"
#include "frm_Angaben.h"

namespace {
void Leerlauf() {
  QApplication::processEvents();
  QApplication::processEvents();
}

template <class Bauen>
void Starten(benchmark::State& state, Bauen bauen) {
  for (auto _ : state) {
    const auto beginn = std::chrono::steady_clock::now();
    auto fenster = bauen();
    fenster->show();
    Leerlauf();
    state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - beginn).count());
    fenster.reset();
    AlleEntladen();
    QApplication::processEvents();
  }
}

void Start_Hauptfenster(benchmark::State& state) {
  Benchwelt& welt = Benchwelt::Gemeinsam();
  welt.FensterWeg();
  Starten(state, [&welt] { return std::make_unique<frm_Angaben>(welt.Ordner()); });
}

void Start_Leerfenster(benchmark::State& state) {
  Starten(state, [] { return std::make_unique<Leerfenster>(); });
}
}  // namespace

BENCHMARK(Start_Hauptfenster)->Apply(Wiederholt)->UseManualTime();
BENCHMARK(Start_Leerfenster)->Apply(Wiederholt)->UseManualTime();
