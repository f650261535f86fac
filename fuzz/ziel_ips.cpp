// The IPS reader on arbitrary patches, and the writer's round trip where IPS
// can carry the change.
#include <QByteArray>
#include <cstddef>
#include <cstdint>

#include "Ips.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  const QByteArray bytes(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(groesse));
  const qsizetype mitte = bytes.isEmpty() ? 0 : quint8(bytes[0]) * bytes.size() / 256;
  const QByteArray quelle = bytes.mid(1, mitte), ziel = bytes.mid(1 + mitte);
  const Ips::Ergebnis patch = Ips::Erstellen(quelle, ziel);
  if (patch.fehler.isEmpty() != (ziel.size() >= quelle.size())) __builtin_trap();
  if (patch.fehler.isEmpty() && Ips::Anwenden(patch.daten, quelle).daten != ziel) __builtin_trap();
  const Ips::Ergebnis e = Ips::Anwenden("PATCH" + ziel, quelle);
  if (!e.fehler.isEmpty() && !e.daten.isEmpty()) __builtin_trap();
  return 0;
}
