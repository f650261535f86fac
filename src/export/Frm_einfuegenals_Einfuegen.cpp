#include <QCoreApplication>
#include <algorithm>

#include "Dateizugriff.h"
#include "Frm_Bearbeiten.h"
#include "Frm_einfuegenals.h"
#include "Kopftabelle.h"
#include "LeerPruefen.h"
#include "Meldung.h"
#include "Module1.h"
#include "Tilesetblock.h"
#include "Zahlen.h"

namespace {
constexpr qint64 VerbotenAb = 0x1BB900;
constexpr qint64 VerbotenBis = 0x1BC000;

QByteArray BlockDerAnsicht() {
  Frm_Bearbeiten& ansicht = Frm_Bearbeiten::Instanz();
  Tilesetblock::KachelTexte texte;
  for (int i = 1; i <= Tilesetblock::Kacheln; ++i)
    texte[i - 1] =
        i <= ansicht.AnzahlTiles() ? ansicht.Fläche(i).Zurükgeben() : QString(48, QLatin1Char('0'));
  return Tilesetblock::Bauen(texte);
}

// Written where the view's tileset is read from (or where its pointer now
// leads): the view holds nothing unwritten any more.
void AnsichtGeschrieben(qint64 ort, bool zeigerAufOrt, int n) {
  const int bearbeitet = HauptAuswahlIndex() + 1;
  const bool quelle = Module1.ZielDatei == Module1.QuellDatei && ort == HexZuZahl(Module1.QuellOffset);
  if (quelle || (zeigerAufOrt && n == bearbeitet)) Frm_Bearbeiten::Instanz().Geschrieben(bearbeitet);
}

}  // namespace

void Frm_einfügenals::Einfügen() {
  const int n = Auswahl->currentIndex() + 1;
  EinfügeOffset = Txt_Ort->text();
  if (!OffsetGueltig()) return;
  const qint64 v = HexZuZahl(EinfügeOffset);
  if (v > VerbotenAb && v < VerbotenBis) {
    Meldung(QCoreApplication::translate(
                "Frm_einfuegenals",
                "Der Offset darf nicht Zwischen 1BB900 und 1BC000 sein.\nSonst sturzt das Rom ab!!!"),
            QCoreApplication::translate("Frm_einfuegenals", "!!ACHTUNG!!"));
    return;
  }
  if (Opt_Tilesets->isChecked())
    InTilesetsGb(v, n);
  else
    InRom(v, n);
}

bool Frm_einfügenals::OffsetGueltig() {
  // Text pasted with the mouse passes the box's key rules.
  if (IstHex(EinfügeOffset) && EinfügeOffset.size() <= 6) return true;
  Meldung(QCoreApplication::translate("Frm_einfuegenals",
                                      "Der Offset '%1' ist keine gültige Hexadezimalzahl.\n"
                                      "Bitte höchstens 6 Zeichen 0-9 und A-F angeben.")
              .arg(EinfügeOffset),
          QCoreApplication::translate("Frm_einfuegenals", "Fehler"));
  return false;
}

void Frm_einfügenals::InTilesetsGb(qint64 v, int n) {
  Schreibvorgang w(Module1.ZielDatei, false);
  w.Schreiben(v - 1, BlockDerAnsicht());
  w.Beschreibung(
      QCoreApplication::translate("Frm_einfuegenals", "Als Tileset %1 in 'Tilesets.gb' eingefügt").arg(n));
  if (!w.Ausfuehren()) return;
  AnsichtGeschrieben(v - 1, false, n);
  Meldung(QCoreApplication::translate(
              "Frm_einfuegenals", "Das %1.Tileset wurde erfolgreich in der Datei 'Tilesets.gb' eingesetzt!")
              .arg(n));
}

void Frm_einfügenals::InRom(qint64 v, int n) {
  // The pointer that belongs to the offset written; the label shows the same
  // text whenever the offset box holds a valid offset.
  const QString zeiger = OffsetZuPointer(EinfügeOffset, 0);
  if (zeiger == Module1.OrgPointer[n]) {
    Meldung(QCoreApplication::translate("Frm_einfuegenals",
                                        "Dieser Offset ist ungültig. Bitte einen anderen Offset angeben!"));
    return;
  }
  if (!PasstInZiel(v)) return;
  const bool ersetzen = Chk_Ersetzen->isChecked();
  const QByteArray zeigerBytes =
      ersetzen ? Kopftabelle::ZeigerZumSchreiben(zeiger, EinfügeOffset) : QByteArray();
  if (ersetzen && zeigerBytes.isEmpty()) return;
  const auto& bekannte = Opt_Andere->isChecked() ? AnderePointer : Module1.NeuPointer;
  if (std::find(bekannte.begin() + 1, bekannte.end(), zeiger) == bekannte.end()) {
    QString ergebnis;
    QString datei = Module1.ZielDatei;
    LeerPrüfen(ergebnis, datei, EinfügeOffset);
    if (ergebnis == QLatin1String("close")) return;
  }
  Schreibvorgang w(Module1.ZielDatei, true);
  AltesLoeschen(w, n, zeiger, ersetzen);
  if (ersetzen) w.Schreiben(HexZuZahl(ZielPointerOrt), zeigerBytes, Schreibvorgang::Art::Zeiger);
  w.Schreiben(v, BlockDerAnsicht(), Schreibvorgang::Art::Daten);
  w.Beschreibung(QCoreApplication::translate("Frm_einfuegenals", "Als Tileset %1 am Offset %2 eingefügt")
                     .arg(n)
                     .arg(EinfügeOffset));
  if (!w.Ausfuehren()) return;
  if (ersetzen) Zeigersatz(n) = zeiger;
  AnsichtGeschrieben(v,
                     ersetzen && Module1.ZielDatei == Module1.RomDatei && !HauptOriginalModus() &&
                         !(Haupt.GeheimModus && Haupt.GeheimModus()),
                     n);

  QString bericht = QCoreApplication::translate(
                        "Frm_einfuegenals", "Das Tileset wurde erfolgreich eingesetzt und zwar am Offset: ") +
                    EinfügeOffset;
  if (ersetzen)
    bericht += QCoreApplication::translate("Frm_einfuegenals",
                                           "\nDer Pointer auf das %1.Tileset wurde auf %2 gesetzt!")
                   .arg(n)
                   .arg(zeiger);
  Meldung(bericht);
}

bool Frm_einfügenals::PasstInZiel(qint64 v) {
  const QString& datei = Module1.ZielDatei;
  const qint64 laenge = Dateizugriff::Laenge(datei);
  if (laenge < 0) {
    Meldung(datei.isEmpty()
                ? QCoreApplication::translate("Frm_einfuegenals", "Es ist keine Romdatei geöffnet.")
                : QCoreApplication::translate("Frm_einfuegenals", "Die Datei '%1' wurde nicht gefunden.")
                      .arg(datei),
            QCoreApplication::translate("Frm_einfuegenals", "Fehler"));
    return false;
  }
  if (v + Tilesetblock::Laenge <= laenge) return true;
  Meldung(QCoreApplication::translate(
              "Frm_einfuegenals",
              "Am Offset %1 passt das Tileset (1542 Bytes) nicht mehr in die Datei '%2'.\n"
              "Es wurde nichts geschrieben.")
              .arg(EinfügeOffset, datei),
          QCoreApplication::translate("Frm_einfuegenals", "Fehler"));
  return false;
}

void Frm_einfügenals::AltesLoeschen(Schreibvorgang& w, int n, const QString& zeiger, bool ersetzen) {
  const QString alt = VorigerZeiger(n);
  if (alt.isEmpty() || alt == zeiger || !Chk_Löschen->isChecked()) return;
  // Only the tileset's own previous copy goes: a stored tileset block that no
  // pointer leads to once the write is done (its own one stays when it is
  // not replaced). Anything else has reused the area.
  const auto inhalt = Dateizugriff::Inhalt(Module1.ZielDatei);
  const qint64 ort = HexZuZahl(PointerZuOffset(alt, 0, 0));
  if (!inhalt || !Kopftabelle::LoeschHindernis(*inhalt, ort, ersetzen ? n : 0).isEmpty()) return;
  w.Nullen(ort, Tilesetblock::Laenge);
}

QString Frm_einfügenals::VorigerZeiger(int n) {
  return Opt_Andere->isChecked() ? AnderePointer[n] : Kopftabelle::VerschobenerZeiger(n);
}

QString& Frm_einfügenals::Zeigersatz(int n) {
  return Opt_Andere->isChecked() ? AnderePointer[n] : Module1.NeuPointer[n];
}
