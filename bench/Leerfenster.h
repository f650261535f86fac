#pragma once

#include <QMainWindow>

// The baseline of start-up and memory: a bare main window with the same menu
// bar as the program's (eight menus, the same items, shortcuts and states) and
// nothing else.
class Leerfenster : public QMainWindow {
 public:
  Leerfenster();
};
