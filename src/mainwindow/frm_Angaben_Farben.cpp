#include "frm_Angaben.h"

void frm_Angaben::PalettenLaden() {}
void frm_Angaben::PalettenRausLesen() {}
void frm_Angaben::PalettenZuBeiAuswahl() {}
void frm_Angaben::PalettenZuZeigenWennAktiv() {}
void frm_Angaben::Cmd_TilesetPal_Click() {}
void frm_Angaben::Cmd_OriginalTilePal_Click() {}
void frm_Angaben::Cmd_PalettenZu_Click() {}
void frm_Angaben::Cmd_OrgPalEinf_Click() {}
