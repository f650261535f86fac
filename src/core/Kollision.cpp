#include "Kollision.h"

#include <QCoreApplication>

#include "Blockdaten.h"
#include "Kopftabelle.h"
#include "Zahlen.h"

namespace Kollision {

qint64 ZeigerOrt(int tileset) { return ZeigerBasis + Kopftabelle::Satz * tileset; }

qint64 SatzOffset(qint64 tabelle, int block) { return tabelle + SatzLaenge * block; }

const std::array<Bekannt, 18>& Bekannte() {
  static const std::array<Bekannt, 18> werte{{
      {0x00, QT_TRANSLATE_NOOP("Kollision", "00 - Kein Hindernis")},
      {0x01, QT_TRANSLATE_NOOP("Kollision", "01 - Kein Hindernis")},
      {0x07, QT_TRANSLATE_NOOP("Kollision", "07 - Hindernis")},
      {0x12, QT_TRANSLATE_NOOP("Kollision", "12 - Busch (Zerschneider)")},
      {0x15, QT_TRANSLATE_NOOP("Kollision", "15 - Kleiner Baum (Kopfnuss)")},
      {0x18, QT_TRANSLATE_NOOP("Kollision", "18 - Hohes Gras")},
      {0x24, QT_TRANSLATE_NOOP("Kollision", "24 - Strudel (Whirlpool)")},
      {0x27, QT_TRANSLATE_NOOP("Kollision", "27 - Hindernis (im Wasser)")},
      {0x29, QT_TRANSLATE_NOOP("Kollision", "29 - Wasser (Surfer)")},
      {0x70, QT_TRANSLATE_NOOP("Kollision", "70 - Teppich Unten")},
      {0x71, QT_TRANSLATE_NOOP("Kollision", "71 - Tür")},
      {0x7B, QT_TRANSLATE_NOOP("Kollision", "7B -Höhleneingang")},
      {0x76, QT_TRANSLATE_NOOP("Kollision", "76 - Teppich Links")},
      {0x7E, QT_TRANSLATE_NOOP("Kollision", "7E - Teppich Rechts")},
      {0xA0, QT_TRANSLATE_NOOP("Kollision", "A0 - Hiro kann nach rechts springen.")},
      {0xA1, QT_TRANSLATE_NOOP("Kollision", "A1 - Hiro kann nach links springen.")},
      {0xA3, QT_TRANSLATE_NOOP("Kollision", "A3 - Hiro kann nach unten springen.")},
      {0xB2, QT_TRANSLATE_NOOP("Kollision", "B2 - Freier Block (Auf Klippen)")},
  }};
  return werte;
}

QStringList KurzListe() {
  QStringList liste;
  for (const Bekannt& b : Bekannte()) liste << HexStellen(b.wert, 2);
  return liste;
}

int KurzIndex(std::uint8_t wert) { return static_cast<int>(KurzListe().indexOf(HexStellen(wert, 2))); }

QString Beschreibung() {
  QString text = QStringLiteral("\n");
  for (const Bekannt& b : Bekannte())
    text += QCoreApplication::translate("Kollision", b.text) + QLatin1Char('\n');
  return text +
         QCoreApplication::translate(
             "Kollision", "\nDie restlichen sind nochnicht bekannt. Aufjedenfahl kenne ich sie nicht.");
}

int Quadrant(int zelle) {
  const bool unten = zelle / 4 >= 2, rechts = zelle % 4 >= 2;
  return 1 + (rechts ? 1 : 0) + (unten ? 2 : 0);
}

QPoint QuadrantOrt(int zelle) {
  return QPoint((zelle % 2) * Blockdaten::KachelSeite, ((zelle / 4) % 2) * Blockdaten::KachelSeite);
}

std::uint8_t SpeicherWert(bool kurz, int vollIndex, const QString& kurzText, std::uint8_t gespeichert) {
  if (!kurz) return vollIndex >= 0 && vollIndex <= 0xFF ? static_cast<std::uint8_t>(vollIndex) : gespeichert;
  if (kurzText.isEmpty()) return gespeichert;
  return static_cast<std::uint8_t>(HexZuZahl(kurzText));
}

}  // namespace Kollision
