#include "Frm_Bearbeiten.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QPainter>
#include <cmath>

#include "Module1.h"
#include "Ungeschrieben.h"
#include "Verlaufsbefehle.h"

namespace {
constexpr int Twips = 15;
}

Frm_Bearbeiten::Frm_Bearbeiten()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_verlauf([this](int i) { return Fläche(i).DirektZurück(); },
                [this](int i, const QString& zellen) { Fläche(i).Direkt(zellen); }) {
  setObjectName(QStringLiteral("Frm_Bearbeiten"));
  setWindowTitle(QCoreApplication::translate("Frm_Bearbeiten", "Tileset aussehen[*]"));
  m_flaeche[0] = new ::Fläche(this);
  m_flaeche[0]->setObjectName(QStringLiteral("Fläche(0)"));
  m_flaeche[0]->move(0, 0);
  TileVerbinden(0);
  AnzahlLinien = AnzahlReihen = 0;
  Module1.TileZähler = 0;
  VerlaufAnmelden(*this, m_verlauf, true);
  Ungeschrieben::Anmelden(*this, [this] { return UngeschriebenText(); });
}

void Frm_Bearbeiten::Geschrieben(int n) {
  m_tileset = n;
  for (int i = 1; i <= m_anzahl; ++i) m_geschrieben[i] = Fläche(i).DirektZurück();
  m_verlauf.Geschrieben();
}

QString Frm_Bearbeiten::UngeschriebenText() const {
  if (m_tileset < 1 || m_verlauf.Sauber()) return {};
  int anzahl = 0;
  for (int i = 1; i <= m_anzahl; ++i) anzahl += m_flaeche[i]->DirektZurück() != m_geschrieben[i];
  if (anzahl == 0) return {};
  return anzahl == 1
             ? QCoreApplication::translate("Frm_Bearbeiten", "Titelset%1: 1 Tile ist noch nicht geschrieben.")
                   .arg(m_tileset)
             : QCoreApplication::translate("Frm_Bearbeiten",
                                           "Titelset%1: %2 Tiles sind noch nicht geschrieben.")
                   .arg(m_tileset)
                   .arg(anzahl);
}

void Frm_Bearbeiten::TileVerbinden(int i) {
  ::Fläche& f = *m_flaeche[i];
  f.MouseDown = [this, i](int b, int s, double x, double y) { Fläche_MouseDown(i, b, s, x, y); };
  f.MouseMove = [this, i](int b, int s, double x, double y) { Fläche_MouseMove(i, b, s, x, y); };
  f.MouseUp = [this, i](int b, int s, double x, double y) { Fläche_MouseUp(i, b, s, x, y); };
}

void Frm_Bearbeiten::GrösseTile(int Reihen, int Linien) {
  m_verlauf.Leeren();  // its steps name the tiles about to go
  m_tileset = 0;
  for (int i = m_anzahl; i >= 1; --i) {
    delete m_flaeche[i];
    m_flaeche[i] = nullptr;
  }
  m_flaeche[0]->hide();
  AnzahlLinien = Linien;
  AnzahlReihen = Reihen;
  m_anzahl = std::min(Reihen * Linien, 96);
  for (int i = 1; i <= m_anzahl; ++i) {
    m_flaeche[i] = new ::Fläche(this);
    m_flaeche[i]->setObjectName(QStringLiteral("Fläche(") + QString::number(i) + QLatin1Char(')'));
    m_flaeche[i]->setGrösse(m_flaeche[0]->Grösse());
    TileVerbinden(i);
  }
  Module1.TileZähler = m_anzahl;
  AnordnenTile();
}

void Frm_Bearbeiten::AnordnenTile() {
  const int luecke = Module1.Raster / Twips;
  Module1.TileZähler = 1;
  Module1.ReihenStart = 1;
  for (int r = 1; r <= AnzahlReihen; ++r) {
    for (int c = 1; c <= AnzahlLinien; ++c) {
      const int k = Module1.TileZähler;
      if (k > m_anzahl) break;
      ::Fläche& f = *m_flaeche[k];
      QPoint ort = m_flaeche[0]->pos();
      if (c > 1) ort.setX(m_flaeche[k - 1]->x() + m_flaeche[k - 1]->width() + luecke);
      if (r > 1) {
        const ::Fläche& oben = *m_flaeche[Module1.ReihenStart];
        ort.setY(oben.y() + oben.height() + luecke);
      }
      f.move(ort);
      // In a hidden view a tile shows with the view; showing it now would
      // polish all 96 before anyone sees them.
      if (isVisible()) f.show();
      ++Module1.TileZähler;
    }
    if (r > 1) Module1.ReihenStart += AnzahlLinien;
  }
  Module1.TileZähler -= 1;
  if (m_anzahl > 0) {
    const ::Fläche& letzte = *m_flaeche[m_anzahl];
    setFixedSize(letzte.x() + letzte.width(), letzte.y() + letzte.height());
  }
}

int Frm_Bearbeiten::Ort(int Linie, int Reihe) const { return (Reihe - 1) * AnzahlLinien + Linie; }

bool Frm_Bearbeiten::IsInt(double Variable) { return Variable == std::trunc(Variable); }

QString Frm_Bearbeiten::Ort2(int i) const {
  if (AnzahlLinien <= 0 || i < 1) return QStringLiteral("0101");
  const double q = static_cast<double>(i) / AnzahlLinien;
  int linie, reihe;
  if (q <= 1) {
    linie = i;
    reihe = 1;
  } else if (IsInt(q)) {
    linie = AnzahlLinien;
    reihe = static_cast<int>(q);
  } else {
    linie = i % AnzahlLinien;
    reihe = i / AnzahlLinien + 1;
  }
  return QString::number(linie).rightJustified(2, QLatin1Char('0')) +
         QString::number(reihe).rightJustified(2, QLatin1Char('0'));
}

void Frm_Bearbeiten::closeEvent(QCloseEvent* event) { event->ignore(); }

// The black background is painted rather than set as palette: a palette of
// its own would be resolved again by each of the 97 tiles as it is created.
void Frm_Bearbeiten::paintEvent(QPaintEvent*) { QPainter(this).fillRect(rect(), Qt::black); }
