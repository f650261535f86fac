#include "Kollision.h"

#include "Blockdaten.h"
#include "Kopftabelle.h"
#include "Zahlen.h"

namespace Kollision {

qint64 ZeigerOrt(int tileset) { return ZeigerBasis + Kopftabelle::Satz * tileset; }

qint64 SatzOffset(qint64 tabelle, int block) { return tabelle + SatzLaenge * block; }

const std::array<Bekannt, 18>& Bekannte() {
  static const std::array<Bekannt, 18> werte{{
      {0x00, QStringLiteral("00 - Kein Hindernis")},
      {0x01, QStringLiteral("01 - Kein Hindernis")},
      {0x07, QStringLiteral("07 - Hindernis")},
      {0x12, QStringLiteral("12 - Busch (Zerschneider)")},
      {0x15, QStringLiteral("15 - Kleiner Baum (Kopfnuss)")},
      {0x18, QStringLiteral("18 - Hohes Gras")},
      {0x24, QStringLiteral("24 - Strudel (Whirlpool)")},
      {0x27, QStringLiteral("27 - Hindernis (im Wasser)")},
      {0x29, QStringLiteral("29 - Wasser (Surfer)")},
      {0x70, QStringLiteral("70 - Teppich Unten")},
      {0x71, QStringLiteral("71 - Tür")},
      {0x7B, QStringLiteral("7B -Höhleneingang")},
      {0x76, QStringLiteral("76 - Teppich Links")},
      {0x7E, QStringLiteral("7E - Teppich Rechts")},
      {0xA0, QStringLiteral("A0 - Hiro kann nach rechts springen.")},
      {0xA1, QStringLiteral("A1 - Hiro kann nach links springen.")},
      {0xA3, QStringLiteral("A3 - Hiro kann nach unten springen.")},
      {0xB2, QStringLiteral("B2 - Freier Block (Auf Klippen)")},
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
  for (const Bekannt& b : Bekannte()) text += b.text + QLatin1Char('\n');
  return text + QStringLiteral("\nDie restlichen sind nochnicht bekannt. Aufjedenfahl kenne ich sie nicht.");
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
