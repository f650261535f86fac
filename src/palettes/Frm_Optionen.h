#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QWidget>
#include <array>
#include <cstdint>

#include "Einzeln.h"

// "Optionen": in which colours the tileset view shows the tiles, for which
// time of day, with or without grid, at which pixel size, and which value
// list the collision editor offers. Every change is stored at once; the
// choices take effect at start-up, when the main window loads this window
// hidden. The window stays loaded for the whole run.
class Frm_Optionen : public QWidget, public Einzeln<Frm_Optionen> {
 public:
  Frm_Optionen();

  // Hands the display colours to the 96 tiles of the tileset view and brings
  // the colour chooser in line with tile 1.
  void Zuweisen();
  void Speichern();

  QGroupBox* Fra_Farben = nullptr;
  QLabel* Label1 = nullptr;
  QRadioButton* Opt_AlteFarben = nullptr;
  QRadioButton* Opt_OriginalFarben = nullptr;
  QComboBox* Zeit = nullptr;
  QRadioButton* Opt_Grau = nullptr;
  QGroupBox* Fra_Anderes = nullptr;
  QLabel* Label2 = nullptr;
  QComboBox* Cbo_Grösse = nullptr;
  QCheckBox* Chk_Raster = nullptr;
  QGroupBox* Fra_Kolli = nullptr;
  QRadioButton* Opt_Aufgezälten = nullptr;
  QRadioButton* Opt_0bisFF = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void Aufbauen();
  void Form_Load();
  void Farben_Click();
  void Zeit_Click();
  void Cbo_Grösse_Click();
  void Chk_Raster_Click();
  void Opt_Aufgezälten_Click();
  void Opt_0bisFF_Click();
  void KolliListe(bool kurz);
  void AnsichtNeu(int grösse);
  std::array<std::uint32_t, 4> TileFarben(int i) const;

  int m_laden = 0;  // 1 while Form_Load fills the controls
};
