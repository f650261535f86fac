#pragma once

#include <QComboBox>
#include <QPushButton>
#include <QWidget>
#include <array>
#include <cstdint>

#include "Bearbeitungsverlauf.h"
#include "Einzeln.h"
#include "Flaeche.h"

// "Animationen editieren": the four tiles of the water or the flower
// animation, painted in the animation's palette at the current time of day
// and written straight back into the ROM. Closing the window discards it,
// after asking when it holds unwritten changes.
class frm_Animationen : public QWidget, public Einzeln<frm_Animationen> {
 public:
  frm_Animationen();

  // Loads the chosen animation from the open ROM; also when the entry was
  // chosen already, so the editor always shows what the ROM holds.
  void Animation_Click();
  void Cmd_Speichern_Click();
  // The tiles in the palette of the current time of day, as they are.
  void Umfaerben();

  // One step per stroke (parts: Bild 1..4); choosing an animation starts it afresh.
  Bearbeitungsverlauf& Verlauf() { return m_verlauf; }

  QComboBox* Animation = nullptr;
  QPushButton* Cmd_Speichern = nullptr;
  std::array<Fläche2*, 5> Bild{};  // 1..4

  // Per entry (1 "Wasser", 2 "Blumen"): ROM offset of the first tile and the
  // palette that shows the tiles.
  std::array<QString, 3> AnimOffset;
  std::array<int, 3> AnimPalette{};
  std::array<std::uint32_t, 5> AnimFarbe{};  // 1..4

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void Aufbauen();
  QString UngeschriebenText() const;
  void BildVerbinden(int i);

  Bearbeitungsverlauf m_verlauf;
  int m_gezeigt = -1;  // the entry read
};
