// The baseline of start-up as a user feels it: a bare Qt widgets program that
// shows a main window with the program's menu bar and waits.
#include <QApplication>

#include "Leerfenster.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  Leerfenster fenster;
  fenster.show();
  return app.exec();
}
