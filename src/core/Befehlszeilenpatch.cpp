#include "Befehlszeilenpatch.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

#include "Patchdatei.h"

namespace Befehlszeilenpatch {

namespace {

bool Lesen(const QString& pfad, QByteArray& bytes, QString& fehler) {
  QFile datei(pfad);
  if (datei.open(QIODevice::ReadOnly)) {
    bytes = datei.readAll();
    if (datei.error() == QFileDevice::NoError) return true;
  }
  fehler = QCoreApplication::translate("Befehlszeilenpatch", "Die Datei '%1' kann nicht gelesen werden: %2")
               .arg(pfad, datei.errorString());
  return false;
}

QString Schreiben(const QString& pfad, const QByteArray& bytes) {
  QSaveFile datei(pfad);
  if (datei.open(QIODevice::WriteOnly) && datei.write(bytes) == bytes.size() && datei.commit()) return {};
  return QCoreApplication::translate("Befehlszeilenpatch", "Die Datei '%1' kann nicht geschrieben werden: %2")
      .arg(pfad, datei.errorString());
}
}  // namespace

QString AusgabeIstEingabe(const QString& ausgabe) {
  return QCoreApplication::translate("Befehlszeilenpatch",
                                     "Die Ausgabe '%1' ist eine der Eingaben; es wurde nichts geschrieben.")
      .arg(ausgabe);
}

QString Ausfuehren(Art art, const QStringList& dateien) {
  if (dateien.size() != 3)
    return art == Art::Erstellen
               ? QCoreApplication::translate("Befehlszeilenpatch",
                                             "Aufruf: tessaron --patch-erstellen ORIGINAL GEAENDERT AUSGABE")
               : QCoreApplication::translate("Befehlszeilenpatch",
                                             "Aufruf: tessaron --patch-anwenden PATCH ROM AUSGABE");
  const QString& ausgabe = dateien.at(2);
  if (Patchdatei::SelbeDatei(ausgabe, dateien.at(0)) || Patchdatei::SelbeDatei(ausgabe, dateien.at(1)))
    return AusgabeIstEingabe(ausgabe);
  QByteArray erste, zweite;
  QString fehler;
  if (!Lesen(dateien.at(0), erste, fehler) || !Lesen(dateien.at(1), zweite, fehler)) return fehler;
  const Patchdatei::Ergebnis e = art == Art::Erstellen
                                     ? Patchdatei::Erstellen(erste, zweite, Patchdatei::FormatVon(ausgabe))
                                     : Patchdatei::Anwenden(erste, zweite);
  if (!e.fehler.isEmpty())
    return QCoreApplication::translate("Befehlszeilenpatch", "Es wurde nichts geschrieben: %1").arg(e.fehler);
  return Schreiben(ausgabe, e.daten);
}

}  // namespace Befehlszeilenpatch
