#pragma once

#include <QLabel>
#include <QWidget>
#include <array>
#include <cstdint>

#include "Einzeln.h"

class Fläche;

// Fills a swatch (a label standing for a filled shape) with a screen colour.
void Fuellen(QWidget* flaeche, std::uint32_t farbe);

// The colour chooser "Farben Palette": the four display colours of the tile
// under the mouse, and the colour numbers bound to the two mouse buttons.
class Frm_Farben : public QWidget, public Einzeln<Frm_Farben> {
 public:
  Frm_Farben();

  // The swatches follow a tile: its colour text gives Tilefarben(1..4), the
  // fill of f1(1..4), and the colours of Links and Rechts.
  void Folgen(const Fläche& tile);
  // Farben(FarbeLinks, FarbeRechts) on every tile that paints.
  void FarbenVerteilen();

  std::array<QLabel*, 5> f1{};    // 1..4: swatches of the display colours
  std::array<QLabel*, 5> Farb{};  // 1..4: receive the clicks on the swatches
  QLabel* Links = nullptr;
  QLabel* Rechts = nullptr;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void Farb_MouseDown(int n, int Button);
};
