#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <functional>

#include "Bearbeitungsverlauf.h"
#include "Einzeln.h"
#include "Flaeche.h"

// The tileset view: the current tileset as 96 tiles in 16 columns and 6 rows,
// beside the hidden template tile 0. Tiles live here between loading and
// writing; painting and the tile copy happen here.
class Frm_Bearbeiten : public QWidget, public Einzeln<Frm_Bearbeiten> {
 public:
  Frm_Bearbeiten();

  ::Fläche& Fläche(int i) { return *m_flaeche[i]; }
  int AnzahlTiles() const { return m_anzahl; }  // tiles created besides the template

  void GrösseTile(int Reihen, int Linien);
  void AnordnenTile();
  int Ort(int Linie, int Reihe) const;
  QString Ort2(int i) const;
  static bool IsInt(double Variable);

  // Painting and tile copy
  void Position(int Button, int Shift, double X, double Y, int Linie, int Reihe);
  void Fläche_MouseDown(int i, int Button, int Shift, double X, double Y);
  void Fläche_MouseMove(int i, int Button, int Shift, double X, double Y);
  void Fläche_MouseUp(int i, int Button, int Shift, double X, double Y);

  // The undo history of the tiles (parts: tile indices, texts: cell texts).
  // Loading a tileset starts it afresh.
  Bearbeitungsverlauf& Verlauf() { return m_verlauf; }
  // The tiles now shown are those of tileset n in its file (read or just
  // written): the history becomes clean there, and what is unwritten is
  // counted against them.
  void Geschrieben(int n);
  // "Titelset3: 5 Tiles sind noch nicht geschrieben.", or empty.
  QString UngeschriebenText() const;
  // Runs `aenderung` over the whole view as one undo step named `name`.
  void AlleÄndern(const QString& name, const std::function<void()>& aenderung);

  int AnzahlLinien = 0;
  int AnzahlReihen = 0;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void TileVerbinden(int i);
  void StrichMerken(int i);

  std::array<::Fläche*, 97> m_flaeche{};
  std::array<QString, 97> m_geschrieben;
  int m_tileset = 0;
  int m_anzahl = 0;
  Bearbeitungsverlauf m_verlauf;
};
