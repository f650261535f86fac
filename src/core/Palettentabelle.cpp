#include "Palettentabelle.h"

#include "Zahlen.h"

namespace Palettentabelle {

qint64 Offset(qint64 basis, int t, int p, int c) { return basis + 64 * t + 8 * p + 2 * (c - 1); }

std::array<QString, 5> Farbtexte(const QByteArray& achtBytes) {
  std::array<QString, 5> texte;
  for (int c = 1; c <= 4; ++c)
    texte[c] = QString::fromLatin1(achtBytes.mid(2 * (c - 1), 2).leftJustified(2, '\0').toHex().toUpper());
  return texte;
}

QByteArray Bytes(const std::array<QString, 5>& farbtexte) {
  QByteArray bytes;
  for (int c = 1; c <= 4; ++c) {
    bytes.append(static_cast<char>(HexZuZahl(farbtexte[c].mid(0, 2))));
    bytes.append(static_cast<char>(HexZuZahl(farbtexte[c].mid(2, 2))));
  }
  return bytes;
}

}  // namespace Palettentabelle
