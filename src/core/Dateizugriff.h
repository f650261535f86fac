#pragma once

#include <QByteArray>
#include <QString>
#include <memory>
#include <vector>

// Binary access to the files the program works on, by offset.
// Reading: a missing file is created empty, bytes beyond the end read as 0.
// The whole file is held in memory and re-read only when it changed on disk,
// so reading a tileset or a palette table does not touch the disk per byte.
// A file that exists but cannot be read is reported ("Fehler") and reads as
// empty.
namespace Dateizugriff {

std::shared_ptr<const QByteArray> Inhalt(const QString& pfad);
QByteArray Lesen(const QString& pfad, qint64 offset, qint64 anzahl);
quint8 LeseByte(const QString& pfad, qint64 offset);
qint64 Laenge(const QString& pfad);  // -1 when missing or unreadable
bool Vorhanden(const QString& pfad);

// Forget every file held in memory (tests, and after external changes that
// keep size and time).
void Vergessen();

}  // namespace Dateizugriff

// The writes of one user operation into one file: all of them reach the file
// or none does. Patches are recorded in the order the operation gives; the
// final bytes are those of applying them in that order. On disk, new data is
// written first, then pointers, then erasures, so an interruption never leaves
// a pointer leading to erased or half-written data. A ROM keeps its length: a
// patch reaching past its end refuses the whole operation before anything is
// written. Failures are reported in a "Fehler" message naming the file.
// Before the first write into a file in this run its backup copy is made
// (Sicherungskopie); a write that succeeded is recorded in the history
// (Verlauf) under its description.
class Schreibvorgang {
 public:
  enum class Art { Daten = 0, Zeiger = 1, Loeschen = 2 };

  Schreibvorgang(QString pfad, bool istRom);

  void Schreiben(qint64 offset, const QByteArray& bytes, Art art = Art::Daten);
  void Nullen(qint64 offset, qint64 anzahl);
  // What the history shows for this write ("Palette 2 (Tag) gespeichert").
  void Beschreibung(const QString& text) { m_beschreibung = text; }
  // The file ends at `laenge` after the write (taking back a write that made
  // it longer).
  void LaengeSetzen(qint64 laenge) { m_laenge = laenge; }
  // Taking back and redoing move through the history instead of adding to it.
  void OhneVerlauf() { m_aufnehmen = false; }
  // The first line of every failure message (which step of the history failed).
  void Anlass(const QString& text) { m_anlass = text; }

  // True when every patch reached the disk and was synced.
  bool Ausfuehren();

 private:
  struct Flicken {
    qint64 offset;
    QByteArray bytes;
    Art art;
  };
  std::vector<Flicken> Endgueltig() const;
  void Aufnehmen(const std::vector<Flicken>& endgueltig, const std::vector<QByteArray>& alt,
                 qint64 alteGroesse, qint64 neueGroesse) const;

  QString m_pfad;
  bool m_istRom;
  std::vector<Flicken> m_flicken;
  QString m_beschreibung;
  qint64 m_laenge = -1;
  bool m_aufnehmen = true;
  QString m_anlass;
};

// Test seam: makes the k-th step (write, flush, sync, resize, and each step of
// a backup copy) of the next write operations fail, counted from the last
// call. 0 disables it.
namespace Schreibfehler {
void NachSchritt(int k);
int Schritte();  // steps counted since the last NachSchritt call
// One counted step of a write; false when the seam makes it fail.
bool Schritt();
}  // namespace Schreibfehler
