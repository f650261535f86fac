#pragma once

#include <QLabel>
#include <cstdint>
#include <functional>

// A label of the palette windows that shows a colour text, written in (and
// optionally filled with) a colour, and reports a click.
class Palettenlabel : public QLabel {
 public:
  explicit Palettenlabel(const QString& text, QWidget* parent = nullptr);

  void setSchrift(std::uint32_t farbe);
  void setHintergrund(std::uint32_t farbe);
  std::uint32_t Schrift() const { return m_schrift; }

  std::function<void()> Click;

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  std::uint32_t m_schrift = 0;
};
