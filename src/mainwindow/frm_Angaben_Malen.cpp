#include "frm_Angaben.h"

void frm_Angaben::FarbenZeigen() {}
