#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>
#include <optional>

#include "Wiederherstellung.h"

// Debounces the recovery write: Geaendert() after each edit (cheap: restarts a single-shot
// timer, no copying, nothing on the paint path); on timeout (500 ms after the last edit, at
// most 1 s after the first one not yet on disk) it asks `stand` for the current state and
// writes it, or removes the file when `stand` returns nullopt (nothing unwritten any more).
// JetztSchreiben() does it at once (tests, benchmarks). Fehler: a callback for a failed write
// (reported once per failure streak).
class Wiederherstellungsplaner : public QObject {
 public:
  using Quelle = std::function<std::optional<Wiederherstellungsstand>()>;
  static constexpr int Ruhe = 500;          // ms without an edit before writing
  static constexpr int Spaetestens = 1000;  // ms after the first unwritten edit

  explicit Wiederherstellungsplaner(QString romPfad, Quelle stand, QObject* parent = nullptr);
  void Geaendert();
  void JetztSchreiben();
  void Verwerfen();  // stop the timer and remove the file (changes written or discarded)
  std::function<void(const QString&)> Fehler;

 private:
  QString m_romPfad;
  Quelle m_stand;
  QTimer m_zeitgeber;
  QElapsedTimer m_seitErstem;  // invalid while nothing waits
  bool m_fehlerGemeldet = false;
};
