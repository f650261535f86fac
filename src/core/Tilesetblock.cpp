#include "Tilesetblock.h"

#include "Kachel.h"

namespace Tilesetblock {

namespace {
constexpr std::array<char, 6> Muster = {'\xE3', '\xFF', '\xE1', '\xFF', '\xFF', '\x00'};
constexpr std::array<qint64, 6> MusterOrt = {0, 1, 1026, 1027, 1540, 1541};

char ByteBei(const QByteArray& b, qint64 i) { return i < b.size() ? b.at(i) : '\0'; }
}  // namespace

KachelTexte Lesen(const QByteArray& block) {
  QByteArray roh = block;
  if (roh.size() < Laenge) roh.append(QByteArray(Laenge - roh.size(), '\0'));
  KachelTexte texte;
  qint64 ort = 2;
  for (int i = 0; i < Kacheln; ++i) {
    texte[i] = BytesZuKachelText(roh.constData() + ort);
    ort += 16;
    if (i == 63) ort += 2;
  }
  return texte;
}

QByteArray Bauen(const KachelTexte& texte) {
  QByteArray block;
  block.reserve(Laenge);
  block.append(Muster[0]).append(Muster[1]);
  for (int i = 0; i < Kacheln; ++i) {
    block.append(KachelTextZuBytes(texte[i]));
    if (i == 63) block.append(Muster[2]).append(Muster[3]);
  }
  block.append(Muster[4]).append(Muster[5]);
  return block;
}

bool Frei(const QByteArray& bereich) {
  int treffer = 0;
  size_t naechster = 0;
  for (qint64 i = 0; i < Laenge; ++i) {
    const char b = ByteBei(bereich, i);
    if (naechster < MusterOrt.size() && i == MusterOrt[naechster]) {
      if (b == Muster[naechster] && treffer == static_cast<int>(naechster))
        ++treffer;
      else if (b != 0)
        return false;
      ++naechster;
    } else if (b != 0) {
      return false;
    }
  }
  return true;
}

bool HatMarker(const QByteArray& bereich) {
  for (size_t k = 0; k < MusterOrt.size(); ++k)
    if (ByteBei(bereich, MusterOrt[k]) != Muster[k]) return false;
  return true;
}

}  // namespace Tilesetblock
