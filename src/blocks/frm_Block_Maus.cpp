#include <QCoreApplication>
#include <cmath>

#include "Blockbild.h"
#include "Blockdaten.h"
#include "Module1.h"
#include "Zahlen.h"
#include "frm_Block.h"

namespace {
constexpr int Seite = Blockdaten::KachelSeite;

int Fix(double wert) { return static_cast<int>(std::trunc(wert)); }

bool Innerhalb(const Bildfeld& bild, double X, double Y) {
  return X >= 0 && Y >= 0 && X < bild.Bild().width() && Y < bild.Bild().height();
}
}  // namespace

void frm_Block::Pic_Tileset_MouseMove(int Button, int, double X, double Y) {
  // Without a ROM the window is empty and its choice disabled: nothing to pick.
  if (!Cbo_Block->isEnabled() || !Innerhalb(*Pic_Tileset, X, Y)) return;
  if (Button == 0) {
    Lbl_Tile->setText(QCoreApplication::translate("frm_Block", "Tile: ") +
                      HexStellen(Fix(Y / Seite) * Blockbild::Spalten + Fix(X / Seite), 2));
    return;
  }
  const int x0 = Fix(X / Seite) * Seite, y0 = Fix(Y / Seite) * Seite;
  AktuellesTile = HexStellen(Ort(x0 / Seite, y0 / Seite, Blockbild::Spalten).toInt(), 2);
  const QImage& tileset = Pic_Tileset->Bild();
  Pic_Aktuell->Aendern([&](QImage& bild) { Blockbild::Kopieren(tileset, x0, y0, bild, 0, 0); });
}

void frm_Block::Pic_Block_MouseMove(int Button, int, double X, double Y) {
  QString& block = Module1.AktuellerBlock;
  if (block.size() != 2 * Blockdaten::SatzLaenge || !Innerhalb(*Pic_Block, X, Y)) return;
  const int x0 = Fix(X / Seite) * Seite, y0 = Fix(Y / Seite) * Seite;
  const int j = Ort(x0 / Seite, y0 / Seite, 4).toInt();
  if (Button == 1 && AktuellesTile.size() == 2) {
    m_verlauf.Merken(0, QStringLiteral(QT_TRANSLATE_NOOP("Verlaufsbefehle", "Tile setzen")));
    const QImage& aktuell = Pic_Aktuell->Bild();
    Pic_Block->Aendern([&](QImage& bild) { Blockbild::Kopieren(aktuell, 0, 0, bild, x0, y0); });
    block = Blockdaten::Setzen(block, j, AktuellesTile);
    if (Geaendert) Geaendert();
  } else if (Button == 2) {
    AktuellSetzen(block.mid(2 * j, 2));
  }
}

void frm_Block::AktuellSetzen(const QString& kachel) {
  const int t = static_cast<int>(HexZuZahl(kachel));
  if (t < Blockdaten::ErsteFremdeKachel) {
    const QString ort = Ort2(t + 1, Blockbild::Spalten);
    Pic_Tileset_MouseMove(1, 0, (ort.left(2).toInt() - 1) * Seite, (ort.mid(2, 2).toInt() - 1) * Seite);
    return;
  }
  // No tile to copy: the number is kept and shown as the placeholder.
  AktuellesTile = kachel;
  Pic_Aktuell->Aendern([](QImage& bild) { Blockbild::Platzhalter(bild, 0, 0); });
}
