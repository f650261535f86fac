#pragma once

#include <QWidget>
#include <cstdint>

// A filled rectangle with a border of its own colour, the palette windows'
// swatches. Colours are platform values (red + 256 green + 65536 blue).
class Palettenform : public QWidget {
 public:
  explicit Palettenform(QWidget* parent = nullptr);

  void setFuellung(std::uint32_t farbe);
  void setRand(std::uint32_t farbe);
  std::uint32_t Fuellung() const { return m_fuellung; }
  std::uint32_t Rand() const { return m_rand; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::uint32_t m_fuellung = 0;
  std::uint32_t m_rand = 0;
};
