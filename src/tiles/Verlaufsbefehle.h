#pragma once

#include <functional>

class Bearbeitungsverlauf;
class QAction;
class QWidget;

// The undo and redo commands of all editors: one pair, in the main window's
// "&Bearbeiten" menu, acting on the history of the editor whose window is
// active (the tileset view's when no editor's window is). "&Rückgängig" and
// "&Wiederholen", followed by the name of the step they act on, disabled when
// there is none. Keys: the platform's undo and redo keys, and Ctrl+Y and
// Ctrl+Shift+Z on every platform, in every window of the program.
struct Verlaufsbefehle {
  QAction* Cmd_Rückgängig;
  QAction* Cmd_Wiederholen;
};

Verlaufsbefehle VerlaufsbefehleAnlegen(QWidget& hauptfenster);

// Joins an editor's history to the commands: they act on it while `fenster`
// is active, and `fenster` shows the modified marker ("[*]" in its title)
// while the history is away from its clean state. `standard`: the history
// for every other window.
void VerlaufAnmelden(QWidget& fenster, Bearbeitungsverlauf& verlauf, bool standard = false);

// Called after every step, undo, redo and fresh start of any joined history
// (not during a stroke); empty to stop.
void VerlaufBeobachten(std::function<void()> geaendert);
