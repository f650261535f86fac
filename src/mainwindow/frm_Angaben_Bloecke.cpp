#include "frm_Angaben.h"

void frm_Angaben::KolliAuswahl() {}
void frm_Angaben::Cmd_Kolli_Click() {}
void frm_Angaben::Cmd_Block_Click() {}
void frm_Angaben::KolliListenModus(bool) {}
