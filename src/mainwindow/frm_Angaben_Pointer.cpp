#include <QCoreApplication>

#include "Dateizugriff.h"
#include "Kopftabelle.h"
#include "Meldung.h"
#include "Module1.h"
#include "Tilesetblock.h"
#include "Zahlen.h"
#include "frm_Angaben.h"

namespace {
// The chosen tileset n, or 0 when a pointer operation cannot run: no tileset
// chosen, or no ROM open.
int PointerTileset(const frm_Angaben& f) {
  const int n = f.Auswahl->currentIndex() + 1;
  return n < 1 || KeinRomOffen() ? 0 : n;
}

QByteArray OriginalZeiger(int n) {
  const QByteArray zeiger = Kopftabelle::ZeigerBytes(Module1.OrgPointer[n]);
  if (zeiger.isEmpty())
    Meldung(QCoreApplication::translate(
                "frm_Angaben",
                "Der Original Pointer des %1.Tilesets fehlt in 'OriginalPointer.ini' oder ist "
                "ungültig. Es wurde nichts geschrieben.")
                .arg(n),
            QCoreApplication::translate("frm_Angaben", "Fehler"));
  return zeiger;
}
}  // namespace

void frm_Angaben::Cmd_Pointeränd_Click() {
  // In these modes no pointer is ever changed, ROM or not: that answer comes first.
  if (TilesetQuelleGeheim()) {
    Meldung(QCoreApplication::translate(
                "frm_Angaben",
                "Solange \"In Tilesets.gb speichern\" oder \"Originaldaten ändern\" gewählt ist, "
                "kann kein Pointer geändert werden."),
            QCoreApplication::translate("frm_Angaben", "Achtung"));
    return;
  }
  const int n = PointerTileset(*this);
  if (n == 0) return;
  const QString zeigerText = Lbl_Pointer->text();
  if (zeigerText == Module1.OrgPointer[n] || zeigerText == Module1.NeuPointer[n]) {
    Meldung(QCoreApplication::translate("frm_Angaben",
                                        "Bitte geben Sie den Offset des zu verpointeten Tilesets an!"),
            QCoreApplication::translate("frm_Angaben", "Achtung"));
    return;
  }
  const QByteArray zeiger = Kopftabelle::ZeigerBytes(zeigerText);
  if (!IstHex(Txt_Ort->text()) || zeiger.isEmpty()) {
    Meldung(
        QCoreApplication::translate(
            "frm_Angaben", "Zum Offset '%1' gibt es keinen gültigen Pointer. Es wurde nichts geschrieben.")
            .arg(Txt_Ort->text()),
        QCoreApplication::translate("frm_Angaben", "Fehler"));
    return;
  }
  const QByteArray bereich =
      Dateizugriff::Lesen(Module1.RomDatei, HexZuZahl(Txt_Ort->text()), Tilesetblock::Laenge);
  if (!Tilesetblock::HatMarker(bereich) &&
      Meldung(QCoreApplication::translate("frm_Angaben",
                                          "An diesem Ort befindet sich kein Tileset.Trotzdem ändern?"),
              {}, Knoepfe::JaNein) != Antwort::Ja)
    return;
  if (!AuswahlFragen()) return;
  Schreibvorgang w(Module1.RomDatei, true);
  w.Schreiben(HexZuZahl(Module1.PointerOrt), zeiger, Schreibvorgang::Art::Zeiger);
  w.Beschreibung(QCoreApplication::translate("frm_Angaben", "Pointer von Tileset %1 auf %2 geändert")
                     .arg(n)
                     .arg(zeigerText));
  if (!w.Ausfuehren()) return;
  Meldung(QCoreApplication::translate("frm_Angaben", "Pointer wurde erfolgreich geendert!"));
  Auswahl_Click();
}

void frm_Angaben::Cmd_AltPointer_Click() {
  const int n = PointerTileset(*this);
  if (n == 0) return;
  const QByteArray zeiger = OriginalZeiger(n);
  if (zeiger.isEmpty()) return;
  if (!AuswahlFragen()) return;
  Schreibvorgang w(Module1.RomDatei, true);
  w.Schreiben(HexZuZahl(Module1.PointerOrt), zeiger, Schreibvorgang::Art::Zeiger);
  w.Beschreibung(
      QCoreApplication::translate("frm_Angaben", "Original-Pointer von Tileset %1 eingefügt").arg(n));
  if (!w.Ausfuehren()) return;
  Module1.NeuPointer[n].clear();
  Meldung(QCoreApplication::translate("frm_Angaben", "Pointer wurde erfolgreich wieder hergestelt!"));
  Auswahl_Click();
}

QString frm_Angaben::AlteKopie(int n) { return PointerZuOffset(Kopftabelle::VerschobenerZeiger(n), 0, 0); }

void frm_Angaben::Cmd_PointeruLöschen_Click() {
  const int n = PointerTileset(*this);
  if (n == 0) return;
  const QByteArray zeiger = OriginalZeiger(n);
  if (zeiger.isEmpty()) return;
  if (!AuswahlFragen()) return;
  Schreibvorgang w(Module1.RomDatei, true);
  w.Schreiben(HexZuZahl(Module1.PointerOrt), zeiger, Schreibvorgang::Art::Zeiger);
  // Only the tileset's own stored block is erased, never data a pointer set
  // with "Trotzdem ändern?" led to, nor a block another tileset uses.
  const QString alt = AlteKopie(n);
  const QString grund =
      Kopftabelle::LoeschHindernis(*Dateizugriff::Inhalt(Module1.RomDatei), HexZuZahl(alt), n);
  if (grund.isEmpty()) w.Nullen(HexZuZahl(alt), Tilesetblock::Laenge);
  w.Beschreibung(QCoreApplication::translate(
                     "frm_Angaben", "Original-Pointer von Tileset %1 eingefügt, Tileset am Offset %2 %3")
                     .arg(n)
                     .arg(alt, grund.isEmpty() ? QCoreApplication::translate("frm_Angaben", "gelöscht")
                                               : QCoreApplication::translate("frm_Angaben", "behalten")));
  if (!w.Ausfuehren()) return;
  Module1.NeuPointer[n].clear();
  if (grund.isEmpty())
    Meldung(QCoreApplication::translate(
        "frm_Angaben", "Pointer wurde erfolgreich wieder hergestelt! Tileset wurde erfolgreich gelöscht!"));
  else
    Meldung(QCoreApplication::translate(
                "frm_Angaben",
                "Pointer wurde erfolgreich wieder hergestelt!\nAm Offset %1 wurde nichts gelöscht: %2")
                .arg(alt, grund));
  Auswahl_Click();
}
