#include "Frm_Kolli.h"
#include "Module1.h"
#include "frm_Angaben.h"
#include "frm_Block.h"

void frm_Angaben::KolliAuswahl() { Frm_Kolli::Instanz().Auswahl(); }

void frm_Angaben::Cmd_Kolli_Click() {
  Frm_Kolli& kolli = Frm_Kolli::Instanz();
  kolli.show();
  kolli.raise();
}

void frm_Angaben::Cmd_Block_Click() {
  Frm_Kolli::Instanz();  // loads the block editor with it
  frm_Block& block = frm_Block::Instanz();
  block.show();
  block.raise();
}

void frm_Angaben::KolliListenModus(bool kurz) {
  Module1.KolliKurzListe = kurz ? 1 : 0;
  // A collision editor created later takes the mode from KolliKurzListe.
  if (Frm_Kolli::Geladen()) Frm_Kolli::Instanz().ListenModus(kurz);
}
