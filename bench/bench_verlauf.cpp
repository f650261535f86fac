// (8) Taking back an insertion with pointer and erase, every window showing
// the ROM again; against the insertion itself, also with every window
// updated.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>

#include "Benchwelt.h"
#include "Medianbericht.h"
#include "Sicherungskopie.h"
#include "frm_Angaben.h"

namespace {
// Tileset 2, moved by the editor: inserting it elsewhere writes its pointer
// and erases its previous copy.
frm_Angaben& Bereit() {
  frm_Angaben& f = Benchwelt::Gemeinsam().Fenster();
  Sicherungskopie::Einschalten(false);  // the one copy per run is not what is measured
  f.Auswahl->setCurrentIndex(1);
  f.Auswahl_Click();
  return f;
}

void Einfuegen(frm_Angaben& f) {
  f.Txt_Ort->setText(QStringLiteral("190000"));
  f.Cmd_Einfügen_Click();
  Benchwelt::Gemeinsam().MeldungErwartet();
  QApplication::processEvents();
}

void Zuruecknehmen(frm_Angaben& f) {
  f.Cmd_Zurücknehmen->trigger();
  QApplication::processEvents();
}

void Einfuegen_Zuruecknehmen(benchmark::State& state) {
  frm_Angaben& f = Bereit();
  for (auto _ : state) {
    state.PauseTiming();
    Einfuegen(f);
    state.ResumeTiming();
    Zuruecknehmen(f);
  }
}

void Einfuegen_Zeiger_Loeschen(benchmark::State& state) {
  frm_Angaben& f = Bereit();
  for (auto _ : state) {
    Einfuegen(f);
    state.PauseTiming();
    Zuruecknehmen(f);
    state.ResumeTiming();
  }
}
}  // namespace

BENCHMARK(Einfuegen_Zuruecknehmen)->Apply(Wiederholt);
BENCHMARK(Einfuegen_Zeiger_Loeschen)->Apply(Wiederholt);
