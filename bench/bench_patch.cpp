// (11) BPS and IPS patches of a 2 MiB ROM with a moved tileset, made and
// applied, against reading the ROM's CRC32 once; (12) test-play: the copy
// with the painted tiles written until the emulator process is started,
// against starting the same process alone.
#include <benchmark/benchmark.h>

#include <QProcess>
#include <QSettings>

#include "Benchwelt.h"
#include "Bps.h"
#include "Ips.h"
#include "Kopftabelle.h"
#include "Medianbericht.h"
#include "Pruefsumme.h"
#include "Tilesetblock.h"
#include "frm_Angaben.h"

namespace {
struct Paar {
  QByteArray alt, neu;
};

// Tileset 3 moved to a free place, its pointer changed and its old copy erased.
const Paar& Verschoben() {
  static const Paar paar = [] {
    Paar p{Rombau::Rom(Benchplan()), {}};
    p.neu = p.alt;
    const qint64 alt = Kopftabelle::ZielVon(p.alt, 3);
    p.neu.replace(0x1C4000, Tilesetblock::Laenge, p.alt.mid(alt, Tilesetblock::Laenge));
    p.neu.replace(Kopftabelle::ZeigerOrt(3), 3, Rombau::Zeiger(0x1C4000));
    p.neu.replace(alt, Tilesetblock::Laenge, QByteArray(Tilesetblock::Laenge, '\0'));
    return p;
  }();
  return paar;
}

void Bps_Erstellen(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(Bps::Erstellen(Verschoben().alt, Verschoben().neu));
}
void Bps_Anwenden(benchmark::State& state) {
  const QByteArray patch = Bps::Erstellen(Verschoben().alt, Verschoben().neu);
  for (auto _ : state) benchmark::DoNotOptimize(Bps::Anwenden(patch, Verschoben().alt));
}
void Ips_Erstellen(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(Ips::Erstellen(Verschoben().alt, Verschoben().neu));
}
void Ips_Anwenden(benchmark::State& state) {
  const QByteArray patch = Ips::Erstellen(Verschoben().alt, Verschoben().neu).daten;
  for (auto _ : state) benchmark::DoNotOptimize(Ips::Anwenden(patch, Verschoben().alt));
}
void Rom_Crc32(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(Crc32(Verschoben().alt));
}

// `true` stands in for the emulator: it starts and ends at once.
void Testspiel_Starten(benchmark::State& state) {
  frm_Angaben& f = Benchwelt::Gemeinsam().Fenster();
  QSettings(QStringLiteral("ZERAN"), QStringLiteral("Tessaron"))
      .setValue(QStringLiteral("Einstelungen/Emulator"), QStringLiteral("true %ROM%"));
  for (auto _ : state) f.Cmd_Testen_Click();
}
// The detached start alone, from this same process.
void Start_Nackt(benchmark::State& state) {
  const QString rom = Benchwelt::Gemeinsam().Rom();
  for (auto _ : state) QProcess::startDetached(QStringLiteral("true"), {rom});
}
}  // namespace

BENCHMARK(Bps_Erstellen)->Apply(Wiederholt);
BENCHMARK(Bps_Anwenden)->Apply(Wiederholt);
BENCHMARK(Ips_Erstellen)->Apply(Wiederholt);
BENCHMARK(Ips_Anwenden)->Apply(Wiederholt);
BENCHMARK(Rom_Crc32)->Apply(Wiederholt);
BENCHMARK(Testspiel_Starten)->Apply(Wiederholt);
BENCHMARK(Start_Nackt)->Apply(Wiederholt);
