#include "Selbsttest.h"

#include <QCoreApplication>
#include <QTimer>
#include <cstdio>

#include "Meldung.h"
#include "Module1.h"

namespace {
void Pruefen() {
  const bool offen = !Module1.RomDatei.isEmpty();
  if (offen)
    std::printf("Rom geöffnet: %s\nSeitendateien in: %s\n", qUtf8Printable(Module1.RomDatei),
                qUtf8Printable(Module1.ProgOrdner));
  std::fflush(stdout);
  QCoreApplication::exit(offen ? 0 : 1);
}
}  // namespace

void SelbsttestEinrichten() {
  if (!qEnvironmentVariableIsSet("TESSARON_SELBSTTEST")) return;
  MeldungSetzen([](const QString& text, const QString& titel, Knoepfe knoepfe) {
    std::fprintf(stderr, "Meldung \"%s\": %s\n", qUtf8Printable(titel), qUtf8Printable(text));
    return Ablehnung(knoepfe);
  });
  // Twice deferred: the ROM named on the command line opens once the event
  // loop runs, after this was set up.
  QTimer::singleShot(0, [] { QTimer::singleShot(0, Pruefen); });
}
