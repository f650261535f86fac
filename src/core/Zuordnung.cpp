#include "Zuordnung.h"

#include "Zahlen.h"

namespace Zuordnung {

QString Ziffern(const QByteArray& feld) {
  QString ziffern;
  for (char b : feld) {
    const auto wert = static_cast<quint8>(b);
    ziffern += Hex(wert & 0x0F) + Hex(wert >> 4);
  }
  return ziffern;
}

QByteArray Feld(const QString& ziffern) {
  QByteArray feld;
  for (int i = 0; i + 1 < ziffern.size(); i += 2) {
    const qint64 tief = HexZuZahl(ziffern.mid(i, 1));
    const qint64 hoch = HexZuZahl(ziffern.mid(i + 1, 1));
    feld.append(static_cast<char>(hoch * 16 + tief));
  }
  return feld;
}

qint64 FeldOffset(const QByteArray& zeiger) {
  return HexZuZahl(PointerZuOffset(QString::fromLatin1(zeiger.left(2).toHex().toUpper()), 2, 2));
}

}  // namespace Zuordnung
