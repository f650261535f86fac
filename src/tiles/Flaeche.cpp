#include "Flaeche.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace {
constexpr int Twips = 15;

int VbKnopf(Qt::MouseButton b) {
  switch (b) {
    case Qt::LeftButton:
      return 1;
    case Qt::RightButton:
      return 2;
    case Qt::MiddleButton:
      return 4;
    default:
      return 0;
  }
}

int VbKnoepfe(Qt::MouseButtons b) {
  return (b & Qt::LeftButton ? 1 : 0) | (b & Qt::RightButton ? 2 : 0) | (b & Qt::MiddleButton ? 4 : 0);
}

int VbShift(Qt::KeyboardModifiers m) {
  return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) | (m & Qt::AltModifier ? 4 : 0);
}

QString Koordinate(double v) {
  const long gerundet = std::lround(v);
  if (gerundet < 0) return QLatin1Char('-') + QString::number(-gerundet).rightJustified(5, QLatin1Char('0'));
  return QLatin1Char('+') + QString::number(gerundet).rightJustified(5, QLatin1Char('0'));
}
}  // namespace

QColor VbFarbe(std::uint32_t rgb) { return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF); }

std::uint32_t VbWert(int rot, int gruen, int blau) {
  return static_cast<std::uint32_t>(rot) + 256u * static_cast<std::uint32_t>(gruen) +
         65536u * static_cast<std::uint32_t>(blau);
}

Fläche::Fläche(QWidget* parent) : Fläche(parent, false) {}

Fläche::Fläche(QWidget* parent, bool maltSelbst) : QWidget(parent), m_maltSelbst(maltSelbst) {
  m_anzeigefarbe = {0, 0, 6607460, 16724540, 16777180};
  m_nummer.fill(1);
  Farben(2, 1);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  Anordnen();
}

std::uint32_t Fläche::Anzeigefarbe(int nummer) const {
  return nummer < 1 || nummer > 4 ? 0 : m_anzeigefarbe[nummer];
}

bool Fläche::Setze(int zelle, int nummer, std::uint32_t farbe) {
  if (m_nummer[zelle] == nummer && m_farbe[zelle] == farbe) return false;
  m_nummer[zelle] = static_cast<std::uint8_t>(nummer);
  m_farbe[zelle] = farbe;
  return true;
}

void Fläche::Malen(int zelle, int nummer, std::uint32_t farbe) {
  // Only the painted cell is repainted, so a stroke stays cheap.
  if (!Setze(zelle, nummer, farbe)) return;
  update((zelle % 8) * m_grösse, (zelle / 8) * m_grösse, m_grösse, m_grösse);
  if (Geändert) Geändert();
}

void Fläche::SetzeAlle(const Zellen& nummern) {
  bool geaendert = false;
  for (int i = 0; i < 64; ++i) geaendert |= Setze(i, nummern[i], Anzeigefarbe(nummern[i]));
  if (!geaendert) return;
  update();
  if (Geändert) Geändert();
}

void Fläche::Markieren(bool an) {
  if (an == m_markiert) return;
  m_markiert = an;
  update();
}

QString Fläche::PositionAngabe(int Button, int Shift, double X, double Y) {
  if (Button == 0) return {};
  const int zelle = ZelleBei(X, Y);
  if (zelle == 0) {
    return QString::number(Button) + QLatin1Char(',') + QString::number(Shift) + QLatin1Char(',') +
           Koordinate(X) + QLatin1Char(',') + Koordinate(Y);
  }
  if (Button == 1) Malen(zelle - 1, m_linksNummer, m_linksFarbe);
  if (Button == 2) Malen(zelle - 1, m_rechtsNummer, m_rechtsFarbe);
  return {};
}

int Fläche::ZelleBei(double X, double Y) const {
  const double w = m_grösse * Twips;
  const double spalte = std::trunc(X / w) + 1;
  const double reihe = std::trunc(Y / w) + 1;
  if (spalte < 1 || spalte > 8 || reihe < 1 || reihe > 8) return 0;
  return (static_cast<int>(reihe) - 1) * 8 + static_cast<int>(spalte);
}

void Fläche::Farben(int links, int rechts) {
  m_linksNummer = std::clamp(links, 1, 4);
  m_rechtsNummer = std::clamp(rechts, 1, 4);
  m_linksFarbe = Anzeigefarbe(m_linksNummer);
  m_rechtsFarbe = Anzeigefarbe(m_rechtsNummer);
}

void Fläche::Zuteilen(const QString& Daten) { SetzeAlle(KachelTextZuZellen(Daten)); }

QString Fläche::Zurükgeben() const { return ZellenZuKachelText(m_nummer); }

void Fläche::Farbenübergabe(const QString& f1, const QString& f2, const QString& f3, const QString& f4) {
  const QString* texte[] = {&f1, &f2, &f3, &f4};
  for (int n = 1; n <= 4; ++n)
    m_anzeigefarbe[n] = static_cast<std::uint32_t>(texte[n - 1]->toLongLong() & 0xFFFFFF);
  // The cells show the new colours at once: what was painted stays as it is.
  SetzeAlle(m_nummer);
  Farben(m_linksNummer, m_rechtsNummer);
}

QString Fläche::FarbenRückgabe() const {
  QString text;
  for (int n = 1; n <= 4; ++n) text += QString::number(Anzeigefarbe(n)).rightJustified(8, QLatin1Char('0'));
  return text;
}

void Fläche::Anordnen() {
  setFixedSize(8 * m_grösse, 8 * m_grösse);
  update();
}

void Fläche::setGrösse(int wert) {
  if (wert > m_maxGrösse || wert < m_minGrösse || wert == m_grösse) return;
  m_grösse = wert;
  Anordnen();
}

void Fläche::Direkt(const QString& Inhalt) { SetzeAlle(ZellTextZuZellen(Inhalt)); }

QString Fläche::DirektZurück() const { return ZellenZuZellText(m_nummer); }

std::uint32_t Fläche::Point(int Linie, int Reihe) const {
  if (Linie < 1 || Linie > 8 || Reihe < 1 || Reihe > 8) return 0;
  return m_farbe[(Reihe - 1) * 8 + Linie - 1];
}

void Fläche::paintEvent(QPaintEvent*) {
  // One scaled copy of the 8 x 8 cells instead of 64 fills: a full repaint of
  // the view was most of a tileset choice. The painter is clipped to the
  // region to repaint, so one painted cell still costs one cell.
  QImage zellen(8, 8, QImage::Format_RGB32);
  auto* punkte = reinterpret_cast<QRgb*>(zellen.bits());  // rows of 8 x 4 bytes have no padding
  for (int i = 0; i < 64; ++i) {
    const std::uint32_t f = m_farbe[i];
    punkte[i] = qRgb(f & 0xFF, (f >> 8) & 0xFF, (f >> 16) & 0xFF);
  }
  QPainter maler(this);
  maler.drawImage(QRect(0, 0, 8 * m_grösse, 8 * m_grösse), zellen);
  if (m_markiert) maler.fillRect(rect(), QBrush(QColor(255, 0, 255), Qt::BDiagPattern));
}

void Fläche::SelbstMalen(int Button, double X, double Y) {
  const int zelle = ZelleBei(X, Y);
  if (zelle == 0) return;
  if (Button == 1) Malen(zelle - 1, m_linksNummer, m_linksFarbe);
  if (Button == 2) Malen(zelle - 1, m_rechtsNummer, m_rechtsFarbe);
}

void Fläche::mousePressEvent(QMouseEvent* event) {
  const double x = event->position().x() * Twips, y = event->position().y() * Twips;
  const int shift = VbShift(event->modifiers());
  const int knopf = VbKnopf(event->button());
  if (MouseDown) MouseDown(knopf, shift, x, y);
  if (m_maltSelbst) {
    // The press paints with the button just pressed, even while another is held.
    if (MouseMove) MouseMove(knopf, shift, x, y);
    SelbstMalen(knopf, x, y);
  }
}

void Fläche::mouseMoveEvent(QMouseEvent* event) {
  const double x = event->position().x() * Twips, y = event->position().y() * Twips;
  const int knoepfe = VbKnoepfe(event->buttons());
  if (MouseMove) MouseMove(knoepfe, VbShift(event->modifiers()), x, y);
  if (m_maltSelbst) SelbstMalen(knoepfe, x, y);
}

void Fläche::mouseReleaseEvent(QMouseEvent* event) {
  if (MouseUp)
    MouseUp(VbKnopf(event->button()), VbShift(event->modifiers()), event->position().x() * Twips,
            event->position().y() * Twips);
}
