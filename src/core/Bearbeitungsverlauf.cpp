#include "Bearbeitungsverlauf.h"

#include <algorithm>

Bearbeitungsverlauf::Bearbeitungsverlauf(Lesen lesen, Setzen setzen)
    : m_lesen(std::move(lesen)), m_setzen(std::move(setzen)) {}

void Bearbeitungsverlauf::Beginnen(const QString& name) {
  Beenden();
  m_offen = true;
  m_name = name;
}

void Bearbeitungsverlauf::Merken(int teil, const QString& name) {
  if (!m_offen) Beginnen(name);
  // A stroke touches few parts; a linear look keeps each event cheap.
  const bool bekannt =
      std::any_of(m_vorher.begin(), m_vorher.end(), [teil](const auto& v) { return v.first == teil; });
  if (!bekannt) m_vorher.emplace_back(teil, m_lesen(teil));
}

void Bearbeitungsverlauf::Beenden() {
  if (!m_offen) return;
  m_offen = false;
  std::vector<Teilaenderung> aenderungen;
  for (auto& [teil, vorher] : m_vorher) {
    QString nachher = m_lesen(teil);
    if (nachher != vorher) aenderungen.push_back({teil, std::move(vorher), std::move(nachher)});
  }
  m_vorher.clear();
  if (!aenderungen.empty()) m_stapel.push(new Bearbeitungsschritt(m_name, std::move(aenderungen), m_setzen));
}

void Bearbeitungsverlauf::Rückgängig() {
  Beenden();
  m_stapel.undo();
}

void Bearbeitungsverlauf::Wiederholen() {
  Beenden();
  m_stapel.redo();
}

void Bearbeitungsverlauf::Einsetzen(const QString& name, const std::vector<std::pair<int, QString>>& teile) {
  Beginnen(name);
  for (const auto& [teil, text] : teile) {
    Merken(teil, name);
    m_setzen(teil, text);
  }
  Beenden();
}

void Bearbeitungsverlauf::Geschrieben() {
  Beenden();
  m_stapel.setClean();
}

void Bearbeitungsverlauf::Leeren() {
  m_offen = false;
  m_vorher.clear();
  m_stapel.clear();
}
