#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QMap>
#include <QString>
#include <optional>

// The unwritten state of one main window and its editors, as kept on disk so a
// crash does not lose it.
struct Wiederherstellungsstand {
  QString RomPfad;                  // absolute path of the ROM
  quint32 RomPruefsumme = 0;        // CRC32 (zlib) of the ROM's bytes when the edits began
  int Tileset = 0;                  // 1..28
  QDateTime Zeit;                   // when the state was taken
  QMap<QString, QByteArray> Teile;  // editor key -> that editor's edited data (opaque to this unit)
};

namespace Wiederherstellung {
// QStandardPaths::AppDataLocation + "/Wiederherstellung/" (ends with the separator); always
// there, also when the side files live beside the program. Created on first write.
QString Ordner();
// The one recovery file of a ROM: named from a hash of the ROM's canonical absolute path.
QString Datei(const QString& romPfad);
quint32 Pruefsumme(const QByteArray& daten);                  // zlib crc32
std::optional<quint32> PruefsummeDatei(const QString& pfad);  // nullopt: unreadable
// All-or-nothing (written beside, renamed over). false + fehler (German, names the file) when it cannot be
// written.
bool Schreiben(const Wiederherstellungsstand& stand, QString* fehler);
// The recovery file for romPfad. nullopt with empty *fehler: there is none. nullopt with
// *fehler set: damaged or foreign (magic, version, length, checksum of its own content, a path
// that is not this ROM's): the caller reports *fehler and calls Beiseitelegen. Never crashes on
// any input.
std::optional<Wiederherstellungsstand> Lesen(const QString& romPfad, QString* fehler);
void Beiseitelegen(const QString& romPfad);  // renamed aside (e.g. "<name>.defekt"), never read again
void Entfernen(const QString& romPfad);      // gone; no error when there is none

// The file's bytes: a header (magic, version, length of the fields), the
// fields, and a CRC32 of everything before it.
QByteArray Kodieren(const Wiederherstellungsstand& stand);
// The fields of a file's bytes; nullopt and a short German reason when they are
// not a whole, intact file of this format.
std::optional<Wiederherstellungsstand> Dekodieren(const QByteArray& datei, QString* grund);
// Header and checksum around any field bytes (so that the field reader can be
// tried on its own).
QByteArray Umschlag(const QByteArray& felder);
}  // namespace Wiederherstellung
