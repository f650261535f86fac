#include "Gifbau.h"

#include <QHash>
#include <QtEndian>

namespace {
QByteArray Wort(int w) {
  QByteArray b(2, '\0');
  qToLittleEndian<quint16>(quint16(w), b.data());
  return b;
}
}  // namespace

QByteArray GifBauen(const QImage& bild) {
  QList<QRgb> farben;
  QHash<QRgb, int> index;
  QList<int> pixel;
  for (int y = 0; y < bild.height(); ++y)
    for (int x = 0; x < bild.width(); ++x) {
      const QRgb p = bild.pixel(x, y) | 0xFF000000;
      if (!index.contains(p)) {
        index.insert(p, int(farben.size()));
        farben << p;
      }
      pixel << index.value(p);
    }
  int tiefe = 1;
  while ((1 << tiefe) < farben.size()) ++tiefe;
  const QByteArray groesse = Wort(bild.width()) + Wort(bild.height());
  QByteArray gif = "GIF89a" + groesse + char(0x80 | ((tiefe - 1) << 4) | (tiefe - 1)) + QByteArray(2, '\0');
  for (int i = 0; i < (1 << tiefe); ++i) {
    const QRgb f = farben.value(i);
    gif += QByteArray(1, char(qRed(f))) + char(qGreen(f)) + char(qBlue(f));
  }
  const int minCode = std::max(2, tiefe), loeschen = 1 << minCode, breite = minCode + 1;
  gif += ',' + Wort(0) + Wort(0) + groesse + '\0' + char(minCode);
  QByteArray bits;
  quint32 puffer = 0;
  int anzahl = 0;
  pixel << -1;  // the end code
  for (int p : pixel)
    for (int code : {loeschen, p < 0 ? loeschen + 1 : p}) {
      puffer |= quint32(code) << anzahl;
      for (anzahl += breite; anzahl >= 8; anzahl -= 8, puffer >>= 8) bits += char(puffer & 0xFF);
    }
  if (anzahl > 0) bits += char(puffer & 0xFF);
  for (qsizetype i = 0; i < bits.size(); i += 255) gif += char(bits.mid(i, 255).size()) + bits.mid(i, 255);
  return gif + '\0' + ';';
}
