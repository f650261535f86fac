#include "Frm_Optionen.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QSettings>
#include <type_traits>

#include "Dunkelblau.h"
#include "Frm_Bearbeiten.h"
#include "Module1.h"
#include "Optionstext.h"

namespace {
constexpr int Rasterbreite = 15;

template <class W>
W* Neu(QWidget* eltern, const char* name, const QString& text = {}) {
  auto* w = new W(eltern);
  w->setObjectName(QString::fromUtf8(name));
  if constexpr (!std::is_same_v<W, QComboBox>) w->setText(text);
  return w;
}

QGroupBox* Rahmen(QWidget* eltern, const char* name, const QString& titel, QRect ort) {
  auto* g = new QGroupBox(titel, eltern);
  g->setObjectName(QString::fromUtf8(name));
  g->setGeometry(ort);
  return g;
}
}  // namespace

Frm_Optionen::Frm_Optionen() : QWidget(nullptr, Qt::Window) {
  Aufbauen();
  Form_Load();
}

void Frm_Optionen::Aufbauen() {
  setObjectName(QStringLiteral("Frm_Optionen"));
  setWindowTitle(QCoreApplication::translate("Frm_Optionen", "Optionen"));
  Dunkelblau(*this);
  setFixedSize(361, 337);

  Fra_Farben = Rahmen(this, "Fra_Farben", QCoreApplication::translate("Frm_Optionen", "Farben "),
                      QRect(8, 8, 345, 177));
  Label1 = Neu<QLabel>(
      Fra_Farben, "Label1",
      QCoreApplication::translate("Frm_Optionen",
                                  "Hier kann man einstellen in welchen Farben das Tileset erscheinen soll."));
  Label1->setWordWrap(true);
  Label1->setGeometry(8, 20, 329, 34);
  Opt_AlteFarben = Neu<QRadioButton>(
      Fra_Farben, "Opt_AlteFarben",
      QCoreApplication::translate("Frm_Optionen", "Originalfarben (Schwarz, Grün, Blau, Weiss)"));
  Opt_AlteFarben->setGeometry(8, 58, 329, 22);
  Opt_OriginalFarben = Neu<QRadioButton>(
      Fra_Farben, "Opt_OriginalFarben", QCoreApplication::translate("Frm_Optionen", "Nach Original ansicht"));
  Opt_OriginalFarben->setGeometry(8, 84, 329, 22);
  Zeit = Neu<QComboBox>(Fra_Farben, "Zeit");
  Zeit->addItems({QCoreApplication::translate("Frm_Optionen", "0 Morgen Palette"),
                  QCoreApplication::translate("Frm_Optionen", "1 Tag Palette"),
                  QCoreApplication::translate("Frm_Optionen", "2 Nacht Palette"),
                  QCoreApplication::translate("Frm_Optionen", "3 Schwarze Nacht Palette"),
                  QCoreApplication::translate("Frm_Optionen", "4 Morgen u. Tag Palette 2")});
  Zeit->setGeometry(28, 110, 220, 24);
  Opt_Grau = Neu<QRadioButton>(
      Fra_Farben, "Opt_Grau",
      QCoreApplication::translate("Frm_Optionen", "Graustufen (Weiss, Hellgrau, Dunkelgrau, Schwarz)"));
  Opt_Grau->setGeometry(8, 144, 329, 22);

  Fra_Anderes = Rahmen(this, "Fra_Anderes", QCoreApplication::translate("Frm_Optionen", "Anderes"),
                       QRect(8, 193, 345, 66));
  Label2 = Neu<QLabel>(Fra_Anderes, "Label2",
                       QCoreApplication::translate("Frm_Optionen", "Grösse in Pixel für ein Punkt: "));
  Label2->setGeometry(8, 22, 190, 20);
  Cbo_Grösse = Neu<QComboBox>(Fra_Anderes, "Cbo_Grösse");
  for (int g = 1; g <= 6; ++g) Cbo_Grösse->addItem(QString::number(g));
  Cbo_Grösse->setGeometry(200, 20, 50, 24);
  Chk_Raster = Neu<QCheckBox>(Fra_Anderes, "Chk_Raster",
                              QCoreApplication::translate("Frm_Optionen", "Raster einblenden"));
  Chk_Raster->setGeometry(8, 42, 200, 20);

  Fra_Kolli = Rahmen(this, "Fra_Kolli", QCoreApplication::translate("Frm_Optionen", "Kollisionsdaten Editor"),
                     QRect(8, 267, 345, 62));
  Opt_Aufgezälten =
      Neu<QRadioButton>(Fra_Kolli, "Opt_Aufgezälten",
                        QCoreApplication::translate("Frm_Optionen", "Nur die erklärten anzeigen"));
  Opt_Aufgezälten->setGeometry(8, 18, 329, 20);
  Opt_0bisFF = Neu<QRadioButton>(
      Fra_Kolli, "Opt_0bisFF", QCoreApplication::translate("Frm_Optionen", "Alle Werte anzeigen (00 - FF)"));
  Opt_0bisFF->setGeometry(8, 38, 329, 20);

  for (QRadioButton* o : {Opt_AlteFarben, Opt_Grau, Opt_OriginalFarben})
    connect(o, &QRadioButton::clicked, this, [this] { Farben_Click(); });
  connect(Zeit, &QComboBox::activated, this, [this] { Zeit_Click(); });
  connect(Cbo_Grösse, &QComboBox::activated, this, [this] { Cbo_Grösse_Click(); });
  connect(Chk_Raster, &QCheckBox::clicked, this, [this] { Chk_Raster_Click(); });
  connect(Opt_Aufgezälten, &QRadioButton::clicked, this, [this] { Opt_Aufgezälten_Click(); });
  connect(Opt_0bisFF, &QRadioButton::clicked, this, [this] { Opt_0bisFF_Click(); });
}

void Frm_Optionen::Form_Load() {
  Module1.OptionenAktiv = 1;
  const Optionen o = GespeicherteOptionen();
  m_laden = 1;
  Opt_AlteFarben->setChecked(o.AlteFarben);
  Opt_Grau->setChecked(o.Grau);
  Opt_OriginalFarben->setChecked(o.OriginalFarben);
  Zeit->setCurrentIndex(o.Zeit);
  Module1.Raster = o.Raster ? Rasterbreite : 0;
  Chk_Raster->setChecked(o.Raster);
  Cbo_Grösse->setCurrentIndex(o.Grösse - 1);
  Frm_Bearbeiten& ansicht = Frm_Bearbeiten::Instanz();
  if (o.Grösse != 5)
    for (int i = 0; i <= ansicht.AnzahlTiles(); ++i) ansicht.Fläche(i).setGrösse(o.Grösse);
  m_laden = 0;
  // The list mode is applied through its handler, which also stores the
  // (now valid) text again.
  Opt_0bisFF->setChecked(o.AlleWerte);
  Opt_Aufgezälten->setChecked(o.NurErklärte);
  if (o.AlleWerte) Opt_0bisFF_Click();
  if (o.NurErklärte) Opt_Aufgezälten_Click();
  ansicht.AnordnenTile();
  Module1.Tageszeit = Zeit->currentIndex();
}

void Frm_Optionen::Speichern() {
  Optionen o;
  o.AlteFarben = Opt_AlteFarben->isChecked();
  o.Grau = Opt_Grau->isChecked();
  o.OriginalFarben = Opt_OriginalFarben->isChecked();
  o.Zeit = Zeit->currentIndex();
  o.Raster = Module1.Raster / Rasterbreite == 1;
  o.Grösse = Cbo_Grösse->currentIndex() + 1;
  o.AlleWerte = Opt_0bisFF->isChecked();
  o.NurErklärte = Opt_Aufgezälten->isChecked();
  // Each write of the settings file takes a lock, a temporary file and a
  // rename, and the start-up stores the text through the list handler: only
  // a changed text is written.
  QSettings einstellungen = Einstellungen();
  const QString text = OptionstextBauen(o);
  if (einstellungen.value(OptionenSchluessel).toString() != text)
    einstellungen.setValue(OptionenSchluessel, text);
}

// The tiles are coloured again where they are: unwritten painting and its
// history stay.
void Frm_Optionen::Farben_Click() {
  if (m_laden == 1) return;
  Speichern();
  if (Haupt.Umfaerben) Haupt.Umfaerben();
}

void Frm_Optionen::Zeit_Click() {
  if (m_laden == 1) return;
  Speichern();
  Module1.Tageszeit = Zeit->currentIndex();
  if (Haupt.Umfaerben) Haupt.Umfaerben();
}

void Frm_Optionen::AnsichtNeu(int grösse) {
  Frm_Bearbeiten& ansicht = Frm_Bearbeiten::Instanz();
  const bool sichtbar = ansicht.isVisible();  // hidden while there is nothing to show
  ansicht.hide();
  if (grösse > 0)
    for (int i = 0; i <= ansicht.AnzahlTiles(); ++i) ansicht.Fläche(i).setGrösse(grösse);
  ansicht.AnordnenTile();
  if (sichtbar) ansicht.show();
}

void Frm_Optionen::Cbo_Grösse_Click() {
  if (m_laden == 1) return;
  AnsichtNeu(Cbo_Grösse->currentIndex() + 1);
  Speichern();
}

void Frm_Optionen::Chk_Raster_Click() {
  if (m_laden == 1) return;
  Module1.Raster = Chk_Raster->isChecked() ? Rasterbreite : 0;
  AnsichtNeu(0);
  Speichern();
}

void Frm_Optionen::KolliListe(bool kurz) {
  Module1.KolliKurzListe = kurz ? 1 : 0;
  if (Haupt.KolliListeKurz) Haupt.KolliListeKurz(kurz);
  Speichern();
}

void Frm_Optionen::Opt_Aufgezälten_Click() {
  if (m_laden == 1) return;
  KolliListe(true);
}

void Frm_Optionen::Opt_0bisFF_Click() {
  if (m_laden == 1) return;
  KolliListe(false);
}

void Frm_Optionen::showEvent(QShowEvent* event) {
  Module1.OptionenAktiv = 1;
  QWidget::showEvent(event);
}

void Frm_Optionen::closeEvent(QCloseEvent* event) {
  event->ignore();
  Module1.OptionenAktiv = 0;
  hide();
}
