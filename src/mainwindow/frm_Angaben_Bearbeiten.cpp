#include <QMenu>

#include "Frm_Bearbeiten.h"
#include "Verlaufsbefehle.h"
#include "frm_Angaben.h"

// Undo and redo act on the tiles of the tileset view, the one editor whose
// changes wait for a write command.
void frm_Angaben::BearbeitenAufbauen(QMenu* menue) {
  const Verlaufsbefehle befehle = VerlaufsbefehleAnlegen(*this, Frm_Bearbeiten::Instanz().Verlauf());
  Cmd_Rückgängig = befehle.Cmd_Rückgängig;
  Cmd_Wiederholen = befehle.Cmd_Wiederholen;
  menue->addAction(Cmd_Rückgängig);
  menue->addAction(Cmd_Wiederholen);
}
