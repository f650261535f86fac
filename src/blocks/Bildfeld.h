#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

// A picture surface read and written pixel by pixel, one image pixel to one
// screen pixel. Mouse positions are reported in pixels: a press and a release
// report the button pressed or released, a move the buttons held (1 left,
// 2 right, 4 middle).
class Bildfeld : public QWidget {
 public:
  using MausEreignis = std::function<void(int Button, int Shift, double X, double Y)>;

  Bildfeld(int breite, int hoehe, QWidget* parent);

  const QImage& Bild() const { return m_bild; }
  void Setzen(const QImage& bild);
  // Changes the picture in place; the screen follows.
  void Aendern(const std::function<void(QImage&)>& aenderung);
  void Leeren();

  MausEreignis MouseDown;
  MausEreignis MouseMove;
  MausEreignis MouseUp;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QImage m_bild;
};
