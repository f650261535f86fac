#include "Frm_Farben.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMouseEvent>
#include <functional>

#include "Dunkelblau.h"
#include "Flaeche.h"
#include "Frm_Bearbeiten.h"
#include "Module1.h"
#include "frm_Animationen.h"

namespace {

// A transparent label over a swatch that reports presses with the button
// number of a mouse event (1 left, 2 right, 4 middle).
class Klickflaeche : public QLabel {
 public:
  Klickflaeche(QWidget* parent, std::function<void(int)> gedrueckt)
      : QLabel(parent), m_gedrueckt(std::move(gedrueckt)) {}

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    const Qt::MouseButton b = event->button();
    m_gedrueckt(b == Qt::LeftButton ? 1 : b == Qt::RightButton ? 2 : b == Qt::MiddleButton ? 4 : 0);
  }

 private:
  std::function<void(int)> m_gedrueckt;
};

QLabel* Form(QWidget* parent, const QString& name, QRect ort) {
  auto* form = new QLabel(parent);
  form->setObjectName(name);
  form->setGeometry(ort);
  form->setFrameStyle(QFrame::Box | QFrame::Plain);
  QPalette pal = form->palette();
  pal.setColor(QPalette::WindowText, Qt::black);
  form->setPalette(pal);
  return form;
}
}  // namespace

void Fuellen(QWidget* flaeche, std::uint32_t farbe) {
  QPalette pal = flaeche->palette();
  pal.setColor(QPalette::Window, VbFarbe(farbe));
  flaeche->setPalette(pal);
  flaeche->setAutoFillBackground(true);
}

Frm_Farben::Frm_Farben() : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName(QStringLiteral("Frm_Farben"));
  setWindowTitle(QCoreApplication::translate("Frm_Farben", "Farben Palette"));
  setFixedSize(2640 / 15, 975 / 15);
  Dunkelblau(*this);

  Module1.Tilefarben = {0, VbWert(0, 0, 0), VbWert(100, 210, 100), VbWert(60, 50, 255),
                        VbWert(220, 255, 255)};
  Module1.FarbeLinks = 2;
  Module1.FarbeRechts = 1;

  Links = Form(this, QStringLiteral("Links"), Twips(120, 120, 495, 495));
  Rechts = Form(this, QStringLiteral("Rechts"), Twips(360, 360, 495, 495));
  Fuellen(Links, Module1.Tilefarben[Module1.FarbeLinks]);
  Fuellen(Rechts, Module1.Tilefarben[Module1.FarbeRechts]);
  for (int i = 1; i <= 4; ++i) {
    const QRect ort = Twips(1080 + 360 * (i - 1), 120, 375, 735);
    f1[i] = Form(this, QStringLiteral("f1(%1)").arg(i), ort);
    Fuellen(f1[i], Module1.Tilefarben[i]);
  }
  for (int i = 1; i <= 4; ++i) {
    Farb[i] = new Klickflaeche(this, [this, i](int Button) { Farb_MouseDown(i, Button); });
    Farb[i]->setObjectName(QStringLiteral("Farb(%1)").arg(i));
    Farb[i]->setGeometry(f1[i]->geometry());
  }
}

void Frm_Farben::Folgen(const Fläche& tile) {
  const QString text = tile.FarbenRückgabe();
  for (int i = 1; i <= 4; ++i) {
    Module1.Tilefarben[i] = text.mid(8 * (i - 1), 8).toUInt();
    Fuellen(f1[i], Module1.Tilefarben[i]);
  }
  Fuellen(Links, Module1.Tilefarben[Module1.FarbeLinks]);
  Fuellen(Rechts, Module1.Tilefarben[Module1.FarbeRechts]);
}

void Frm_Farben::Farb_MouseDown(int n, int Button) {
  if (Button == 1) {
    Module1.FarbeLinks = n;
    Fuellen(Links, Module1.Tilefarben[n]);
  } else if (Button == 2) {
    Module1.FarbeRechts = n;
    Fuellen(Rechts, Module1.Tilefarben[n]);
  }
  FarbenVerteilen();
}

void Frm_Farben::FarbenVerteilen() {
  Frm_Bearbeiten& ansicht = Frm_Bearbeiten::Instanz();
  for (int i = 0; i <= ansicht.AnzahlTiles(); ++i)
    ansicht.Fläche(i).Farben(Module1.FarbeLinks, Module1.FarbeRechts);
  // Reaching into the animation editor loads it (hidden) when it was closed,
  // so its tiles paint with the chosen buttons once it is opened again.
  for (int i = 1; i <= 4; ++i)
    frm_Animationen::Instanz().Bild[i]->Farben(Module1.FarbeLinks, Module1.FarbeRechts);
}

void Frm_Farben::closeEvent(QCloseEvent* event) { event->ignore(); }
