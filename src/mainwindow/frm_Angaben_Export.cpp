#include "Frm_Bild.h"
#include "Frm_einfuegenals.h"
#include "frm_Angaben.h"

void frm_Angaben::Cmd_Einfügenals_Click() { Zeigen(Frm_einfügenals::Instanz()); }

void frm_Angaben::EinfügenalsNachziehen() {
  if (Frm_einfügenals::Geladen()) Frm_einfügenals::Instanz().RomGewechselt();
}

void frm_Angaben::Cmd_BLaden_Click() { Zeigen(Frm_Bild::Instanz()); }
