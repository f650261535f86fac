#include <QCoreApplication>

#include "Blockdaten.h"
#include "Dateizugriff.h"
#include "Module1.h"
#include "frm_Block.h"

void frm_Block::Cmd_Speichern_Click() {
  if (Module1.RomDatei.isEmpty() || Module1.AktuellerBlock.size() != 2 * Blockdaten::SatzLaenge) return;
  Schreibvorgang schreiben(Module1.RomDatei, true);
  schreiben.Schreiben(Module1.BlockOrt, Blockdaten::ZuBytes(Module1.AktuellerBlock));
  schreiben.Beschreibung(QCoreApplication::translate("frm_Block", "Block %1 von Tileset %2 gespeichert")
                             .arg(Cbo_Block->itemText(m_block))
                             .arg(HauptAuswahlIndex() + 1));
  // On failure the placements stay, so the user can try again; on success
  // too, with their history.
  if (schreiben.Ausfuehren()) m_verlauf.Geschrieben();
}
