#pragma once

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QWidget>
#include <functional>

#include "Bearbeitungsverlauf.h"
#include "Bildfeld.h"
#include "Einzeln.h"

// The block editor: the current block of 4 x 4 tiles drawn from the tileset
// picture, tiles picked there and placed into the block with the mouse, and
// the block's 16 bytes written back into the ROM. It shares the current block
// (Module1.AktuellerBlock) with the collision editor, which sets it up at each
// tileset change.
class frm_Block : public QWidget, public Einzeln<frm_Block> {
 public:
  frm_Block();

  QString Ort(int Linie, int Reihe, int Brei) const;
  QString Ort2(int Zahl, int Weit) const;
  static bool IsInt(double Variable);

  void Zuteilen();
  void Cbo_Block_Click();
  void Pic_Tileset_MouseMove(int Button, int Shift, double X, double Y);
  void Pic_Block_MouseMove(int Button, int Shift, double X, double Y);
  void Cmd_Speichern_Click();
  // All 127 blocks as one PNG. The click asks for the file name;
  // BlockBildSpeichern writes to a name already chosen.
  void Cmd_BlockBild_Click();
  void BlockBildSpeichern(const QString& Pfad);
  // The records of blocks 01..7F as stored, the block being edited as shown
  // here; empty without a block table.
  QByteArray Blocktabelle() const;
  // Runs whenever what Blocktabelle() gives may have changed.
  std::function<void()> Geaendert;

  // One step per placed tile or drag (one part: the block's text); reading a
  // block starts it afresh.
  Bearbeitungsverlauf& Verlauf() { return m_verlauf; }

  // The block and the tileset picture in the tiles' current colours.
  void Umfaerben();
  QString UngeschriebenText() const;

  // Without a ROM there is no block to show.
  void Leeren();
  void Bereit();

  // How often this window has read a block from the ROM.
  int Ladevorgaenge() const { return m_ladevorgaenge; }

  QString AktuellesTile;

  QComboBox* Cbo_Block = nullptr;
  Bildfeld* Pic_Block = nullptr;
  Bildfeld* Pic_Aktuell = nullptr;
  Bildfeld* Pic_Tileset = nullptr;
  QLabel* Lbl_Tile = nullptr;
  QLabel* Lbl_Block = nullptr;
  QLabel* Lbl_Offset = nullptr;
  QLabel* Lbl_Pos = nullptr;
  QPushButton* Cmd_Speichern = nullptr;
  QPushButton* Cmd_Abbrechen = nullptr;
  QPushButton* Cmd_BlockBild = nullptr;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void Aufbauen();
  void Verbinden();
  void AktuellSetzen(const QString& kachel);

  int m_ladevorgaenge = 0;
  int m_block = -1;  // the block read
  Bearbeitungsverlauf m_verlauf;
};
