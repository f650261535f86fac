#pragma once

#include <QString>
#include <QUndoCommand>
#include <functional>
#include <vector>

// One part of an editor's content (a tile, a block) as it was before a step
// and after it, each as the editor's own text of it.
struct Teilaenderung {
  int teil;
  QString vorher;
  QString nachher;
};

// One step of editing that can be taken back and done again. It keeps only
// the parts it changed, so a long stroke over a few tiles stays small, and
// undoing it touches (and repaints) nothing else.
class Bearbeitungsschritt : public QUndoCommand {
 public:
  using Setzen = std::function<void(int teil, const QString& text)>;

  // The parts already hold their new texts when the step is made.
  Bearbeitungsschritt(const QString& name, std::vector<Teilaenderung> aenderungen, Setzen setzen);

  void undo() override;
  void redo() override;

 private:
  std::vector<Teilaenderung> m_aenderungen;
  Setzen m_setzen;
  bool m_schonGetan = true;
};
