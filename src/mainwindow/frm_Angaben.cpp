#include "frm_Angaben.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileDialog>
#include <QMenuBar>
#include <QPainter>
#include <QSettings>

#include "Dateizugriff.h"
#include "Dunkelblau.h"
#include "Einzeln.h"
#include "Frm_Bearbeiten.h"
#include "Frm_Info.h"
#include "Kopftabelle.h"
#include "Meldung.h"
#include "MeldungsBox.h"
#include "Module1.h"
#include "Optionstext.h"
#include "Radfilter.h"
#include "Selbsttest.h"
#include "Sprache.h"
#include "Tilesetblock.h"
#include "Tilesetquelle.h"
#include "Uebersetzung.h"
#include "Verlauf.h"
#include "Verlaufsbefehle.h"
#include "Zahlen.h"

namespace {
QString TilesetsGb() { return Module1.ProgOrdner + QStringLiteral("Tilesets.gb"); }

QPixmap Banner() {
  QPixmap bild(313, 33);
  bild.fill(QColor(0, 0, 128));
  QPainter maler(&bild);
  const QColor gras(88, 168, 72), weg(200, 176, 120), wasser(64, 112, 216), dach(184, 64, 48);
  const QColor muster[] = {gras, gras, weg, gras, wasser, wasser, gras, dach, dach, gras, weg, gras};
  for (int i = 0; i < 39; ++i) {
    maler.fillRect(2 + i * 8, 25, 7, 6, muster[i % 12]);
  }
  QFont schrift = maler.font();
  schrift.setBold(true);
  schrift.setPixelSize(18);
  maler.setFont(schrift);
  maler.setPen(QColor(220, 255, 255));
  maler.drawText(QRect(0, 0, 313, 25), Qt::AlignCenter, QStringLiteral("Tessaron"));
  return bild;
}

}  // namespace

frm_Angaben::frm_Angaben(const QString& ordner) : m_ordner(ordner) {
  Sprache::Laden(Sprache::Gespeichert());
  UebersetzungEinrichten();
  MeldungsBoxenEinrichten();
  SelbsttestEinrichten();
  QCoreApplication::instance()->installEventFilter(new Radfilter(this));
  Aufbauen();
  MenüsAufbauen();
  HauptfensterAnbieten();
  WiederherstellungVerbinden();
  Form_Load();
}

// Without removing the recovery file: only the program's own end does that,
// so that a file left behind is still there for the next main window.
frm_Angaben::~frm_Angaben() {
  VerlaufBeobachten({});
  Verlauf::Instanz().Beobachter = {};
  AlleEntladen();
  Haupt = Hauptfenster{};
}

void frm_Angaben::Aufbauen() {
  setObjectName(QStringLiteral("frm_Angaben"));
  setWindowTitle(QStringLiteral("Tessaron[*]"));
  auto* flaeche = new QWidget(this);
  flaeche->setObjectName(QStringLiteral("Flaeche"));
  flaeche->setFixedSize(4725 / 15, 2505 / 15);
  Dunkelblau(*flaeche);
  QFont schrift = flaeche->font();
  schrift.setPixelSize(11);  // the layout's boxes were sized for a small system font
  flaeche->setFont(schrift);
  setCentralWidget(flaeche);

  auto* banner = new QLabel(flaeche);
  banner->setObjectName(QStringLiteral("Banner"));
  banner->setPixmap(Banner());
  banner->setGeometry(1, 0, 313, 33);

  Auswahl = new QComboBox(flaeche);
  Auswahl->setObjectName(QStringLiteral("Auswahl"));
  for (int n = 1; n <= 28; ++n)
    Auswahl->addItem(QCoreApplication::translate("frm_Angaben", "Titelset%1").arg(n));
  Auswahl->setCurrentIndex(-1);
  Auswahl->setEnabled(false);
  Auswahl->setGeometry(Twips(120, 600, 1335, 315));
  connect(Auswahl, &QComboBox::activated, this, [this](int index) { AuswahlWechseln(index); });

  Lbl_Ort = new QLabel(QCoreApplication::translate("frm_Angaben", "Bitte speicher Offset angeben"), flaeche);
  Lbl_Ort->setObjectName(QStringLiteral("Lbl_Ort"));
  Lbl_Ort->setWordWrap(true);
  Lbl_Ort->setGeometry(Twips(120, 1200, 1335, 495));

  Txt_Ort = new HexFeld(flaeche);
  Txt_Ort->setObjectName(QStringLiteral("Txt_Ort"));
  Txt_Ort->setGeometry(Twips(120, 1680, 1335, 375));
  connect(Txt_Ort, &QLineEdit::textChanged, this, [this] { Txt_Ort_Change(); });

  Lbl_Pointer = new QLabel(QCoreApplication::translate("frm_Angaben", "Pointer"), flaeche);
  Lbl_Pointer->setObjectName(QStringLiteral("Lbl_Pointer"));
  Lbl_Pointer->setGeometry(Twips(120, 2160, 1335, 255));

  auto kasten = [flaeche](const char* name, const QString& text, QRect ort, bool an) {
    auto* k = new QCheckBox(text, flaeche);
    k->setObjectName(QString::fromUtf8(name));
    k->setGeometry(ort);
    k->setChecked(an);
    return k;
  };
  Chk_Ersetzen = kasten("Chk_Ersetzen", QCoreApplication::translate("frm_Angaben", "Pointer ersetzen"),
                        Twips(2160, 600, 2505, 375), true);
  Chk_Löschen = kasten("Chk_Löschen", QCoreApplication::translate("frm_Angaben", "Altes Tileset Löschen"),
                       Twips(2160, 960, 2505, 375), true);
  Chk_Original = kasten("Chk_Original", QCoreApplication::translate("frm_Angaben", "Originaldaten ändern"),
                        Twips(2160, 1320, 2505, 375), false);
  Chk_Geheim =
      kasten("Chk_Geheim", QCoreApplication::translate("frm_Angaben", "In \"Tilesets.gb\" speichern"),
             Twips(2160, 1320, 2505, 375), false);
  Chk_Geheim->setBackgroundRole(QPalette::Window);
  Chk_Geheim->setAutoFillBackground(true);  // hides the box it lies over
  Chk_Geheim->raise();
  connect(Chk_Original, &QCheckBox::toggled, this, [this] { Chk_Original_Click(); });
  connect(Chk_Geheim, &QCheckBox::toggled, this, [this] { Chk_Geheim_Click(); });

  setTabOrder(Auswahl, Txt_Ort);
  setTabOrder(Txt_Ort, Chk_Ersetzen);
  setTabOrder(Chk_Ersetzen, Chk_Geheim);
  setTabOrder(Chk_Geheim, Chk_Löschen);
  setTabOrder(Chk_Löschen, Chk_Original);
}

void frm_Angaben::HauptfensterAnbieten() {
  Haupt.Auswahl_Click = [this] { Auswahl_Click(); };
  Haupt.Laden = [this] { Laden(); };
  Haupt.AuswahlIndex = [this] { return Auswahl->currentIndex(); };
  Haupt.AuswahlSetzen = [this](int index) { AuswahlWechseln(index); };
  Haupt.OriginalModus = [this] { return Chk_Original->isChecked(); };
  Haupt.GeheimModus = [this] { return Chk_Geheim->isChecked(); };
  Haupt.KolliListeKurz = [this](bool kurz) { KolliListenModus(kurz); };
  Haupt.Umfaerben = [this] { Umfaerben(); };
}

void frm_Angaben::Form_Load() {
  Cmd_Tut->setVisible(false);
  QSettings einstellungen = Einstellungen();
  einstellungen.beginGroup(QStringLiteral("Einstelungen"));
  const QString verzeichnis = einstellungen.value(QStringLiteral("Verzeichnis")).toString();
  const QString erledigt = QStringLiteral("Wird nicht mehr gebraucht!!");
  if (!verzeichnis.isEmpty() && verzeichnis != erledigt)
    einstellungen.setValue(QStringLiteral("Verzeichnis"), erledigt);
  einstellungen.endGroup();

  Module1.ProgOrdner = m_ordner.endsWith(QLatin1Char('/')) ? m_ordner : m_ordner + QLatin1Char('/');
  Frm_Bearbeiten::Instanz().GrösseTile(6, 16);
  Module1.FarbeLinks = 2;
  Module1.FarbeRechts = 1;
  Module1.Lücke = 2;
  Module1.LeerMuster = {0, 227, 255, 225, 255, 255, 0};
  OriginalPointerLesen();
  OptionenLaden();
  Module1.OptionenAktiv = 0;
  PalettenLaden();
  Module1.ZuordnungBasis = QStringLiteral("156E0");
}

void frm_Angaben::OriginalPointerLesen() {
  const QString pfad = Module1.ProgOrdner + QStringLiteral("OriginalPointer.ini");
  Module1.OrgPointer = Tilesetquelle::OriginalPointer(
      Dateizugriff::Lesen(pfad, 0, Tilesetquelle::IniSatz * Tilesetquelle::Tilesets));
}

void frm_Angaben::Cmd_Öffnen_Click() {
  const QString pfad = QFileDialog::getOpenFileName(
      this, QCoreApplication::translate("frm_Angaben", "Rom Öffnen"), QString(),
      QCoreApplication::translate("frm_Angaben", "Gameboy Roms (*.gb *.gbc);;Alle Dateien (*)"));
  if (!pfad.isEmpty()) RomÖffnen(pfad);
}

void frm_Angaben::RomÖffnen(const QString& Pfad) {
  // A refused file never becomes the ROM: later writes keep going to the last
  // valid one, or nowhere.
  if (Dateizugriff::Laenge(Pfad) < Kopftabelle::MindestRomLaenge) {
    Meldung(QCoreApplication::translate("frm_Angaben", "Dies ist keine gültige Romdatei."));
    return;
  }
  if (!AlleFragen()) return;
  WiederherstellungBeenden();
  Module1.RomDatei = Pfad;
  // The records of moved tilesets were the previous ROM's; left standing they
  // would let an insertion skip the free-area question at their places.
  Module1.NeuPointer.fill(QString());
  Auswahl->setEnabled(true);
  Cmd_Laden->setVisible(false);
  for (QAction* a : {Cmd_TilesetPal, Cmd_OriginalTilePal, Cmd_sucheOff, Cmd_BLaden, Cmd_Animationen,
                     Cmd_OriginaldatenAnlegen, Cmd_PatchErstellen, Cmd_Testen})
    a->setEnabled(true);
  PalettenRausLesen();
  Module1.ZielDatei = Module1.RomDatei;
  Module1.FreierOffset.clear();
  EinfügenalsNachziehen();
  if (Auswahl->currentIndex() < 0)
    AuswahlSetzen(0);
  else
    Auswahl_Click();
  OriginaldatenAnbieten();
  WiederherstellungAnbieten();
}

void frm_Angaben::AuswahlSetzen(int index) {
  Auswahl->setCurrentIndex(index);
  Auswahl_Click();
}

bool frm_Angaben::TilesetQuelleGeheim() const { return Chk_Geheim->isChecked() || Chk_Original->isChecked(); }

void frm_Angaben::Auswahl_Click() {
  if (!TilesetQuelleGeheim() && Module1.RomDatei.isEmpty()) return;  // nothing to load from
  if (Auswahl->currentIndex() < 0) {
    Cmd_Pointeränd->setEnabled(false);
    Cmd_PalettenZu->setEnabled(false);
    return;
  }
  const int n = Auswahl->currentIndex() + 1;
  m_bearbeitet = n - 1;
  Cmd_Pointeränd->setEnabled(true);
  Cmd_AltPointer->setVisible(false);
  Cmd_PointeruLöschen->setVisible(false);
  for (QAction* a : {Cmd_PalettenZu, Cmd_OrgPalEinf, Cmd_LeerTile, Cmd_Kolli, Cmd_Block, Cmd_Optionen})
    a->setEnabled(true);
  AnimationBeiAuswahl();
  Module1.ZuordnungGeladen = 0;

  if (TilesetQuelleGeheim()) {
    Lbl_Pointer->setText(QCoreApplication::translate("frm_Angaben", "Pointer"));
    Txt_Ort->setText(Hex((n - 1) * Tilesetblock::SatzLaenge));
    Module1.QuellDatei = TilesetsGb();
    Module1.QuellOffset = Txt_Ort->text();
  } else {
    Module1.PointerOrt = HexStellen(Kopftabelle::ZeigerOrt(n), 6);
    const auto quelle = Tilesetquelle::ImRom(Module1.RomDatei, TilesetsGb(), n, Module1.OrgPointer[n]);
    Module1.LadeSperre = 1;
    Lbl_Pointer->setText(quelle.zeiger);
    Txt_Ort->setText(quelle.ort);
    Module1.LadeSperre = 0;
    Module1.NeuPointer[n] = quelle.verschoben ? quelle.zeiger : QString();
    Module1.QuellDatei = quelle.datei;
    Module1.QuellOffset = quelle.offset;
    Cmd_AltPointer->setVisible(quelle.verschoben);
    Cmd_PointeruLöschen->setVisible(quelle.verschoben);
  }
  if (!Chk_Original->isChecked())
    Module1.ZuordnungZeiger = Hex(HexZuZahl(Module1.ZuordnungBasis) + Kopftabelle::Satz * n);
  PalettenZuBeiAuswahl();
  Module1.TilesetGeladen = 1;
  Cmd_Optionen->setEnabled(true);
  OptionenZuweisen();
  Module1.FarbeLinks = 2;
  Module1.FarbeRechts = 1;
  Cmd_Laden->setVisible(true);
  Laden();
  KolliAuswahl();
  Frm_Bearbeiten& ansicht = Frm_Bearbeiten::Instanz();
  for (int i = 0; i <= ansicht.AnzahlTiles(); ++i)
    ansicht.Fläche(i).Farben(Module1.FarbeLinks, Module1.FarbeRechts);
}

void frm_Angaben::Laden() {
  Frm_Bearbeiten& ansicht = Frm_Bearbeiten::Instanz();
  ansicht.hide();
  const QString& quelle = Module1.QuellDatei;
  if (quelle.right(11).toLower() == QLatin1String("tilesets.gb") && Dateizugriff::Laenge(quelle) <= 0) {
    Meldung(QCoreApplication::translate(
                "frm_Angaben",
                "Fehler: Die Datei 'Tilesets.gb' wurde nicht gefunden oder sie ist leer.\n"
                "Bitte kontrolieren sie ob die date vorhanden ist."),
            QCoreApplication::translate("frm_Angaben", "Fehler"));
  }
  if (!m_behalten) {
    const auto texte = Tilesetblock::Lesen(
        Dateizugriff::Lesen(quelle, HexZuZahl(Module1.QuellOffset), Tilesetblock::Laenge));
    ansicht.Verlauf().Leeren();
    for (int i = 1; i <= std::min(ansicht.AnzahlTiles(), Tilesetblock::Kacheln); ++i)
      ansicht.Fläche(i).Zuteilen(texte[i - 1]);
  }
  ansicht.Geschrieben(Auswahl->currentIndex() + 1);
  FarbenZeigen();
  if (!ansicht.property("platziert").toBool()) {
    ansicht.move(frameGeometry().right() + 16, y());
    ansicht.setProperty("platziert", true);
  }
  ansicht.show();
  Cmd_Einfügen->setEnabled(true);
  Cmd_Einfügenals->setEnabled(true);
  Cmd_BildSpeichern->setEnabled(true);
  PalettenZuZeigenWennAktiv();
  OptionenZeigenWennAktiv();
  show();
  raise();
  activateWindow();
}

void frm_Angaben::Cmd_LeerTile_Click() {
  Frm_Bearbeiten& ansicht = Frm_Bearbeiten::Instanz();
  const QString leer(48, QLatin1Char('0'));
  ansicht.AlleÄndern(QStringLiteral(QT_TRANSLATE_NOOP("Verlaufsbefehle", "Leeres Tileset")),
                     [&ansicht, &leer] {
                       for (int i = 1; i <= ansicht.AnzahlTiles(); ++i) ansicht.Fläche(i).Zuteilen(leer);
                     });
}

void frm_Angaben::Txt_Ort_Change() {
  if (TilesetQuelleGeheim() || Module1.LadeSperre == 1) return;
  if (Txt_Ort->text().size() > 6) {
    Txt_Ort->setText(Txt_Ort->text().left(6));
    return;  // the change above runs this again
  }
  Lbl_Pointer->setText(OffsetZuPointer(Txt_Ort->text(), 0));
}

void frm_Angaben::Chk_Original_Click() {
  if (!SchalterFragen(Chk_Original)) return;
  const bool an = Chk_Original->isChecked();
  ZeigerTextSetzen();
  Txt_Ort->setEnabled(!an);
  RomSchalterSetzen();
  Cmd_Pointeränd->setEnabled(!an);
  Module1.PalettenBasis = an ? QStringLiteral("0") : QStringLiteral("B75E");
  Module1.ZuordnungBasis = an ? QStringLiteral("610") : QStringLiteral("156E0");
  PalettenAdressenBerechnen();
  if (an) {
    Auswahl->setEnabled(true);
    PalettenRausLesen();
    Auswahl_Click();
  } else if (!Module1.RomDatei.isEmpty()) {
    PalettenRausLesen();
    Auswahl_Click();
  } else if (Chk_Geheim->isChecked()) {
    Auswahl_Click();  // still from Tilesets.gb
  } else {
    OhneQuelle();
  }
}

void frm_Angaben::Chk_Geheim_Click() {
  if (!SchalterFragen(Chk_Geheim)) return;
  const bool ohneRom = Module1.RomDatei.isEmpty();
  if (!ohneRom) Auswahl_Click();
  RomSchalterSetzen();
  Cmd_Pointeränd->setEnabled(true);
  ZeigerTextSetzen();
  if (!ohneRom) return;
  if (TilesetQuelleGeheim())
    Auswahl->setEnabled(true);
  else
    OhneQuelle();
}

// Without a ROM only the side-file modes have anything to load. Leaving the
// last of them puts the window back as before: no tileset to choose, nothing
// to write.
void frm_Angaben::OhneQuelle() {
  Auswahl->setEnabled(false);
  for (QAction* a : {Cmd_Einfügen, Cmd_Einfügenals, Cmd_BildSpeichern, Cmd_LeerTile, Cmd_Pointeränd})
    a->setEnabled(false);
  Cmd_Laden->setVisible(false);
  Frm_Bearbeiten::Instanz().hide();
  Frm_Bearbeiten::Instanz().Verlauf().Leeren();  // nothing shown to undo on
  Txt_Ort->clear();
}

void frm_Angaben::ZeigerTextSetzen() {
  Lbl_Pointer->setText(TilesetQuelleGeheim() ? QCoreApplication::translate("frm_Angaben", "Pointer")
                                             : OffsetZuPointer(Txt_Ort->text(), 0));
}

// The ROM insertion's switches follow both source switches. Flipping them on
// each click, as one switch alone would allow, leaves them stuck off in ROM
// mode once both switches were changed in turn.
void frm_Angaben::RomSchalterSetzen() {
  const bool rom = !TilesetQuelleGeheim();
  Chk_Ersetzen->setEnabled(rom);
  Chk_Löschen->setEnabled(rom);
}

// Cancel puts the switch back as it was, without running its handler.
bool frm_Angaben::SchalterFragen(QCheckBox* schalter) {
  if (AlleFragen()) return true;
  const QSignalBlocker sperre(schalter);
  schalter->setChecked(!schalter->isChecked());
  return false;
}

void frm_Angaben::closeEvent(QCloseEvent* event) {
  if (!AlleFragen()) {
    event->ignore();
    return;
  }
  WiederherstellungBeenden();
  AlleEntladen();
  event->accept();
  QCoreApplication::quit();
}
