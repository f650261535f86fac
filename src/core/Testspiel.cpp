#include "Testspiel.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include "Kopftabelle.h"

namespace Testspiel {

namespace {
void Einsetzen(QByteArray& rom, qint64 ort, const QByteArray& bytes) {
  if (ort >= 0 && ort + bytes.size() <= rom.size()) rom.replace(ort, bytes.size(), bytes);
}
}  // namespace

QByteArray Kopie(QByteArray rom, const Ungeschrieben& u) {
  if (u.tileset > 0) Einsetzen(rom, Kopftabelle::ZielVon(rom, u.tileset), u.block);
  if (!u.farben.isEmpty()) Einsetzen(rom, u.farbenOrt, u.farben);
  return rom;
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
