#include "Dateisatz.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include "Dateizugriff.h"
#include "Meldung.h"
#include "Verlauf.h"

namespace {
void Fehler(const QString& text) { Meldung(text, QCoreApplication::translate("Dateisatz", "Fehler")); }

QString Namen(const std::vector<QString>& pfade) {
  QStringList namen;
  for (const QString& p : pfade) namen << QStringLiteral("'%1'").arg(QFileInfo(p).fileName());
  return namen.join(QStringLiteral(", "));
}
}  // namespace

void Dateisatz::Datei(const QString& pfad, const QByteArray& inhalt) {
  m_dateien.push_back({pfad, inhalt, {}, false});
}

// What a file holds now, so that it can be put back; a file that exists but
// cannot be read could not be, and stops the whole set before any write.
bool Dateisatz::Vorher(Eintrag& e) const {
  QFile datei(e.pfad);
  e.vorhanden = datei.exists();
  if (!e.vorhanden) return true;
  if (!datei.open(QIODevice::ReadOnly)) {
    Fehler(QCoreApplication::translate(
               "Dateisatz", "Die Datei '%1' konnte nicht gelesen werden:\n%2\nEs wurde nichts geschrieben.")
               .arg(e.pfad, datei.errorString()));
    return false;
  }
  e.alt = datei.readAll();
  return true;
}

// The write layer cuts a file that was longer within the same all-or-nothing
// step; putting a file back is not a new entry of the history.
bool Dateisatz::Schreiben(const QString& pfad, const QByteArray& inhalt, const QString& beschreibung) {
  if (inhalt.isEmpty()) return QFile(pfad).resize(0);
  Schreibvorgang vorgang(pfad, false);
  vorgang.Schreiben(0, inhalt);
  vorgang.LaengeSetzen(inhalt.size());
  if (beschreibung.isEmpty())
    vorgang.OhneVerlauf();
  else
    vorgang.Beschreibung(beschreibung);
  return vorgang.Ausfuehren();
}

bool Dateisatz::Zurueck(const Eintrag& e) {
  if (!e.vorhanden) return QFile::remove(e.pfad);
  return Schreiben(e.pfad, e.alt, QString());
}

bool Dateisatz::WieVorher(const Eintrag& e) {
  QFile datei(e.pfad);
  if (!datei.exists()) return !e.vorhanden;
  return e.vorhanden && datei.open(QIODevice::ReadOnly) && datei.readAll() == e.alt;
}

bool Dateisatz::Ausfuehren() {
  for (Eintrag& e : m_dateien)
    if (!Vorher(e)) return false;
  Verlauf::Satz satz;
  for (size_t i = 0; i < m_dateien.size(); ++i) {
    if (Schreiben(m_dateien[i].pfad, m_dateien[i].neu, m_beschreibung)) continue;
    // The failed file itself may have been created, or written but not cut
    // to its new length.
    std::vector<QString> alle, verloren;
    for (size_t j = 0; j < m_dateien.size(); ++j) {
      const Eintrag& e = m_dateien[j];
      alle.push_back(e.pfad);
      if (j <= i && !WieVorher(e) && !Zurueck(e)) verloren.push_back(e.pfad);
    }
    QString text = QCoreApplication::translate("Dateisatz", "Die Datei '%1' konnte nicht geschrieben werden.")
                       .arg(m_dateien[i].pfad);
    if (verloren.empty())
      text += QCoreApplication::translate("Dateisatz", "\nKeine der Dateien %1 wurde verändert.")
                  .arg(Namen(alle));
    else
      text += QCoreApplication::translate("Dateisatz", "\nNicht wiederhergestellt werden konnten: %1")
                  .arg(Namen(verloren));
    Fehler(text);
    return false;
  }
  satz.Aufnehmen();
  return true;
}
