#pragma once

#include <QDateTime>
#include <QIODevice>
#include <QString>

// The copy of a file as it was before this run of the program first wrote
// into it: NAME.JJJJMMTT-HHMMSS.bak beside the file, the newest five of each
// file kept. One object serves one write: made before anything is written,
// removed again when the write fails (the folder stays as it was), kept and
// counted when the write succeeded.
class Sicherungskopie {
 public:
  static constexpr int Behalten = 5;

  // The per-user setting, handed in by the main window.
  static void Einschalten(bool an);
  static bool Eingeschaltet();
  // A new run: every file gets a copy again before its first write.
  static void NeuerLauf();

  // The name of the copy of `pfad` made at `zeit`.
  static QString Name(const QString& pfad, const QDateTime& zeit);

  explicit Sicherungskopie(QString pfad);

  // Writes and syncs the copy of the whole file, read from `datei`, when this
  // is the first write into it in this run (and copies are wanted). False,
  // after a "Fehler" message naming the copy (its first line `anlass`, when
  // given), when it could not be made.
  bool Anlegen(QIODevice& datei, const QString& anlass = QString());
  // The write failed: the copy goes again.
  void Verwerfen();
  // The write succeeded: the file counts as copied, older copies beyond the
  // newest five are removed.
  void Bestaetigen();

 private:
  bool Schreiben(const QByteArray& inhalt, QString& grund);
  void Aufraeumen() const;

  QString m_pfad;
  QString m_kopie;  // empty when none was made for this write
};
