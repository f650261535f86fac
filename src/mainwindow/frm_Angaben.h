#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QString>
#include <memory>
#include <optional>

#include "Bearbeitungsverlauf.h"
#include "HexFeld.h"
#include "Tilesetblock.h"
#include "Wiederherstellungsplaner.h"

// The start-up window: menus, the tileset choice, the offset box and the
// switches that decide where tileset data comes from and goes to. Closing it
// ends the program.
class frm_Angaben : public QMainWindow {
 public:
  // ordner: the folder of the side files (the program's own folder).
  explicit frm_Angaben(const QString& ordner);
  ~frm_Angaben() override;

  // Opening a ROM after its file was chosen.
  void RomÖffnen(const QString& Pfad);
  void Auswahl_Click();
  void Laden();
  // After the tiles were written: the view keeps its history, now clean, and
  // no other editor's unwritten changes are read over.
  void NachSchreiben();
  // The display colours changed (options, palettes, palette assignment):
  // every window shows its content again in them, written or not.
  void Umfaerben();
  // The offset of tileset n's moved copy (Kopftabelle::VerschobenerZeiger):
  // the offset the view was loaded from may be older than that.
  static QString AlteKopie(int n);
  // The 96 tiles of the tileset view as tile texts.
  static Tilesetblock::KachelTexte AnsichtsKacheln();

  // Controls
  QComboBox* Auswahl = nullptr;
  QLabel* Lbl_Ort = nullptr;
  HexFeld* Txt_Ort = nullptr;
  QLabel* Lbl_Pointer = nullptr;
  QCheckBox* Chk_Ersetzen = nullptr;
  QCheckBox* Chk_Löschen = nullptr;
  QCheckBox* Chk_Original = nullptr;
  QCheckBox* Chk_Geheim = nullptr;

  // Menu items
  QAction* Cmd_Öffnen = nullptr;
  QAction* Cmd_BLaden = nullptr;
  QAction* Cmd_BildSpeichern = nullptr;
  QAction* Cmd_OriginaldatenAnlegen = nullptr;
  QAction* Cmd_Sicherung = nullptr;
  QAction* Cmd_PatchErstellen = nullptr;
  QAction* Cmd_PatchAnwenden = nullptr;
  QAction* Cmd_Testen = nullptr;
  QAction* Cmd_Beenden = nullptr;
  QAction* Cmd_Rückgängig = nullptr;
  QAction* Cmd_Wiederholen = nullptr;
  QAction* Cmd_Zurücknehmen = nullptr;
  QAction* Cmd_Erneut = nullptr;
  QAction* Cmd_Verlauf = nullptr;
  QAction* Cmd_sucheOff = nullptr;
  QAction* Cmd_Einfügen = nullptr;
  QAction* Cmd_Einfügenals = nullptr;
  QAction* Cmd_Laden = nullptr;
  QAction* Cmd_LeerTile = nullptr;
  QAction* Trenlinie2 = nullptr;
  QAction* Cmd_Pointeränd = nullptr;
  QAction* Cmd_AltPointer = nullptr;
  QAction* Cmd_PointeruLöschen = nullptr;
  QAction* Cmd_TilesetPal = nullptr;
  QAction* Cmd_OriginalTilePal = nullptr;
  QAction* Cmd_PalettenZu = nullptr;
  QAction* Cmd_OrgPalEinf = nullptr;
  QAction* Cmd_Kolli = nullptr;
  QAction* Cmd_Block = nullptr;
  QAction* Cmd_Blockuebersicht = nullptr;
  QAction* Cmd_Unbenutzt = nullptr;
  QAction* Cmd_Animationen = nullptr;
  QAction* Cmd_Optionen = nullptr;
  QAction* Cmd_Info = nullptr;
  QAction* Cmd_WichtigInfo = nullptr;
  QAction* Cmd_Tut = nullptr;
  QMenu* Mnu_Sprache = nullptr;
  QAction* Cmd_Deutsch = nullptr;
  QAction* Cmd_Englisch = nullptr;

  // Writing tilesets
  void Cmd_Einfügen_Click();
  void Cmd_sucheOff_Click();

  // Pointers
  void Cmd_Pointeränd_Click();
  void Cmd_AltPointer_Click();
  void Cmd_PointeruLöschen_Click();

  // Colours

  void PalettenLaden();
  void PalettenRausLesen();
  void PalettenZuBeiAuswahl();
  void PalettenZuZeigenWennAktiv();
  void Cmd_TilesetPal_Click();
  void Cmd_OriginalTilePal_Click();
  void Cmd_PalettenZu_Click();
  void Cmd_OrgPalEinf_Click();

  // Blocks and collisions

  void KolliAuswahl();
  void KolliListenModus(bool kurz);
  void Cmd_Kolli_Click();
  void Cmd_Block_Click();
  void Cmd_Blockuebersicht_Click();
  void Cmd_Unbenutzt_Click();

  // Options and animations

  void OptionenLaden();
  void OptionenZuweisen();
  void OptionenZeigenWennAktiv();
  void AnimationBeiAuswahl();
  void Cmd_Animationen_Click();
  void Cmd_Optionen_Click();

  // Insert-as and picture import

  void Cmd_Einfügenals_Click();
  void EinfügenalsNachziehen();
  void Cmd_BLaden_Click();

  // The tiles of the view as an indexed PNG. The click asks for the file
  // name; BildSpeichern writes to a name already chosen.
  void Cmd_BildSpeichern_Click();
  void BildSpeichern(const QString& Pfad);
  // Original data from an unchanged ROM

  void Cmd_OriginaldatenAnlegen_Click();

  // Colour chooser

  void FarbenZeigen();

  // History of file writes and backups

  void Cmd_Zurücknehmen_Click();
  void Cmd_Erneut_Click();
  void Cmd_Verlauf_Click();
  void Cmd_Sicherung_Click();

  // Patches and test-play. The clicks ask for the files and hand them on.

  void Cmd_PatchErstellen_Click();
  void PatchErstellen(const QString& original, const QString& patch);
  void Cmd_PatchAnwenden_Click();
  void PatchAnwenden(const QString& patch, const QString& rom, const QString& neu);
  void Cmd_Testen_Click();
  // The tileset view or the palette window shows what no file holds.
  bool UngeschriebeneAenderungen() const;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void Aufbauen();
  void MenüsAufbauen();
  void BearbeitenAufbauen(QMenu* menue);
  void SpracheAufbauen(QMenuBar* leiste);
  void UebersichtAufbauen(QMenu* tileset, QMenu* extras);
  void UebersichtAnlegen();
  void PatchMenüAufbauen(QMenu* datei);
  QString OriginalRom();
  QString Emulatorbefehl();
  void Form_Load();
  void OriginalPointerLesen();
  void Cmd_Öffnen_Click();
  void Cmd_LeerTile_Click();
  void Txt_Ort_Change();
  void Chk_Original_Click();
  void Chk_Geheim_Click();
  void AuswahlSetzen(int index);
  void HauptfensterAnbieten();
  // Shows a window modeless in front of the others.
  static void Zeigen(QWidget& fenster);
  bool TilesetQuelleGeheim() const;
  void RomSchalterSetzen();
  void OhneQuelle();
  void ZeigerTextSetzen();
  void OriginaldatenAnbieten();
  void Cmd_WichtigInfo_Click();
  void VerlaufVerbinden();
  void VerlaufGeaendert(bool bewegt);
  void DateienNeuLesen();
  // The questions before a path drops unwritten changes: every editor, the
  // editors a tileset choice reads again, the tileset view alone.
  bool AlleFragen();
  bool AuswahlFragen();
  bool AnsichtFragen();
  void AuswahlWechseln(int index);
  bool SchalterFragen(QCheckBox* schalter);
  void Neuladen();
  // Recovery after a crash
  void WiederherstellungVerbinden();
  void WiederherstellungBeenden();
  void WiederherstellungAnbieten();
  std::optional<Wiederherstellungsstand> Sicherungsstand();
  void Wiederherstellen(const Wiederherstellungsstand& stand);
  bool Behalten(const Bearbeitungsverlauf& verlauf) const { return m_behalten && !verlauf.Sauber(); }

  QString m_ordner;
  bool m_originaldatenAngeboten = false;
  int m_bearbeitet = -1;  // the tileset the editors hold
  bool m_behalten = false;
  std::unique_ptr<Wiederherstellungsplaner> m_planer;
  quint32 m_romPruefsumme = 0;
};
