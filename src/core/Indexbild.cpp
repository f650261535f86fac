#include "Indexbild.h"

#include "Bildimport.h"

namespace Indexbild {

namespace {
const QString Vorsatz = QStringLiteral("Nr. ");
constexpr int Eintraege = 256;
}  // namespace

bool Erkannt(const QImage& bild, const QByteArray& format) {
  return format == "png" && bild.format() == QImage::Format_Indexed8 &&
         (bild.colorCount() == 4 || bild.colorCount() == 32);
}

QString Schluessel(int index) { return Vorsatz + QStringLiteral("%1").arg(index, 2, 10, QLatin1Char('0')); }

int Index(const QString& schluessel) {
  if (!schluessel.startsWith(Vorsatz) || schluessel.size() != Vorsatz.size() + 2) return -1;
  bool ok = false;
  const int index = schluessel.mid(Vorsatz.size()).toInt(&ok);
  return ok && index >= 0 && index < Eintraege ? index : -1;
}

qint64 Farbe(const QImage& bild, int index) {
  if (index < 0 || index >= bild.colorCount()) return -1;
  const QRgb p = bild.color(index);
  return qRed(p) + 256 * qGreen(p) + 65536 * qBlue(p);
}

QStringList Erkennung(const QImage& bild, int faktor) {
  QStringList schluessel;
  std::array<bool, Eintraege> gesehen{};
  bool fehlendGesehen = false;
  for (int y = 0; y < Bildimport::Hoehe; ++y) {
    for (int x = 0; x < Bildimport::Breite; ++x) {
      if (!bild.valid(x * faktor, y * faktor)) {
        if (!fehlendGesehen) schluessel << QString();
        fehlendGesehen = true;
        continue;
      }
      const int index = bild.pixelIndex(x * faktor, y * faktor);
      if (!gesehen[index]) schluessel << Schluessel(index);
      gesehen[index] = true;
    }
  }
  return schluessel;
}

std::array<QString, 96> Kacheltexte(const QImage& bild, int faktor, const QStringList& eintraege) {
  std::array<QChar, Eintraege> nummer;
  nummer.fill(QChar());
  for (const QString& e : eintraege) {
    const int index = Index(Bildimport::Schluessel(e));
    if (index >= 0 && nummer[index].isNull() && e.size() > 15) nummer[index] = e.at(15);
  }
  return Bildimport::Abtasten(faktor, [&bild, &nummer](int x, int y) {
    return bild.valid(x, y) ? nummer[bild.pixelIndex(x, y)] : QChar();
  });
}

}  // namespace Indexbild
