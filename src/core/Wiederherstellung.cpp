#include "Wiederherstellung.h"

#include <zlib.h>

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QtEndian>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace Wiederherstellung {

namespace {
constexpr char Magie[] = "TSRNWIED";
constexpr qsizetype MagieLaenge = sizeof Magie - 1;
constexpr quint16 Version = 1;
constexpr qsizetype Kopf = MagieLaenge + 2 + 4;
constexpr qsizetype Fuss = 4;
// Far above any real state (a few KiB); a larger file is not ours and is not read whole.
constexpr qint64 Hoechstens = 64 * 1024 * 1024;
constexpr QDataStream::Version Strom = QDataStream::Qt_6_0;

QString Kanonisch(const QString& pfad) {
  const QFileInfo info(pfad);
  const QString kanonisch = info.canonicalFilePath();
  return kanonisch.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : kanonisch;
}

quint32 Zahl32(const QByteArray& b, qsizetype ab) {
  return qFromBigEndian<quint32>(reinterpret_cast<const uchar*>(b.constData() + ab));
}

QByteArray Felder(const Wiederherstellungsstand& stand) {
  QByteArray felder;
  QDataStream s(&felder, QIODevice::WriteOnly);
  s.setVersion(Strom);
  s << stand.RomPfad << stand.RomPruefsumme << qint32(stand.Tileset) << qint64(stand.Zeit.toMSecsSinceEpoch())
    << quint32(stand.Teile.size());
  for (auto it = stand.Teile.cbegin(); it != stand.Teile.cend(); ++it) s << it.key() << it.value();
  return felder;
}

std::optional<Wiederherstellungsstand> FelderLesen(const QByteArray& felder) {
  QDataStream s(felder);
  s.setVersion(Strom);
  Wiederherstellungsstand stand;
  qint32 tileset = 0;
  qint64 zeit = 0;
  quint32 teile = 0;
  s >> stand.RomPfad >> stand.RomPruefsumme >> tileset >> zeit >> teile;
  for (quint32 i = 0; i < teile && s.status() == QDataStream::Ok; ++i) {
    QString schluessel;
    QByteArray daten;
    s >> schluessel >> daten;
    stand.Teile.insert(schluessel, daten);
  }
  if (s.status() != QDataStream::Ok || !s.atEnd() || tileset < 1 || tileset > 28) return std::nullopt;
  stand.Tileset = tileset;
  stand.Zeit = QDateTime::fromMSecsSinceEpoch(zeit);
  if (!stand.Zeit.isValid()) return std::nullopt;
  return stand;
}

QString Unbrauchbar(const QString& datei, const QString& grund) {
  return QCoreApplication::translate(
             "Wiederherstellung",
             "Die Wiederherstellungsdatei '%1' ist unbrauchbar (%2) und wird als '%3' beiseitegelegt.")
      .arg(datei, grund, datei + QStringLiteral(".defekt"));
}
}  // namespace

QString Ordner() {
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
         QStringLiteral("/Wiederherstellung/");
}

QString Datei(const QString& romPfad) {
  const QByteArray hash = QCryptographicHash::hash(Kanonisch(romPfad).toUtf8(), QCryptographicHash::Sha1);
  return Ordner() + QString::fromLatin1(hash.toHex().left(20)) + QStringLiteral(".wiederherstellung");
}

quint32 Pruefsumme(const QByteArray& daten) {
  return static_cast<quint32>(
      crc32_z(0, reinterpret_cast<const Bytef*>(daten.constData()), static_cast<size_t>(daten.size())));
}

std::optional<quint32> PruefsummeDatei(const QString& pfad) {
  QFile datei(pfad);
  if (!datei.open(QIODevice::ReadOnly)) return std::nullopt;
  uLong crc = crc32_z(0, nullptr, 0);
  while (!datei.atEnd()) {
    const QByteArray stueck = datei.read(1 << 20);
    if (stueck.isEmpty()) return std::nullopt;
    crc =
        crc32_z(crc, reinterpret_cast<const Bytef*>(stueck.constData()), static_cast<size_t>(stueck.size()));
  }
  return static_cast<quint32>(crc);
}

QByteArray Umschlag(const QByteArray& felder) {
  QByteArray datei(Magie, MagieLaenge);
  datei.append(char(Version >> 8)).append(char(Version & 0xFF));
  const quint32 laenge = qToBigEndian(quint32(felder.size()));
  datei.append(reinterpret_cast<const char*>(&laenge), 4).append(felder);
  const quint32 crc = qToBigEndian(Pruefsumme(datei));
  return datei.append(reinterpret_cast<const char*>(&crc), 4);
}

QByteArray Kodieren(const Wiederherstellungsstand& stand) { return Umschlag(Felder(stand)); }

std::optional<Wiederherstellungsstand> Dekodieren(const QByteArray& datei, QString* grund) {
  if (datei.size() < MagieLaenge || !datei.startsWith(QByteArray(Magie, MagieLaenge))) {
    *grund = QCoreApplication::translate("Wiederherstellung", "keine Wiederherstellungsdatei");
    return std::nullopt;
  }
  const int version =
      datei.size() < Kopf ? -1 : (uchar(datei[MagieLaenge]) << 8) | uchar(datei[MagieLaenge + 1]);
  if (version >= 0 && version != Version) {
    *grund = QCoreApplication::translate("Wiederherstellung", "Version %1 unbekannt").arg(version);
    return std::nullopt;
  }
  if (datei.size() < Kopf + Fuss || Zahl32(datei, MagieLaenge + 2) != quint32(datei.size() - Kopf - Fuss)) {
    *grund = QCoreApplication::translate("Wiederherstellung", "unvollständig");
    return std::nullopt;
  }
  if (Pruefsumme(datei.first(datei.size() - Fuss)) != Zahl32(datei, datei.size() - Fuss)) {
    *grund = QCoreApplication::translate("Wiederherstellung", "Prüfsumme falsch");
    return std::nullopt;
  }
  auto stand = FelderLesen(datei.sliced(Kopf, datei.size() - Kopf - Fuss));
  if (!stand) *grund = QCoreApplication::translate("Wiederherstellung", "Inhalt fehlerhaft");
  return stand;
}

// Written beside and renamed over the last state, so a crash mid-write keeps
// the previous whole file. Not synced: it runs after every pause in editing,
// and a file torn by a power loss fails its checksum and is set aside.
bool Schreiben(const Wiederherstellungsstand& stand, QString* fehler) {
  const QString pfad = Datei(stand.RomPfad);
  QDir().mkpath(Ordner());
  QFile datei(pfad + QStringLiteral(".neu"));
  const QByteArray inhalt = Kodieren(stand);
  bool gut = datei.open(QIODevice::WriteOnly | QIODevice::Truncate) && datei.write(inhalt) == inhalt.size() &&
             datei.flush();
  datei.close();
  if (gut &&
      ::rename(QFile::encodeName(datei.fileName()).constData(), QFile::encodeName(pfad).constData()) == 0)
    return true;
  *fehler =
      QCoreApplication::translate("Wiederherstellung",
                                  "Die Wiederherstellungsdatei '%1' konnte nicht geschrieben werden:\n%2")
          .arg(pfad, datei.error() == QFileDevice::NoError ? QString::fromLocal8Bit(std::strerror(errno))
                                                           : datei.errorString());
  datei.remove();
  return false;
}

std::optional<Wiederherstellungsstand> Lesen(const QString& romPfad, QString* fehler) {
  fehler->clear();
  const QString pfad = Datei(romPfad);
  QFile datei(pfad);
  if (!datei.exists()) return std::nullopt;
  if (datei.size() > Hoechstens) {
    *fehler = Unbrauchbar(pfad, QCoreApplication::translate("Wiederherstellung", "zu groß"));
    return std::nullopt;
  }
  if (!datei.open(QIODevice::ReadOnly)) {
    *fehler = Unbrauchbar(pfad, datei.errorString());
    return std::nullopt;
  }
  QString grund;
  auto stand = Dekodieren(datei.readAll(), &grund);
  if (stand && Kanonisch(stand->RomPfad) != Kanonisch(romPfad)) {
    grund = QCoreApplication::translate("Wiederherstellung", "gehört zu '%1'").arg(stand->RomPfad);
    stand.reset();
  }
  if (!stand) *fehler = Unbrauchbar(pfad, grund);
  return stand;
}

void Beiseitelegen(const QString& romPfad) {
  const QString pfad = Datei(romPfad);
  const QString beiseite = pfad + QStringLiteral(".defekt");
  QFile::remove(beiseite);
  // A file that cannot even be renamed must still never be offered again.
  if (!QFile::rename(pfad, beiseite)) QFile::remove(pfad);
}

void Entfernen(const QString& romPfad) { QFile::remove(Datei(romPfad)); }

}  // namespace Wiederherstellung
