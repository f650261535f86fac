// (11) The recovery write of a realistic unwritten state (96 tiles and a few
// KiB of editor data), against writing the same bytes with QSaveFile alone.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QSaveFile>
#include <QTemporaryDir>

#include "Medianbericht.h"
#include "Wiederherstellung.h"

namespace {
// The per-user data folder of the run is a temporary one, never the user's.
class Datenordner {
 public:
  Datenordner() : m_vorher(qgetenv("XDG_DATA_HOME")) { qputenv("XDG_DATA_HOME", m_ordner.path().toUtf8()); }
  ~Datenordner() { qputenv("XDG_DATA_HOME", m_vorher); }

 private:
  QTemporaryDir m_ordner;
  QByteArray m_vorher;
};

Wiederherstellungsstand Stand() {
  QByteArray kacheln(96 * 16, '\0'), bloecke(4096, '\0');
  for (int i = 0; i < kacheln.size(); ++i) kacheln[i] = static_cast<char>(i * 13);
  for (int i = 0; i < bloecke.size(); ++i) bloecke[i] = static_cast<char>(i / 3);
  return {QStringLiteral("/home/spieler/Spiel (G) [C].gbc"),
          0x89ABCDEF,
          9,
          QDateTime::currentDateTime(),
          {{QStringLiteral("Kacheln"), kacheln}, {QStringLiteral("Bloecke"), bloecke}}};
}

void Wiederherstellung_Schreiben(benchmark::State& state) {
  Datenordner ordner;
  const Wiederherstellungsstand stand = Stand();
  QString fehler;
  for (auto _ : state)
    if (!Wiederherstellung::Schreiben(stand, &fehler)) state.SkipWithError(qPrintable(fehler));
}

void Datei_Schreiben(benchmark::State& state) {
  Datenordner ordner;
  const QByteArray inhalt = Wiederherstellung::Kodieren(Stand());
  const QString pfad = Wiederherstellung::Datei(Stand().RomPfad);
  QDir().mkpath(Wiederherstellung::Ordner());
  for (auto _ : state) {
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly) || datei.write(inhalt) != inhalt.size() || !datei.commit())
      state.SkipWithError("QSaveFile failed");
  }
}
}  // namespace

BENCHMARK(Wiederherstellung_Schreiben)->Apply(Wiederholt);
BENCHMARK(Datei_Schreiben)->Apply(Wiederholt);
