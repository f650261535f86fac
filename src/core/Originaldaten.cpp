#include "Originaldaten.h"

#include "Kopftabelle.h"
#include "Palettentabelle.h"
#include "Tilesetblock.h"
#include "Tilesetquelle.h"
#include "Zuordnung.h"

namespace Originaldaten {

namespace {
constexpr qint64 PruefsummenOrt = 0x14E;
using Tilesetquelle::IniSatz;
using Tilesetquelle::Tilesets;

quint8 Byte(const QByteArray& rom, qint64 i) {
  return i >= 0 && i < rom.size() ? static_cast<quint8>(rom.at(i)) : 0;
}

// Bytes beyond the end read as 0, as everywhere in the program.
QByteArray Stueck(const QByteArray& rom, qint64 offset, qint64 laenge) {
  QByteArray stueck(laenge, '\0');
  for (qint64 i = 0; i < laenge; ++i) stueck[i] = static_cast<char>(Byte(rom, offset + i));
  return stueck;
}

qint64 ZuordnungOrt(const QByteArray& rom, int n) {
  return Zuordnung::FeldOffset(Stueck(rom, Zuordnung::RomBasis + Kopftabelle::Satz * n, 2));
}
}  // namespace

quint16 GespeichertePruefsumme(const QByteArray& rom) {
  return static_cast<quint16>(Byte(rom, PruefsummenOrt) << 8 | Byte(rom, PruefsummenOrt + 1));
}

quint16 BerechnetePruefsumme(const QByteArray& rom) {
  quint32 summe = 0;
  for (char b : rom) summe += static_cast<quint8>(b);
  summe -= Byte(rom, PruefsummenOrt) + Byte(rom, PruefsummenOrt + 1);
  return static_cast<quint16>(summe);
}

int ErsterOhneMarker(const QByteArray& rom) {
  for (int n = 1; n <= Tilesets; ++n) {
    const qint64 ort = Kopftabelle::ZielVon(rom, n);
    if (ort < 0 || !Tilesetblock::HatMarker(Stueck(rom, ort, Tilesetblock::Laenge))) return n;
  }
  return 0;
}

QByteArray TilesetsGb(const QByteArray& rom) {
  QByteArray datei(Tilesets * Tilesetblock::SatzLaenge, '\0');
  for (int n = 1; n <= Tilesets; ++n) {
    const qint64 satz = (n - 1) * Tilesetblock::SatzLaenge;
    datei.replace(satz, Tilesetblock::Laenge,
                  Stueck(rom, Kopftabelle::ZielVon(rom, n), Tilesetblock::Laenge));
    datei.replace(satz + Zuordnung::SeitenBasis, Zuordnung::Laenge,
                  Stueck(rom, ZuordnungOrt(rom, n), Zuordnung::Laenge));
  }
  return datei;
}

QByteArray OriginalPointerIni(const QByteArray& rom) {
  QByteArray datei;
  for (int n = 1; n <= Tilesets; ++n) {
    const QByteArray zeiger = Stueck(rom, Kopftabelle::ZeigerOrt(n), 3).toHex().toUpper();
    datei += (zeiger + ";Titelset" + QByteArray::number(n)).leftJustified(IniSatz - 2, ' ') + "\r\n";
  }
  return datei;
}

QByteArray OriginalPaletten(const QByteArray& rom) {
  return Stueck(rom, Palettentabelle::RomOffset, Palettentabelle::Laenge);
}

}  // namespace Originaldaten
