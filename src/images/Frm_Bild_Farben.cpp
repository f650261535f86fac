#include <QCoreApplication>
#include <QFileDialog>
#include <QImageReader>
#include <QSignalBlocker>

#include "Bildimport.h"
#include "Frm_Bearbeiten.h"
#include "Frm_Bild.h"
#include "Indexbild.h"
#include "Meldung.h"
#include "Module1.h"

void Frm_Bild::Pic_Bild_Click() {
  const QString pfad = QFileDialog::getOpenFileName(
      this, QCoreApplication::translate("Frm_Bild", "Bild Laden"), QString(),
      QCoreApplication::translate("Frm_Bild",
                                  "Untersützte Datein (*.bmp *.gif *.jpg *.jpeg *.png);;Alle Dateien (*)"));
  if (!pfad.isEmpty()) BildLaden(pfad);
}

void Frm_Bild::BildLaden(const QString& Pfad) {
  // A file that cannot be used leaves the window as it was.
  Bildimport::Geladen geladen = Bildimport::Laden(Pfad);
  if (geladen.bild.isNull()) {
    Meldung(geladen.fehler, QCoreApplication::translate("Frm_Bild", "Fehler"));
    return;
  }
  // Indices do not depend on see-through colours; flattening would lose them.
  m_nachIndex = Indexbild::Erkannt(geladen.bild, QImageReader::imageFormat(Pfad));
  m_bild = m_nachIndex
               ? geladen.bild
               : Bildimport::AufGrund(geladen.bild, Pic_Bild->palette().color(Pic_Bild->backgroundRole()));
  Module1.BildDatei = Pfad;
  Pic_Bild->setPixmap(QPixmap::fromImage(m_bild));
  Label2->setText(Pfad);
  Cbo_Inhalt->clear();
  List->clear();
  // The assignments of the previous picture are gone with their list.
  Cmd_Einfügen->setEnabled(false);
  Cmd_Löschen->setEnabled(false);
  Farbfeld(Lbl_Farbe, Knopffarbe);
  if (m_nachIndex)
    IndexZuordnen();
  else
    Farberkennung();
  Cbo_Inhalt->setCurrentIndex(0);
  Cbo_Farben->setCurrentIndex(0);
}

void Frm_Bild::Farberkennung() {
  const QStringList schluessel = Bildimport::Farberkennung(m_bild, Faktor);
  if (schluessel.isEmpty()) return;
  Cbo_Inhalt->addItems(schluessel);
  Cbo_Inhalt->setEnabled(true);
  Cmd_OK->setEnabled(true);
}

void Frm_Bild::Cbo_Inhalt_Click() {
  if (Cbo_Inhalt->currentIndex() >= 0) Farbfeld(Pic_Inhalt, Farbschluessel(Cbo_Inhalt->currentText()));
}

void Frm_Bild::List_Click() {
  if (List->currentItem())
    Farbfeld(Lbl_Farbe, Farbschluessel(Bildimport::Schluessel(List->currentItem()->text())));
}

void Frm_Bild::Cmd_OK_Click() {
  const int gewaehlt = Cbo_Inhalt->currentIndex();
  if (gewaehlt < 0) return;
  List->addItem(Bildimport::Eintrag(Cbo_Inhalt->currentText(), Cbo_Farben->currentText()));
  Cbo_Inhalt->removeItem(gewaehlt);
  if (Cbo_Inhalt->count() == 0) {
    Cmd_Einfügen->setEnabled(true);
    Cbo_Inhalt->setEnabled(false);
    Cmd_OK->setEnabled(false);
    Farbfeld(Pic_Inhalt, Knopffarbe);
  } else {
    Cbo_Inhalt->setCurrentIndex(0);
  }
  Cmd_Löschen->setEnabled(true);
}

void Frm_Bild::Cmd_Löschen_Click() {
  QListWidgetItem* eintrag = List->currentItem();
  if (!eintrag || !eintrag->isSelected()) return;
  Cbo_Inhalt->addItem(Bildimport::Schluessel(eintrag->text()));
  {
    // The list would move on to the next entry; a removal leaves none chosen.
    const QSignalBlocker sperre(List);
    delete eintrag;
    List->setCurrentRow(-1);
  }
  Cbo_Inhalt->setEnabled(true);
  Cmd_OK->setEnabled(true);
  if (List->count() == 0) {
    Cmd_Löschen->setEnabled(false);
    Farbfeld(Lbl_Farbe, Knopffarbe);
  }
  Cmd_Einfügen->setEnabled(false);
  Cbo_Inhalt->setCurrentIndex(0);
}

void Frm_Bild::Cmd_Einfügen_Click() {
  if (HauptAuswahlIndex() < 0 && Haupt.AuswahlSetzen) Haupt.AuswahlSetzen(0);
  QStringList eintraege;
  for (int i = 0; i < List->count(); ++i) eintraege << List->item(i)->text();
  const auto texte = m_nachIndex ? Indexbild::Kacheltexte(m_bild, Faktor, eintraege)
                                 : Bildimport::Kacheltexte(m_bild, Faktor, eintraege);
  Frm_Bearbeiten& ansicht = Frm_Bearbeiten::Instanz();
  ansicht.AlleÄndern(QStringLiteral(QT_TRANSLATE_NOOP("Verlaufsbefehle", "Bildimport")), [&ansicht, &texte] {
    for (int r = 0; r < 6; ++r) {
      for (int c = 0; c < 16; ++c) {
        const int i = ansicht.Ort(c + 1, r + 1);
        if (i >= 1 && i <= ansicht.AnzahlTiles()) ansicht.Fläche(i).Direkt(texte[16 * r + c]);
      }
    }
  });
}
