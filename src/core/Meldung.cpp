#include "Meldung.h"

#include <QCoreApplication>
#include <cstdio>

#include "Module1.h"

namespace {
MeldungsFunktion& Funktion() {
  static MeldungsFunktion funktion;
  return funktion;
}
}  // namespace

void MeldungSetzen(MeldungsFunktion funktion) { Funktion() = std::move(funktion); }

Antwort Meldung(const QString& text, const QString& titel, Knoepfe knoepfe) {
  if (Funktion()) return Funktion()(text, titel, knoepfe);
  std::fprintf(stderr, "%s: %s\n", qUtf8Printable(titel), qUtf8Printable(text));
  return Ablehnung(knoepfe);
}

Antwort Ablehnung(Knoepfe knoepfe) {
  if (knoepfe == Knoepfe::OK) return Antwort::OK;
  const bool verwerfen = knoepfe == Knoepfe::Verwerfen || knoepfe == Knoepfe::SpeichernVerwerfen;
  return verwerfen ? Antwort::Abbrechen : Antwort::Nein;
}

bool KeinRomOffen() {
  if (!Module1.RomDatei.isEmpty()) return false;
  Meldung(
      QCoreApplication::translate("Meldung", "Es ist keine Romdatei geöffnet. Bitte zuerst ein Rom öffnen."),
      QCoreApplication::translate("Meldung", "Fehler"));
  return true;
}
