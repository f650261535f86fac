#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>

#include "Kachel.h"

// One 8 x 8 tile shown as 64 square cells. It is the only place where tile
// bytes become pixels and back. Hosts talk to it through the text forms of
// Kachel.h. Coordinates given to and reported by it are in twips (15 to a
// screen pixel). Each cell keeps the colour number it was last given beside
// its colour, so reading a tile back never depends on the display colours
// being distinct.
class Fläche : public QWidget {
 public:
  using MausEreignis = std::function<void(int Button, int Shift, double X, double Y)>;

  explicit Fläche(QWidget* parent = nullptr);

  QString PositionAngabe(int Button, int Shift, double X, double Y);
  void Farben(int links, int rechts);
  void Zuteilen(const QString& Daten);
  QString Zurükgeben() const;
  void Farbenübergabe(const QString& f1, const QString& f2, const QString& f3, const QString& f4);
  QString FarbenRückgabe() const;
  void Anordnen();
  int MaxGrösse() const { return m_maxGrösse; }
  void setMaxGrösse(int wert) { m_maxGrösse = wert; }
  int Grösse() const { return m_grösse; }
  void setGrösse(int wert);
  int MinGrösse() const { return m_minGrösse; }
  void setMinGrösse(int wert) { m_minGrösse = wert; }
  void Direkt(const QString& Inhalt);
  QString DirektZurück() const;
  std::uint32_t Point(int Linie, int Reihe) const;

  // The colour number (1..4) of cell 1..64 and its RGB value.
  int Nummer(int zelle) const { return m_nummer[zelle - 1]; }
  std::uint32_t Anzeigefarbe(int nummer) const;

  // Hatching over the cells, never in them: what is read back stays the tile.
  void Markieren(bool an);
  bool Markiert() const { return m_markiert; }

  MausEreignis MouseDown;
  MausEreignis MouseMove;
  MausEreignis MouseUp;
  // Runs once a cell changed its colour number or its colour.
  std::function<void()> Geändert;

 protected:
  Fläche(QWidget* parent, bool maltSelbst);
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool Setze(int zelle, int nummer, std::uint32_t farbe);
  void Malen(int zelle, int nummer, std::uint32_t farbe);
  void SetzeAlle(const Zellen& nummern);
  int ZelleBei(double X, double Y) const;  // 1..64, or 0 outside
  void SelbstMalen(int Button, double X, double Y);

  bool m_maltSelbst = false;
  bool m_markiert = false;
  std::array<std::uint32_t, 64> m_farbe{};
  Zellen m_nummer{};
  std::array<std::uint32_t, 5> m_anzeigefarbe{};  // 1..4 used
  std::uint32_t m_linksFarbe = 0;
  std::uint32_t m_rechtsFarbe = 0;
  int m_linksNummer = 2;
  int m_rechtsNummer = 1;
  int m_grösse = 5;
  int m_maxGrösse = 6;
  int m_minGrösse = 1;
};

// The animation editor's twin: it paints the cell under the mouse itself, so a
// stroke stays inside its own tile.
class Fläche2 : public Fläche {
 public:
  explicit Fläche2(QWidget* parent = nullptr) : Fläche(parent, true) {}
};

// Platform colour value red + 256 * green + 65536 * blue as a QColor and back.
QColor VbFarbe(std::uint32_t rgb);
std::uint32_t VbWert(int rot, int gruen, int blau);
