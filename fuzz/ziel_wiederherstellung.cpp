// The recovery file reader on arbitrary bytes, as a file and as its fields.
// The fields are also read inside an intact header and checksum, which random
// bytes never hit.
#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

#include "Wiederherstellung.h"

namespace {
void Pruefe(bool bedingung) {
  if (!bedingung) __builtin_trap();
}

bool Gleich(const Wiederherstellungsstand& a, const Wiederherstellungsstand& b) {
  return a.RomPfad == b.RomPfad && a.RomPruefsumme == b.RomPruefsumme && a.Tileset == b.Tileset &&
         a.Zeit.toMSecsSinceEpoch() == b.Zeit.toMSecsSinceEpoch() && a.Teile == b.Teile;
}

// Whatever was read is a valid state that is written and read back unchanged.
void Rundreise(const QByteArray& datei) {
  QString grund;
  const auto stand = Wiederherstellung::Dekodieren(datei, &grund);
  Pruefe(stand.has_value() == grund.isEmpty());
  if (!stand) return;
  Pruefe(stand->Tileset >= 1 && stand->Tileset <= 28);
  const auto wieder = Wiederherstellung::Dekodieren(Wiederherstellung::Kodieren(*stand), &grund);
  Pruefe(wieder.has_value() && Gleich(*wieder, *stand));
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  const QByteArray bytes(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(groesse));
  Rundreise(bytes);
  Rundreise(Wiederherstellung::Umschlag(bytes));
  return 0;
}
