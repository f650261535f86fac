#include "Frm_TilesetPal.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <algorithm>

#include "Dateizugriff.h"
#include "Dunkelblau.h"
#include "Flaeche.h"
#include "Module1.h"
#include "Palettentabelle.h"
#include "Ungeschrieben.h"
#include "Verlaufsbefehle.h"

namespace {
constexpr std::uint32_t RoterRand = 255;

// LadeSperre held while the window fills its own controls; the value before
// comes back at the end, so a caller's own hold is kept.
class Sperre {
 public:
  Sperre() : m_vorher(Module1.LadeSperre) { Module1.LadeSperre = 1; }
  ~Sperre() { Module1.LadeSperre = m_vorher; }
  Sperre(const Sperre&) = delete;
  Sperre& operator=(const Sperre&) = delete;

 private:
  int m_vorher;
};

}  // namespace

Frm_TilesetPal::Frm_TilesetPal()
    : m_verlauf([this](int) { return Farbtexte(); },
                [this](int, const QString& texte) { FarbtexteSetzen(texte); }) {
  setObjectName(QStringLiteral("Frm_TilesetPal"));
  setWindowTitle(QCoreApplication::translate("Frm_TilesetPal", "Tileset-Paletten[*]"));
  VerlaufAnmelden(*this, m_verlauf);
  Ungeschrieben::Anmelden(
      *this, [this] { return UngeschriebenText(); }, [this] { Cmd_PalSpeichern_Click(); });
  Dunkelblau(*this);
  setFixedSize(424, 206);
  Aufbauen();
  Form_Load();
}

void Frm_TilesetPal::Aufbauen() {
  AuswahlAufbauen();
  FarbenAufbauen();
  SchieberAufbauen();
  KnoepfeAufbauen();
}

void Frm_TilesetPal::AuswahlAufbauen() {
  Zeit = Element(new QComboBox(this), QStringLiteral("Zeit"), QRect(8, 8, 200, 22));
  Zeit->addItems({QCoreApplication::translate("Frm_TilesetPal", "0 Morgen Palette"),
                  QCoreApplication::translate("Frm_TilesetPal", "1 Tag Palette"),
                  QCoreApplication::translate("Frm_TilesetPal", "2 Nacht Palette"),
                  QCoreApplication::translate("Frm_TilesetPal", "3 Schwarze Nacht Palette"),
                  QCoreApplication::translate("Frm_TilesetPal", "4 Morgen u. Tag Palette 2")});
  Paletten = Element(new QComboBox(this), QStringLiteral("Paletten"), QRect(216, 8, 200, 22));
  Paletten->addItems({QCoreApplication::translate("Frm_TilesetPal", "0 Schild-Palette"),
                      QCoreApplication::translate("Frm_TilesetPal", "1 Blumen-Palette"),
                      QCoreApplication::translate("Frm_TilesetPal", "2 Gras u. Baum-Palette"),
                      QCoreApplication::translate("Frm_TilesetPal", "3 Waser-Palette"),
                      QCoreApplication::translate("Frm_TilesetPal", "4 obere Tür-Palette"),
                      QCoreApplication::translate("Frm_TilesetPal", "5 Fels-Palette"),
                      QCoreApplication::translate("Frm_TilesetPal", "6 Dach-Palette"),
                      QCoreApplication::translate("Frm_TilesetPal", "7 Schrift-Palette")});
  connect(Zeit, &QComboBox::activated, this, [this] { Zeit_Click(); });
  connect(Paletten, &QComboBox::activated, this, [this] { Paletten_Click(); });
}

void Frm_TilesetPal::FarbenAufbauen() {
  for (int c = 1; c <= 4; ++c) {
    const int y = 40 + (c - 1) * 30;
    Label[c] = Element(new QLabel(QCoreApplication::translate("Frm_TilesetPal", "Farbe%1:").arg(c), this),
                       QStringLiteral("Label%1").arg(c), QRect(8, y + 2, 52, 18));
    Lbl_Farbe[c] = Element(new Palettenlabel(QStringLiteral("0000"), this),
                           QStringLiteral("Lbl_Farbe(%1)").arg(c), QRect(60, y, 52, 22));
    Lbl_Farbe[c]->Click = [this, c] { Lbl_Farbe_Click(c); };
    Shp_F[c] = Element(new Palettenform(this), QStringLiteral("Shp_F(%1)").arg(c), QRect(118, y - 2, 40, 26));
  }
  Shp_Farbe = Element(new Palettenform(this), QStringLiteral("Shp_Farbe"), QRect(170, 38, 90, 118));
}

void Frm_TilesetPal::SchieberAufbauen() {
  auto schieber = [this](const QString& name, int y) {
    auto* s = Element(new QScrollBar(Qt::Horizontal, this), name, QRect(272, y, 100, 18));
    s->setRange(0, 31);
    return s;
  };
  auto kanal = [this](const QString& name, int y, std::uint32_t farbe) {
    auto* l = Element(new Palettenlabel(QStringLiteral("0"), this), name, QRect(378, y, 38, 18));
    l->setSchrift(farbe);
    return l;
  };
  SRot = schieber(QStringLiteral("SRot"), 40);
  SGrün = schieber(QStringLiteral("SGrün"), 66);
  SBlau = schieber(QStringLiteral("SBlau"), 92);
  Rot = kanal(QStringLiteral("Rot"), 40, 255);
  Grün = kanal(QStringLiteral("Grün"), 66, 192 * 256);
  Blau = kanal(QStringLiteral("Blau"), 92, 255 * 65536);
  connect(SRot, &QScrollBar::valueChanged, this, [this] { Schieber_Change(SRot, Rot); });
  connect(SGrün, &QScrollBar::valueChanged, this, [this] { Schieber_Change(SGrün, Grün); });
  connect(SBlau, &QScrollBar::valueChanged, this, [this] { Schieber_Change(SBlau, Blau); });
  for (QScrollBar* s : {SRot, SGrün, SBlau})
    connect(s, &QScrollBar::sliderReleased, this, [this] { m_verlauf.Beenden(); });
}

void Frm_TilesetPal::KnoepfeAufbauen() {
  Label[5] = Element(new QLabel(QCoreApplication::translate("Frm_TilesetPal", "GBC Hex Farbe"), this),
                     QStringLiteral("Label5"), QRect(272, 118, 110, 18));
  Wert = Element(new Palettenwert(this), QStringLiteral("Wert"), QRect(272, 138, 56, 24));
  Wert->setText(QStringLiteral("0000"));
  Cmd_HexRGB = Element(new QPushButton(QCoreApplication::translate("Frm_TilesetPal", "Hex zu RGB"), this),
                       QStringLiteral("Cmd_HexRGB"), QRect(334, 137, 82, 26));
  Cmd_PalSpeichern =
      Element(new QPushButton(QCoreApplication::translate("Frm_TilesetPal", "Palette &Speichern"), this),
              QStringLiteral("Cmd_PalSpeichern"), QRect(8, 170, 150, 28));
  Cmd_Achtung =
      Element(new QPushButton(QCoreApplication::translate("Frm_TilesetPal", "!!!&Achtung!!!"), this),
              QStringLiteral("Cmd_Achtung"), QRect(166, 170, 130, 28));
  connect(Cmd_HexRGB, &QPushButton::clicked, this, [this] { Cmd_HexRGB_Click(); });
  connect(Cmd_PalSpeichern, &QPushButton::clicked, this, [this] { Cmd_PalSpeichern_Click(); });
  connect(Cmd_Achtung, &QPushButton::clicked, this, [this] { Cmd_Achtung_Click(); });
}

void Frm_TilesetPal::Form_Load() {
  Module1.LadeSperre = 0;
  if (Module1.PalettenBasis.isEmpty()) Module1.PalettenBasis = QStringLiteral("B75E");
  m_farbe = 1;
  PalettenAdressenBerechnen();
  RaenderZeigen();
}

QString Frm_TilesetPal::Datei() const {
  return HauptOriginalModus() ? Module1.ProgOrdner + QStringLiteral("OriginalPaletten.gb") : Module1.RomDatei;
}

void Frm_TilesetPal::RausLesen() {
  {
    Sperre sperre;
    const QString datei = Datei();
    for (int t = 0; t < Palettentabelle::Zeiten; ++t)
      for (int p = 0; p < Palettentabelle::Paletten; ++p)
        Module1.PalettenWerte[t][p] =
            Palettentabelle::Farbtexte(Dateizugriff::Lesen(datei, Module1.PalettenAdresse[t][p] - 1, 8));
    Paletten->setCurrentIndex(0);
  }
  Zeit->setCurrentIndex(std::clamp(Module1.Tageszeit, 0, Palettentabelle::Zeiten - 1));
  Anzeigen();
}

void Frm_TilesetPal::Zeit_Click() {
  if (WechselFragen()) Anzeigen();
}
void Frm_TilesetPal::Paletten_Click() {
  if (WechselFragen()) Anzeigen();
}

// Another palette shown would drop the colours not yet saved; Cancel keeps
// the palette they belong to.
bool Frm_TilesetPal::WechselFragen() {
  if (Ungeschrieben::Fragen(*this)) return true;
  Zeit->setCurrentIndex(m_zeit);
  Paletten->setCurrentIndex(m_palette);
  return false;
}

void Frm_TilesetPal::Anzeigen() {
  if (Module1.LadeSperre == 1) return;
  const int t = std::max(Zeit->currentIndex(), 0);
  const int p = std::max(Paletten->currentIndex(), 0);
  m_zeit = t;
  m_palette = p;
  for (int c = 1; c <= 4; ++c) {
    Lbl_Farbe[c]->setText(Module1.PalettenWerte[t][p][c]);
    Lbl_Farbe_Change(c);
  }
  Lbl_Farbe_Click(1);
  m_verlauf.Leeren();
}

QString Frm_TilesetPal::Farbtexte() const {
  QStringList texte;
  for (int c = 1; c <= 4; ++c) texte << Lbl_Farbe[c]->text();
  return texte.join(QLatin1Char(','));
}

void Frm_TilesetPal::FarbtexteSetzen(const QString& texte) {
  const QStringList t = texte.split(QLatin1Char(','));
  for (int c = 1; c <= 4 && t.size() == 4; ++c) {
    Lbl_Farbe[c]->setText(t[c - 1]);
    Lbl_Farbe_Change(c);
  }
  Lbl_Farbe_Click(m_farbe);
}

QString Frm_TilesetPal::UngeschriebenText() const {
  if (m_verlauf.Sauber()) return {};
  return QCoreApplication::translate("Frm_TilesetPal",
                                     "Tileset-Paletten: %1 (%2) ist noch nicht gespeichert.")
      .arg(Paletten->itemText(m_palette), Zeit->itemText(m_zeit));
}

void Frm_TilesetPal::Lbl_Farbe_Change(int Index) {
  if (Module1.LadeSperre == 1) return;
  const std::uint32_t farbe = FarbtextZuFarbe(Lbl_Farbe[Index]->text());
  Shp_F[Index]->setFuellung(farbe);
  Lbl_Farbe[Index]->setSchrift(farbe);
  RaenderZeigen();
}

void Frm_TilesetPal::RaenderZeigen() {
  for (int c = 1; c <= 4; ++c) Shp_F[c]->setRand(c == m_farbe ? RoterRand : Shp_F[c]->Fuellung());
}

void Frm_TilesetPal::Lbl_Farbe_Click(int Index) {
  m_farbe = Index;
  RaenderZeigen();
  SchieberSetzen(Farbauswerten(Lbl_Farbe[Index]->text(), QString()));
  FarbAnsicht();
}

void Frm_TilesetPal::SchieberSetzen(const QString& Tripel) {
  Sperre sperre;
  SBlau->setValue(Tripel.mid(0, 3).toInt() / 8);
  SGrün->setValue(Tripel.mid(3, 3).toInt() / 8);
  SRot->setValue(Tripel.mid(6, 3).toInt() / 8);
}

void Frm_TilesetPal::Schieber_Change(QScrollBar* schieber, QLabel* kanal) {
  kanal->setText(QString::number(schieber->value() * 8));
  if (Module1.LadeSperre == 1) return;
  // A drag is one step, from press to release.
  m_verlauf.Merken(0, QStringLiteral(QT_TRANSLATE_NOOP("Verlaufsbefehle", "Farbe ändern")));
  FarbAnsicht();
  if (!schieber->isSliderDown()) m_verlauf.Beenden();
}

void Frm_TilesetPal::FarbAnsicht() {
  Sperre sperre;
  const int r = Rot->text().toInt(), g = Grün->text().toInt(), b = Blau->text().toInt();
  const std::uint32_t farbe = VbWert(r, g, b);
  Shp_Farbe->setFuellung(farbe);
  Shp_F[m_farbe]->setFuellung(farbe);
  Lbl_Farbe[m_farbe]->setSchrift(farbe);
  const QString text = KanaeleZuFarbtext(r, g, b);
  Wert->setText(text);
  Lbl_Farbe[m_farbe]->setText(text);
}

void Frm_TilesetPal::TPalette(const QString& HexWert) {
  Sperre sperre;
  SchieberSetzen(Farbauswerten(HexWert, QString()));
  Lbl_Farbe[m_farbe]->setText(HexWert);
  const std::uint32_t farbe = VbWert(Rot->text().toInt(), Grün->text().toInt(), Blau->text().toInt());
  Shp_Farbe->setFuellung(farbe);
  Shp_F[m_farbe]->setFuellung(farbe);
  Lbl_Farbe[m_farbe]->setSchrift(farbe);
}

void Frm_TilesetPal::closeEvent(QCloseEvent* event) {
  event->ignore();
  hide();
}
