#include "frm_Angaben.h"

void frm_Angaben::Cmd_Einfügen_Click() {}
void frm_Angaben::Cmd_sucheOff_Click() {}
