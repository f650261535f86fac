#include "Frm_Kolli.h"
#include "Module1.h"
#include "frm_Angaben.h"
#include "frm_Block.h"

void frm_Angaben::KolliAuswahl() {
  Frm_Kolli& kolli = Frm_Kolli::Instanz();
  if (Behalten(kolli.Verlauf()) || Behalten(frm_Block::Instanz().Verlauf()))
    kolli.Umfaerben();  // the tiles just written may differ from those it shows
  else
    kolli.Auswahl();
}

void frm_Angaben::Cmd_Kolli_Click() { Zeigen(Frm_Kolli::Instanz()); }

void frm_Angaben::Cmd_Block_Click() {
  Frm_Kolli::Instanz();  // loads the block editor with it
  Zeigen(frm_Block::Instanz());
}

void frm_Angaben::KolliListenModus(bool kurz) {
  Module1.KolliKurzListe = kurz ? 1 : 0;
  // A collision editor created later takes the mode from KolliKurzListe.
  if (Frm_Kolli::Geladen()) Frm_Kolli::Instanz().ListenModus(kurz);
}
