// The BPS reader on arbitrary patches, and the writer's round trip. The input
// is a source and the body of a patch; the CRC32 of source and patch are made
// right so that the actions are reached, not just the checksum test.
#include <QByteArray>
#include <cstddef>
#include <cstdint>

#include "Bps.h"
#include "Pruefsumme.h"

namespace {
void Le(QByteArray& b, quint32 wert) {
  for (int i = 0; i < 4; ++i) b.append(static_cast<char>(wert >> (8 * i)));
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  const QByteArray bytes(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(groesse));
  const qsizetype mitte = bytes.isEmpty() ? 0 : quint8(bytes[0]) * bytes.size() / 256;
  const QByteArray quelle = bytes.mid(1, mitte), rest = bytes.mid(1 + mitte);
  if (Bps::Anwenden(Bps::Erstellen(quelle, rest), quelle).ziel != rest) __builtin_trap();
  QByteArray patch = "BPS1" + rest;
  Le(patch, Crc32(quelle));
  Le(patch, rest.size() >= 4 ? Crc32(rest.right(4)) : 0);
  Le(patch, Crc32(patch));
  const Bps::Ergebnis e = Bps::Anwenden(patch, quelle);
  if (!e.fehler.isEmpty() && !e.ziel.isEmpty()) __builtin_trap();
  Bps::Anwenden(bytes, quelle);
  return 0;
}
