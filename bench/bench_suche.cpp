// (1) The free-offset search over a ROM without any usable area: a full pass
// from the start and the give-up, against counting the zero bytes of the same
// buffer.
#include <benchmark/benchmark.h>

#include <algorithm>

#include "Benchwelt.h"
#include "Freisuche.h"
#include "Medianbericht.h"

namespace {
void Freisuche_Aufgeben(benchmark::State& state) {
  const QByteArray rom = VolleRom();
  for (auto _ : state) {
    const qint64 gefunden = Freisuche::Suchen(rom, 0);
    if (gefunden >= 0) state.SkipWithError("the worst-case ROM has a free area");
    benchmark::DoNotOptimize(gefunden);
  }
}

void Nullen_Zaehlen(benchmark::State& state) {
  const QByteArray rom = VolleRom();
  for (auto _ : state) {
    benchmark::DoNotOptimize(rom.constData());
    benchmark::DoNotOptimize(std::count(rom.begin(), rom.end(), '\0'));
  }
}
}  // namespace

BENCHMARK(Freisuche_Aufgeben)->Apply(Wiederholt);
BENCHMARK(Nullen_Zaehlen)->Apply(Wiederholt);
