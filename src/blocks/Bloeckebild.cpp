#include "Bloeckebild.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "Blockbild.h"
#include "Blockbogen.h"

namespace {
constexpr int Seite = Blockbogen::Seite;
constexpr int ProReihe = Blockbogen::ProReihe;
}  // namespace

Bloeckebild::Bloeckebild(QWidget* parent)
    : QWidget(parent), m_bild(Blockbild::Leer(ProReihe * Seite, Anzahl / ProReihe * Seite)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  MassstabSetzen(1);
}

void Bloeckebild::MassstabSetzen(int massstab) {
  m_massstab = massstab;
  setFixedSize(m_bild.size() * massstab);
  update();
}

QRect Bloeckebild::Ort(int block) {
  return QRect((block % ProReihe) * Seite, (block / ProReihe) * Seite, Seite, Seite);
}

void Bloeckebild::Neu(int block) {
  const QRect ort = Ort(block);
  update(QRect(ort.topLeft() * m_massstab, ort.size() * m_massstab));
}

void Bloeckebild::Umrahmen(const std::bitset<Anzahl>& bloecke) {
  const std::bitset<Anzahl> geaendert = bloecke ^ m_rahmen;
  m_rahmen = bloecke;
  for (int b = 0; b < Anzahl; ++b)
    if (geaendert[b]) Neu(b);
}

void Bloeckebild::paintEvent(QPaintEvent* event) {
  // Only the changed blocks are copied, not the rectangle around them all;
  // without smoothing every image pixel becomes an exact square.
  QPainter maler(this);
  for (const QRect& ziel : event->region()) {
    const QRect quelle(QPoint(ziel.left() / m_massstab, ziel.top() / m_massstab),
                       QPoint(ziel.right() / m_massstab, ziel.bottom() / m_massstab));
    maler.drawImage(QRect(quelle.topLeft() * m_massstab, quelle.size() * m_massstab), m_bild, quelle);
  }
  for (int b = 0; b < Anzahl; ++b)
    if (m_rahmen[b]) Rahmen(maler, b);
}

void Bloeckebild::Rahmen(QPainter& maler, int block) const {
  const QColor farbe(255, 0, 255);
  const QRect ort = Ort(block);
  const QRect aussen(ort.topLeft() * m_massstab, ort.size() * m_massstab);
  const int dicke = m_massstab;
  maler.fillRect(aussen.x(), aussen.y(), aussen.width(), dicke, farbe);
  maler.fillRect(aussen.x(), aussen.bottom() - dicke + 1, aussen.width(), dicke, farbe);
  maler.fillRect(aussen.x(), aussen.y(), dicke, aussen.height(), farbe);
  maler.fillRect(aussen.right() - dicke + 1, aussen.y(), dicke, aussen.height(), farbe);
}

void Bloeckebild::mousePressEvent(QMouseEvent* event) {
  const QPoint punkt = event->position().toPoint();
  const QPoint p(punkt.x() / m_massstab, punkt.y() / m_massstab);
  if (!m_bild.rect().contains(p) || !Geklickt) return;
  Geklickt((p.y() / Seite) * ProReihe + p.x() / Seite);
}
