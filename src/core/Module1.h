#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <functional>

// The state every window shares. It lives as long as the program; the main
// window gives it its start values. Tests reset it with Module1Zuruecksetzen().
struct Modul1Daten {
  // Files, offsets and search state
  QString RomDatei;
  QString ZielDatei;
  QString QuellDatei;
  QString QuellOffset;
  QString PointerOrt;
  QString ZielOffset;
  QString FreierOffset;
  QString ProgOrdner;
  QString PalettenDatei;
  QString BildDatei;

  // Tables
  std::array<std::uint8_t, 7> LeerMuster{};  // 1..6 used
  std::array<QString, 29> OrgPointer;        // 1..28 used
  std::array<QString, 29> NeuPointer;        // 1..28 used
  std::array<std::array<qint64, 8>, 5> PalettenAdresse{};
  std::array<std::array<std::array<QString, 5>, 8>, 5> PalettenWerte;  // [t][p][1..4]
  std::array<std::uint32_t, 5> Tilefarben{};                           // 1..4 used

  // Palette and assignment bases
  QString PalettenBasis;
  QString ZuordnungBasis;
  QString ZuordnungZeiger;
  QString ZuordnungOrt;

  // Painting and layout state
  int FarbeLinks = 0;
  int FarbeRechts = 0;
  int Lücke = 0;
  int Raster = 0;
  int KopierModus = 0;
  int TileZähler = 0;
  int ReihenStart = 0;
  qint64 BlockOrt = 0;
  qint64 KolliOrt = 0;
  QString BlockPointerOrt;
  QString KolliPointerOrt;
  QString AktuellerBlock;

  // Window flags and choices
  int LadeSperre = 0;
  QString TastenStatus;
  int TilesetGeladen = 0;
  int OptionenAktiv = 0;
  int PalettenZuGeladen = 0;
  int PalettenZuAktiv = 0;
  int ZuordnungGeladen = 0;
  int Tageszeit = 0;
  // 1 while the collision editor shows only the explained values; set by the
  // options so the mode holds even before that editor is first opened.
  int KolliKurzListe = 0;
};

inline Modul1Daten Module1;

inline void Module1Zuruecksetzen() { Module1 = Modul1Daten{}; }

// The main window hands these down so that lower windows can run its
// procedures without including it. Unset entries do nothing.
struct Hauptfenster {
  std::function<void()> Auswahl_Click;
  std::function<void()> Laden;
  std::function<int()> AuswahlIndex;         // -1 when nothing is chosen
  std::function<void(int)> AuswahlSetzen;    // selects and runs Auswahl_Click
  std::function<bool()> OriginalModus;       // Chk_Original checked
  std::function<bool()> GeheimModus;         // Chk_Geheim checked
  std::function<void(bool)> KolliListeKurz;  // collision editor list mode
  std::function<void()> Umfaerben;           // every editor shown again in the current colours
};

inline Hauptfenster Haupt;

inline int HauptAuswahlIndex() { return Haupt.AuswahlIndex ? Haupt.AuswahlIndex() : -1; }
inline void HauptAuswahlClick() {
  if (Haupt.Auswahl_Click) Haupt.Auswahl_Click();
}
inline bool HauptOriginalModus() { return Haupt.OriginalModus && Haupt.OriginalModus(); }

#include "Zahlen.h"

// Position (offset + 1) of every palette from PalettenBasis.
inline void PalettenAdressenBerechnen() {
  const qint64 basis = HexZuZahl(Module1.PalettenBasis);
  for (int t = 0; t < 5; ++t)
    for (int p = 0; p < 8; ++p) Module1.PalettenAdresse[t][p] = basis + 64 * t + 8 * p + 1;
}
