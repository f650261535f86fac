#include "Frm_Kolli.h"

#include <QCloseEvent>
#include <QCoreApplication>

#include "Blockdaten.h"
#include "Blockliste.h"
#include "Dunkelblau.h"
#include "Kollision.h"
#include "Module1.h"
#include "Uebersetzung.h"
#include "Ungeschrieben.h"
#include "Verlaufsbefehle.h"
#include "Zahlen.h"
#include "frm_Block.h"

namespace {
constexpr int Seite = Blockdaten::KachelSeite;
constexpr int BildLinks = 68, BildOben = 40;
constexpr int Fuge = 2;  // keeps the quadrants apart on the screen

// The fixed window was laid out for a small system font. With a larger one
// the description's last lines would be cut off, so its font shrinks until
// the whole text fits.
void Einpassen(QLabel& label) {
  QFont schrift = label.font();
  const QRect rahmen(0, 0, label.width(), QWIDGETSIZE_MAX);
  for (int px = QFontInfo(schrift).pixelSize(); px > 6; --px) {
    schrift.setPixelSize(px);
    if (QFontMetrics(schrift).boundingRect(rahmen, Qt::TextWordWrap, label.text()).height() <= label.height())
      break;
  }
  label.setFont(schrift);
}
}  // namespace

Frm_Kolli::Frm_Kolli()
    : QWidget(nullptr, Qt::Window),
      m_verlauf([this](int) { return m_stand; }, [this](int, const QString& stand) { StandSetzen(stand); }) {
  Aufbauen();
  VerlaufAnmelden(*this, m_verlauf);
  Ungeschrieben::Anmelden(
      *this, [this] { return UngeschriebenText(); }, [this] { Cmd_Speichern_Click(); });
  BeiJederWahl(*Cbo_Block, [this] {
    if (BlockWechselErlaubt(*Cbo_Block, m_block)) Cbo_Block_Click();
  });
  connect(Cmd_Speichern, &QPushButton::clicked, this, [this] { Cmd_Speichern_Click(); });
  frm_Block::Instanz();
  ListenModus(Module1.KolliKurzListe == 1);
  Leeren();
}

void Frm_Kolli::Aufbauen() {
  setObjectName(QStringLiteral("Frm_Kolli"));
  setWindowTitle(QCoreApplication::translate("Frm_Kolli", "Kolisions- und Blockdaten Editor[*]"));
  setFixedSize(470, 330);
  Dunkelblau(*this);

  Cbo_Block = new QComboBox(this);
  Cbo_Block->setObjectName(QStringLiteral("Cbo_Block"));
  for (int b = 1; b <= Blockdaten::Bloecke; ++b) Cbo_Block->addItem(HexStellen(b, 2));
  Cbo_Block->setGeometry(8, 8, 52, 24);

  Lbl_Ort = new QLabel(QCoreApplication::translate("Frm_Kolli", "Speicher Ort"), this);
  Lbl_Ort->setObjectName(QStringLiteral("Lbl_Ort"));
  Lbl_Ort->setGeometry(68, 8, 120, 24);

  for (int q = 1; q <= 4; ++q) {
    const int spalte = (q - 1) % 2, reihe = (q - 1) / 2;
    Pic_Aussehen[q] = new Bildfeld(2 * Seite, 2 * Seite, this);
    Pic_Aussehen[q]->setObjectName(QStringLiteral("Pic_Aussehen(%1)").arg(q));
    Pic_Aussehen[q]->move(BildLinks + spalte * (2 * Seite + Fuge), BildOben + reihe * (2 * Seite + Fuge));
    WerteAufbauen(q, spalte == 0 ? 8 : BildLinks + 4 * Seite + Fuge + 8,
                  BildOben + 4 + reihe * (2 * Seite + Fuge));
  }

  Cmd_Speichern = new QPushButton(QCoreApplication::translate("Frm_Kolli", "&Speichern"), this);
  Cmd_Speichern->setObjectName(QStringLiteral("Cmd_Speichern"));
  Cmd_Speichern->setGeometry(8, 118, 180, 26);

  Beschreibung = new QLabel(Kollision::Beschreibung(), this);
  Beschreibung->setObjectName(QStringLiteral("Beschreibung"));
  Beschreibung->setWordWrap(true);
  Beschreibung->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Beschreibung->setGeometry(208, 0, 254, 322);
  Einpassen(*Beschreibung);
  BeiSprachwechsel(Beschreibung, [this] {
    Beschreibung->setText(Kollision::Beschreibung());
    Einpassen(*Beschreibung);
  });
}

void Frm_Kolli::WerteAufbauen(int q, int x, int y) {
  Cbo_Art1[q] = new QComboBox(this);
  Cbo_Art1[q]->setObjectName(QStringLiteral("Cbo_Art1(%1)").arg(q));
  Cbo_Art1[q]->addItems(Kollision::KurzListe());
  Cbo_Art1[q]->setGeometry(x, y, 52, 24);
  Cbo_Art[q] = new QComboBox(this);
  Cbo_Art[q]->setObjectName(QStringLiteral("Cbo_Art(%1)").arg(q));
  for (int v = 0; v <= 0xFF; ++v) Cbo_Art[q]->addItem(HexStellen(v, 2));
  Cbo_Art[q]->setGeometry(x, y, 52, 24);
  for (QComboBox* wahl : {Cbo_Art[q], Cbo_Art1[q]})
    connect(wahl, &QComboBox::activated, this, [this] { WertGewaehlt(); });
}

void Frm_Kolli::WertGewaehlt() {
  m_verlauf.Merken(0, QStringLiteral(QT_TRANSLATE_NOOP("Verlaufsbefehle", "Kollision")));
  m_stand = Stand();
  m_verlauf.Beenden();
}

QString Frm_Kolli::Stand() const {
  QStringList stand;
  for (int q = 1; q <= 4; ++q)
    stand << QString::number(Cbo_Art[q]->currentIndex()) << QString::number(Cbo_Art1[q]->currentIndex());
  return stand.join(QLatin1Char(','));
}

void Frm_Kolli::StandSetzen(const QString& stand) {
  const QStringList werte = stand.split(QLatin1Char(','));
  for (int q = 1; q <= 4 && werte.size() == 8; ++q) {
    Cbo_Art[q]->setCurrentIndex(werte[2 * q - 2].toInt());
    Cbo_Art1[q]->setCurrentIndex(werte[2 * q - 1].toInt());
  }
  m_stand = Stand();
}

QString Frm_Kolli::UngeschriebenText() const {
  if (m_verlauf.Sauber()) return {};
  return QCoreApplication::translate("Frm_Kolli",
                                     "Kollisionsdaten von Block %1 (Titelset%2) sind noch nicht gespeichert.")
      .arg(Cbo_Block->itemText(m_block))
      .arg(HauptAuswahlIndex() + 1);
}

void Frm_Kolli::ListenModus(bool kurz) {
  m_kurz = kurz;
  for (int q = 1; q <= 4; ++q) {
    Cbo_Art[q]->setVisible(!kurz);
    Cbo_Art1[q]->setVisible(kurz);
  }
}

int Frm_Kolli::Ort(int Linie, int Reihe, int Brei) const {
  return Reihe == 1 ? Linie : (Reihe - 1) * Brei + Linie;
}

void Frm_Kolli::Leeren() {
  {
    const QSignalBlocker sperre(Cbo_Block);
    Cbo_Block->setCurrentIndex(-1);
  }
  Cbo_Block->setEnabled(false);
  Cmd_Speichern->setEnabled(false);
  Lbl_Ort->setText(QCoreApplication::translate("Frm_Kolli", "Speicher Ort"));
  for (int q = 1; q <= 4; ++q) {
    Pic_Aussehen[q]->Leeren();
    Cbo_Art[q]->setCurrentIndex(-1);
    Cbo_Art1[q]->setCurrentIndex(-1);
  }
  m_stand = Stand();
  m_verlauf.Leeren();
}

void Frm_Kolli::Bereit() {
  Cbo_Block->setEnabled(true);
  Cmd_Speichern->setEnabled(true);
}

void Frm_Kolli::closeEvent(QCloseEvent* event) {
  event->ignore();
  hide();
}
