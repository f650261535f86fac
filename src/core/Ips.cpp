#include "Ips.h"

#include <QCoreApplication>
#include <algorithm>

namespace Ips {

namespace {
const QByteArray Anfang = QByteArrayLiteral("PATCH");
const QByteArray Ende = QByteArrayLiteral("EOF");
constexpr qint64 GroessterSatz = 0xFFFF;
// Unchanged bytes between two changes cost less inside one record than a
// new record's five header bytes.
constexpr qint64 Luecke = 5;
// A run shorter than this is cheaper as plain bytes inside its record.
constexpr qint64 MindestLauf = 9;

void Zahl(QByteArray& aus, qint64 wert, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) aus.append(static_cast<char>(wert >> (8 * i)));
}

qint64 ZahlBei(const QByteArray& p, qint64 i, int bytes) {
  qint64 wert = 0;
  for (int k = 0; k < bytes; ++k) wert = wert << 8 | quint8(p[i + k]);
  return wert;
}

bool Anders(const QByteArray& q, const QByteArray& z, qint64 i) { return i >= q.size() || q[i] != z[i]; }

class Schreiber {
 public:
  explicit Schreiber(const QByteArray& ziel) : z(ziel), aus(Anfang) {}

  // Target bytes [von, bis) as records: runs as run records, the rest plain.
  void Bereich(qint64 von, qint64 bis) {
    qint64 i = von;
    while (i < bis) {
      const qint64 lauf = Lauf(i, bis);
      if (lauf >= MindestLauf) {
        Teilen(i, lauf, true);
        i += lauf;
        continue;
      }
      qint64 j = i + lauf;
      while (j < bis && Lauf(j, bis) < MindestLauf) j += Lauf(j, bis);
      Teilen(i, j - i, false);
      i = j;
    }
  }
  QByteArray Fertig() { return aus + Ende; }

 private:
  qint64 Lauf(qint64 i, qint64 bis) const {
    qint64 n = 1;
    while (i + n < bis && z[i + n] == z[i]) ++n;
    return n;
  }
  // One byte less than a record holds, for the step back from EofOrt.
  void Teilen(qint64 von, qint64 anzahl, bool lauf) {
    for (qint64 o = von; o < von + anzahl; o += GroessterSatz - 1)
      Satz(o, std::min(GroessterSatz - 1, von + anzahl - o), lauf);
  }
  void Satz(qint64 ort, qint64 anzahl, bool lauf) {
    if (ort == EofOrt) {
      --ort;
      ++anzahl;
      lauf = lauf && z[ort] == z[ort + 1];
    }
    Zahl(aus, ort, 3);
    if (lauf) {
      Zahl(aus, 0, 2);
      Zahl(aus, anzahl, 2);
      aus.append(z[ort]);
    } else {
      Zahl(aus, anzahl, 2);
      aus.append(z.constData() + ort, anzahl);
    }
  }

  const QByteArray& z;
  QByteArray aus;
};

QString Kaputt() {
  return QCoreApplication::translate(
      "Ips", "Der Patch ist beschädigt oder unvollständig: ein Eintrag reicht über sein Ende.");
}
}  // namespace

Ergebnis Erstellen(const QByteArray& quelle, const QByteArray& ziel) {
  if (ziel.size() > Hoechstens)
    return {{},
            QCoreApplication::translate(
                "Ips",
                "Ein IPS-Patch kann nur die ersten 16 MiB einer Datei ändern; diese ist %1 Bytes lang. "
                "Bitte das BPS-Format wählen.")
                .arg(ziel.size())};
  if (ziel.size() < quelle.size())
    return {{},
            QCoreApplication::translate(
                "Ips", "Ein IPS-Patch kann eine Datei nicht verkürzen. Bitte das BPS-Format wählen.")};
  Schreiber s(ziel);
  qint64 i = 0;
  while (i < ziel.size()) {
    if (!Anders(quelle, ziel, i)) {
      ++i;
      continue;
    }
    qint64 bis = i + 1;
    for (qint64 gleich = 0; bis + gleich < ziel.size() && gleich <= Luecke;) {
      if (Anders(quelle, ziel, bis + gleich)) {
        bis += gleich + 1;
        gleich = 0;
      } else {
        ++gleich;
      }
    }
    s.Bereich(i, bis);
    i = bis;
  }
  return {s.Fertig(), {}};
}

Ergebnis Anwenden(const QByteArray& patch, const QByteArray& quelle) {
  if (!patch.startsWith(Anfang))
    return {{}, QCoreApplication::translate("Ips", "Die Datei ist kein IPS-Patch.")};
  QByteArray ziel = quelle;
  qint64 pos = Anfang.size();
  for (;;) {
    if (pos + 3 > patch.size()) return {{}, Kaputt()};
    if (patch.mid(pos, 3) == Ende) break;
    if (pos + 5 > patch.size()) return {{}, Kaputt()};
    const qint64 ort = ZahlBei(patch, pos, 3);
    qint64 anzahl = ZahlBei(patch, pos + 3, 2);
    pos += 5;
    const bool lauf = anzahl == 0;
    if (lauf) {
      if (pos + 3 > patch.size()) return {{}, Kaputt()};
      anzahl = ZahlBei(patch, pos, 2);
    }
    if (pos + (lauf ? 3 : anzahl) > patch.size()) return {{}, Kaputt()};
    if (ort + anzahl > ziel.size()) ziel.resize(ort + anzahl, '\0');
    if (lauf)
      std::fill_n(ziel.data() + ort, anzahl, patch[pos + 2]);
    else
      std::copy_n(patch.constData() + pos, anzahl, ziel.data() + ort);
    pos += lauf ? 3 : anzahl;
  }
  pos += 3;
  if (pos == patch.size()) return {ziel, {}};
  if (pos + 3 != patch.size())
    return {{},
            QCoreApplication::translate("Ips",
                                        "Der Patch ist beschädigt: hinter seinem Ende stehen noch %1 Bytes.")
                .arg(patch.size() - pos)};
  const qint64 laenge = ZahlBei(patch, pos, 3);
  if (laenge > ziel.size())
    return {{},
            QCoreApplication::translate(
                "Ips", "Der Patch ist beschädigt: er kürzt die Datei auf %1 Bytes, sie hat nur %2.")
                .arg(laenge)
                .arg(ziel.size())};
  ziel.truncate(laenge);
  return {ziel, {}};
}

}  // namespace Ips
