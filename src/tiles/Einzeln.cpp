#include "Einzeln.h"

namespace {
std::vector<std::function<void()>>& Liste() {
  static std::vector<std::function<void()>> liste;
  return liste;
}
}  // namespace

void EinzelnRegistrieren(std::function<void()> entladen) { Liste().push_back(std::move(entladen)); }

void AlleEntladen() {
  // Unloading may load nothing new, but may unload others: take the list first.
  auto liste = std::move(Liste());
  Liste().clear();
  for (auto it = liste.rbegin(); it != liste.rend(); ++it) (*it)();
}
