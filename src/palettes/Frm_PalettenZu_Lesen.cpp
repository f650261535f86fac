#include <QCoreApplication>

#include "Dateizugriff.h"
#include "Frm_PalettenZu.h"
#include "Kopftabelle.h"
#include "Meldung.h"
#include "Module1.h"
#include "Ungeschrieben.h"
#include "Zahlen.h"
#include "Zuordnung.h"

namespace {
QString TilesetsGb() { return Module1.ProgOrdner + QStringLiteral("Tilesets.gb"); }

// The ROM's field of the current tileset, through its 2-byte pointer.
QString RomFeldOrt() {
  const QByteArray zeiger = Dateizugriff::Lesen(Module1.RomDatei, HexZuZahl(Module1.ZuordnungZeiger), 2);
  return Hex(Zuordnung::FeldOffset(zeiger));
}
}  // namespace

QByteArray Frm_PalettenZu::RausLesen() {
  Module1.ZuordnungOrt.clear();
  const bool seitenDatei = HauptOriginalModus() || m_wiederherstellen == 1;
  const QString datei = seitenDatei ? TilesetsGb() : Module1.RomDatei;
  const int k = HauptAuswahlIndex();
  // Without a tileset (or a ROM) there is no field: the buttons show zeros and
  // nothing can be saved.
  QByteArray feld(Zuordnung::Laenge, '\0');
  if (k >= 0 && !datei.isEmpty()) {
    Module1.ZuordnungOrt =
        seitenDatei ? Hex(HexZuZahl(Module1.ZuordnungBasis) + k * Zuordnung::SatzLaenge) : RomFeldOrt();
    feld = Dateizugriff::Lesen(datei, HexZuZahl(Module1.ZuordnungOrt), Zuordnung::Laenge);
  }
  const QString ziffern = Zuordnung::Ziffern(feld);
  for (int i = 1; i <= Zuordnung::Tiles; ++i) m_pal[i]->setText(ziffern.mid(i - 1, 1));
  Paletten_Click();
  m_verlauf.Leeren();
  Module1.ZuordnungGeladen = -1;
  return feld;
}

void Frm_PalettenZu::Cmd_Speichern_Click() {
  const bool seitenDatei = HauptOriginalModus();
  if (!seitenDatei && KeinRomOffen()) return;
  if (Module1.ZuordnungOrt.isEmpty()) return;
  QString ziffern;
  for (int i = 1; i <= Zuordnung::Tiles; ++i) ziffern += m_pal[i]->text();
  Schreibvorgang w(seitenDatei ? TilesetsGb() : Module1.RomDatei, !seitenDatei);
  w.Schreiben(HexZuZahl(Module1.ZuordnungOrt), Zuordnung::Feld(ziffern));
  w.Beschreibung(QCoreApplication::translate("Frm_PalettenZu", "Palettenzuordnung von Tileset %1 gespeichert")
                     .arg(HauptAuswahlIndex() + 1));
  if (!w.Ausfuehren()) return;
  m_verlauf.Geschrieben();
  if (Haupt.Umfaerben) Haupt.Umfaerben();
}

void Frm_PalettenZu::OriginalEinf() {
  // The restore writes into the ROM; in original-data mode the main window
  // does not offer it, and without a ROM there is nothing to write to.
  const int k = HauptAuswahlIndex();
  if (Module1.RomDatei.isEmpty() || HauptOriginalModus() || k < 0 || !Ungeschrieben::Fragen(*this)) return;
  Module1.ZuordnungBasis = Hex(Zuordnung::SeitenBasis);
  m_wiederherstellen = 1;
  const QByteArray feld = RausLesen();
  Module1.ZuordnungBasis = Hex(Zuordnung::RomBasis);
  m_wiederherstellen = 0;
  Module1.ZuordnungZeiger = Hex(Zuordnung::RomBasis + Kopftabelle::Satz * (k + 1));
  Module1.ZuordnungOrt = RomFeldOrt();
  Schreibvorgang w(Module1.RomDatei, true);
  w.Schreiben(HexZuZahl(Module1.ZuordnungOrt), feld);
  w.Beschreibung(
      QCoreApplication::translate("Frm_PalettenZu", "Original-Palettenzuordnung von Tileset %1 eingefügt")
          .arg(k + 1));
  if (!w.Ausfuehren()) {
    RausLesen();  // show again what the ROM still holds
    return;
  }
  if (Haupt.Umfaerben) Haupt.Umfaerben();
}
