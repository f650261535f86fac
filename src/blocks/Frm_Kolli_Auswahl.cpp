#include <algorithm>

#include "Blockbild.h"
#include "Blockdaten.h"
#include "Blockliste.h"
#include "Dateizugriff.h"
#include "Frm_Bearbeiten.h"
#include "Frm_Kolli.h"
#include "Kollision.h"
#include "Module1.h"
#include "Zahlen.h"
#include "frm_Block.h"

namespace {
QString TabellenOffset(const QString& zeigerOrt) {
  const QByteArray zeiger = Dateizugriff::Lesen(Module1.RomDatei, HexZuZahl(zeigerOrt), 3);
  return PointerZuOffset(Blockdaten::ZeigerText(zeiger), 0, 0);
}
}  // namespace

void Frm_Kolli::Auswahl() {
  const int index = HauptAuswahlIndex();
  frm_Block& block = frm_Block::Instanz();
  // Original-data mode without a ROM has no tables to read.
  if (index < 0 || Module1.RomDatei.isEmpty()) {
    Leeren();
    block.Leeren();
    return;
  }
  Module1.BlockPointerOrt = HexStellen(Blockdaten::ZeigerOrt(index + 1), 6);
  Module1.KolliPointerOrt = HexStellen(Kollision::ZeigerOrt(index + 1), 6);
  TabellenLesen();
  Zuteilen2();
  Bereit();
  block.Bereit();
  Waehlen(*Cbo_Block, std::max(Cbo_Block->currentIndex(), 0), [this] { Cbo_Block_Click(); });
  block.Pic_Tileset_MouseMove(1, 0, 1, 1);
}

void Frm_Kolli::TabellenLesen() {
  Lbl_Ort->setText(TabellenOffset(Module1.KolliPointerOrt));
  frm_Block::Instanz().Lbl_Pos->setText(TabellenOffset(Module1.BlockPointerOrt));
}

void Frm_Kolli::Cbo_Block_Click() {
  const int i = Cbo_Block->currentIndex();
  if (i < 0 || Module1.RomDatei.isEmpty()) return;
  m_block = i;
  Module1.KolliOrt = Kollision::SatzOffset(HexZuZahl(Lbl_Ort->text()), i + 1);
  const QByteArray satz = Dateizugriff::Lesen(Module1.RomDatei, Module1.KolliOrt, Kollision::SatzLaenge);
  ++m_ladevorgaenge;
  for (int q = 1; q <= 4; ++q) {
    const auto wert = static_cast<std::uint8_t>(satz[q - 1]);
    Cbo_Art[q]->setCurrentIndex(wert);
    Cbo_Art1[q]->setCurrentIndex(Kollision::KurzIndex(wert));
  }
  m_stand = Stand();
  m_verlauf.Leeren();
  if (Module1.LadeSperre != 1) {
    Module1.LadeSperre = 1;
    frm_Block& block = frm_Block::Instanz();
    Waehlen(*block.Cbo_Block, i, [&block] { block.Cbo_Block_Click(); });
    Module1.LadeSperre = 0;
  }
  Zuteilen();
}

void Frm_Kolli::Zuteilen() {
  const QString& block = Module1.AktuellerBlock;
  if (block.size() != 2 * Blockdaten::SatzLaenge) return;
  const QImage& tileset = frm_Block::Instanz().Pic_Tileset->Bild();
  for (int q = 1; q <= 4; ++q) {
    Pic_Aussehen[q]->Aendern([&](QImage& bild) {
      for (int zelle = 0; zelle < Blockdaten::SatzLaenge; ++zelle) {
        if (Kollision::Quadrant(zelle) != q) continue;
        const QPoint ort = Kollision::QuadrantOrt(zelle);
        Blockbild::Kachel(tileset, Blockdaten::Kachel(block, zelle), bild, ort.x(), ort.y());
      }
    });
  }
}

void Frm_Kolli::Umfaerben() {
  Zuteilen2();
  frm_Block::Instanz().Umfaerben();
  Zuteilen();
}

void Frm_Kolli::Zuteilen2() {
  Frm_Bearbeiten& ansicht = Frm_Bearbeiten::Instanz();
  const int tiles = ansicht.AnzahlTiles();
  frm_Block::Instanz().Pic_Tileset->Setzen(Blockbild::Tileset(
      [&](int k, int x, int y) -> std::uint32_t { return k <= tiles ? ansicht.Fläche(k).Point(x, y) : 0; }));
}
