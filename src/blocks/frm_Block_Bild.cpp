#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>

#include "Blockbogen.h"
#include "Blockdaten.h"
#include "Dateizugriff.h"
#include "Frm_Bearbeiten.h"
#include "Meldung.h"
#include "Module1.h"
#include "Pngdatei.h"
#include "Zahlen.h"
#include "frm_Block.h"

void frm_Block::Cmd_BlockBild_Click() {
  QString pfad = QFileDialog::getSaveFileName(
      this, QCoreApplication::translate("frm_Block", "Alle Blöcke als Bild speichern"), QString(),
      QCoreApplication::translate("frm_Block", "PNG-Bilder (*.png)"));
  if (pfad.isEmpty()) return;
  if (QFileInfo(pfad).suffix().isEmpty()) pfad += QStringLiteral(".png");
  BlockBildSpeichern(pfad);
}

QByteArray frm_Block::Blocktabelle() const {
  if (Module1.RomDatei.isEmpty() || Lbl_Pos->text().isEmpty()) return {};
  const qint64 tabelle = HexZuZahl(Lbl_Pos->text());
  QByteArray bloecke = Dateizugriff::Lesen(Module1.RomDatei, Blockdaten::BlockOffset(tabelle, 1),
                                           Blockbogen::Bloecke * Blockdaten::SatzLaenge);
  // The block being edited shows as the editor shows it, placements included.
  const int i = Cbo_Block->currentIndex();
  if (i >= 0 && Module1.AktuellerBlock.size() == 2 * Blockdaten::SatzLaenge)
    bloecke.replace(i * Blockdaten::SatzLaenge, Blockdaten::SatzLaenge,
                    Blockdaten::ZuBytes(Module1.AktuellerBlock));
  return bloecke;
}

void frm_Block::BlockBildSpeichern(const QString& Pfad) {
  const QByteArray bloecke = Blocktabelle();
  if (bloecke.isEmpty()) return;
  Frm_Bearbeiten& ansicht = Frm_Bearbeiten::Instanz();
  const QImage bild = Blockbogen::Bauen(
      [&](int k, int x, int y) -> std::uint32_t {
        return k <= ansicht.AnzahlTiles() ? ansicht.Fläche(k).Point(x, y) : 0;
      },
      bloecke);
  const QString grund = Pngdatei::Schreiben(bild, Pfad);
  if (!grund.isEmpty())
    Meldung(Pngdatei::Fehlertext(Pfad, grund), QCoreApplication::translate("frm_Block", "Fehler"));
}
