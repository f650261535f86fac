#include "Kachel.h"

namespace {
// Three decimal digits with leading zeros, without building a string per byte.
void Drei(QChar* ziel, int wert) {
  ziel[0] = QLatin1Char(static_cast<char>('0' + wert / 100));
  ziel[1] = QLatin1Char(static_cast<char>('0' + wert / 10 % 10));
  ziel[2] = QLatin1Char(static_cast<char>('0' + wert % 10));
}

std::uint8_t Gruppe(const QString& text, int i) {
  int wert = 0;
  for (int k = 0; k < 3; ++k) {
    const int pos = 3 * i + k;
    if (pos >= text.size()) return 0;
    const char16_t c = text[pos].unicode();
    if (c < '0' || c > '9') return 0;
    wert = wert * 10 + (c - '0');
  }
  return static_cast<std::uint8_t>(wert & 0xFF);
}
}  // namespace

Zellen KachelTextZuZellen(const QString& text) {
  Zellen zellen{};
  for (int r = 0; r < 8; ++r) {
    const std::uint8_t lo = Gruppe(text, 2 * r);
    const std::uint8_t hi = Gruppe(text, 2 * r + 1);
    for (int c = 0; c < 8; ++c) {
      const int bit = 7 - c;
      zellen[r * 8 + c] = static_cast<std::uint8_t>(1 + ((lo >> bit) & 1) + 2 * ((hi >> bit) & 1));
    }
  }
  return zellen;
}

QString ZellenZuKachelText(const Zellen& zellen) {
  QString text(48, Qt::Uninitialized);
  QChar* ziel = text.data();
  for (int r = 0; r < 8; ++r) {
    int lo = 0, hi = 0;
    for (int c = 0; c < 8; ++c) {
      const int wert = (zellen[r * 8 + c] - 1) & 3;
      lo = (lo << 1) | (wert & 1);
      hi = (hi << 1) | (wert >> 1);
    }
    Drei(ziel + 6 * r, lo);
    Drei(ziel + 6 * r + 3, hi);
  }
  return text;
}

Zellen ZellTextZuZellen(const QString& text) {
  Zellen zellen{};
  for (int i = 0; i < 64; ++i) {
    const char16_t c = i < text.size() ? text[i].unicode() : u'1';
    zellen[i] = static_cast<std::uint8_t>(c >= '1' && c <= '4' ? c - '0' : 1);
  }
  return zellen;
}

QString ZellenZuZellText(const Zellen& zellen) {
  QString text(64, Qt::Uninitialized);
  QChar* ziel = text.data();
  for (int i = 0; i < 64; ++i) ziel[i] = QLatin1Char(static_cast<char>('0' + zellen[i]));
  return text;
}

QString BytesZuKachelText(const char* bytes) {
  QString text(48, Qt::Uninitialized);
  for (int i = 0; i < 16; ++i) Drei(text.data() + 3 * i, static_cast<std::uint8_t>(bytes[i]));
  return text;
}

QByteArray KachelTextZuBytes(const QString& text) {
  QByteArray bytes(16, '\0');
  for (int i = 0; i < 16; ++i) bytes[i] = static_cast<char>(Gruppe(text, i));
  return bytes;
}
