#include "Gifbau.h"

#include <QHash>
#include <QVector>

namespace {
void Wort(QByteArray& b, int w) { b.append(char(w & 0xFF)).append(char(w >> 8)); }

struct Bits {
  QByteArray bytes;
  quint32 puffer = 0;
  int anzahl = 0;
  void Code(int code, int breite) {
    puffer |= quint32(code) << anzahl;
    anzahl += breite;
    while (anzahl >= 8) {
      bytes.append(char(puffer & 0xFF));
      puffer >>= 8;
      anzahl -= 8;
    }
  }
  void Ende() {
    if (anzahl > 0) bytes.append(char(puffer & 0xFF));
  }
};
}  // namespace

QByteArray GifBauen(const QImage& bild) {
  QVector<QRgb> farben;
  QHash<QRgb, int> index;
  QVector<int> pixel;
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
  const int minCode = std::max(2, tiefe);
  QByteArray gif("GIF89a");
  Wort(gif, bild.width());
  Wort(gif, bild.height());
  gif.append(char(0x80 | ((tiefe - 1) << 4) | (tiefe - 1))).append('\0').append('\0');
  for (int i = 0; i < (1 << tiefe); ++i) {
    const QRgb f = i < farben.size() ? farben[i] : 0;
    gif.append(char(qRed(f))).append(char(qGreen(f))).append(char(qBlue(f)));
  }
  gif.append(',');
  Wort(gif, 0);
  Wort(gif, 0);
  Wort(gif, bild.width());
  Wort(gif, bild.height());
  gif.append('\0').append(char(minCode));
  const int loeschen = 1 << minCode, breite = minCode + 1;
  Bits bits;
  for (int p : pixel) {
    bits.Code(loeschen, breite);
    bits.Code(p, breite);
  }
  bits.Code(loeschen + 1, breite);
  bits.Ende();
  for (qsizetype i = 0; i < bits.bytes.size(); i += 255) {
    const QByteArray stueck = bits.bytes.mid(i, 255);
    gif.append(char(stueck.size())).append(stueck);
  }
  gif.append('\0').append(';');
  return gif;
}
