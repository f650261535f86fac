#include "Bildimport.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

#include "Zahlen.h"

namespace Bildimport {

namespace {
const QString Abstand = QStringLiteral("    ");
}  // namespace

qint64 Farbe(const QImage& bild, int x, int y) {
  if (!bild.valid(x, y)) return -1;
  const QRgb p = bild.pixel(x, y);
  return qRed(p) + 256 * qGreen(p) + 65536 * qBlue(p);
}

QString HexS(qint64 Zahl, int Weit) {
  const QString s = Hex(Zahl);
  return s.size() > Weit ? QString() : s.rightJustified(Weit, QLatin1Char('0'));
}

namespace {
// HexS(farbe, 6) for a colour that has a pixel, without the detour over Hex.
QString Sechsstellig(qint64 farbe) {
  static const char ziffern[] = "0123456789ABCDEF";
  QChar text[6];
  for (int i = 5; i >= 0; --i, farbe >>= 4) text[i] = QLatin1Char(ziffern[farbe & 0xF]);
  return QString(text, 6);
}
}  // namespace

namespace {
// Colours met by a scan, each with a colour number. Sized by the scan (at most
// Breite * Hoehe colours), not by the 2^24 colour space, and probed in place:
// a scan runs on every import and must not cost more than the picture.
class Farbtabelle {
 public:
  // Records farbe with wert unless it is there already; true when it was new.
  bool Eintragen(qint64 farbe, QChar wert = QChar()) {
    Platz& p = Suchen(farbe);
    if (p.farbeUndEins != 0) return false;
    p = {static_cast<quint32>(farbe) + 1, wert.unicode()};
    return true;
  }
  QChar Wert(qint64 farbe, QChar sonst) {
    const Platz& p = Suchen(farbe);
    return p.farbeUndEins != 0 ? QChar(p.wert) : sonst;
  }

 private:
  // Zero is an empty place, so the table starts as plain zeroed memory.
  struct Platz {
    quint32 farbeUndEins;
    char16_t wert;
  };
  static constexpr quint32 Bits = 13;  // 8192 places: at most three quarters full
  Platz plaetze[1u << Bits] = {};

  Platz& Suchen(qint64 farbe) {
    const quint32 gesucht = static_cast<quint32>(farbe) + 1;
    quint32 i = (gesucht * 2654435761u) >> (32 - Bits);
    while (plaetze[i].farbeUndEins != 0 && plaetze[i].farbeUndEins != gesucht)
      i = (i + 1) & ((1u << Bits) - 1);
    return plaetze[i];
  }
};
}  // namespace

QStringList Farberkennung(const QImage& bild, int faktor) {
  QStringList schluessel;
  Farbtabelle gesehen;
  bool fehlendGesehen = false;
  for (int y = 0; y < Hoehe; ++y) {
    for (int x = 0; x < Breite; ++x) {
      const qint64 farbe = Farbe(bild, x * faktor, y * faktor);
      if (farbe < 0) {
        if (!fehlendGesehen) schluessel << QString();
        fehlendGesehen = true;
      } else if (gesehen.Eintragen(farbe)) {
        schluessel << Sechsstellig(farbe);
      }
    }
  }
  return schluessel;
}

QString Eintrag(const QString& schluessel, const QString& farbname) {
  return schluessel + Abstand + farbname;
}

QString Schluessel(const QString& eintrag) { return eintrag.left(eintrag.indexOf(Abstand)); }

std::array<QString, 96> Kacheltexte(const QImage& bild, int faktor, const QStringList& eintraege) {
  Farbtabelle nummer;
  for (const QString& e : eintraege) {
    // Only entries with a six-digit key can match a pixel.
    if (e.size() <= 15 || QStringView(e).mid(6, Abstand.size()) != Abstand) continue;
    bool hex = false;
    const qint64 farbe = QStringView(e).left(6).toUInt(&hex, 16);
    if (hex) nummer.Eintragen(farbe, e.at(15));
  }
  return Abtasten(faktor, [&bild, &nummer](int x, int y) {
    const qint64 farbe = Farbe(bild, x, y);
    return farbe < 0 ? QChar() : nummer.Wert(farbe, QChar());
  });
}

std::array<QString, 96> Abtasten(int faktor, const std::function<QChar(int x, int y)>& nummer) {
  std::array<QString, 96> texte;
  for (int r = 0; r < 6; ++r) {
    for (int c = 0; c < 16; ++c) {
      QString& text = texte[16 * r + c];
      text.reserve(64);
      for (int py = 0; py < 8; ++py) {
        for (int px = 0; px < 8; ++px) {
          const QChar n = nummer(faktor * (px + 8 * c), faktor * (py + 8 * r));
          text += n.isNull() ? QLatin1Char('4') : n;
        }
      }
    }
  }
  return texte;
}

QImage AufGrund(const QImage& bild, const QColor& grund) {
  if (!bild.hasAlphaChannel()) return bild;
  QImage flach(bild.size(), QImage::Format_RGB32);
  flach.fill(grund);
  QPainter(&flach).drawImage(0, 0, bild);
  return flach;
}

Geladen Laden(const QString& pfad) {
  const QFileInfo info(pfad);
  if (!info.isFile())
    return {{}, QCoreApplication::translate("Bildimport", "Die Datei '%1' wurde nicht gefunden.").arg(pfad)};
  if (info.size() == 0)
    return {{}, QCoreApplication::translate("Bildimport", "Die Datei '%1' ist leer.").arg(pfad)};
  const QString keinBild =
      QCoreApplication::translate(
          "Bildimport", "Die Datei '%1' ist kein Bild, das geladen werden kann (BMP, GIF, JPEG oder PNG).")
          .arg(pfad);
  QImageReader leser(pfad);
  if (!leser.canRead()) return {{}, keinBild};
  const QSize groesse = leser.size();
  if (!groesse.isValid() || groesse.isEmpty()) return {{}, keinBild};
  if (qint64(groesse.width()) * groesse.height() > MaxPixel)
    return {{},
            QCoreApplication::translate("Bildimport",
                                        "Das Bild '%1' ist zu groß (%2 × %3 Pixel).\n"
                                        "Bitte ein Bild von 128 × 48 oder 256 × 96 Pixeln laden.")
                .arg(pfad)
                .arg(groesse.width())
                .arg(groesse.height())};
  leser.setClipRect(QRect(0, 0, std::min(groesse.width(), Breite * MaxFaktor),
                          std::min(groesse.height(), Hoehe * MaxFaktor)));
  QImage bild = leser.read();
  if (bild.isNull())
    return {{},
            QCoreApplication::translate("Bildimport", "Das Bild '%1' konnte nicht gelesen werden:\n%2")
                .arg(pfad, leser.errorString())};
  return {bild, {}};
}

}  // namespace Bildimport
