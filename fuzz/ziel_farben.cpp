// The colour text conversions on arbitrary text and channel values.
#include <QString>
#include <cstddef>
#include <cstdint>

#include "Farbmodell.h"
#include "Zahlen.h"

namespace {
void Pruefe(bool bedingung) {
  if (!bedingung) __builtin_trap();
}

int Kanal(std::uint32_t farbe, int schiebung) { return static_cast<int>((farbe >> schiebung) & 0xFF); }

// Every text gives a 15-bit word, channels on the 8-step grid, and a colour
// text that the program may store and that reads back to the same word.
void Farbtext(const QString& text) {
  const int wort = Farbwort(text);
  Pruefe(wort >= 0 && wort <= 0x7FFF);
  Pruefe(Farbauswerten(text, QString()).size() == 9);
  Pruefe(Farbauswerten(text, QStringLiteral("hex")).size() == 6);
  const std::uint32_t farbe = FarbtextZuFarbe(text);
  for (int s : {0, 8, 16}) Pruefe(Kanal(farbe, s) % 8 == 0 && Kanal(farbe, s) <= 248);
  Pruefe(farbe >> 24 == 0);
  const QString zurueck = KanaeleZuFarbtext(Kanal(farbe, 0), Kanal(farbe, 8), Kanal(farbe, 16));
  Pruefe(IstFarbtext(zurueck) && Farbwort(zurueck) == wort);
  if (IstFarbtext(text)) Pruefe(zurueck == text.toUpper());
  if (text.size() == 4) Pruefe(DrehBytes(DrehBytes(text)) == text);
  TripelZuFarbe(text);
}

void Binaer(const QString& text, int weite) {
  const QString bin = HexZuBin(text, weite);
  if (IstHex(text) && text.size() <= 8) {
    Pruefe(bin.size() >= weite);
    Pruefe(BinXxx(bin, QStringLiteral("hex")) == QString::number(HexZuZahl(text), 16).toUpper());
  }
  BinXxx(text, QString());
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  const QString text =
      QString::fromLatin1(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(groesse));
  Farbtext(text);
  Binaer(text, static_cast<int>(groesse % 40));
  if (groesse >= 6) {
    const auto wert = [&](int i) { return static_cast<int>(std::int16_t(daten[i] | daten[i + 1] << 8)); };
    Pruefe(IstFarbtext(KanaeleZuFarbtext(wert(0), wert(2), wert(4))));
    const qint64 zahl = wert(0) * 65536LL + wert(2);
    const qint64 acht = AchtZahl(zahl);
    Pruefe(acht % 8 == 0 && acht <= zahl && zahl - acht < 8);
    AchtZahlText(zahl, 1 + static_cast<int>(groesse % 12));
  }
  return 0;
}
