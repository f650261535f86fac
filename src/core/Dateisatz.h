#pragma once

#include <QByteArray>
#include <QString>
#include <utility>
#include <vector>

// Whole files that belong together, written as one: each goes through its own
// Schreibvorgang, in the order given; when one fails, those before it get back
// what they held. A file ends with exactly its new content, also where it was
// longer before. Undoing a file restores its previous bytes and length, and
// removes it again when it did not exist. The write history gets one record
// for the whole set, once every file was written.
class Dateisatz {
 public:
  // What the write history shows for the set.
  explicit Dateisatz(QString beschreibung) : m_beschreibung(std::move(beschreibung)) {}
  void Datei(const QString& pfad, const QByteArray& inhalt);

  // True when every file holds its new content. Otherwise every file holds
  // what it held before, and a "Fehler" message has named the file that could
  // not be written.
  bool Ausfuehren();

 private:
  struct Eintrag {
    QString pfad;
    QByteArray neu;
    QByteArray alt;
    bool vorhanden = false;
  };
  bool Vorher(Eintrag& e) const;
  static bool Schreiben(const QString& pfad, const QByteArray& inhalt, const QString& beschreibung);
  static bool Zurueck(const Eintrag& e);
  static bool WieVorher(const Eintrag& e);

  QString m_beschreibung;
  std::vector<Eintrag> m_dateien;
};
