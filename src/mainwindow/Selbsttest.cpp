#include "Selbsttest.h"

#include <QCoreApplication>
#include <QTimer>
#include <cstdio>

#include "Meldung.h"
#include "Module1.h"

void SelbsttestEinrichten() {
  if (!qEnvironmentVariableIsSet("TESSARON_SELBSTTEST")) return;
  MeldungSetzen([](const QString& text, const QString& titel, Knoepfe knoepfe) {
    std::fprintf(stderr, "Meldung \"%s\": %s\n", qUtf8Printable(titel), qUtf8Printable(text));
    return knoepfe == Knoepfe::OK ? Antwort::OK : Antwort::Nein;
  });
  QTimer::singleShot(0, [] {
    const bool offen = !Module1.RomDatei.isEmpty();
    if (offen)
      std::printf("Rom geöffnet: %s\nSeitendateien in: %s\n", qUtf8Printable(Module1.RomDatei),
                  qUtf8Printable(Module1.ProgOrdner));
    std::fflush(stdout);
    QCoreApplication::exit(offen ? 0 : 1);
  });
}
