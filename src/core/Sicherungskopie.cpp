#include "Sicherungskopie.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <set>

#include "Dateizugriff.h"
#include "Meldung.h"

namespace {
// The main window switches copies on from its setting (on unless the user
// turned it off); code without it (tools, tests) makes none.
bool g_an = false;

std::set<QString>& Kopiert() {
  static std::set<QString> kopiert;
  return kopiert;
}

QString Schluessel(const QString& pfad) { return QFileInfo(pfad).absoluteFilePath(); }
}  // namespace

void Sicherungskopie::Einschalten(bool an) { g_an = an; }

bool Sicherungskopie::Eingeschaltet() { return g_an; }

void Sicherungskopie::NeuerLauf() { Kopiert().clear(); }

QString Sicherungskopie::Name(const QString& pfad, const QDateTime& zeit) {
  return pfad + zeit.toString(QStringLiteral(".yyyyMMdd-HHmmss")) + QStringLiteral(".bak");
}

Sicherungskopie::Sicherungskopie(QString pfad) : m_pfad(std::move(pfad)) {}

bool Sicherungskopie::Anlegen(QIODevice& datei, const QString& anlass) {
  // An empty file (a side file created by reading it) has nothing to keep.
  if (!g_an || Kopiert().count(Schluessel(m_pfad)) || datei.size() == 0) return true;
  const QByteArray inhalt = datei.seek(0) ? datei.readAll() : QByteArray();
  // Two runs within one second must not overwrite the older copy.
  QDateTime zeit = QDateTime::currentDateTime();
  while (QFileInfo::exists(Name(m_pfad, zeit))) zeit = zeit.addSecs(1);
  m_kopie = Name(m_pfad, zeit);
  QString grund = QCoreApplication::translate("Sicherungskopie", "Die Datei konnte nicht gelesen werden.");
  if (inhalt.size() == datei.size() && Schreiben(inhalt, grund)) return true;
  Verwerfen();
  const QString text = QCoreApplication::translate(
                           "Sicherungskopie", "Die Sicherungskopie '%1' konnte nicht angelegt werden:\n%2\n"
                           "Es wurde nichts geschrieben; die Datei '%3' ist unverändert.")
                           .arg(Name(m_pfad, zeit), grund, m_pfad);
  const QString ausweg = QCoreApplication::translate(
      "Sicherungskopie", "Ohne Sicherungskopie schreiben: \"Datei → Sicherungskopien anlegen\" ausschalten.");
  Meldung((anlass.isEmpty() ? QString() : anlass + QLatin1Char('\n')) + text + QLatin1Char('\n') + ausweg,
          QCoreApplication::translate("Sicherungskopie", "Fehler"));
  return false;
}

bool Sicherungskopie::Schreiben(const QByteArray& inhalt, QString& grund) {
  QFile kopie(m_kopie);
  const bool gut = Schreibfehler::Schritt() && kopie.open(QIODevice::WriteOnly | QIODevice::NewOnly) &&
                   Schreibfehler::Schritt() && kopie.write(inhalt) == inhalt.size() &&
                   Schreibfehler::Schritt() && kopie.flush() && Schreibfehler::Schritt() &&
                   ::fsync(kopie.handle()) == 0;
  if (!gut)
    grund = kopie.error() == QFileDevice::NoError
                ? QCoreApplication::translate(
                      "Sicherungskopie", "Schreiben nicht möglich (Datenträger voll oder schreibgeschützt).")
                : kopie.errorString();
  return gut;
}

void Sicherungskopie::Verwerfen() {
  if (!m_kopie.isEmpty()) QFile::remove(m_kopie);
  m_kopie.clear();
}

void Sicherungskopie::Bestaetigen() {
  if (m_kopie.isEmpty()) return;
  Kopiert().insert(Schluessel(m_pfad));
  Aufraeumen();
}

// Compared as text, not as a wildcard: the usual ROM names carry brackets
// ("Spiel (G) [C].gbc"), which a name filter reads as a character class.
void Sicherungskopie::Aufraeumen() const {
  const QFileInfo datei(m_pfad);
  const QRegularExpression muster(
      QStringLiteral("^%1\\.\\d{8}-\\d{6}\\.bak$").arg(QRegularExpression::escape(datei.fileName())));
  QDir ordner = datei.absoluteDir();
  const QStringList kopien = ordner.entryList(QDir::Files, QDir::Name).filter(muster);
  for (qsizetype i = 0; i + Behalten < kopien.size(); ++i) ordner.remove(kopien[i]);
}
