#include "Frm_einfuegenals.h"

#include <QCoreApplication>
#include <QFileDialog>

#include "Dateizugriff.h"
#include "Dunkelblau.h"
#include "Kopftabelle.h"
#include "Meldung.h"
#include "Module1.h"
#include "Tilesetblock.h"
#include "Zahlen.h"

Frm_einfügenals::Frm_einfügenals() : QWidget(nullptr, Qt::Window) {
  setAttribute(Qt::WA_DeleteOnClose);
  Aufbauen();
  Verbinden();
  Module1.ZielDatei = Module1.RomDatei;
  Auswahl->setCurrentIndex(0);
  Auswahl_Click();
  Lbl_Dateiname->setText(Module1.RomDatei);
}

void Frm_einfügenals::Aufbauen() {
  setObjectName(QStringLiteral("Frm_einfügenals"));
  setWindowTitle(QCoreApplication::translate("Frm_einfuegenals", "Tileset einfügen als ..."));
  setFixedSize(4800 / 15, 3480 / 15);
  Dunkelblau(*this);

  auto name = [](QWidget* w, const char* n) { w->setObjectName(QString::fromUtf8(n)); };
  Label1 = new QLabel(QCoreApplication::translate(
                          "Frm_einfuegenals", "Einfügen des aktuellen Tilesets in Datei ... als ?. Tileset"),
                      this);
  name(Label1, "Label1");
  Label1->setWordWrap(true);
  Label1->setGeometry(Twips(120, 90, 4560, 420));

  Opt_Diese = new QRadioButton(QCoreApplication::translate("Frm_einfuegenals", "In diese Datei"), this);
  Opt_Andere = new QRadioButton(QCoreApplication::translate("Frm_einfuegenals", "In andere Datei"), this);
  Opt_Tilesets = new QRadioButton(QCoreApplication::translate("Frm_einfuegenals", "In Tilesets.gb"), this);
  name(Opt_Diese, "Opt_Diese");
  name(Opt_Andere, "Opt_Andere");
  name(Opt_Tilesets, "Opt_Tilesets");
  Opt_Diese->setChecked(true);
  Opt_Diese->setGeometry(Twips(120, 600, 2055, 315));
  Opt_Andere->setGeometry(Twips(120, 960, 2055, 315));
  Opt_Tilesets->setGeometry(Twips(120, 1320, 2055, 315));
  Cmd_Dateian = new QPushButton(QCoreApplication::translate("Frm_einfuegenals", "&Datei angeben"), this);
  name(Cmd_Dateian, "Cmd_Dateian");
  Cmd_Dateian->setEnabled(false);
  Cmd_Dateian->setGeometry(Twips(120, 1740, 1815, 375));

  Auswahl = new QComboBox(this);
  name(Auswahl, "Auswahl");
  for (int n = 1; n <= 28; ++n)
    Auswahl->addItem(QCoreApplication::translate("Frm_einfuegenals", "Titelset%1").arg(n));
  Auswahl->setGeometry(Twips(2400, 600, 1335, 315));
  Txt_Ort = new HexFeld(this);
  name(Txt_Ort, "Txt_Ort");
  Txt_Ort->setGeometry(Twips(2400, 1005, 1335, 345));
  Lbl_Pointer = new QLabel(QCoreApplication::translate("Frm_einfuegenals", "Pointer"), this);
  name(Lbl_Pointer, "Lbl_Pointer");
  Lbl_Pointer->setGeometry(Twips(3840, 1035, 900, 285));
  Chk_Ersetzen = new QCheckBox(QCoreApplication::translate("Frm_einfuegenals", "Pointer ersetzen"), this);
  name(Chk_Ersetzen, "Chk_Ersetzen");
  Chk_Ersetzen->setChecked(true);
  Chk_Ersetzen->setGeometry(Twips(2400, 1440, 2295, 315));
  Chk_Löschen = new QCheckBox(QCoreApplication::translate("Frm_einfuegenals", "Altes Tileset Löschen"), this);
  name(Chk_Löschen, "Chk_Löschen");
  Chk_Löschen->setChecked(true);
  Chk_Löschen->setGeometry(Twips(2400, 1800, 2295, 315));

  Lbl_Dateiname = new QLabel(QCoreApplication::translate("Frm_einfuegenals", "Aktueller Dateiname"), this);
  name(Lbl_Dateiname, "Lbl_Dateiname");
  Lbl_Dateiname->setWordWrap(true);
  Lbl_Dateiname->setGeometry(Twips(120, 2280, 4560, 540));
  Cmd_Einfügen = new QPushButton(QCoreApplication::translate("Frm_einfuegenals", "&Einfügen"), this);
  name(Cmd_Einfügen, "Cmd_Einfügen");
  Cmd_Einfügen->setGeometry(Twips(1680, 2940, 1455, 405));
}

void Frm_einfügenals::Verbinden() {
  auto gewaehlt = [this](QRadioButton* knopf, void (Frm_einfügenals::*handler)()) {
    connect(knopf, &QRadioButton::toggled, this, [this, handler](bool an) {
      if (an) (this->*handler)();
    });
  };
  gewaehlt(Opt_Diese, &Frm_einfügenals::Opt_Diese_Click);
  gewaehlt(Opt_Andere, &Frm_einfügenals::Opt_Andere_Click);
  gewaehlt(Opt_Tilesets, &Frm_einfügenals::Opt_Tilesets_Click);
  connect(Cmd_Dateian, &QPushButton::clicked, this, [this] { Cmd_Dateian_Click(); });
  connect(Auswahl, &QComboBox::activated, this, [this] { Auswahl_Click(); });
  connect(Txt_Ort, &QLineEdit::textChanged, this, [this] { Txt_Ort_Change(); });
  connect(Cmd_Einfügen, &QPushButton::clicked, this, [this] { Einfügen(); });
}

void Frm_einfügenals::RomZielSchalten(bool rom) {
  Cmd_Dateian->setEnabled(Opt_Andere->isChecked());
  for (QWidget* w : {static_cast<QWidget*>(Chk_Ersetzen), static_cast<QWidget*>(Chk_Löschen),
                     static_cast<QWidget*>(Txt_Ort)})
    w->setEnabled(rom);
}

void Frm_einfügenals::ZielBereit(bool bereit) {
  Cmd_Einfügen->setEnabled(bereit);
  Auswahl->setEnabled(bereit);
}

void Frm_einfügenals::Opt_Diese_Click() {
  Module1.ZielDatei = Module1.RomDatei;
  RomZielSchalten(true);
  ZielBereit(true);
  Auswahl_Click();
  Lbl_Dateiname->setText(Module1.ZielDatei);
}

void Frm_einfügenals::Opt_Andere_Click() {
  Module1.ZielDatei = AndereDatei;
  RomZielSchalten(true);
  ZielBereit(!AndereDatei.isEmpty());
  if (AndereDatei.isEmpty()) {
    Lbl_Dateiname->setText(QCoreApplication::translate("Frm_einfuegenals", "Bitte Datei Auswählen."));
    return;
  }
  Lbl_Dateiname->setText(AndereDatei);
  Auswahl_Click();
}

void Frm_einfügenals::Opt_Tilesets_Click() {
  RomZielSchalten(false);
  ZielBereit(true);
  Auswahl_Click();
  Lbl_Dateiname->setText(Module1.ZielDatei);
}

void Frm_einfügenals::RomGewechselt() {
  if (Opt_Diese->isChecked())
    Opt_Diese_Click();
  else if (Opt_Andere->isChecked())
    Opt_Andere_Click();
  else
    Opt_Tilesets_Click();
}

void Frm_einfügenals::Cmd_Dateian_Click() {
  const QString pfad = QFileDialog::getOpenFileName(
      this, QCoreApplication::translate("Frm_einfuegenals", "Rom Öffnen"), QString(),
      QCoreApplication::translate("Frm_einfuegenals", "Gameboy Roms (*.gb *.gbc);;Alle Dateien (*)"));
  if (!pfad.isEmpty()) DateiAngeben(pfad);
}

void Frm_einfügenals::DateiAngeben(const QString& Pfad) {
  if (Pfad.isEmpty()) return;
  if (Dateizugriff::Laenge(Pfad) < Kopftabelle::MindestRomLaenge) {
    Meldung(QCoreApplication::translate("Frm_einfuegenals", "Dies ist keine gültige Romdatei."));
    AndereDatei.clear();
    if (Opt_Andere->isChecked()) Opt_Andere_Click();
    return;
  }
  // What this window knew about the pointers of the previous file does not
  // hold for another one.
  if (Pfad != AndereDatei) AnderePointer = {};
  AndereDatei = Pfad;
  Module1.ZielDatei = Pfad;
  Lbl_Dateiname->setText(Pfad);
  ZielBereit(true);
  Auswahl_Click();
}

void Frm_einfügenals::Auswahl_Click() {
  const int n = Auswahl->currentIndex() + 1;
  if (Opt_Tilesets->isChecked()) {
    Lbl_Pointer->setText(QCoreApplication::translate("Frm_einfuegenals", "Pointer"));
    Txt_Ort->setText(Hex(Tilesetblock::SatzLaenge * (n - 1) + 1));
    Module1.ZielDatei = Module1.ProgOrdner + QStringLiteral("Tilesets.gb");
    return;
  }
  ZielPointerOrt = HexStellen(Kopftabelle::ZeigerOrt(n), 6);
  const QString zeiger = Kopftabelle::ZeigerLesen(Module1.ZielDatei, n);
  Module1.LadeSperre = 1;
  Lbl_Pointer->setText(zeiger);
  Txt_Ort->setText(PointerZuOffset(zeiger, 0, 0));
  Module1.LadeSperre = 0;
  // The other file's records follow that file, so that erasing a previous copy
  // later finds where the tileset really is. The open ROM's records belong to
  // the main window: looking at a tileset here must not make its place count
  // as one this program may overwrite without asking.
  if (Opt_Andere->isChecked()) AnderePointer[n] = zeiger;
}

void Frm_einfügenals::Txt_Ort_Change() {
  if (Opt_Tilesets->isChecked() || Module1.LadeSperre == 1) return;
  Lbl_Pointer->setText(OffsetZuPointer(Txt_Ort->text(), 0));
}
