#pragma once

#include <QRect>
#include <QWidget>

// The look of every window but the tileset view: dark blue, white text.
void Dunkelblau(QWidget& fenster);

// Names a control and places it.
template <class T>
T* Element(T* w, const QString& name, QRect ort) {
  w->setObjectName(name);
  w->setGeometry(ort);
  return w;
}

// A rectangle given in twips (15 to a screen pixel), in pixels.
constexpr QRect Twips(int links, int oben, int breite, int hoehe) {
  return QRect(links / 15, oben / 15, breite / 15, hoehe / 15);
}
