#include "Dunkelblau.h"

void Dunkelblau(QWidget& fenster) {
  QPalette pal = fenster.palette();
  pal.setColor(QPalette::Window, QColor(0, 0, 128));
  pal.setColor(QPalette::WindowText, Qt::white);
  fenster.setPalette(pal);
  fenster.setAutoFillBackground(true);
}
