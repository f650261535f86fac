// The image colour scan and tile conversion on pictures made from arbitrary bytes.
// A picture file (BMP, GIF, PNG, JPEG) when the input is one, otherwise raw
// pixels of a size taken from the first bytes.
#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "Bildimport.h"

namespace {
void Pruefe(bool bedingung) {
  if (!bedingung) __builtin_trap();
}

// Decoding is not what is under test; pictures larger than the scan can reach
// only cost time, so they are refused as the import refuses huge ones.
QImage Datei(const QByteArray& bytes) {
  QBuffer puffer;
  puffer.setData(bytes);
  puffer.open(QIODevice::ReadOnly);
  QImageReader leser(&puffer);
  const QSize groesse = leser.size();
  if (!groesse.isValid() || groesse.width() > 512 || groesse.height() > 512) return {};
  return leser.read();
}

QImage Roh(const std::uint8_t* daten, std::size_t groesse) {
  if (groesse < 3) return {};
  const int breite = 1 + daten[0] % 160;
  const int hoehe = 1 + daten[1] % 60;
  const QImage::Format format = daten[2] % 2 ? QImage::Format_RGB32 : QImage::Format_Indexed8;
  QImage bild(breite, hoehe, format);
  if (format == QImage::Format_Indexed8) {
    bild.setColorCount(256);
    for (int i = 0; i < 256; ++i) bild.setColor(i, qRgb(i, 255 - i, (i * 37) & 0xFF));
  }
  // The remaining bytes, repeated, are the pixels.
  const std::size_t pro = static_cast<std::size_t>(bild.bytesPerLine()) * hoehe;
  const std::size_t rest = groesse - 3;
  if (rest == 0) bild.fill(0);
  for (std::size_t i = 0; rest > 0 && i < pro; i += rest)
    std::memcpy(bild.bits() + i, daten + 3, std::min(rest, pro - i));
  return bild;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  const QByteArray bytes =
      QByteArray::fromRawData(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(groesse));
  QImage bild = Datei(bytes);
  if (bild.isNull()) bild = Roh(daten, groesse);
  const int faktor = 1 + static_cast<int>(groesse % Bildimport::MaxFaktor);
  const QStringList schluessel = Bildimport::Farberkennung(bild, faktor);
  Pruefe(schluessel.size() <= Bildimport::Breite * Bildimport::Hoehe);
  QStringList eintraege;
  static const char* namen[] = {"Farbe1 (Schwarz)", "Farbe2 (Grün)", "Farbe3 (Blau)", "Farbe4 (Weiss)"};
  for (qsizetype i = 0; i < schluessel.size(); ++i) {
    Pruefe(schluessel[i].isEmpty() || schluessel[i].size() == 6);
    eintraege << Bildimport::Eintrag(schluessel[i], QString::fromUtf8(namen[i % 4]));
    Pruefe(Bildimport::Schluessel(eintraege.back()) == schluessel[i]);
  }
  for (const QString& text : Bildimport::Kacheltexte(bild, faktor, eintraege)) {
    Pruefe(text.size() == 64);
    for (QChar c : text) Pruefe(c >= QLatin1Char('1') && c <= QLatin1Char('4'));
  }
  return 0;
}
