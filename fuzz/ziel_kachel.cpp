// Tile text and cell text codecs on arbitrary text.
#include <QString>
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "Kachel.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  const QString text =
      QString::fromLatin1(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(groesse));
  const Zellen aus = KachelTextZuZellen(text);
  const Zellen zellen = ZellTextZuZellen(text);
  auto gueltig = [](const Zellen& z) {
    return std::all_of(z.begin(), z.end(), [](auto n) { return n >= 1 && n <= 4; });
  };
  if (!gueltig(aus) || !gueltig(zellen)) __builtin_trap();
  // Whatever came in, what goes out reads back the same.
  if (KachelTextZuZellen(ZellenZuKachelText(aus)) != aus) __builtin_trap();
  if (ZellTextZuZellen(ZellenZuZellText(zellen)) != zellen) __builtin_trap();
  if (KachelTextZuBytes(BytesZuKachelText(KachelTextZuBytes(text).constData())) != KachelTextZuBytes(text))
    __builtin_trap();
  return 0;
}
