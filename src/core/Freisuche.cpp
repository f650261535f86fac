#include "Freisuche.h"

#include <algorithm>
#include <cstring>

#include "Tilesetblock.h"

namespace Freisuche {

namespace {

constexpr qint64 Gruppe = 16;
constexpr qint64 Gruppen = 96;

// How one candidate run ended.
struct Ende {
  enum { Gefunden, NichtNull, Wenden } art;
  qint64 weiter = 0;  // NichtNull: offset of the byte behind the non-zero one
};

class Rom {
 public:
  explicit Rom(const QByteArray& b) : m_daten(b.constData()), m_groesse(b.size()) {}

  char Byte(qint64 i) const { return i < m_groesse ? m_daten[i] : '\0'; }

  // Offset of the last non-zero byte of [von, bis), or -1. Whole blocks are
  // compared against zeros by the C library, so a long run costs little.
  qint64 LetztesNichtNull(qint64 von, qint64 bis) const {
    static const char nullen[64] = {};
    bis = std::min(bis, m_groesse);
    while (bis - von >= 64 && std::memcmp(m_daten + bis - 64, nullen, 64) == 0) bis -= 64;
    for (qint64 i = bis - 1; i >= von; --i)
      if (m_daten[i] != 0) return i;
    return -1;
  }

 private:
  const char* m_daten;
  qint64 m_groesse;
};

// One candidate read exactly as the search is defined: groups of 16 with a
// position check behind each, a check at every non-zero byte, then 6 bytes.
Ende Schrittweise(const Rom& rom, qint64 pos) {
  for (qint64 g = 0; g < Gruppen; ++g) {
    for (qint64 k = 0; k < Gruppe; ++k)
      if (rom.Byte(pos++) != 0) return {Ende::NichtNull, pos};
    if (pos >= Wendegrenze) return {Ende::Wenden};
  }
  for (qint64 k = 0; k < Tilesetblock::Laenge - Gruppen * Gruppe; ++k)
    if (rom.Byte(pos++) != 0) return {Ende::NichtNull, pos};
  return {Ende::Gefunden};
}

// Far enough below the wrap limit no position check can fire within a
// candidate. Every non-zero byte ends the candidate it lies in and the next
// one starts behind it, so all candidates up to the last non-zero byte of the
// area fail: the search can go on behind that byte at once.
Ende Kandidat(const Rom& rom, qint64 pos) {
  if (pos + Tilesetblock::Laenge >= Wendegrenze) return Schrittweise(rom, pos);
  const qint64 letztes = rom.LetztesNichtNull(pos, pos + Tilesetblock::Laenge);
  if (letztes < 0) return {Ende::Gefunden};
  return {Ende::NichtNull, letztes + 1};
}

}  // namespace

qint64 Suchen(const QByteArray& daten, qint64 start) {
  const Rom rom(daten);
  qint64 pos = std::max<qint64>(start, 0);
  int runden = 0;
  for (;;) {
    const Ende e = Kandidat(rom, pos);
    if (e.art == Ende::Gefunden) {
      if (pos != Gesperrt) return pos;
      pos += Tilesetblock::Laenge;
    } else if (e.art == Ende::NichtNull && e.weiter < Wendegrenze) {
      pos = e.weiter;
    } else {
      ++runden;
      pos = 0;
    }
    if (runden >= 2 || (runden == 1 && pos >= start)) return -1;
  }
}

}  // namespace Freisuche
