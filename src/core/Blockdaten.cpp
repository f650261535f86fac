#include "Blockdaten.h"

#include <cmath>

#include "Kopftabelle.h"
#include "Zahlen.h"

namespace Blockdaten {

qint64 ZeigerOrt(int tileset) { return ZeigerBasis + Kopftabelle::Satz * tileset; }

QString ZeigerText(const QByteArray& bytes) { return QString::fromLatin1(bytes.left(3).toHex().toUpper()); }

qint64 BlockOffset(qint64 tabelle, int block) { return tabelle + SatzLaenge * block; }

QString Ort(int Linie, int Reihe, int Brei) { return QString::number(Reihe * Brei + Linie); }

bool IsInt(double Variable) { return Variable == std::trunc(Variable); }

QString Ort2(int Zahl, int Weit) {
  const double q = static_cast<double>(Zahl) / Weit;
  int linie = 0, reihe = 0;
  if (q <= 1) {
    linie = Zahl;
    reihe = 1;
  } else if (IsInt(q)) {
    linie = Weit;
    reihe = static_cast<int>(q);
  } else {
    linie = static_cast<int>(std::lround((q - std::trunc(q)) * Weit));
    if (linie == 0) linie = 1;
    reihe = static_cast<int>(std::trunc(static_cast<double>(Zahl - linie) / Weit)) + 1;
  }
  return QString::number(linie).rightJustified(2, QLatin1Char('0')) +
         QString::number(reihe).rightJustified(2, QLatin1Char('0'));
}

QString AusBytes(const QByteArray& bytes) {
  return QString::fromLatin1(bytes.left(SatzLaenge).toHex().toUpper());
}

QByteArray ZuBytes(const QString& block) {
  QByteArray bytes(SatzLaenge, '\0');
  for (int i = 0; i < SatzLaenge; ++i) bytes[i] = static_cast<char>(Kachel(block, i));
  return bytes;
}

int Kachel(const QString& block, int zelle) { return static_cast<int>(HexZuZahl(block.mid(2 * zelle, 2))); }

QString Setzen(const QString& block, int zelle, const QString& kachel) {
  return block.left(2 * zelle) + kachel + block.right(block.size() - 2 * zelle - 2);
}

}  // namespace Blockdaten
