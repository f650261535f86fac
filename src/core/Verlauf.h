#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <functional>
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
  struct Eintrag {
    QString datei;
    bool istRom = false;
    QDateTime zeit;
    QString beschreibung;
    qint64 laengeVorher = 0;  // file length before and after the write
    qint64 laengeNachher = 0;
    std::vector<Bereich> bereiche;
    bool zurueckgenommen = false;
    qint64 Bytes() const;  // bytes written
  };

  static Verlauf& Instanz();

  // A new run: no records.
  void Leeren();
  void Aufnehmen(Eintrag eintrag);
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
  bool Zuruecknehmen(int i);
  bool Schreiben(const Eintrag& e, bool zurueck);
  bool Pruefen(const Eintrag& e, bool zurueck) const;
  void Melden(bool bewegt) const;

  std::vector<Eintrag> m_eintraege;
  std::vector<int> m_erneut;  // taken back since the last new record, last on top
};
