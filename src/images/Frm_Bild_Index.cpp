#include "Bildimport.h"
#include "Frm_Bild.h"
#include "Indexbild.h"

void Frm_Bild::IndexZuordnen() {
  for (const QString& schluessel : Indexbild::Erkennung(m_bild, Faktor)) {
    const int index = Indexbild::Index(schluessel);
    // Positions outside the picture have no index: they wait in the colour
    // list as in any other picture.
    if (index < 0)
      Cbo_Inhalt->addItem(schluessel);
    else
      List->addItem(Bildimport::Eintrag(schluessel, Cbo_Farben->itemText(index % 4)));
  }
  const bool offen = Cbo_Inhalt->count() > 0;
  Cbo_Inhalt->setEnabled(offen);
  Cmd_OK->setEnabled(offen);
  Cmd_Einfügen->setEnabled(!offen);
  Cmd_Löschen->setEnabled(List->count() > 0);
}

QString Frm_Bild::Farbschluessel(const QString& schluessel) const {
  const int index = Indexbild::Index(schluessel);
  if (!m_nachIndex || index < 0) return schluessel;
  return Bildimport::HexS(Indexbild::Farbe(m_bild, index), 6);
}
