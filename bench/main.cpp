// Runs every benchmark (offscreen), measures the memory of two processes side
// by side, times start-up on an X server and prints the table of goals.
// Exits non-zero when a goal is missed.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdio>

#include "Benchwelt.h"
#include "Medianbericht.h"
#include "Speichermessung.h"
#include "Startmessung.h"
#include "Ziele.h"

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  Medianbericht bericht;
  benchmark::RunSpecifiedBenchmarks(&bericht);
  const int meldungen = Benchwelt::Gemeinsam().Meldungen();
  Benchwelt::Beenden();
  benchmark::Shutdown();
  if (meldungen > 0) std::fprintf(stderr, "warning: %d messages were shown during the run\n", meldungen);
  return TabelleDrucken(bericht, SpeicherMessen(3), StartMessen(15)) == 0 ? 0 : 1;
}
