// Number helpers and pointer conversions on arbitrary text.
#include <QString>
#include <cstddef>
#include <cstdint>

#include "Zahlen.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  QString text = QString::fromLatin1(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(groesse));
  const qint64 zahl = HexZuZahl(text);
  if (IstHex(text) && text.size() <= 8 && zahl != HexZuZahl(Hex(zahl))) __builtin_trap();
  for (int art : {0, 1, 2, 3}) {
    const QString zeiger = OffsetZuPointer(text, art);
    PointerZuOffset(text, art, static_cast<int>(groesse % 256));
    // A pointer made from an offset in the ROM's range leads back to it.
    if (art == 0 && IstHex(text) && zahl < 0x400000 && PointerZuOffset(zeiger, 0, 0) != Hex(zahl))
      __builtin_trap();
  }
  const QString stellen = HexStellen(zahl, static_cast<int>(groesse % 10));
  if (!stellen.isEmpty() && stellen.size() != static_cast<qsizetype>(groesse % 10)) __builtin_trap();
  return 0;
}
