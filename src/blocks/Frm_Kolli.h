#pragma once

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <array>

#include "Bearbeitungsverlauf.h"
#include "Bildfeld.h"
#include "Einzeln.h"

// The collision editor: the current block split into its four 2 x 2-tile
// quadrants, one value chooser beside each, and the four bytes written back.
// It also holds the tileset change (Auswahl) that sets up itself and the block
// editor, which it loads with itself.
class Frm_Kolli : public QWidget, public Einzeln<Frm_Kolli> {
 public:
  Frm_Kolli();

  void Auswahl();
  void Cbo_Block_Click();
  void Zuteilen();
  void Zuteilen2();
  int Ort(int Linie, int Reihe, int Brei) const;
  void Cmd_Speichern_Click();
  // This editor and the block editor in the tiles' current colours.
  void Umfaerben();

  // One step per chosen value (one part: the four choosers' positions);
  // reading a record starts it afresh.
  Bearbeitungsverlauf& Verlauf() { return m_verlauf; }

  // Short lists (only the explained values) or full lists 00..FF.
  void ListenModus(bool kurz);
  bool KurzeListen() const { return m_kurz; }

  // How often this window has read a collision record from the ROM.
  int Ladevorgaenge() const { return m_ladevorgaenge; }

  QComboBox* Cbo_Block = nullptr;
  QLabel* Lbl_Ort = nullptr;
  std::array<Bildfeld*, 5> Pic_Aussehen{};  // 1..4
  std::array<QComboBox*, 5> Cbo_Art{};      // 1..4
  std::array<QComboBox*, 5> Cbo_Art1{};     // 1..4
  QLabel* Beschreibung = nullptr;
  QPushButton* Cmd_Speichern = nullptr;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void Aufbauen();
  void WerteAufbauen(int q, int x, int y);
  void Leeren();
  void Bereit();
  void TabellenLesen();
  void WertGewaehlt();
  QString Stand() const;
  void StandSetzen(const QString& stand);
  QString UngeschriebenText() const;

  bool m_kurz = false;
  QString m_stand;  // the choosers' positions before the value being chosen
  Bearbeitungsverlauf m_verlauf;
  int m_ladevorgaenge = 0;
  int m_block = -1;  // the block read
};
