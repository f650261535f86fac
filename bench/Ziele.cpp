#include "Ziele.h"

#include <QFile>
#include <QSysInfo>
#include <QThread>
#include <QtGlobal>
#include <cstdio>
#include <string>

namespace {
// A goal: the median of `messung` at most `hoechstMs` and/or at most
// `hoechstFaktor` times the median of `basis` (negative: no such bound).
struct Ziel {
  const char* operation;
  const char* messung;
  const char* basis;
  const char* basisText;
  double hoechstMs;
  double hoechstFaktor;
};

const Ziel Ziele[] = {
    {"1 Free-offset search, worst case", "Freisuche_Aufgeben", "Nullen_Zaehlen", "std::count 0", 1.0, -1},
    {"1 Free-offset search, worst case", "Freisuche_Aufgeben", "Nullen_Zaehlen", "std::count 0", -1, 3.0},
    {"2 Tileset choice, whole + repaint", "Tilesetwahl", "Tilesetblock_Lesen", "read+decode", 5.0, -1},
    {"3 Zuteilen + Zuruekgeben, 96 tiles", "Zuteilen_Zurueckgeben", "Kachel_Codecs", "codecs only", 0.2, -1},
    {"4 Paint stroke, 200 events/16 tiles", "Malstrich", "Malstrich_Nackt", "bare widget", 20.0, -1},
    {"4a Undo of that stroke, repainted", "Strich_Rueckgaengig", "Malstrich", "the stroke", 1.0, -1},
    {"4b Redo of that stroke, repainted", "Strich_Wiederholen", "Malstrich", "the stroke", 1.0, -1},
    {"6 Image import 256x96, scan+fill", "Bild_Einlesen", "Bild_Abtasten", "QImage scan", 5.0, -1},
    {"8 Take back insertion (ptr+erase)", "Einfuegen_Zuruecknehmen", "Einfuegen_Zeiger_Loeschen",
     "the insertion", 5.0, -1},
    {"9 Tileset export, 128x48 PNG", "Bild_Speichern", "Png_Tileset", "QImage::save", 5.0, -1},
    {"10 Block sheet, 127 blocks PNG", "Bloecke_Speichern", "Png_Bloecke", "QImage::save", 20.0, -1},
    {"11 Block overview, whole from tiles", "Uebersicht_Ganz", "Bloecke_Speichern", "block sheet PNG", 5.0,
     -1},
    {"11a Stroke + overview shown updated", "Uebersicht_Strich", "Malstrich", "stroke, hidden", 20.0, -1},
    {"11b Tile usage count, 127 blocks", "Nutzung_Zaehlen", "Tabelle_Summe", "byte sum", 0.1, -1},
    {"12 BPS patch, moved tileset, make", "Bps_Erstellen", "Rom_Crc32", "CRC32 of the ROM", 20.0, -1},
    {"12 BPS patch, apply", "Bps_Anwenden", "Rom_Crc32", "CRC32 of the ROM", 20.0, -1},
    {"12 IPS patch, moved tileset, make", "Ips_Erstellen", "Rom_Crc32", "CRC32 of the ROM", 20.0, -1},
    {"12 IPS patch, apply", "Ips_Anwenden", "Rom_Crc32", "CRC32 of the ROM", 20.0, -1},
    {"13 Test-play until emulator started", "Testspiel_Starten", "Start_Nackt", "startDetached", 30.0, -1},
    {"14 Recovery write, 96 tiles + 4 KiB", "Wiederherstellung_Schreiben", "Datei_Schreiben",
     "QSaveFile alone", 5.0, -1},
};

std::string Maschine() {
  QFile cpu(QStringLiteral("/proc/cpuinfo"));
  QString modell = QStringLiteral("unknown CPU");
  if (cpu.open(QIODevice::ReadOnly)) {
    for (const QByteArray& zeile : cpu.readAll().split('\n')) {
      if (zeile.startsWith("model name")) {
        modell = QString::fromUtf8(zeile.mid(zeile.indexOf(':') + 1).trimmed());
        break;
      }
    }
  }
  return QStringLiteral("%1, %2 cores; %3; Qt %4, offscreen")
      .arg(modell)
      .arg(QThread::idealThreadCount())
      .arg(QSysInfo::prettyProductName(), QString::fromLatin1(qVersion()))
      .toStdString();
}

std::string Zieltext(const Ziel& z) {
  char text[32];
  if (z.hoechstMs >= 0)
    std::snprintf(text, sizeof text, "<= %g ms", z.hoechstMs);
  else
    std::snprintf(text, sizeof text, "<= %gx baseline", z.hoechstFaktor);
  return text;
}

std::string Ms(double ms) {
  char text[32];
  std::snprintf(text, sizeof text, ms < 0 ? "-" : ms < 0.1 ? "%.4f ms" : "%.3f ms", ms);
  return text;
}

void Zeile(const std::string& op, const std::string& median, const std::string& basis, double faktor,
           const std::string& ziel, bool erfuellt) {
  std::printf("%-37s %12s  %-26s %7.2fx  %-17s %s\n", op.c_str(), median.c_str(), basis.c_str(), faktor,
              ziel.c_str(), erfuellt ? "met" : "MISSED");
}

bool ZielZeile(const Medianbericht& bericht, const Ziel& z) {
  const double m = bericht.Median(z.messung), b = bericht.Median(z.basis);
  const double faktor = b > 0 ? m / b : -1;
  const bool erfuellt = m >= 0 && (z.hoechstMs < 0 || m <= z.hoechstMs) &&
                        (z.hoechstFaktor < 0 || (faktor >= 0 && faktor <= z.hoechstFaktor));
  Zeile(z.operation, Ms(m), Ms(b) + " (" + z.basisText + ")", faktor, Zieltext(z), erfuellt);
  return erfuellt;
}

std::string MiB(double wert) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f MiB", wert);
  return text;
}
}  // namespace

// Goal 5 from separate processes on an X server, not from the benchmark run.
bool StartZeile(const Startwerte& start) {
  const double faktor = start.programm > 0 && start.leer > 0 ? start.programm / start.leer : -1;
  const bool erfuellt = faktor > 0 && faktor <= 1.15;
  Zeile("5 Start-up until window mapped (X)", Ms(start.programm), Ms(start.leer) + " (bare Qt prog)", faktor,
        "<= 1.15x baseline", erfuellt);
  return erfuellt;
}

void StartInformation(const Medianbericht& bericht, const Startwerte& start) {
  std::printf("\nStart-up (process start until mapped, Xvfb, medians of 15 alternating runs):\n");
  std::printf("  main window: %s, tileset view with the demo ROM: %s, bare program: %s\n",
              Ms(start.programm).c_str(), Ms(start.ansicht).c_str(), Ms(start.leer).c_str());
  std::printf("  in process, building and showing until idle (no goal): %s, bare main window %s\n",
              Ms(bericht.Median("Start_Hauptfenster")).c_str(),
              Ms(bericht.Median("Start_Leerfenster")).c_str());
}

int TabelleDrucken(const Medianbericht& bericht, const Speicherwerte& speicher, const Startwerte& start) {
  std::printf("Machine: %s\n", Maschine().c_str());
  std::printf("Medians of 9 repetitions (wall time), baselines measured in the same run.\n\n");
  std::printf("%-37s %12s  %-26s %8s  %-17s %s\n", "operation", "median", "baseline", "ratio", "goal",
              "verdict");
  int erfuellt = 0, alle = 0;
  for (const Ziel& z : Ziele) {
    erfuellt += ZielZeile(bericht, z) ? 1 : 0;
    ++alle;
  }
  erfuellt += StartZeile(start) ? 1 : 0;
  ++alle;
  const double faktor = speicher.leerSpitze > 0 && speicher.programmSpitze > 0
                            ? speicher.programmSpitze / speicher.leerSpitze
                            : -1;
  const bool speicherGut = faktor > 0 && faktor <= 1.5;
  Zeile("7 Peak memory, every window open", MiB(speicher.programmSpitze),
        MiB(speicher.leerSpitze) + " (bare Qt prog)", faktor, "<= 1.5x baseline", speicherGut);
  erfuellt += speicherGut ? 1 : 0;
  ++alle;
  std::printf("\nMemory (VmHWM peak / VmRSS at the end, two processes side by side, median of 3):\n");
  std::printf("  program, every window open: %s / %s\n", MiB(speicher.programmSpitze).c_str(),
              MiB(speicher.programmJetzt).c_str());
  std::printf("  bare Qt widgets program:    %s / %s\n", MiB(speicher.leerSpitze).c_str(),
              MiB(speicher.leerJetzt).c_str());
  StartInformation(bericht, start);
  std::printf("%d of %d goals met\n", erfuellt, alle);
  return alle - erfuellt;
}
