#include "Frm_Bild.h"

#include <QCoreApplication>
#include <QEvent>

#include "Dunkelblau.h"
#include "Flaeche.h"
#include "Module1.h"
#include "Zahlen.h"

Frm_Bild::Frm_Bild() {
  Aufbauen();
  Verbinden();
  Auswahl->setCurrentIndex(HauptAuswahlIndex());
  Faktor = 1;
}

void Frm_Bild::Aufbauen() {
  setObjectName(QStringLiteral("Frm_Bild"));
  setWindowTitle(QCoreApplication::translate("Frm_Bild", "Bild Einfügen"));
  setFixedSize(4500 / 15, 4650 / 15);
  Dunkelblau(*this);

  auto name = [](QWidget* w, const char* n) { w->setObjectName(QString::fromUtf8(n)); };
  Opt_48128 = new QRadioButton(QCoreApplication::translate("Frm_Bild", "48 auf 128"), this);
  Opt_96256 = new QRadioButton(QCoreApplication::translate("Frm_Bild", "96 auf 256"), this);
  Opt_48128->setChecked(true);
  name(Opt_48128, "Opt_48128");
  name(Opt_96256, "Opt_96256");
  Opt_48128->setGeometry(Twips(120, 120, 1455, 300));
  Opt_96256->setGeometry(Twips(1680, 120, 1455, 300));

  Auswahl = new QComboBox(this);
  name(Auswahl, "Auswahl");
  for (int n = 1; n <= 28; ++n)
    Auswahl->addItem(QCoreApplication::translate("Frm_Bild", "Titelset%1").arg(n));
  Auswahl->setGeometry(Twips(3180, 90, 1200, 330));

  Pic_Bild = new QLabel(this);
  name(Pic_Bild, "Pic_Bild");
  Pic_Bild->setFrameShape(QFrame::Box);
  Pic_Bild->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Pic_Bild->setAutoFillBackground(true);
  Pic_Bild->setBackgroundRole(QPalette::Button);
  Pic_Bild->setCursor(Qt::PointingHandCursor);
  Pic_Bild->setGeometry(Twips(120, 540, 1980, 780));
  Pic_Bild->installEventFilter(this);

  Label2 = new QLabel(QCoreApplication::translate("Frm_Bild", "Zum laden aufs Bildfeld klicken."), this);
  name(Label2, "Label2");
  Label2->setWordWrap(true);
  Label2->setGeometry(Twips(120, 2100, 4260, 420));

  Cbo_Inhalt = new QComboBox(this);
  name(Cbo_Inhalt, "Cbo_Inhalt");
  Cbo_Inhalt->setEnabled(false);
  Cbo_Inhalt->setGeometry(Twips(120, 2580, 1335, 330));
  Pic_Inhalt = new QLabel(this);
  name(Pic_Inhalt, "Pic_Inhalt");
  Pic_Inhalt->setFrameShape(QFrame::Box);
  Pic_Inhalt->setGeometry(Twips(1560, 2580, 330, 330));
  Label1 = new QLabel(QCoreApplication::translate("Frm_Bild", "Zu:"), this);
  name(Label1, "Label1");
  Label1->setGeometry(Twips(2010, 2580, 375, 330));
  Cbo_Farben = new QComboBox(this);
  name(Cbo_Farben, "Cbo_Farben");
  Cbo_Farben->addItems({QCoreApplication::translate("Frm_Bild", "Farbe1 (Schwarz)"),
                        QCoreApplication::translate("Frm_Bild", "Farbe2 (Grün)"),
                        QCoreApplication::translate("Frm_Bild", "Farbe3 (Blau)"),
                        QCoreApplication::translate("Frm_Bild", "Farbe4 (Weiss)")});
  Cbo_Farben->setGeometry(Twips(2400, 2580, 1980, 330));

  Cmd_OK = new QPushButton(QCoreApplication::translate("Frm_Bild", "&OK"), this);
  name(Cmd_OK, "Cmd_OK");
  Cmd_OK->setEnabled(false);
  Cmd_OK->setGeometry(Twips(120, 3030, 1335, 360));
  List = new QListWidget(this);
  name(List, "List");
  List->setGeometry(Twips(1560, 3030, 2820, 1020));
  Lbl_Farbe = new QLabel(this);
  name(Lbl_Farbe, "Lbl_Farbe");
  Lbl_Farbe->setFrameShape(QFrame::Box);
  Lbl_Farbe->setAutoFillBackground(true);
  Lbl_Farbe->setGeometry(Twips(1125, 3510, 330, 330));
  Cmd_Löschen = new QPushButton(QCoreApplication::translate("Frm_Bild", "&Löschen"), this);
  name(Cmd_Löschen, "Cmd_Löschen");
  Cmd_Löschen->setEnabled(false);
  Cmd_Löschen->setGeometry(Twips(120, 3510, 975, 360));

  Cmd_Einfügen = new QPushButton(QCoreApplication::translate("Frm_Bild", "&Anzeigen"), this);
  name(Cmd_Einfügen, "Cmd_Einfügen");
  Cmd_Einfügen->setEnabled(false);
  Cmd_Einfügen->setDefault(true);
  Cmd_Einfügen->setGeometry(Twips(1560, 4170, 1335, 360));
  Cmd_Abbrechen = new QPushButton(QCoreApplication::translate("Frm_Bild", "A&bbrechen"), this);
  name(Cmd_Abbrechen, "Cmd_Abbrechen");
  Cmd_Abbrechen->setGeometry(Twips(3045, 4170, 1335, 360));
  Farbfeld(Pic_Inhalt, Knopffarbe);
  Farbfeld(Lbl_Farbe, Knopffarbe);
}

void Frm_Bild::Verbinden() {
  connect(Opt_48128, &QRadioButton::toggled, this, [this] { Opt_Click(); });
  connect(Opt_96256, &QRadioButton::toggled, this, [this] { Opt_Click(); });
  connect(Auswahl, &QComboBox::activated, this, [this](int index) {
    if (Haupt.AuswahlSetzen) Haupt.AuswahlSetzen(index);
    Auswahl->setCurrentIndex(HauptAuswahlIndex());  // the tileset kept when the choice was cancelled
  });
  connect(Cbo_Inhalt, &QComboBox::currentIndexChanged, this, [this] { Cbo_Inhalt_Click(); });
  connect(List, &QListWidget::currentRowChanged, this, [this] { List_Click(); });
  connect(Cmd_OK, &QPushButton::clicked, this, [this] { Cmd_OK_Click(); });
  connect(Cmd_Löschen, &QPushButton::clicked, this, [this] { Cmd_Löschen_Click(); });
  connect(Cmd_Einfügen, &QPushButton::clicked, this, [this] { Cmd_Einfügen_Click(); });
  connect(Cmd_Abbrechen, &QPushButton::clicked, this, &QWidget::hide);
}

bool Frm_Bild::event(QEvent* ereignis) {
  if (ereignis->type() == QEvent::WindowActivate) Form_Activate();
  return QDialog::event(ereignis);
}

bool Frm_Bild::eventFilter(QObject* objekt, QEvent* ereignis) {
  if (objekt == Pic_Bild && ereignis->type() == QEvent::MouseButtonPress) {
    Pic_Bild_Click();
    return true;
  }
  return QDialog::eventFilter(objekt, ereignis);
}

void Frm_Bild::Form_Activate() {
  if (HauptAuswahlIndex() < 0 && Haupt.AuswahlSetzen) Haupt.AuswahlSetzen(0);
  Auswahl->setCurrentIndex(HauptAuswahlIndex());
}

void Frm_Bild::Opt_Click() {
  if (Opt_48128->isChecked()) {
    Pic_Bild->setGeometry(Twips(120, 540, 1980, 780));
    Faktor = 1;
  } else {
    Pic_Bild->setGeometry(Twips(120, 540, 3900, 1500));
    Faktor = 2;
  }
}

void Frm_Bild::Farbfeld(QLabel* feld, const QString& farbe) {
  QPalette pal = feld->palette();
  const QColor farbwert = farbe == Knopffarbe ? pal.color(QPalette::Button) : VbFarbe(HexZuZahl(farbe));
  pal.setColor(QPalette::Window, farbwert);
  feld->setPalette(pal);
  feld->setAutoFillBackground(true);
}
