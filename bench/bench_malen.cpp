// (4) A painting stroke: 200 mouse moves with a button held, from tile 1
// across the top row to tile 16, each delivered to the tileset view and
// painted before the next, with the recovery file kept (the ROM is open, so
// its debounced write may fall into a stroke); against the same events to a
// bare widget that repaints one cell each.
// (4a, 4b) Undo and redo of such a stroke, repainted: one step of the view's
// history, which sets back only the tiles the stroke changed.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "Bearbeitungsverlauf.h"
#include "Benchwelt.h"
#include "Frm_Bearbeiten.h"
#include "Medianbericht.h"

namespace {
struct Malzaehler : QObject {
  double anzahl = 0;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++anzahl;
    return false;
  }
};

// The least a widget can do per event: repaint the cell under the mouse.
struct NackteFlaeche : QWidget {
  NackteFlaeche() { setFixedSize(Strichbreite, 40); }
  void mouseMoveEvent(QMouseEvent* e) override {
    const QPoint p = e->position().toPoint();
    update(p.x() / 5 * 5, p.y() / 5 * 5, 5, 5);
  }
  void paintEvent(QPaintEvent* e) override { QPainter(this).fillRect(e->rect(), Qt::darkGreen); }
};

void Malstrich(benchmark::State& state) {
  Benchwelt::Gemeinsam().Fenster();
  Frm_Bearbeiten& ansicht = Frm_Bearbeiten::Instanz();
  Malzaehler zaehler;
  for (int i = 1; i <= ansicht.AnzahlTiles(); ++i) ansicht.Fläche(i).installEventFilter(&zaehler);
  QApplication::processEvents();
  zaehler.anzahl = 0;
  int n = 0;
  for (auto _ : state) Strich(ansicht.Fläche(1), n++);
  state.counters["tile_paints"] = benchmark::Counter(zaehler.anzahl, benchmark::Counter::kAvgIterations);
  for (int i = 1; i <= ansicht.AnzahlTiles(); ++i) ansicht.Fläche(i).removeEventFilter(&zaehler);
}

void Malstrich_Nackt(benchmark::State& state) {
  NackteFlaeche flaeche;
  flaeche.show();
  QApplication::processEvents();
  int n = 0;
  for (auto _ : state) Strich(flaeche, n++);
}

// Times `hin` (undo or redo) with its repaint; `zurueck` puts the step back untimed.
void Verlaufsschritt(benchmark::State& state, bool rueckgaengig) {
  Benchwelt::Gemeinsam().Fenster();
  Frm_Bearbeiten& ansicht = Frm_Bearbeiten::Instanz();
  Bearbeitungsverlauf& verlauf = ansicht.Verlauf();
  verlauf.Leeren();
  for (int i = 1; i <= 16; ++i) ansicht.Fläche(i).Direkt(QString(64, QLatin1Char('4')));
  Strich(ansicht.Fläche(1), 0);
  if (!rueckgaengig) verlauf.Rückgängig();
  QApplication::processEvents();
  const auto hin = rueckgaengig ? &Bearbeitungsverlauf::Rückgängig : &Bearbeitungsverlauf::Wiederholen;
  const auto zurueck = rueckgaengig ? &Bearbeitungsverlauf::Wiederholen : &Bearbeitungsverlauf::Rückgängig;
  for (auto _ : state) {
    (verlauf.*hin)();
    QApplication::processEvents();
    state.PauseTiming();
    (verlauf.*zurueck)();
    QApplication::processEvents();
    state.ResumeTiming();
  }
  verlauf.Leeren();
}

void Strich_Rueckgaengig(benchmark::State& state) { Verlaufsschritt(state, true); }
void Strich_Wiederholen(benchmark::State& state) { Verlaufsschritt(state, false); }
}  // namespace

BENCHMARK(Malstrich)->Apply(Wiederholt);
BENCHMARK(Malstrich_Nackt)->Apply(Wiederholt);
BENCHMARK(Strich_Rueckgaengig)->Apply(Wiederholt);
BENCHMARK(Strich_Wiederholen)->Apply(Wiederholt);
