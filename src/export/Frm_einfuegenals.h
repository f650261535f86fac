#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QWidget>
#include <array>

#include "Einzeln.h"
#include "HexFeld.h"

class Schreibvorgang;

// Writes the tiles of the tileset view as any tileset number into the open
// ROM, another ROM of the same game or Tilesets.gb. Unloads when closed; the
// next opening starts afresh.
class Frm_einfügenals : public QWidget, public Einzeln<Frm_einfügenals> {
 public:
  Frm_einfügenals();

  void Auswahl_Click();
  void Einfügen();
  // Takes Pfad as the other ROM, as if it had been chosen in the file dialog.
  void DateiAngeben(const QString& Pfad);
  // The main window opened another ROM: the chosen target is set up again, so
  // that it stays the file written to and shown.
  void RomGewechselt();

  // Window state
  QString AndereDatei;
  QString ZielPointerOrt;
  // Pointer of tileset n in the other file as last read or written here.
  std::array<QString, 29> AnderePointer;
  QString EinfügeOffset;

  QRadioButton* Opt_Diese = nullptr;
  QRadioButton* Opt_Andere = nullptr;
  QRadioButton* Opt_Tilesets = nullptr;
  QPushButton* Cmd_Dateian = nullptr;
  QCheckBox* Chk_Ersetzen = nullptr;
  QCheckBox* Chk_Löschen = nullptr;
  QComboBox* Auswahl = nullptr;
  HexFeld* Txt_Ort = nullptr;
  QLabel* Lbl_Pointer = nullptr;
  QLabel* Lbl_Dateiname = nullptr;
  QLabel* Label1 = nullptr;
  QPushButton* Cmd_Einfügen = nullptr;

 private:
  void Aufbauen();
  void Verbinden();
  void Opt_Diese_Click();
  void Opt_Andere_Click();
  void Opt_Tilesets_Click();
  void RomZielSchalten(bool rom);
  void ZielBereit(bool bereit);
  void Cmd_Dateian_Click();
  void Txt_Ort_Change();

  // Insertion
  bool OffsetGueltig();
  void InTilesetsGb(qint64 v, int n);
  void InRom(qint64 v, int n);
  bool PasstInZiel(qint64 v);
  void AltesLoeschen(Schreibvorgang& w, int n, const QString& zeiger, bool ersetzen);
  QString& Zeigersatz(int n);
  QString VorigerZeiger(int n);
};
