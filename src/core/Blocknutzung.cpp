#include "Blocknutzung.h"

#include <QCoreApplication>

#include "Zahlen.h"

namespace Blocknutzung {

namespace {
int Kachel(const QByteArray& bloecke, qsizetype i) { return static_cast<quint8>(bloecke.at(i)); }
}  // namespace

Zaehlung Zaehlen(const QByteArray& bloecke) {
  Zaehlung anzahl{};
  const qsizetype saetze = std::min<qsizetype>(bloecke.size() / Blockdaten::SatzLaenge, Blockdaten::Bloecke);
  for (qsizetype b = 0; b < saetze; ++b) {
    // The tiles this block counted already.
    std::array<bool, 256> gezaehlt{};
    for (qsizetype j = b * Blockdaten::SatzLaenge; j < (b + 1) * Blockdaten::SatzLaenge; ++j) {
      const int t = Kachel(bloecke, j);
      if (t >= Blockdaten::ErsteFremdeKachel || gezaehlt[t]) continue;
      gezaehlt[t] = true;
      ++anzahl[t];
    }
  }
  return anzahl;
}

bool Nutzt(const QByteArray& bloecke, int block, int t) {
  const qsizetype anfang = qsizetype(block - 1) * Blockdaten::SatzLaenge;
  if (block < 1 || anfang + Blockdaten::SatzLaenge > bloecke.size()) return false;
  for (qsizetype j = anfang; j < anfang + Blockdaten::SatzLaenge; ++j)
    if (Kachel(bloecke, j) == t) return true;
  return false;
}

QString Text(int t, int anzahl) {
  const QString kachel = HexStellen(t, 2);
  if (anzahl == 0) return QCoreApplication::translate("Blocknutzung", "Tile %1: in keinem Block").arg(kachel);
  if (anzahl == 1) return QCoreApplication::translate("Blocknutzung", "Tile %1: in 1 Block").arg(kachel);
  return QCoreApplication::translate("Blocknutzung", "Tile %1: in %2 Blöcken").arg(kachel).arg(anzahl);
}

}  // namespace Blocknutzung
