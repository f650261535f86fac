#include <QCoreApplication>
#include <algorithm>

#include "Dateizugriff.h"
#include "Frm_TilesetPal.h"
#include "Meldung.h"
#include "Module1.h"
#include "Palettentabelle.h"

void Frm_TilesetPal::Cmd_HexRGB_Click() {
  // Only a whole colour text can be applied: a shorter one has no defined
  // colour word, and bit 15 would not survive the save.
  if (!IstFarbtext(Wert->text())) {
    Meldung(QCoreApplication::translate("Frm_TilesetPal",
                                        "Bitte geben Sie eine GBC Farbe aus 4 Hex-Zeichen ein (z.B. FF7F);\n"
                                        "die 3. Stelle darf nur 0 bis 7 sein."),
            QCoreApplication::translate("Frm_TilesetPal", "Tileset-Paletten"));
    return;
  }
  m_verlauf.Beginnen(QStringLiteral(QT_TRANSLATE_NOOP("Verlaufsbefehle", "Farbe ändern")));
  m_verlauf.Merken(0, {});
  TPalette(Wert->text());
  m_verlauf.Beenden();
}

void Frm_TilesetPal::Cmd_PalSpeichern_Click() {
  const QString datei = Datei();
  if (datei.isEmpty()) return;
  const int t = std::max(Zeit->currentIndex(), 0);
  const int p = std::max(Paletten->currentIndex(), 0);
  std::array<QString, 5> texte;
  for (int c = 1; c <= 4; ++c) texte[c] = Lbl_Farbe[c]->text();
  Schreibvorgang w(datei, !HauptOriginalModus());
  w.Schreiben(Module1.PalettenAdresse[t][p] - 1, Palettentabelle::Bytes(texte));
  w.Beschreibung(
      QCoreApplication::translate("Frm_TilesetPal", "Palette %1 (%2) gespeichert")
          .arg(p)
          .arg(Zeit->itemText(t).mid(2).remove(QCoreApplication::translate("Frm_TilesetPal", " Palette"))));
  if (!w.Ausfuehren()) return;
  Module1.PalettenWerte[t][p] = texte;
  m_verlauf.Geschrieben();
  if (Haupt.Umfaerben) Haupt.Umfaerben();
  Meldung(QCoreApplication::translate("Frm_TilesetPal", "Palette wurde erfolgreich geendert."),
          QCoreApplication::translate("Frm_TilesetPal", "Tileset-Paletten"));
}

void Frm_TilesetPal::Cmd_Achtung_Click() {
  Meldung(QCoreApplication::translate("Frm_TilesetPal",
                                      "Bei den Dach-Paletten sind die 2. + 3. Farben bei jeder Map anderst!\n"
                                      "Deshalb kann es sein, dass das Ändern keine Wirkung hat!"));
}
