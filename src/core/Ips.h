#pragma once

#include <QByteArray>
#include <QString>

// Patches in the IPS format: "PATCH", records of a 3-byte offset and a 2-byte
// size (size 0: a run of one byte), "EOF". Offsets are big-endian.
namespace Ips {

// A record never starts at this offset: its bytes would read as "EOF".
constexpr qint64 EofOrt = 0x454F46;
// Offsets have three bytes.
constexpr qint64 Hoechstens = 0x1000000;

struct Ergebnis {
  QByteArray daten;
  QString fehler;
};

// The patch from `quelle` to `ziel`, or why IPS cannot carry it (a target
// beyond 16 MiB, or shorter than the source).
Ergebnis Erstellen(const QByteArray& quelle, const QByteArray& ziel);

// `quelle` with the records of `patch`; every record is checked to lie
// within the patch before the result is handed out. A three-byte length after
// "EOF" cuts the result there.
Ergebnis Anwenden(const QByteArray& patch, const QByteArray& quelle);

}  // namespace Ips
