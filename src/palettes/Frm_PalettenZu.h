#pragma once

#include <QByteArray>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <array>

#include "Bearbeitungsverlauf.h"
#include "Einzeln.h"
#include "Palettenlabel.h"

// "Palettenzuordnung der Tilesets": which of the eight palettes each of the
// current tileset's 96 tiles uses, one button per tile. Unloads when closed;
// the main window loads it again, hidden, at the next tileset choice.
class Frm_PalettenZu : public QWidget, public Einzeln<Frm_PalettenZu> {
 public:
  Frm_PalettenZu();
  ~Frm_PalettenZu() override;

  // Tile button i (1..96; 0 is the hidden template). Its caption is the
  // tile's palette digit.
  QPushButton* Pal(int i) { return m_pal[i]; }

  // Reads the current tileset's assignment into the buttons; returns the 48
  // bytes read.
  QByteArray RausLesen();
  // Puts the current tileset's assignment from Tilesets.gb back into the ROM.
  void OriginalEinf();
  void Paletten_Click();
  void Pal_Click(int Index);
  void Cmd_Speichern_Click();
  void GrössePal();
  void AnordnenPal();

  // One step per clicked tile (parts: tiles 1..96, texts: palette digits);
  // reading the assignment starts it afresh.
  Bearbeitungsverlauf& Verlauf() { return m_verlauf; }

  QComboBox* Paletten = nullptr;
  std::array<QLabel*, 5> Label{};             // Label1 .. Label4
  std::array<Palettenlabel*, 5> Lbl_Farbe{};  // 1..4
  QPushButton* Cmd_Speichern = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void Aufbauen();
  void Form_Activate();
  void Form_Unload();
  int Palette() const;
  static int Ziffer(const QPushButton* knopf);
  void ZifferSetzen(int i, const QString& ziffer);
  QString UngeschriebenText() const;

  std::array<QPushButton*, 97> m_pal{};
  int m_reihen = 6;
  int m_linien = 16;
  bool m_waechter = false;
  int m_wiederherstellen = 0;
  Bearbeitungsverlauf m_verlauf;
};
