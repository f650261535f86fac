#include "Ungeschrieben.h"

#include <QWidget>
#include <algorithm>
#include <vector>

#include "Meldung.h"

namespace Ungeschrieben {
namespace {
struct Eintrag {
  const QWidget* fenster;
  std::function<QString()> text;
  std::function<void()> speichern;
};

std::vector<Eintrag>& Eintraege() {
  static std::vector<Eintrag> eintraege;
  return eintraege;
}

bool EinzelnFragen(const Eintrag& e) {
  const QString text = e.text();
  if (text.isEmpty()) return true;
  const Antwort a = Meldung(text, {}, e.speichern ? Knoepfe::SpeichernVerwerfen : Knoepfe::Verwerfen);
  if (a == Antwort::Verwerfen) return true;
  if (a != Antwort::Speichern) return false;
  e.speichern();
  return e.text().isEmpty();
}
}  // namespace

void Anmelden(QWidget& fenster, std::function<QString()> text, std::function<void()> speichern) {
  Eintraege().push_back({&fenster, std::move(text), std::move(speichern)});
  QObject::connect(&fenster, &QObject::destroyed, [f = &fenster] {
    std::erase_if(Eintraege(), [f](const Eintrag& e) { return e.fenster == f; });
  });
}

bool Fragen(const Auswahl& betroffen) {
  // A save may open windows: the list is walked as it was.
  const std::vector<Eintrag> eintraege = Eintraege();
  for (const Eintrag& e : eintraege)
    if ((!betroffen || betroffen(*e.fenster)) && !EinzelnFragen(e)) return false;
  return true;
}

bool Fragen(const QWidget& fenster) {
  return Fragen([&fenster](const QWidget& f) { return &f == &fenster; });
}

bool Vorhanden() {
  return std::any_of(Eintraege().begin(), Eintraege().end(),
                     [](const Eintrag& e) { return !e.text().isEmpty(); });
}

}  // namespace Ungeschrieben
