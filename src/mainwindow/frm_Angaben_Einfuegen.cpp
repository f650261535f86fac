#include <QCoreApplication>
#include <algorithm>

#include "Dateizugriff.h"
#include "Freisuche.h"
#include "Frm_Bearbeiten.h"
#include "Kopftabelle.h"
#include "LeerPruefen.h"
#include "Meldung.h"
#include "Module1.h"
#include "Tilesetblock.h"
#include "Zahlen.h"
#include "frm_Angaben.h"

namespace {
constexpr qint64 VerbotenAb = 0x1BB900;
constexpr qint64 VerbotenBis = 0x1BC000;

// The old copy goes only when it is this tileset's own stored block and no
// pointer leads there once the write is done. Returns the line the report
// gets when it stays.
QString AlteKopieLoeschen(Schreibvorgang& w, int n, bool ersetzen) {
  const QString alt = frm_Angaben::AlteKopie(n);
  const QString grund =
      Kopftabelle::LoeschHindernis(*Dateizugriff::Inhalt(Module1.RomDatei), HexZuZahl(alt), ersetzen ? n : 0);
  if (!grund.isEmpty())
    return QCoreApplication::translate("frm_Angaben",
                                       "\nDas alte Tileset am Offset %1 wurde nicht gelöscht: %2")
        .arg(alt, grund);
  w.Nullen(HexZuZahl(alt), Tilesetblock::Laenge);
  return {};
}

// Tileset n is read back from its own record of Tilesets.gb only. A block
// anywhere else (an offset found in the ROM, a typo, another tileset's record)
// would spoil what it overlaps or land where nothing reads it, while the
// report named tileset n and the view went back to its unchanged record.
// Writing into another tileset's record is what "Einfügen als ..." is for.
bool EigenerSatz(qint64 ziel, int n) {
  const qint64 satz = (n - 1) * Tilesetblock::SatzLaenge;
  if (ziel == satz) return true;
  Meldung(
      QCoreApplication::translate("frm_Angaben",
                                  "In 'Tilesets.gb' beginnt das %1.Tileset am Offset %2, nicht am Offset %3. "
                                  "Es wurde nichts geschrieben.")
          .arg(n)
          .arg(Hex(satz), Module1.ZielOffset),
      QCoreApplication::translate("frm_Angaben", "Fehler"));
  return false;
}

// The ROM target: original place, free test, old copy, pointer, block, in one
// all-or-nothing write.
void InsRomEinfuegen(frm_Angaben& f, int n, const QByteArray& block) {
  const QString zeigerText = f.Lbl_Pointer->text();
  if (zeigerText == Module1.OrgPointer[n]) {
    Meldung(QCoreApplication::translate("frm_Angaben",
                                        "Dieser Offset ist ungültig. Bitte einen anderen Offset angeben!"));
    return;
  }
  const bool ersetzen = f.Chk_Ersetzen->isChecked();
  const QByteArray zeiger =
      ersetzen ? Kopftabelle::ZeigerZumSchreiben(zeigerText, Module1.ZielOffset) : QByteArray();
  if (ersetzen && zeiger.isEmpty()) return;
  const auto& neu = Module1.NeuPointer;
  if (std::find(neu.begin() + 1, neu.end(), zeigerText) == neu.end()) {
    QString ergebnis, datei = Module1.RomDatei;
    LeerPrüfen(ergebnis, datei, Module1.ZielOffset);
    if (ergebnis == QLatin1String("close")) return;
  }
  Schreibvorgang w(Module1.RomDatei, true);
  const QString nichtGelöscht = zeigerText != neu[n] && !neu[n].isEmpty() && f.Chk_Löschen->isChecked()
                                    ? AlteKopieLoeschen(w, n, ersetzen)
                                    : QString();
  if (ersetzen) w.Schreiben(HexZuZahl(Module1.PointerOrt), zeiger, Schreibvorgang::Art::Zeiger);
  w.Schreiben(HexZuZahl(Module1.ZielOffset), block);
  w.Beschreibung(QCoreApplication::translate("frm_Angaben", "Tileset %1 am Offset %2 eingefügt")
                     .arg(n)
                     .arg(Module1.ZielOffset));
  if (!w.Ausfuehren()) return;
  QString bericht = QCoreApplication::translate(
                        "frm_Angaben", "Das Tileset wurde erfolgreich eingesetzt und zwar am Offset: ") +
                    Module1.ZielOffset;
  if (ersetzen)
    bericht +=
        QCoreApplication::translate("frm_Angaben", "\nDer Pointer auf das %1.Tileset wurde auf %2 gesetzt!")
            .arg(n)
            .arg(zeigerText);
  Meldung(bericht + nichtGelöscht);
  f.NachSchreiben();
}
}  // namespace

Tilesetblock::KachelTexte frm_Angaben::AnsichtsKacheln() {
  Frm_Bearbeiten& ansicht = Frm_Bearbeiten::Instanz();
  Tilesetblock::KachelTexte texte;
  for (int i = 1; i <= Tilesetblock::Kacheln; ++i)
    texte[i - 1] =
        i <= ansicht.AnzahlTiles() ? ansicht.Fläche(i).Zurükgeben() : QString(48, QLatin1Char('0'));
  return texte;
}

void frm_Angaben::Cmd_Einfügen_Click() {
  const int n = Auswahl->currentIndex() + 1;
  if (n < 1) return;
  const bool nachTilesetsGb = TilesetQuelleGeheim();
  if (!nachTilesetsGb && KeinRomOffen()) return;
  Module1.ZielOffset = Txt_Ort->text();
  if (!IstHex(Module1.ZielOffset)) {
    Meldung(QCoreApplication::translate(
                "frm_Angaben", "Der Offset '%1' ist keine Hexadezimalzahl. Es wurde nichts geschrieben.")
                .arg(Module1.ZielOffset),
            QCoreApplication::translate("frm_Angaben", "Fehler"));
    return;
  }
  const qint64 ziel = HexZuZahl(Module1.ZielOffset);
  if (ziel > VerbotenAb && ziel < VerbotenBis) {
    Meldung(QCoreApplication::translate(
                "frm_Angaben",
                "Der Offset darf nicht Zwischen 1BB900 und 1BC000 sein.\nSonst sturzt das Rom ab!!!"),
            QCoreApplication::translate("frm_Angaben", "!!ACHTUNG!!"));
    return;
  }
  const QByteArray block = Tilesetblock::Bauen(AnsichtsKacheln());
  if (nachTilesetsGb) {
    if (!EigenerSatz(ziel, n)) return;
    Schreibvorgang w(Module1.QuellDatei, false);
    w.Schreiben(ziel, block);
    w.Beschreibung(
        QCoreApplication::translate("frm_Angaben", "Tileset %1 in 'Tilesets.gb' eingefügt").arg(n));
    if (!w.Ausfuehren()) return;
    Meldung(QCoreApplication::translate(
                "frm_Angaben", "Das %1.Tileset wurde erfolgreich in der Datei 'Tilesets.gb' eingesetzt!")
                .arg(n));
    NachSchreiben();
    return;
  }
  InsRomEinfuegen(*this, n, block);
}

void frm_Angaben::Cmd_sucheOff_Click() {
  if (KeinRomOffen()) return;
  const qint64 start = HexZuZahl(Module1.FreierOffset) + Tilesetblock::Laenge;
  const qint64 gefunden = Freisuche::Suchen(*Dateizugriff::Inhalt(Module1.RomDatei), start);
  if (gefunden < 0) {
    Meldung(QCoreApplication::translate(
        "frm_Angaben",
        "Es wurde kein leerer Offset gefunden: Unterhalb von 1BB9FF enthält das Rom "
        "keinen freien Bereich von 1542 Bytes (nur Nullen)."));
    return;
  }
  Module1.FreierOffset = Hex(gefunden);
  const Antwort a =
      Meldung(QCoreApplication::translate("frm_Angaben", "Der nächste geeignete Offset ist: ") +
                  Module1.FreierOffset +
                  QCoreApplication::translate("frm_Angaben", ". Soll dieser eingetragen wer den?"),
              {}, Knoepfe::JaNein);
  if (a == Antwort::Ja) Txt_Ort->setText(Module1.FreierOffset);
}
