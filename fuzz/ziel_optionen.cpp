// The stored options text parser and builder on arbitrary text.
#include <QString>
#include <cstddef>
#include <cstdint>

#include "Optionstext.h"

namespace {
void Pruefe(bool bedingung) {
  if (!bedingung) __builtin_trap();
}

bool Gleich(const Optionen& a, const Optionen& b) {
  return a.AlteFarben == b.AlteFarben && a.Grau == b.Grau && a.OriginalFarben == b.OriginalFarben &&
         a.Zeit == b.Zeit && a.Raster == b.Raster && a.Grösse == b.Grösse && a.AlleWerte == b.AlleWerte &&
         a.NurErklärte == b.NurErklärte;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  const QString text =
      QString::fromUtf8(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(groesse));
  const Optionen o = OptionstextLesen(text);
  // Whatever was stored, the options hold one colour mode, one list mode and
  // values in range, and they persist unchanged.
  Pruefe(o.AlteFarben + o.Grau + o.OriginalFarben == 1);
  Pruefe(o.AlleWerte + o.NurErklärte == 1);
  Pruefe(o.Zeit >= 0 && o.Zeit <= 4 && o.Grösse >= 1 && o.Grösse <= 6);
  const QString gebaut = OptionstextBauen(o);
  Pruefe(gebaut.size() == 8);
  for (QChar c : gebaut) Pruefe(c >= QLatin1Char('0') && c <= QLatin1Char('9'));
  Pruefe(Gleich(OptionstextLesen(gebaut), o));
  Pruefe(OptionstextBauen(OptionstextLesen(gebaut)) == gebaut);
  return 0;
}
