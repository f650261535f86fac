#include "Bildfeld.h"

#include <QMouseEvent>
#include <QPainter>

#include "Blockbild.h"

namespace {
int Knoepfe(Qt::MouseButtons b) {
  return (b & Qt::LeftButton ? 1 : 0) | (b & Qt::RightButton ? 2 : 0) | (b & Qt::MiddleButton ? 4 : 0);
}

int Umschalt(Qt::KeyboardModifiers m) {
  return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) | (m & Qt::AltModifier ? 4 : 0);
}
}  // namespace

Bildfeld::Bildfeld(int breite, int hoehe, QWidget* parent)
    : QWidget(parent), m_bild(Blockbild::Leer(breite, hoehe)) {
  setFixedSize(breite, hoehe);
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void Bildfeld::Setzen(const QImage& bild) {
  m_bild = bild.convertToFormat(QImage::Format_RGB32);
  update();
}

void Bildfeld::Aendern(const std::function<void(QImage&)>& aenderung) {
  aenderung(m_bild);
  update();
}

void Bildfeld::Leeren() { Setzen(Blockbild::Leer(m_bild.width(), m_bild.height())); }

void Bildfeld::paintEvent(QPaintEvent*) {
  QPainter maler(this);
  maler.drawImage(0, 0, m_bild);
}

void Bildfeld::mousePressEvent(QMouseEvent* event) {
  const QPointF p = event->position();
  if (MouseDown) MouseDown(Knoepfe(event->button()), Umschalt(event->modifiers()), p.x(), p.y());
}

void Bildfeld::mouseMoveEvent(QMouseEvent* event) {
  const QPointF p = event->position();
  if (MouseMove) MouseMove(Knoepfe(event->buttons()), Umschalt(event->modifiers()), p.x(), p.y());
}

void Bildfeld::mouseReleaseEvent(QMouseEvent* event) {
  const QPointF p = event->position();
  if (MouseUp) MouseUp(Knoepfe(event->button()), Umschalt(event->modifiers()), p.x(), p.y());
}
