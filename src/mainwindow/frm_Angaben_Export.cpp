#include "Frm_Bild.h"
#include "Frm_einfuegenals.h"
#include "frm_Angaben.h"

namespace {
template <class Fenster>
void Zeigen() {
  Fenster& f = Fenster::Instanz();
  f.show();
  f.raise();
}
}  // namespace

void frm_Angaben::Cmd_Einfügenals_Click() { Zeigen<Frm_einfügenals>(); }
void frm_Angaben::Cmd_BLaden_Click() { Zeigen<Frm_Bild>(); }
