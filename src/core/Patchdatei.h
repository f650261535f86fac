#pragma once

#include <QByteArray>
#include <QString>

// Patch files as the user names them: the extension chooses the format, the
// first bytes tell it when one is read.
namespace Patchdatei {

enum class Format { Bps, Ips };

// ".ips" (either case) is IPS, everything else BPS.
Format FormatVon(const QString& pfad);
// A name without an extension gets ".bps".
QString MitEndung(const QString& pfad);

struct Ergebnis {
  QByteArray daten;
  QString fehler;  // why there is none
};

Ergebnis Erstellen(const QByteArray& quelle, const QByteArray& ziel, Format format);
Ergebnis Anwenden(const QByteArray& patch, const QByteArray& quelle);

// Both name one existing file, after links are resolved: a command must not
// write over one of its own inputs.
bool SelbeDatei(const QString& a, const QString& b);

// Writes a whole file through the write layer (backup, history, all or
// nothing). A file that did not exist before is gone again when the write
// fails. Failures are reported by the write layer.
bool Schreiben(const QString& pfad, const QByteArray& bytes, const QString& beschreibung);

}  // namespace Patchdatei
