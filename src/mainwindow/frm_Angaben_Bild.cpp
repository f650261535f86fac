#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>

#include "Frm_Bearbeiten.h"
#include "Frm_Optionen.h"
#include "Frm_PalettenZu.h"
#include "Meldung.h"
#include "Module1.h"
#include "Pngdatei.h"
#include "Tilesetbild.h"
#include "frm_Angaben.h"

namespace {
Tilesetbild::Farbart Art() {
  const Frm_Optionen& o = Frm_Optionen::Instanz();
  if (o.Opt_AlteFarben->isChecked()) return Tilesetbild::Farbart::Fest;
  if (o.Opt_Grau->isChecked()) return Tilesetbild::Farbart::Grau;
  return Tilesetbild::Farbart::Spiel;
}

// The picture of what the view shows now: its cells with unsaved painting,
// and the palettes of the time of day the options chose.
Tilesetbild::Vorlage Vorlage(Frm_PalettenZu& zuordnung) {
  Tilesetbild::Vorlage v;
  Frm_Bearbeiten& ansicht = Frm_Bearbeiten::Instanz();
  for (int k = 1; k <= std::min(ansicht.AnzahlTiles(), Tilesetbild::Kacheln); ++k)
    for (int z = 1; z <= 64; ++z)
      v.kacheln[k - 1][z - 1] = static_cast<std::uint8_t>(ansicht.Fläche(k).Nummer(z));
  v.art = Art();
  if (v.art != Tilesetbild::Farbart::Spiel) return v;
  const int t = std::clamp(Module1.Tageszeit, 0, 4);
  for (int p = 0; p < 8; ++p) v.paletten[p] = Tilesetbild::Palettenfarben(Module1.PalettenWerte[t][p]);
  for (int k = 1; k <= Tilesetbild::Kacheln; ++k) v.zuordnung += zuordnung.Pal(k)->text();
  return v;
}
}  // namespace

void frm_Angaben::Cmd_BildSpeichern_Click() {
  QString pfad = QFileDialog::getSaveFileName(
      this, QCoreApplication::translate("frm_Angaben", "Bild speichern"), QString(),
      QCoreApplication::translate("frm_Angaben", "PNG-Bilder (*.png)"));
  if (pfad.isEmpty()) return;
  if (QFileInfo(pfad).suffix().isEmpty()) pfad += QStringLiteral(".png");
  BildSpeichern(pfad);
}

void frm_Angaben::BildSpeichern(const QString& Pfad) {
  // The assignment window unloads when closed; the tile colours came from it.
  if (Module1.PalettenZuGeladen == 0) PalettenZuBeiAuswahl();
  const QString grund = Pngdatei::Schreiben(Tilesetbild::Bauen(Vorlage(Frm_PalettenZu::Instanz())), Pfad);
  if (!grund.isEmpty())
    Meldung(Pngdatei::Fehlertext(Pfad, grund), QCoreApplication::translate("frm_Angaben", "Fehler"));
}
