#pragma once

#include <QString>
#include <QUndoStack>
#include <functional>
#include <utility>
#include <vector>

#include "Bearbeitungsschritt.h"

// The undo history of one editor, and the step it is recording: the parts a
// stroke touches are noted as they were before it first changes them, and
// when the step ends only the parts that really changed become the step.
// A step that changed nothing is not kept.
class Bearbeitungsverlauf {
 public:
  using Lesen = std::function<QString(int teil)>;
  using Setzen = Bearbeitungsschritt::Setzen;

  Bearbeitungsverlauf(Lesen lesen, Setzen setzen);
  Bearbeitungsverlauf(const Bearbeitungsverlauf&) = delete;
  Bearbeitungsverlauf& operator=(const Bearbeitungsverlauf&) = delete;

  QUndoStack& Stapel() { return m_stapel; }
  // No change since the content was read or written (an open step counts).
  bool Sauber() const { return !m_offen && m_stapel.isClean(); }

  // Starts a step; a step still open ends first.
  void Beginnen(const QString& name);
  // Notes `teil` before the open step changes it (once per step); opens a
  // step named `name` when none is open, as when a stroke goes on after one
  // of two held buttons was released.
  void Merken(int teil, const QString& name);
  // Ends the open step, if any.
  void Beenden();
  // Both end the open step first: pressed during a stroke, undo takes back
  // the stroke so far.
  void Rückgängig();
  void Wiederholen();
  // A fresh history: the content was read again (clean there).
  void Leeren();
  // The content was written: an open step ends and the history is clean there.
  void Geschrieben();

  // A part's text as it is now.
  QString Teil(int teil) const { return m_lesen(teil); }
  // Puts texts into parts as one step named `name`.
  void Einsetzen(const QString& name, const std::vector<std::pair<int, QString>>& teile);

 private:
  Lesen m_lesen;
  Setzen m_setzen;
  QUndoStack m_stapel;
  bool m_offen = false;
  QString m_name;
  std::vector<std::pair<int, QString>> m_vorher;
};
