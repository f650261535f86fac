#pragma once

#include <QByteArray>

// The CRC32 that BPS patches and most ROM lists use (zlib's).
quint32 Crc32(const char* daten, qint64 anzahl);
inline quint32 Crc32(const QByteArray& daten) { return Crc32(daten.constData(), daten.size()); }
