#include "Kopftabelle.h"

#include <QCoreApplication>

#include "Dateizugriff.h"
#include "Meldung.h"
#include "Module1.h"
#include "Tilesetblock.h"
#include "Zahlen.h"

namespace Kopftabelle {

namespace {
constexpr qint64 Anfang = 0x156D3;

quint8 Byte(const QByteArray& rom, qint64 i) { return i < rom.size() ? static_cast<quint8>(rom.at(i)) : 0; }
}  // namespace

qint64 ZeigerOrt(int n) { return Anfang + Satz * n; }

qint64 ZielVon(const QByteArray& rom, int n) {
  const qint64 ort = ZeigerOrt(n);
  const qint64 adresse = Byte(rom, ort + 1) | (Byte(rom, ort + 2) << 8);
  return Byte(rom, ort) * 0x4000 + adresse - 0x4000;
}

QString ZeigerLesen(const QString& datei, int n) {
  return QString::fromLatin1(Dateizugriff::Lesen(datei, ZeigerOrt(n), 3).toHex().toUpper());
}

QString VerschobenerZeiger(int n) {
  if (!Module1.NeuPointer[n].isEmpty()) return Module1.NeuPointer[n];
  const QString jetzt = ZeigerLesen(Module1.RomDatei, n);
  return jetzt == Module1.OrgPointer[n] ? QString() : jetzt;
}

QByteArray ZeigerBytes(const QString& text) {
  if (text.size() != 6 || !IstHex(text)) return {};
  return QByteArray::fromHex(text.toLatin1());
}

QByteArray ZeigerZumSchreiben(const QString& text, const QString& offset) {
  const QByteArray bytes = ZeigerBytes(text);
  if (bytes.isEmpty())
    Meldung(QCoreApplication::translate("Kopftabelle",
                                        "Zum Offset %1 gibt es keinen Pointer. Es wurde nichts geschrieben.")
                .arg(offset),
            QCoreApplication::translate("Kopftabelle", "Fehler"));
  return bytes;
}

QString LoeschHindernis(const QByteArray& rom, qint64 offset, int ausser) {
  if (!Tilesetblock::HatMarker(rom.mid(offset, Tilesetblock::Laenge)))
    return QCoreApplication::translate("Kopftabelle", "Dort liegt kein gespeichertes Tileset.");
  for (int n = 1; n <= 28; ++n) {
    if (n != ausser && ZielVon(rom, n) == offset)
      return QCoreApplication::translate("Kopftabelle", "Der Pointer des %1.Tilesets zeigt noch dorthin.")
          .arg(n);
  }
  return {};
}

}  // namespace Kopftabelle
