#include "Pngdatei.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

namespace Pngdatei {

QString Schreiben(const QImage& bild, const QString& pfad) {
  if (QFileInfo(pfad).isDir()) return QCoreApplication::translate("Pngdatei", "Der Pfad ist ein Ordner.");
  QSaveFile datei(pfad);
  if (!datei.open(QIODevice::WriteOnly)) return datei.errorString();
  QImageWriter schreiber(&datei, "png");
  // A write that fails only when the buffer goes out must still cancel the
  // file: the commit alone would not notice it.
  if (!schreiber.write(bild) || !datei.flush()) {
    const QString grund =
        datei.error() != QFileDevice::NoError ? datei.errorString() : schreiber.errorString();
    datei.cancelWriting();
    return grund;
  }
  if (!datei.commit()) return datei.errorString();
  return {};
}

QString Fehlertext(const QString& pfad, const QString& grund) {
  return QCoreApplication::translate(
             "Pngdatei",
             "Die Datei '%1' konnte nicht geschrieben werden:\n%2\nDie Datei wurde nicht verändert.")
      .arg(pfad, grund);
}

}  // namespace Pngdatei
