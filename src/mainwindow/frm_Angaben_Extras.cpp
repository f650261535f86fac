#include "Frm_Optionen.h"
#include "Module1.h"
#include "frm_Angaben.h"
#include "frm_Animationen.h"

void frm_Angaben::OptionenLaden() { Frm_Optionen::Instanz(); }

void frm_Angaben::OptionenZuweisen() { Frm_Optionen::Instanz().Zuweisen(); }

void frm_Angaben::OptionenZeigenWennAktiv() {
  if (Module1.OptionenAktiv == 1) Frm_Optionen::Instanz().show();
}

void frm_Angaben::AnimationBeiAuswahl() {
  frm_Animationen& a = frm_Animationen::Instanz();
  if (Behalten(a.Verlauf())) return;
  a.Animation->setCurrentIndex(0);
  a.Animation_Click();
}

void frm_Angaben::Cmd_Animationen_Click() { Zeigen(frm_Animationen::Instanz()); }

void frm_Angaben::Cmd_Optionen_Click() { Zeigen(Frm_Optionen::Instanz()); }
