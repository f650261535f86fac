#include "frm_Angaben.h"

void frm_Angaben::Cmd_Pointeränd_Click() {}
void frm_Angaben::Cmd_AltPointer_Click() {}
void frm_Angaben::Cmd_PointeruLöschen_Click() {}
