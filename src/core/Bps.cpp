#include "Bps.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstring>
#include <vector>

#include "Pruefsumme.h"

namespace Bps {

namespace {
enum Aktion { QuelleLesen = 0, ZielLesen = 1, QuelleKopieren = 2, ZielKopieren = 3 };

const QByteArray Kennung = QByteArrayLiteral("BPS1");
constexpr qint64 Schluss = 12;  // three CRC32 at the end
// A copy shorter than this costs more in actions than its bytes as literals.
constexpr qint64 Mindestens = 8;
// Bytes hashed to find a copy in the source; the source is indexed at every
// Fenster-th offset, so every shared stretch of 2 * Fenster bytes is found.
constexpr qint64 Fenster = 32;
// More cannot come from a Game Boy ROM; it also keeps a damaged size from
// claiming all memory.
constexpr quint64 HoechstesZiel = quint64(64) << 20;

QString Crc(quint32 wert) { return QStringLiteral("%1").arg(wert, 8, 16, QLatin1Char('0')).toUpper(); }

void ZahlAnhaengen(QByteArray& aus, quint64 wert) {
  for (;;) {
    const char x = static_cast<char>(wert & 0x7F);
    wert >>= 7;
    if (wert == 0) {
      aus.append(static_cast<char>(x | 0x80));
      return;
    }
    aus.append(x);
    --wert;
  }
}

void CrcAnhaengen(QByteArray& aus, quint32 wert) {
  for (int i = 0; i < 4; ++i) aus.append(static_cast<char>(wert >> (8 * i)));
}

quint32 CrcBei(const QByteArray& b, qint64 i) {
  quint32 wert = 0;
  for (int k = 0; k < 4; ++k) wert |= quint32(quint8(b[i + k])) << (8 * k);
  return wert;
}

quint64 Hash(const char* p) {
  quint64 h = 0;
  for (qint64 k = 0; k < Fenster; k += 8) {
    quint64 teil;
    std::memcpy(&teil, p + k, 8);
    h = (h ^ teil) * 0x9E3779B97F4A7C15ull;
  }
  return h ^ (h >> 29);
}

// Equal bytes of a from i and b from j.
qint64 Gleich(const QByteArray& a, qint64 i, const QByteArray& b, qint64 j) {
  if (i >= a.size() || j >= b.size()) return 0;
  const qint64 n = std::min(a.size() - i, b.size() - j);
  return std::mismatch(a.constData() + i, a.constData() + i + n, b.constData() + j).first -
         (a.constData() + i);
}

// One source offset per bucket: the first, so repeated fill keeps its
// earliest place.
class Quellindex {
 public:
  explicit Quellindex(const QByteArray& quelle) {
    const qint64 bloecke = quelle.size() / Fenster;
    qint64 groesse = 1024;
    while (groesse < 2 * bloecke) groesse *= 2;
    m_maske = quint64(groesse - 1);
    m_orte.assign(size_t(groesse), -1);
    for (qint64 o = 0; o + Fenster <= quelle.size(); o += Fenster) {
      qint64& ort = m_orte[Hash(quelle.constData() + o) & m_maske];
      if (ort < 0) ort = o;
    }
  }
  qint64 Kandidat(const char* p) const { return m_orte[Hash(p) & m_maske]; }

 private:
  std::vector<qint64> m_orte;
  quint64 m_maske = 0;
};

class Schreiber {
 public:
  Schreiber(const QByteArray& quelle, const QByteArray& ziel) : q(quelle), z(ziel), index(quelle) {
    aus = Kennung;
    ZahlAnhaengen(aus, quint64(q.size()));
    ZahlAnhaengen(aus, quint64(z.size()));
    ZahlAnhaengen(aus, 0);
  }

  QByteArray Fertig() {
    qint64 i = 0;
    while (i < z.size()) {
      if (!AmOrt(i) && !Lauf(i) && !Kopie(i)) ++i;
    }
    Literale(z.size());
    CrcAnhaengen(aus, Crc32(q));
    CrcAnhaengen(aus, Crc32(z));
    CrcAnhaengen(aus, Crc32(aus));
    return aus;
  }

 private:
  void Befehl(Aktion art, qint64 laenge) { ZahlAnhaengen(aus, quint64(laenge - 1) << 2 | art); }
  void Versatz(qint64 von, qint64 nach) {
    const qint64 d = nach - von;
    ZahlAnhaengen(aus, quint64(d < 0 ? -d : d) << 1 | (d < 0 ? 1 : 0));
  }
  // The target bytes not covered yet, up to i, as they are.
  void Literale(qint64 i) {
    if (i <= fertig) return;
    Befehl(ZielLesen, i - fertig);
    aus.append(z.constData() + fertig, i - fertig);
    fertig = i;
  }

  bool AmOrt(qint64& i) {
    const qint64 n = Gleich(q, i, z, i);
    if (n < Mindestens) return false;
    Literale(i);
    Befehl(QuelleLesen, n);
    fertig = i += n;
    return true;
  }

  bool Lauf(qint64& i) {
    if (i == 0) return false;
    qint64 n = 0;
    while (i + n < z.size() && z[i + n] == z[i - 1]) ++n;
    if (n < Mindestens) return false;
    Literale(i);
    Befehl(ZielKopieren, n);
    Versatz(zielOrt, i - 1);
    zielOrt = i - 1 + n;
    fertig = i += n;
    return true;
  }

  bool Kopie(qint64& i) {
    if (i + Fenster > z.size()) return false;
    qint64 s = index.Kandidat(z.constData() + i);
    if (s < 0 || std::memcmp(q.constData() + s, z.constData() + i, Fenster) != 0) return false;
    qint64 n = Gleich(q, s, z, i);
    while (i > fertig && s > 0 && q[s - 1] == z[i - 1]) --i, --s, ++n;
    Literale(i);
    Befehl(QuelleKopieren, n);
    Versatz(quelleOrt, s);
    quelleOrt = s + n;
    fertig = i += n;
    return true;
  }

  const QByteArray& q;
  const QByteArray& z;
  Quellindex index;
  QByteArray aus;
  qint64 fertig = 0;
  qint64 quelleOrt = 0;
  qint64 zielOrt = 0;
};

// Reads the actions between the header and the three CRC32.
struct Leser {
  const QByteArray& p;
  qint64 pos;
  qint64 ende;
  bool Zahl(quint64& wert) {
    wert = 0;
    quint64 stelle = 1;
    while (pos < ende) {
      const quint8 x = quint8(p[pos++]);
      wert += (x & 0x7F) * stelle;
      if (x & 0x80) return true;
      if (stelle > (quint64(1) << 48)) return false;
      stelle <<= 7;
      wert += stelle;
    }
    return false;
  }
  bool Versatz(qint64& wert) {
    quint64 roh = 0;
    if (!Zahl(roh)) return false;
    wert = (roh & 1 ? -1 : 1) * qint64(roh >> 1);
    return true;
  }
};

struct Kopf {
  quint64 quelle = 0, ziel = 0, meta = 0;
};

QString KopfPruefen(const QByteArray& patch, const QByteArray& quelle, Leser& l, Kopf& k) {
  if (patch.size() < Kennung.size() + Schluss || !patch.startsWith(Kennung))
    return QCoreApplication::translate("Bps", "Die Datei ist kein BPS-Patch.");
  if (Crc32(patch.constData(), patch.size() - 4) != CrcBei(patch, patch.size() - 4))
    return QCoreApplication::translate(
        "Bps", "Der Patch ist beschädigt oder unvollständig: seine Prüfsumme stimmt nicht.");
  if (!l.Zahl(k.quelle) || !l.Zahl(k.ziel) || !l.Zahl(k.meta) || k.meta > quint64(l.ende - l.pos))
    return QCoreApplication::translate("Bps", "Der Patch ist beschädigt: sein Kopf reicht über sein Ende.");
  l.pos += qint64(k.meta);
  if (k.quelle != quint64(quelle.size()))
    return QCoreApplication::translate(
               "Bps", "Der Patch passt nicht zu dieser Datei: er verlangt %1 Bytes, sie hat %2 Bytes.")
        .arg(k.quelle)
        .arg(quelle.size());
  const quint32 crc = Crc32(quelle);
  if (crc != CrcBei(patch, l.ende))
    return QCoreApplication::translate(
               "Bps", "Der Patch passt nicht zu dieser Datei: er verlangt die CRC32 %1, sie hat %2.")
        .arg(Crc(CrcBei(patch, l.ende)), Crc(crc));
  if (k.ziel > HoechstesZiel)
    return QCoreApplication::translate("Bps", "Das Ergebnis wäre größer als 64 MiB.");
  return {};
}

// One action into `ziel` at `aus`; false when it reaches outside a file.
bool Ausfuehren(Leser& l, const QByteArray& quelle, QByteArray& ziel, qint64& aus, qint64 orte[2]) {
  quint64 daten = 0;
  if (!l.Zahl(daten) || (daten >> 2) >= quint64(ziel.size() - aus)) return false;
  const qint64 n = qint64(daten >> 2) + 1;
  const int art = int(daten & 3);
  char* z = ziel.data();
  if (art == QuelleLesen) {
    if (aus + n > quelle.size()) return false;
    std::memcpy(z + aus, quelle.constData() + aus, size_t(n));
  } else if (art == ZielLesen) {
    if (n > l.ende - l.pos) return false;
    std::memcpy(z + aus, l.p.constData() + l.pos, size_t(n));
    l.pos += n;
  } else {
    qint64 d = 0;
    qint64& ort = orte[art - QuelleKopieren];
    if (!l.Versatz(d) || d < -ort || d > quelle.size() + ziel.size()) return false;
    ort += d;
    if (art == QuelleKopieren) {
      if (ort + n > quelle.size()) return false;
      std::memcpy(z + aus, quelle.constData() + ort, size_t(n));
    } else {
      if (ort >= aus) return false;
      for (qint64 k = 0; k < n; ++k) z[aus + k] = z[ort + k];  // may overlap: a run
    }
    ort += n;
  }
  aus += n;
  return true;
}
}  // namespace

QByteArray Erstellen(const QByteArray& quelle, const QByteArray& ziel) {
  return Schreiber(quelle, ziel).Fertig();
}

Ergebnis Anwenden(const QByteArray& patch, const QByteArray& quelle) {
  Leser l{patch, Kennung.size(), patch.size() - Schluss};
  Kopf k;
  if (const QString fehler = KopfPruefen(patch, quelle, l, k); !fehler.isEmpty()) return {{}, fehler};
  QByteArray ziel(qsizetype(k.ziel), '\0');
  qint64 aus = 0;
  qint64 orte[2] = {0, 0};
  while (l.pos < l.ende) {
    if (!Ausfuehren(l, quelle, ziel, aus, orte))
      return {{},
              QCoreApplication::translate(
                  "Bps", "Der Patch greift bei Byte %1 des Ergebnisses außerhalb der Dateien zu.")
                  .arg(aus)};
  }
  if (aus != ziel.size())
    return {{},
            QCoreApplication::translate("Bps", "Der Patch füllt das Ergebnis nicht ganz: %1 von %2 Bytes.")
                .arg(aus)
                .arg(ziel.size())};
  const quint32 crc = Crc32(ziel);
  if (crc != CrcBei(patch, l.ende + 4))
    return {{},
            QCoreApplication::translate("Bps", "Das Ergebnis hat die CRC32 %1, der Patch verlangt %2.")
                .arg(Crc(crc), Crc(CrcBei(patch, l.ende + 4)))};
  return {ziel, {}};
}

}  // namespace Bps
