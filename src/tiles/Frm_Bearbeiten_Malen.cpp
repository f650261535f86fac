#include <QString>
#include <cmath>

#include "Frm_Bearbeiten.h"
#include "Frm_Farben.h"
#include "Module1.h"

namespace {
constexpr int Twips = 15;
const QString Malen = QStringLiteral(QT_TRANSLATE_NOOP("Verlaufsbefehle", "Malen"));
const QString Kopieren = QStringLiteral(QT_TRANSLATE_NOOP("Verlaufsbefehle", "Kopieren"));

struct Feldort {
  int linie;
  int reihe;
};

Feldort LinieReihe(const QString& ort2) { return {ort2.left(2).toInt(), ort2.mid(2, 2).toInt()}; }
}  // namespace

void Frm_Bearbeiten::Fläche_MouseDown(int i, int Button, int Shift, double X, double Y) {
  if (Button == 1 && Shift == 2) {
    Module1.KopierModus = 1;
    setCursor(Qt::WaitCursor);
    return;
  }
  Fläche_MouseMove(i, Button, Shift, X, Y);
}

void Frm_Bearbeiten::Fläche_MouseMove(int i, int Button, int Shift, double X, double Y) {
  Frm_Farben::Instanz().Folgen(Fläche(i));
  if (Module1.KopierModus != 0 || Button == 0) return;
  const Feldort ort = LinieReihe(Ort2(i));
  Position(Button, Shift, X, Y, ort.linie, ort.reihe);
}

void Frm_Bearbeiten::Fläche_MouseUp(int i, int, int, double X, double Y) {
  if (Module1.KopierModus != 1) {
    m_verlauf.Beenden();  // the stroke, if one ran
    return;
  }
  Module1.KopierModus = 0;
  const double schrittX = Fläche(0).width() * Twips + Module1.Raster;
  const double schrittY = Fläche(0).height() * Twips + Module1.Raster;
  const Feldort quelle = LinieReihe(Ort2(i));
  // Whole parts toward minus infinity: a drop left of or above the view
  // lies outside it.
  const int linie = static_cast<int>(std::floor((X + schrittX * (quelle.linie - 1)) / schrittX)) + 1;
  const int reihe = static_cast<int>(std::floor((Y + schrittY * (quelle.reihe - 1)) / schrittY)) + 1;
  if (linie >= 1 && linie <= AnzahlLinien && reihe >= 1 && reihe <= AnzahlReihen) {
    const int ziel = Ort(linie, reihe);
    m_verlauf.Beginnen(Kopieren);
    m_verlauf.Merken(ziel, Kopieren);
    Fläche(ziel).Direkt(Fläche(i).DirektZurück());
    m_verlauf.Beenden();
  }
  unsetCursor();
}

void Frm_Bearbeiten::Position(int Button, int Shift, double X, double Y, int Linie, int Reihe) {
  if (Button == 0 || Linie < 1 || Linie > AnzahlLinien || Reihe < 1 || Reihe > AnzahlReihen) return;
  StrichMerken(Ort(Linie, Reihe));
  const QString text = Fläche(Ort(Linie, Reihe)).PositionAngabe(Button, Shift, X, Y);
  if (text.isEmpty()) return;
  // The point left the tile the stroke runs in: find the tile it lies over.
  const int knopf = text.mid(0, 1).toInt();
  const int shift = text.mid(2, 1).toInt();
  const double schrittX = Fläche(0).width() * Twips + Module1.Raster;
  const double schrittY = Fläche(0).height() * Twips + Module1.Raster;
  const double x = text.mid(4, 6).toDouble() + schrittX * (Linie - 1);
  const double y = text.mid(11, 6).toDouble() + schrittY * (Reihe - 1);
  const int linie = static_cast<int>(std::floor(x / schrittX)) + 1;
  const int reihe = static_cast<int>(std::floor(y / schrittY)) + 1;
  if (linie < 1 || linie > AnzahlLinien || reihe < 1 || reihe > AnzahlReihen) return;
  // A point in a grid gap lies outside every tile and paints nothing.
  StrichMerken(Ort(linie, reihe));
  Fläche(Ort(linie, reihe))
      .PositionAngabe(knopf, shift, x - schrittX * (linie - 1), y - schrittY * (reihe - 1));
}

// A stroke becomes one step from the first tile it reaches to the release.
// With both buttons held the first release ends it, and what the other button
// paints afterwards is a step of its own.
void Frm_Bearbeiten::StrichMerken(int i) { m_verlauf.Merken(i, Malen); }

void Frm_Bearbeiten::AlleÄndern(const QString& name, const std::function<void()>& aenderung) {
  m_verlauf.Beginnen(name);
  for (int i = 1; i <= m_anzahl; ++i) m_verlauf.Merken(i, name);
  aenderung();
  m_verlauf.Beenden();
}
