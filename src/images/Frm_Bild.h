#pragma once

#include <QComboBox>
#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "Einzeln.h"

// Image import: a picture of 128 x 48 (or 256 x 96) pixels, its colours
// assigned to the four colour numbers, fills the tiles of the tileset view.
// The tiles change only on the screen; writing them is the ordinary insertion.
class Frm_Bild : public QDialog, public Einzeln<Frm_Bild> {
 public:
  Frm_Bild();

  // Loads the picture at Pfad as if it had been chosen in the file dialog.
  void BildLaden(const QString& Pfad);
  void Form_Activate();
  void Cmd_OK_Click();
  void Cmd_Löschen_Click();
  void Cmd_Einfügen_Click();

  int Faktor = 1;

  QRadioButton* Opt_48128 = nullptr;
  QRadioButton* Opt_96256 = nullptr;
  QComboBox* Auswahl = nullptr;
  QLabel* Pic_Bild = nullptr;
  QLabel* Label2 = nullptr;
  QComboBox* Cbo_Inhalt = nullptr;
  QLabel* Pic_Inhalt = nullptr;
  QLabel* Label1 = nullptr;
  QComboBox* Cbo_Farben = nullptr;
  QPushButton* Cmd_OK = nullptr;
  QListWidget* List = nullptr;
  QLabel* Lbl_Farbe = nullptr;
  QPushButton* Cmd_Löschen = nullptr;
  QPushButton* Cmd_Einfügen = nullptr;
  QPushButton* Cmd_Abbrechen = nullptr;

 protected:
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;
  bool event(QEvent* ereignis) override;

 private:
  void Aufbauen();
  void Verbinden();
  void Pic_Bild_Click();
  void Opt_Click();
  void Farberkennung();
  // A picture taken by its colour indices: every index assigned at once.
  void IndexZuordnen();
  // The six-digit colour key a swatch shows for a key of either kind.
  QString Farbschluessel(const QString& schluessel) const;
  void Cbo_Inhalt_Click();
  void List_Click();
  // Background of a swatch: a colour key, or Knopffarbe for the empty swatch.
  static void Farbfeld(QLabel* feld, const QString& farbe);
  static inline const QString Knopffarbe = QStringLiteral("8000000F");

  QImage m_bild;
  bool m_nachIndex = false;
};
