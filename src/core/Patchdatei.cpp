#include "Patchdatei.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include "Bps.h"
#include "Dateizugriff.h"
#include "Ips.h"

namespace Patchdatei {

Format FormatVon(const QString& pfad) {
  return QFileInfo(pfad).suffix().compare(QLatin1String("ips"), Qt::CaseInsensitive) == 0 ? Format::Ips
                                                                                          : Format::Bps;
}

QString MitEndung(const QString& pfad) {
  return QFileInfo(pfad).suffix().isEmpty() ? pfad + QStringLiteral(".bps") : pfad;
}

Ergebnis Erstellen(const QByteArray& quelle, const QByteArray& ziel, Format format) {
  if (format == Format::Bps) return {Bps::Erstellen(quelle, ziel), {}};
  const Ips::Ergebnis e = Ips::Erstellen(quelle, ziel);
  return {e.daten, e.fehler};
}

Ergebnis Anwenden(const QByteArray& patch, const QByteArray& quelle) {
  if (patch.startsWith("BPS1")) {
    const Bps::Ergebnis e = Bps::Anwenden(patch, quelle);
    return {e.ziel, e.fehler};
  }
  if (patch.startsWith("PATCH")) {
    const Ips::Ergebnis e = Ips::Anwenden(patch, quelle);
    return {e.daten, e.fehler};
  }
  return {{}, QCoreApplication::translate("Patchdatei", "Die Datei ist weder ein BPS- noch ein IPS-Patch.")};
}

bool SelbeDatei(const QString& a, const QString& b) {
  const QString ka = QFileInfo(a).canonicalFilePath();
  return !ka.isEmpty() && ka == QFileInfo(b).canonicalFilePath();
}

bool Schreiben(const QString& pfad, const QByteArray& bytes, const QString& beschreibung) {
  const bool neu = !QFileInfo::exists(pfad);
  Schreibvorgang w(pfad, false);
  w.Schreiben(0, bytes);
  w.LaengeSetzen(bytes.size());
  w.Beschreibung(beschreibung);
  if (w.Ausfuehren()) return true;
  if (neu) QFile::remove(pfad);
  return false;
}

}  // namespace Patchdatei
