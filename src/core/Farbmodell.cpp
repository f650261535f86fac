#include "Farbmodell.h"

#include <algorithm>

#include "Zahlen.h"

namespace {
constexpr int Komponente = 0x1F;

int Kanal(int komponente) { return 8 * komponente; }

int DreiStellen(const QString& Tripel, int start) {
  bool ok = false;
  const int wert = Tripel.mid(start, 3).toInt(&ok);
  return ok ? std::clamp(wert, 0, 255) : 0;
}

bool IstHexZiffer(QChar c) {
  return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
         (c >= QLatin1Char('A') && c <= QLatin1Char('F')) || (c >= QLatin1Char('a') && c <= QLatin1Char('f'));
}
}  // namespace

QString DrehBytes(const QString& Inhalt) { return Inhalt.mid(2, 2) + Inhalt.left(2); }

QString HexZuBin(const QString& hex, int Weite) {
  const QString bin = QString::number(static_cast<quint64>(HexZuZahl(hex)), 2);
  return Weite > 0 ? bin.rightJustified(Weite, QLatin1Char('0')) : bin;
}

QString BinXxx(const QString& bin, const QString& Art) {
  quint64 wert = 0;
  for (QChar c : bin) wert = wert * 2 + (c == QLatin1Char('1') ? 1 : 0);
  if (Art.compare(QLatin1String("hex"), Qt::CaseInsensitive) == 0) return QString::number(wert, 16).toUpper();
  return QString::number(wert).rightJustified(3, QLatin1Char('0'));
}

qint64 AchtZahl(qint64 Zahl) {
  const qint64 achtel = Zahl / 8 - (Zahl % 8 < 0 ? 1 : 0);  // rounds down below zero too
  return achtel * 8;
}

QString AchtZahlText(qint64 Zahl, int Stellen) {
  return QString::number(AchtZahl(Zahl)).rightJustified(Stellen, QLatin1Char('0'));
}

int Farbwort(const QString& Farbtext) { return static_cast<int>(HexZuZahl(DrehBytes(Farbtext)) & 0x7FFF); }

bool IstFarbtext(const QString& Text) {
  if (Text.size() != 4 || !std::all_of(Text.begin(), Text.end(), IstHexZiffer)) return false;
  return HexZuZahl(Text.mid(2, 1)) < 8;
}

QString Farbauswerten(const QString& Farbtext, const QString& Art) {
  const int wort = Farbwort(Farbtext);
  const int rot = Kanal(wort & Komponente);
  const int gruen = Kanal((wort >> 5) & Komponente);
  const int blau = Kanal((wort >> 10) & Komponente);
  if (Art.compare(QLatin1String("hex"), Qt::CaseInsensitive) == 0)
    return HexStellen(blau, 2) + HexStellen(gruen, 2) + HexStellen(rot, 2);
  return AchtZahlText(blau, 3) + AchtZahlText(gruen, 3) + AchtZahlText(rot, 3);
}

std::uint32_t TripelZuFarbe(const QString& Tripel) {
  const auto rot = static_cast<std::uint32_t>(DreiStellen(Tripel, 6));
  const auto gruen = static_cast<std::uint32_t>(DreiStellen(Tripel, 3));
  const auto blau = static_cast<std::uint32_t>(DreiStellen(Tripel, 0));
  return rot + 256 * gruen + 65536 * blau;
}

std::uint32_t FarbtextZuFarbe(const QString& Farbtext) {
  return TripelZuFarbe(Farbauswerten(Farbtext, QString()));
}

QString KanaeleZuFarbtext(int rot, int gruen, int blau) {
  // Values above 255 would spill into the next component.
  const auto k = [](int wert) { return std::clamp(wert, 0, 255) / 8; };
  return DrehBytes(HexStellen(k(blau) * 1024 + k(gruen) * 32 + k(rot), 4));
}
