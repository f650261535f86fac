#include "Seitenordner.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace Seitenordner {

QString Waehlen(const QString& programmOrdner) {
  const QString eigener = QDir::cleanPath(programmOrdner);
  if (QFileInfo::exists(QDir(eigener).filePath(QStringLiteral("Tilesets.gb")))) return eigener;
  const QString daten = QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
  QDir().mkpath(daten);
  return daten;
}

}  // namespace Seitenordner
