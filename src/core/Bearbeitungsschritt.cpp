#include "Bearbeitungsschritt.h"

#include <utility>

Bearbeitungsschritt::Bearbeitungsschritt(const QString& name, std::vector<Teilaenderung> aenderungen,
                                         Setzen setzen)
    : m_aenderungen(std::move(aenderungen)), m_setzen(std::move(setzen)) {
  setText(name);
}

void Bearbeitungsschritt::undo() {
  for (auto it = m_aenderungen.rbegin(); it != m_aenderungen.rend(); ++it) m_setzen(it->teil, it->vorher);
}

void Bearbeitungsschritt::redo() {
  // QUndoStack::push redoes at once; the change is already on the screen.
  if (std::exchange(m_schonGetan, false)) return;
  for (const Teilaenderung& a : m_aenderungen) m_setzen(a.teil, a.nachher);
}
