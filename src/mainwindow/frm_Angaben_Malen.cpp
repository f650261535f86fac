#include "Frm_Bearbeiten.h"
#include "Frm_Farben.h"
#include "frm_Angaben.h"

void frm_Angaben::FarbenZeigen() {
  Frm_Farben& farben = Frm_Farben::Instanz();
  if (!farben.property("platziert").toBool()) {
    // Below the tileset view. On the first load the view is placed only after
    // this, beside the main window at its height.
    const Frm_Bearbeiten& ansicht = Frm_Bearbeiten::Instanz();
    const int titel = frameGeometry().height() - height();
    const QPoint ecke = ansicht.property("platziert").toBool()
                            ? ansicht.frameGeometry().bottomLeft()
                            : QPoint(frameGeometry().right() + 16, y() + ansicht.height() + titel);
    farben.move(ecke + QPoint(0, 16));
    farben.setProperty("platziert", true);
  }
  farben.show();
}
