// The stored tileset block reader, builder and free-area test on arbitrary bytes.
#include <QByteArray>
#include <cstddef>
#include <cstdint>

#include "Tilesetblock.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  const QByteArray bytes(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(groesse));
  const Tilesetblock::KachelTexte texte = Tilesetblock::Lesen(bytes);
  const QByteArray block = Tilesetblock::Bauen(texte);
  if (block.size() != Tilesetblock::Laenge || !Tilesetblock::HatMarker(block)) __builtin_trap();
  if (Tilesetblock::Lesen(block) != texte) __builtin_trap();
  const bool frei = Tilesetblock::Frei(bytes);
  if (frei && bytes.count('\0') + 6 < std::min<qsizetype>(bytes.size(), Tilesetblock::Laenge))
    __builtin_trap();
  Tilesetblock::HatMarker(bytes);
  return 0;
}
