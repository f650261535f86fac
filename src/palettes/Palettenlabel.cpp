#include "Palettenlabel.h"

#include <QMouseEvent>

#include "Flaeche.h"

namespace {
// The labels' own background where no colour fills them: the platform's
// button face, on which dark and light colour texts both stay readable.
constexpr std::uint32_t Knopfflaeche = 212 + 256 * 208 + 65536 * 200;
}  // namespace

Palettenlabel::Palettenlabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  setAlignment(Qt::AlignCenter);
  setAutoFillBackground(true);
  setHintergrund(Knopfflaeche);
}

void Palettenlabel::setSchrift(std::uint32_t farbe) {
  m_schrift = farbe;
  QPalette pal = palette();
  pal.setColor(QPalette::WindowText, VbFarbe(farbe));
  setPalette(pal);
}

void Palettenlabel::setHintergrund(std::uint32_t farbe) {
  QPalette pal = palette();
  pal.setColor(QPalette::Window, VbFarbe(farbe));
  setPalette(pal);
}

void Palettenlabel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && Click) Click();
  QLabel::mousePressEvent(event);
}
