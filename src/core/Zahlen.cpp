#include "Zahlen.h"

namespace {
int Ziffer(QChar c) {
  const char16_t u = c.unicode();
  if (u >= '0' && u <= '9') return u - '0';
  if (u >= 'A' && u <= 'F') return u - 'A' + 10;
  if (u >= 'a' && u <= 'f') return u - 'a' + 10;
  return -1;
}

// VB's Mid$: 1-based, clipped to the text.
QString Mitte(const QString& s, int start, int laenge) {
  if (start - 1 >= s.size()) return {};
  return s.mid(start - 1, laenge);
}
}  // namespace

qint64 HexZuZahl(const QString& Text) {
  quint64 wert = 0;
  int stellen = 0;
  for (QChar c : Text) {
    const int z = Ziffer(c);
    if (z < 0 || stellen == 15) break;
    wert = wert * 16 + static_cast<quint64>(z);
    ++stellen;
  }
  return static_cast<qint64>(wert);
}

qint64 HexZuZahl(QString& Text) {
  if (Text.isEmpty()) Text = QStringLiteral("0");
  return HexZuZahl(static_cast<const QString&>(Text));
}

bool IstHex(const QString& Text) {
  if (Text.size() > 15) return false;
  for (QChar c : Text)
    if (Ziffer(c) < 0) return false;
  return true;
}

QString Hex(qint64 Zahl) {
  // Negative numbers show as 32-bit two's complement, like the platform's Hex$.
  const quint64 wert = Zahl < 0 ? static_cast<quint32>(Zahl) : static_cast<quint64>(Zahl);
  return QString::number(wert, 16).toUpper();
}

QString OffsetZuPointer(const QString& Offset, int Art) {
  const qint64 offset = HexZuZahl(Offset);
  const QString adresse = HexStellen(offset % 0x4000 + 0x4000, 4);
  const QString llhh = adresse.mid(2, 2) + adresse.left(2);
  if (Art != 0 && Art != 3) return llhh;
  QString bank = Hex(offset / 0x4000);
  if (bank.size() == 1) bank.prepend(QLatin1Char('0'));
  return bank + llhh;
}

QString PointerZuOffset(const QString& Pointer, int Art, int Bank) {
  qint64 bank = Bank;
  QString adresse;
  if (Art == 0 || Art == 3) {
    bank = HexZuZahl(Mitte(Pointer, 1, 2));
    adresse = Mitte(Pointer, 5, 2) + Mitte(Pointer, 3, 2);
  } else {
    adresse = Mitte(Pointer, 3, 2) + Mitte(Pointer, 1, 2);
  }
  return Hex(bank * 0x4000 + HexZuZahl(adresse) - 0x4000);
}

QString HexStellen(qint64 Zahlwert, int Stellen) {
  const QString s = Hex(Zahlwert);
  if (s.size() > Stellen) return {};
  return s.rightJustified(Stellen, QLatin1Char('0'));
}
