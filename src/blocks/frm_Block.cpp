#include "frm_Block.h"

#include <QCloseEvent>
#include <QCoreApplication>

#include "Blockbild.h"
#include "Blockdaten.h"
#include "Blockliste.h"
#include "Dateizugriff.h"
#include "Dunkelblau.h"
#include "Frm_Kolli.h"
#include "Module1.h"
#include "Ungeschrieben.h"
#include "Verlaufsbefehle.h"
#include "Zahlen.h"

namespace {
constexpr int Seite = Blockdaten::KachelSeite;

// Offsets beyond six digits still show, so a pointer leading far past the ROM
// is visible as such.
QString Sechsstellig(qint64 offset) {
  const QString text = HexStellen(offset, 6);
  return text.isEmpty() ? Hex(offset) : text;
}
}  // namespace

frm_Block::frm_Block()
    : QWidget(nullptr, Qt::Window),
      m_verlauf([](int) { return Module1.AktuellerBlock; },
                [this](int, const QString& block) {
                  Module1.AktuellerBlock = block;
                  Zuteilen();
                }) {
  Aufbauen();
  Verbinden();
  VerlaufAnmelden(*this, m_verlauf);
  Ungeschrieben::Anmelden(
      *this, [this] { return UngeschriebenText(); }, [this] { Cmd_Speichern_Click(); });
  Leeren();
}

void frm_Block::Aufbauen() {
  setObjectName(QStringLiteral("frm_Block"));
  setWindowTitle(QCoreApplication::translate("frm_Block", "Blockdaten[*]"));
  setFixedSize(272, 250);
  Dunkelblau(*this);

  Cbo_Block = new QComboBox(this);
  Cbo_Block->setObjectName(QStringLiteral("Cbo_Block"));
  for (int b = 1; b <= Blockdaten::Bloecke; ++b) Cbo_Block->addItem(HexStellen(b, 2));
  Cbo_Block->setGeometry(8, 8, 52, 24);

  Pic_Block = new Bildfeld(4 * Seite, 4 * Seite, this);
  Pic_Block->setObjectName(QStringLiteral("Pic_Block"));
  Pic_Block->move(68, 8);
  Pic_Aktuell = new Bildfeld(Seite, Seite, this);
  Pic_Aktuell->setObjectName(QStringLiteral("Pic_Aktuell"));
  Pic_Aktuell->move(140, 8);

  auto beschriftung = [this](const char* name, const QString& text, int y) {
    auto* l = new QLabel(text, this);
    l->setObjectName(QString::fromUtf8(name));
    l->setGeometry(164, y, 104, 16);
    return l;
  };
  Lbl_Tile = beschriftung("Lbl_Tile", QCoreApplication::translate("frm_Block", "Tile:"), 8);
  Lbl_Block = beschriftung("Lbl_Block", QCoreApplication::translate("frm_Block", "Block:"), 26);
  Lbl_Offset = beschriftung("Lbl_Offset", QCoreApplication::translate("frm_Block", "Offset:"), 44);
  Lbl_Pos = beschriftung("Lbl_Pos", QString(), 62);

  Pic_Tileset = new Bildfeld(Blockbild::Spalten * Seite, Blockbild::Reihen * Seite, this);
  Pic_Tileset->setObjectName(QStringLiteral("Pic_Tileset"));
  Pic_Tileset->move(8, 80);

  Cmd_Speichern = new QPushButton(QCoreApplication::translate("frm_Block", "&Speichern"), this);
  Cmd_Speichern->setObjectName(QStringLiteral("Cmd_Speichern"));
  Cmd_Speichern->setGeometry(8, 184, 124, 26);
  Cmd_Abbrechen = new QPushButton(QCoreApplication::translate("frm_Block", "&Abbrechen"), this);
  Cmd_Abbrechen->setObjectName(QStringLiteral("Cmd_Abbrechen"));
  Cmd_Abbrechen->setGeometry(140, 184, 124, 26);
  Cmd_BlockBild =
      new QPushButton(QCoreApplication::translate("frm_Block", "Alle Blöcke als Bild speichern..."), this);
  Cmd_BlockBild->setObjectName(QStringLiteral("Cmd_BlockBild"));
  Cmd_BlockBild->setGeometry(8, 216, 256, 26);
}

void frm_Block::Verbinden() {
  BeiJederWahl(*Cbo_Block, [this] {
    if (BlockWechselErlaubt(*Cbo_Block, m_block)) Cbo_Block_Click();
  });
  Pic_Tileset->MouseDown = [this](int b, int s, double x, double y) { Pic_Tileset_MouseMove(b, s, x, y); };
  Pic_Tileset->MouseMove = Pic_Tileset->MouseDown;
  Pic_Block->MouseDown = [this](int b, int s, double x, double y) { Pic_Block_MouseMove(b, s, x, y); };
  Pic_Block->MouseMove = Pic_Block->MouseDown;
  Pic_Block->MouseUp = [this](int, int, double, double) { m_verlauf.Beenden(); };
  connect(Cmd_Speichern, &QPushButton::clicked, this, [this] { Cmd_Speichern_Click(); });
  connect(Cmd_Abbrechen, &QPushButton::clicked, this, [this] { hide(); });
  connect(Cmd_BlockBild, &QPushButton::clicked, this, [this] { Cmd_BlockBild_Click(); });
}

QString frm_Block::Ort(int Linie, int Reihe, int Brei) const { return Blockdaten::Ort(Linie, Reihe, Brei); }

QString frm_Block::Ort2(int Zahl, int Weit) const { return Blockdaten::Ort2(Zahl, Weit); }

bool frm_Block::IsInt(double Variable) { return Blockdaten::IsInt(Variable); }

void frm_Block::Leeren() {
  m_verlauf.Leeren();
  Module1.AktuellerBlock.clear();
  AktuellesTile.clear();
  {
    const QSignalBlocker sperre(Cbo_Block);
    Cbo_Block->setCurrentIndex(-1);
  }
  Cbo_Block->setEnabled(false);
  Cmd_Speichern->setEnabled(false);
  Cmd_BlockBild->setEnabled(false);
  Lbl_Tile->setText(QCoreApplication::translate("frm_Block", "Tile:"));
  Lbl_Block->setText(QCoreApplication::translate("frm_Block", "Block:"));
  Lbl_Offset->setText(QCoreApplication::translate("frm_Block", "Offset:"));
  Lbl_Pos->clear();
  for (Bildfeld* bild : {Pic_Block, Pic_Aktuell, Pic_Tileset}) bild->Leeren();
  if (Geaendert) Geaendert();
}

void frm_Block::Bereit() {
  Cbo_Block->setEnabled(true);
  Cmd_Speichern->setEnabled(true);
  Cmd_BlockBild->setEnabled(true);
}

void frm_Block::Cbo_Block_Click() {
  const int i = Cbo_Block->currentIndex();
  if (i < 0 || Module1.RomDatei.isEmpty()) return;
  m_block = i;
  Module1.BlockOrt = Blockdaten::BlockOffset(HexZuZahl(Lbl_Pos->text()), i + 1);
  Lbl_Offset->setText(QCoreApplication::translate("frm_Block", "Offset: ") + Sechsstellig(Module1.BlockOrt));
  Lbl_Block->setText(QCoreApplication::translate("frm_Block", "Block: ") + HexStellen(i + 1, 2));
  m_verlauf.Leeren();
  Module1.AktuellerBlock =
      Blockdaten::AusBytes(Dateizugriff::Lesen(Module1.RomDatei, Module1.BlockOrt, Blockdaten::SatzLaenge));
  ++m_ladevorgaenge;
  Zuteilen();
  if (Module1.LadeSperre == 1) return;
  Module1.LadeSperre = 1;
  Frm_Kolli& kolli = Frm_Kolli::Instanz();
  Waehlen(*kolli.Cbo_Block, i, [&kolli] { kolli.Cbo_Block_Click(); });
  Module1.LadeSperre = 0;
}

void frm_Block::Zuteilen() {
  const QString& block = Module1.AktuellerBlock;
  if (block.size() != 2 * Blockdaten::SatzLaenge) return;
  const QImage& tileset = Pic_Tileset->Bild();
  Pic_Block->Aendern([&](QImage& bild) {
    for (int j = 0; j < Blockdaten::SatzLaenge; ++j)
      Blockbild::Kachel(tileset, Blockdaten::Kachel(block, j), bild, (j % 4) * Seite, (j / 4) * Seite);
  });
  if (Geaendert) Geaendert();
}

void frm_Block::Umfaerben() {
  Zuteilen();
  if (!AktuellesTile.isEmpty()) AktuellSetzen(AktuellesTile);
}

QString frm_Block::UngeschriebenText() const {
  if (m_verlauf.Sauber()) return {};
  return QCoreApplication::translate("frm_Block",
                                     "Block %1 (Titelset%2): Die Änderungen sind noch nicht gespeichert.")
      .arg(Cbo_Block->itemText(m_block))
      .arg(HauptAuswahlIndex() + 1);
}

void frm_Block::closeEvent(QCloseEvent* event) {
  event->ignore();
  hide();
}
