#pragma once

#include <QImage>
#include <QString>

// Pictures written for painting programs. A picture is written whole or not
// at all: it goes to a temporary file beside the target that replaces the
// target only once it is complete, so a failure leaves an existing file as
// it was.
namespace Pngdatei {

// "" on success, else why the file could not be written.
QString Schreiben(const QImage& bild, const QString& pfad);

// The "Fehler" message for a failed write.
QString Fehlertext(const QString& pfad, const QString& grund);

}  // namespace Pngdatei
