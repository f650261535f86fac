#pragma once

class Bearbeitungsverlauf;
class QAction;
class QWidget;

// The undo and redo commands of an editor's history, as actions of `fenster`
// (so their keys work while it is active): "&Rückgängig" and "&Wiederholen",
// followed by the name of the step they act on, disabled when there is none.
// Keys: the platform's undo and redo keys, and Ctrl+Y and Ctrl+Shift+Z on
// every platform.
struct Verlaufsbefehle {
  QAction* Cmd_Rückgängig;
  QAction* Cmd_Wiederholen;
};

Verlaufsbefehle VerlaufsbefehleAnlegen(QWidget& fenster, Bearbeitungsverlauf& verlauf);
