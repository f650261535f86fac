#include <QCoreApplication>

#include "Dateizugriff.h"
#include "Frm_Kolli.h"
#include "Kollision.h"
#include "Module1.h"

void Frm_Kolli::Cmd_Speichern_Click() {
  if (Module1.RomDatei.isEmpty() || Cbo_Block->currentIndex() < 0) return;
  const QByteArray gespeichert =
      Dateizugriff::Lesen(Module1.RomDatei, Module1.KolliOrt, Kollision::SatzLaenge);
  QByteArray satz(Kollision::SatzLaenge, '\0');
  for (int q = 1; q <= 4; ++q) {
    satz[q - 1] = static_cast<char>(Kollision::SpeicherWert(m_kurz, Cbo_Art[q]->currentIndex(),
                                                            Cbo_Art1[q]->currentText(),
                                                            static_cast<std::uint8_t>(gespeichert[q - 1])));
  }
  Schreibvorgang schreiben(Module1.RomDatei, true);
  schreiben.Schreiben(Module1.KolliOrt, satz);
  schreiben.Beschreibung(
      QCoreApplication::translate("Frm_Kolli", "Kollisionsdaten von Block %1 (Tileset %2) gespeichert")
          .arg(Cbo_Block->itemText(m_block))
          .arg(HauptAuswahlIndex() + 1));
  if (schreiben.Ausfuehren()) m_verlauf.Geschrieben();
}
