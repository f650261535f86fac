#include "Frm_Blockuebersicht.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>
#include <cstring>

#include "Dunkelblau.h"
#include "Frm_Bearbeiten.h"
#include "Uebersetzung.h"
#include "frm_Block.h"

namespace {
constexpr int Satz = Blockdaten::SatzLaenge;

Blockbild::Punkt Ansichtspunkt() {
  return [](int k, int x, int y) -> std::uint32_t {
    Frm_Bearbeiten& ansicht = Frm_Bearbeiten::Instanz();
    return k <= ansicht.AnzahlTiles() ? ansicht.Fläche(k).Point(x, y) : 0;
  };
}

int Tiles() { return std::min(Frm_Bearbeiten::Instanz().AnzahlTiles(), Blockdaten::ErsteFremdeKachel); }
}  // namespace

Frm_Blockuebersicht::Frm_Blockuebersicht() : QWidget(nullptr, Qt::Window) {
  Aufbauen();
  Verbinden();
  m_kachelnNeu.set();
  Auffrischen();
  // The tile tooltips are put together from a count and a tile number.
  BeiSprachwechsel(this, [this] { NutzungZeigen(); });
}

Frm_Blockuebersicht::~Frm_Blockuebersicht() { Trennen(); }

void Frm_Blockuebersicht::Aufbauen() {
  setObjectName(QStringLiteral("Frm_Blockuebersicht"));
  setWindowTitle(QCoreApplication::translate("Frm_Blockuebersicht", "Blockübersicht"));
  Dunkelblau(*this);
  Rollbereich = new QScrollArea(this);
  Rollbereich->setObjectName(QStringLiteral("Rollbereich"));
  Rollbereich->setFrameShape(QFrame::NoFrame);
  Rollbereich->setAlignment(Qt::AlignCenter);
  Pic_Bloecke = new Bloeckebild(Rollbereich);
  Pic_Bloecke->setObjectName(QStringLiteral("Pic_Bloecke"));
  Pic_Bloecke->MassstabSetzen(Massstab());
  Rollbereich->setWidget(Pic_Bloecke);
  auto* ordnung = new QVBoxLayout(this);
  ordnung->setContentsMargins(0, 0, 0, 0);
  ordnung->addWidget(Rollbereich);
  const QRect frei = screen()->availableGeometry();
  resize(std::min(Pic_Bloecke->width(), frei.width()), std::min(Pic_Bloecke->height(), frei.height()));
  m_takt.setSingleShot(true);
  m_takt.setInterval(0);
  connect(&m_takt, &QTimer::timeout, this, [this] { Auffrischen(); });
}

// The largest whole scale whose picture fits the screen beside a window frame.
int Frm_Blockuebersicht::Massstab() {
  const QScreen* bildschirm = QGuiApplication::primaryScreen();
  if (!bildschirm) return 1;
  const QSize frei = bildschirm->availableGeometry().size() - QSize(32, 64);
  for (int s = 3; s > 1; --s)
    if (Blockbogen::Breite * s <= frei.width() && Blockbogen::Seite * 8 * s <= frei.height()) return s;
  return 1;
}

void Frm_Blockuebersicht::Verbinden() {
  Frm_Bearbeiten& ansicht = Frm_Bearbeiten::Instanz();
  for (int i = 1; i <= Tiles(); ++i) {
    ansicht.Fläche(i).Geändert = [this, i] {
      m_kachelnNeu.set(i - 1);
      Vormerken();
    };
    ansicht.Fläche(i).installEventFilter(this);
  }
  frm_Block& block = frm_Block::Instanz();
  block.Geaendert = [this] {
    m_tabelleNeu = true;
    Vormerken();
  };
  m_tilesetbild = block.Pic_Tileset;
  m_tilesetbild->installEventFilter(this);
  Pic_Bloecke->Geklickt = [this](int b) {
    if (b >= 1 && b <= Blockdaten::Bloecke && BlockWaehlen) BlockWaehlen(b);
  };
}

void Frm_Blockuebersicht::Trennen() {
  if (Frm_Bearbeiten::Geladen())
    for (int i = 1; i <= Tiles(); ++i) Frm_Bearbeiten::Instanz().Fläche(i).Geändert = {};
  if (frm_Block::Geladen()) frm_Block::Instanz().Geaendert = {};
}

void Frm_Blockuebersicht::Vormerken() {
  if (!m_takt.isActive()) m_takt.start();
}

void Frm_Blockuebersicht::Auffrischen() {
  m_takt.stop();
  if (m_tabelleNeu) TabelleLesen();
  // A stroke costs the hidden overview nothing but a mark per tile.
  if (!isVisible()) return;
  if (m_kachelnNeu.any()) KachelnLesen();
  Zeichnen();
}

void Frm_Blockuebersicht::showEvent(QShowEvent* ereignis) {
  QWidget::showEvent(ereignis);
  Auffrischen();
}

void Frm_Blockuebersicht::TabelleLesen() {
  m_tabelleNeu = false;
  const QByteArray bloecke = frm_Block::Instanz().Blocktabelle();
  // Only two whole tables are compared record by record.
  const bool ganz = bloecke.size() != m_bloecke.size() || bloecke.size() < Blockdaten::Bloecke * Satz;
  for (int b = 1; b <= Blockdaten::Bloecke; ++b)
    if (ganz ||
        std::memcmp(bloecke.constData() + (b - 1) * Satz, m_bloecke.constData() + (b - 1) * Satz, Satz))
      m_bloeckeNeu.set(b);
  m_bloecke = bloecke;
  NutzungZeigen();
}

void Frm_Blockuebersicht::KachelnLesen() {
  const Blockbild::Punkt punkt = Ansichtspunkt();
  for (int t = 0; t < Blockdaten::ErsteFremdeKachel; ++t) {
    if (!m_kachelnNeu[t]) continue;
    const Blockbogen::Kachelbild kachel =
        t < Tiles() ? Blockbogen::Kachel(punkt, t) : Blockbogen::Kachelbild{};
    if (kachel == m_kacheln[t]) continue;
    m_kacheln[t] = kachel;
    for (int b = 1; b <= Blockdaten::Bloecke; ++b)
      if (Blocknutzung::Nutzt(m_bloecke, b, t)) m_bloeckeNeu.set(b);
  }
  m_kachelnNeu.reset();
}

void Frm_Blockuebersicht::Zeichnen() {
  QImage& bild = Pic_Bloecke->Bild();
  // Without a block table there is nothing to show.
  if (m_bloecke.isEmpty() && m_bloeckeNeu.any()) bild.fill(Qt::black);
  for (int b = 1; b <= Blockdaten::Bloecke; ++b) {
    if (!m_bloeckeNeu[b]) continue;
    const QRect ort = Bloeckebild::Ort(b);
    if (!m_bloecke.isEmpty()) Blockbogen::Block(bild, m_kacheln, m_bloecke, b, ort.x(), ort.y());
    Pic_Bloecke->Neu(b);
  }
  m_bloeckeNeu.reset();
}
