#include "Tilesetquelle.h"

#include "Kopftabelle.h"
#include "Tilesetblock.h"
#include "Zahlen.h"

namespace Tilesetquelle {

std::array<QString, Tilesets + 1> OriginalPointer(const QByteArray& ini) {
  std::array<QString, Tilesets + 1> zeiger;
  for (int n = 1; n <= Tilesets; ++n) {
    const QByteArray satz = ini.mid(IniSatz * (n - 1), 6);
    const qsizetype ende = satz.indexOf('\0');
    zeiger[n] = QString::fromLatin1(ende < 0 ? satz : satz.left(ende));
  }
  return zeiger;
}

Quelle ImRom(const QString& rom, const QString& tilesetsGb, int n, const QString& orgPointer) {
  Quelle q;
  q.zeiger = Kopftabelle::ZeigerLesen(rom, n);
  q.ort = PointerZuOffset(q.zeiger, 0, 0);
  q.verschoben = q.zeiger != orgPointer;
  q.datei = q.verschoben ? rom : tilesetsGb;
  q.offset = q.verschoben ? q.ort : Hex((n - 1) * Tilesetblock::SatzLaenge);
  return q;
}

}  // namespace Tilesetquelle
