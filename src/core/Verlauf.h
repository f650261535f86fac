#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

// Every file write of this run, each of which can be taken back and redone.
// A record holds only the ranges written, the bytes before and after each
// (packed), so a thousand writes take a few megabytes. Taking back and redoing
// go through the same all-or-nothing write as any operation and move the
// history's position instead of adding to it.
class Verlauf {
 public:
  struct Bereich {
    qint64 offset = 0;
    qint64 laenge = 0;
    QByteArray gepackt;  // before- and after-bytes, one behind the other
    QByteArray Vorher() const;
    QByteArray Nachher() const;
  };
  // What one write did to one file.
  struct Datei {
    QString pfad;
    bool istRom = false;
    qint64 laengeVorher = 0;  // file length before and after the write
    qint64 laengeNachher = 0;
    std::vector<Bereich> bereiche;
  };
  // One step the user takes back as a whole: one file, or the files of a set
  // that belong together (the original data).
  struct Eintrag {
    QDateTime zeit;
    QString beschreibung;
    std::vector<Datei> dateien;  // in the order written
    bool zurueckgenommen = false;
    qint64 Bytes() const;  // bytes written
  };

  // Writes of several files that become one record once all of them
  // succeeded; a set that failed midway leaves no record.
  class Satz {
   public:
    Satz();
    ~Satz();
    Satz(const Satz&) = delete;
    Satz& operator=(const Satz&) = delete;
    void Aufnehmen();
  };

  static Verlauf& Instanz();

  // A new run: no records.
  void Leeren();
  // The write of one file, a record of its own unless a Satz is open.
  void Aufnehmen(const QString& beschreibung, Datei datei);
  static Bereich Packen(qint64 offset, const QByteArray& vorher, const QByteArray& nachher);

  // Oldest first.
  const std::vector<Eintrag>& Eintraege() const { return m_eintraege; }
  // The record the next take-back or redo writes, or -1.
  int Zuruecknehmbar() const;
  int Wiederholbar() const;

  // Each true when the file now holds what it held before (after) that
  // write; false after a message, with nothing written.
  bool Zuruecknehmen();
  bool Erneut();
  // Takes back record `ab` and every later one, newest first, up to the
  // first that cannot be taken back.
  bool BisHier(int ab);

  // Told after every change; `bewegt` when a file was taken back or redone,
  // so the windows read the files again.
  std::function<void(bool bewegt)> Beobachter;

 private:
  void Neu(Eintrag eintrag);
  bool Zuruecknehmen(int i);
  bool Umschreiben(const Eintrag& e, bool zurueck);
  static bool Schreiben(const Eintrag& e, const Datei& d, bool zurueck);
  static bool Pruefen(const Eintrag& e, const Datei& d, bool zurueck);
  void Melden(bool bewegt) const;

  std::vector<Eintrag> m_eintraege;
  std::vector<int> m_erneut;      // taken back since the last new record, last on top
  std::optional<Eintrag> m_satz;  // the files of an open Satz so far
};
