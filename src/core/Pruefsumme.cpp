#include "Pruefsumme.h"

#include <zlib.h>

quint32 Crc32(const char* daten, qint64 anzahl) {
  const auto* bytes = reinterpret_cast<const Bytef*>(daten);
  return static_cast<quint32>(crc32_z(crc32_z(0, Z_NULL, 0), bytes, static_cast<z_size_t>(anzahl)));
}
