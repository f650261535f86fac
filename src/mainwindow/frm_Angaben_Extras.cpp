#include "frm_Angaben.h"

void frm_Angaben::OptionenLaden() {}
void frm_Angaben::OptionenZuweisen() {}
void frm_Angaben::OptionenZeigenWennAktiv() {}
void frm_Angaben::AnimationBeiAuswahl() {}
void frm_Angaben::Cmd_Animationen_Click() {}
void frm_Angaben::Cmd_Optionen_Click() {}
