#include <QMenu>

#include "Frm_Bearbeiten.h"
#include "Verlaufsbefehle.h"
#include "frm_Angaben.h"

// The main window shows the tileset view's marker: it is where the tiles are
// written from.
void frm_Angaben::BearbeitenAufbauen(QMenu* menue) {
  const Verlaufsbefehle befehle = VerlaufsbefehleAnlegen(*this);
  VerlaufAnmelden(*this, Frm_Bearbeiten::Instanz().Verlauf(), true);
  Cmd_Rückgängig = befehle.Cmd_Rückgängig;
  Cmd_Wiederholen = befehle.Cmd_Wiederholen;
  menue->addAction(Cmd_Rückgängig);
  menue->addAction(Cmd_Wiederholen);
}
