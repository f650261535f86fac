#pragma once

#include <QSettings>
#include <QString>

// The display options as they persist: one text of eight digits, one per
// choice, in the order of this struct.
struct Optionen {
  bool AlteFarben = false;     // 1: fixed set "Originalfarben"
  bool Grau = false;           // 2: fixed set "Graustufen"
  bool OriginalFarben = true;  // 3: each tile in its own ROM palette
  int Zeit = 1;                // 4: time of day 0..4
  bool Raster = true;          // 5: grid between the tiles
  int Grösse = 5;              // 6: screen pixels per tile pixel, 1..6
  bool AlleWerte = true;       // 7: collision editor lists 00..FF
  bool NurErklärte = false;    // 8: collision editor lists only the explained values
};

inline const QString StandardOptionstext = QStringLiteral("00111510");
// Where the text lives in the user's settings.
inline const QString OptionenSchluessel = QStringLiteral("Einstelungen/Speicher");

// A stored text may have been edited by hand or damaged. A text shorter than
// eight characters gives all defaults; otherwise each choice that does not
// hold a valid value falls back to its default on its own. The colour mode
// (positions 1-3) and the list mode (7-8) are groups: unless exactly one of
// their digits is "1" and the others "0", the whole group takes its default.
// Characters beyond the eighth are ignored.
Optionen OptionstextLesen(const QString& text);

// Always eight valid digits.
QString OptionstextBauen(const Optionen& o);

// The user's stored options, read as OptionstextLesen reads them.
Optionen GespeicherteOptionen();

// The user's settings, where every stored choice of the program lives.
QSettings Einstellungen();
