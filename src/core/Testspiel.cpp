#include "Testspiel.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include "Kopftabelle.h"

namespace Testspiel {

std::vector<std::pair<qint64, QByteArray>> Flicken(const QByteArray& rom, const Ungeschrieben& u) {
  std::vector<std::pair<qint64, QByteArray>> flicken;
  const auto dazu = [&](qint64 ort, const QByteArray& bytes) {
    if (ort >= 0 && ort + bytes.size() <= rom.size()) flicken.emplace_back(ort, bytes);
  };
  if (u.tileset > 0) dazu(Kopftabelle::ZielVon(rom, u.tileset), u.block);
  if (!u.farben.isEmpty()) dazu(u.farbenOrt, u.farben);
  return flicken;
}

QString Pfad(const QString& rom) {
  const QString ordner = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
  const QString endung = QFileInfo(rom).suffix();
  return QDir(ordner).filePath(QStringLiteral("Testspiel") +
                               (endung.isEmpty() ? QString() : QStringLiteral(".") + endung));
}

QStringList Befehl(const QString& befehl, const QString& kopie) {
  QStringList teile = QProcess::splitCommand(befehl);
  for (QString& teil : teile) teil.replace(QLatin1String("%ROM%"), kopie);
  return teile;
}

}  // namespace Testspiel
