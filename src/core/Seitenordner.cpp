#include "Seitenordner.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace Seitenordner {

namespace {
// Trying is the only answer that holds for root, read-only mounts and
// immutable folders alike.
bool Beschreibbar(const QString& ordner) {
  QTemporaryFile probe(QDir(ordner).filePath(QStringLiteral(".tessaron-probe-XXXXXX")));
  return probe.open();
}

QString OhneTrenner(const QString& ordner) { return QDir::cleanPath(ordner); }
}  // namespace

QString Waehlen(const QString& programmOrdner) {
  const QString eigener = OhneTrenner(programmOrdner);
  if (QFileInfo::exists(QDir(eigener).filePath(QStringLiteral("Tilesets.gb"))) || Beschreibbar(eigener))
    return eigener;
  const QString daten = OhneTrenner(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
  QDir().mkpath(daten);
  return daten;
}

}  // namespace Seitenordner
