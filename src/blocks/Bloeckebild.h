#pragma once

#include <QImage>
#include <QPainter>
#include <QWidget>
#include <bitset>
#include <functional>

// The picture of all 128 blocks, 16 a row, block 00 at the top left: one
// image pixel per tile pixel, shown as a square of Massstab() screen pixels.
// Frames are drawn over the picture, never into it.
class Bloeckebild : public QWidget {
 public:
  static constexpr int Anzahl = 128;

  explicit Bloeckebild(QWidget* parent);

  void MassstabSetzen(int massstab);
  int Massstab() const { return m_massstab; }
  // The picture at one pixel per tile pixel; Neu() shows a changed block.
  QImage& Bild() { return m_bild; }
  const QImage& Bild() const { return m_bild; }
  void Neu(int block);
  static QRect Ort(int block);

  void Umrahmen(const std::bitset<Anzahl>& bloecke);
  const std::bitset<Anzahl>& Umrahmt() const { return m_rahmen; }

  // A press on block 00..7F.
  std::function<void(int block)> Geklickt;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  // A frame on the block's outermost image pixels.
  void Rahmen(QPainter& maler, int block) const;

  QImage m_bild;
  int m_massstab = 1;
  std::bitset<Anzahl> m_rahmen;
};
