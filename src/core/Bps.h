#pragma once

#include <QByteArray>
#include <QString>

// Patches in the BPS format: "BPS1", the source, target and metadata sizes as
// variable-length numbers, actions that read or copy from the source and the
// target, and the CRC32 of source, target and patch at the end.
namespace Bps {

// A patch that turns `quelle` into `ziel`. Bytes the target moved or copied
// from elsewhere in the source are copied from there, runs of one byte are
// copied from the target itself, so a patch of an edit is hardly larger than
// the bytes the edit wrote.
QByteArray Erstellen(const QByteArray& quelle, const QByteArray& ziel);

// The target of `patch` applied to `quelle`, or why there is none: the whole
// patch is checked (sizes, every action within bounds, all three CRC32)
// before the result is handed out.
struct Ergebnis {
  QByteArray ziel;
  QString fehler;
};
Ergebnis Anwenden(const QByteArray& patch, const QByteArray& quelle);

}  // namespace Bps
