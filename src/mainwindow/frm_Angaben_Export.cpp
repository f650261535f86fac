#include "frm_Angaben.h"

void frm_Angaben::Cmd_Einfügenals_Click() {}
void frm_Angaben::Cmd_BLaden_Click() {}
