// (6) Image import of a 256 x 96 picture: the colour scan the window runs on
// loading and the fill of the 96 tiles of the view, repainted; against a bare
// scan of the same picture positions.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>

#include "Benchwelt.h"
#include "Bildimport.h"
#include "Frm_Bearbeiten.h"
#include "Frm_Bild.h"
#include "Medianbericht.h"

namespace {
// Four colours in bands and checks, as a tileset picture might have.
QImage Bild() {
  QImage bild(256, 96, QImage::Format_RGB32);
  const QRgb farben[] = {qRgb(0, 0, 0), qRgb(72, 160, 72), qRgb(64, 112, 216), qRgb(248, 248, 232)};
  for (int y = 0; y < bild.height(); ++y)
    for (int x = 0; x < bild.width(); ++x) bild.setPixel(x, y, farben[(x / 6 + y / 4 + (x ^ y) / 16) % 4]);
  return bild;
}

// The window with the picture loaded and every colour assigned.
Frm_Bild& Bildfenster(const QImage& bild) {
  Benchwelt& welt = Benchwelt::Gemeinsam();
  welt.Fenster();
  const QString pfad = welt.Ordner() + QStringLiteral("/bild.bmp");
  bild.save(pfad);
  Frm_Bild& fenster = Frm_Bild::Instanz();
  fenster.Opt_96256->setChecked(true);
  fenster.BildLaden(pfad);
  for (int k = 0; fenster.Cbo_Inhalt->count() > 0; ++k) {
    fenster.Cbo_Farben->setCurrentIndex(k % 4);
    fenster.Cmd_OK_Click();
  }
  return fenster;
}

void Bild_Einlesen(benchmark::State& state) {
  const QImage bild = Bild();
  Frm_Bild& fenster = Bildfenster(bild);
  Frm_Bearbeiten& ansicht = Frm_Bearbeiten::Instanz();
  const QString leer(48, QLatin1Char('0'));
  for (auto _ : state) {
    // Every fill changes every tile, so each repaints the whole view.
    state.PauseTiming();
    for (int i = 1; i <= ansicht.AnzahlTiles(); ++i) ansicht.Fläche(i).Zuteilen(leer);
    QApplication::processEvents();
    state.ResumeTiming();
    benchmark::DoNotOptimize(Bildimport::Farberkennung(bild, fenster.Faktor));
    fenster.Cmd_Einfügen_Click();
    QApplication::processEvents();
  }
}

void Bild_Abtasten(benchmark::State& state) {
  const QImage bild = Bild();
  for (auto _ : state) {
    quint64 summe = 0;
    for (int y = 0; y < Bildimport::Hoehe; ++y)
      for (int x = 0; x < Bildimport::Breite; ++x) summe += bild.pixel(2 * x, 2 * y);
    benchmark::DoNotOptimize(summe);
  }
}
}  // namespace

BENCHMARK(Bild_Einlesen)->Apply(Wiederholt);
BENCHMARK(Bild_Abtasten)->Apply(Wiederholt);
