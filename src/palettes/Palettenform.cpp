#include "Palettenform.h"

#include <QPainter>

#include "Flaeche.h"

namespace {
constexpr int RandBreite = 3;
}

Palettenform::Palettenform(QWidget* parent) : QWidget(parent) {}

void Palettenform::setFuellung(std::uint32_t farbe) {
  m_fuellung = farbe;
  update();
}

void Palettenform::setRand(std::uint32_t farbe) {
  m_rand = farbe;
  update();
}

void Palettenform::paintEvent(QPaintEvent*) {
  QPainter maler(this);
  maler.fillRect(rect(), VbFarbe(m_rand));
  maler.fillRect(rect().adjusted(RandBreite, RandBreite, -RandBreite, -RandBreite), VbFarbe(m_fuellung));
}
