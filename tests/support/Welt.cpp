#include "Welt.h"

#include <algorithm>

#include "Frm_Bearbeiten.h"
#include "Tilesetblock.h"
#include "frm_Angaben.h"

namespace Welt {

Fläche& Tile(int i) { return Frm_Bearbeiten::Instanz().Fläche(i); }

QStringList Ansicht() {
  QStringList t;
  for (int i = 1; i <= Tilesetblock::Kacheln; ++i) t << Tile(i).Zurükgeben();
  return t;
}

QStringList Gelesen(const QByteArray& block) {
  const Tilesetblock::KachelTexte t = Tilesetblock::Lesen(block);
  return QStringList(t.begin(), t.end());
}

void Bemalen() {
  Tile(1).Direkt(QString(64, QLatin1Char('3')));
  Tile(64).Direkt(QString(32, QLatin1Char('2')) + QString(32, QLatin1Char('4')));
  Tile(96).Direkt(QString(64, QLatin1Char('1')));
}

void Waehlen(frm_Angaben& f, int n) {
  f.Auswahl->setCurrentIndex(n - 1);
  f.Auswahl_Click();
}

frm_Angaben& Offen(Testumgebung& u, int n) {
  u.fenster().RomÖffnen(u.rom());
  Waehlen(u.fenster(), n);
  return u.fenster();
}

QByteArray Rom(const Testumgebung& u) { return u.Lies(QStringLiteral("test.gb")); }

bool HatErfolg(const Testumgebung& u) { return u.Texte().contains(QLatin1String("erfolgreich")); }

QString NurGeaendert(const QByteArray& vorher, const QByteArray& nachher, const Bereiche& erlaubt) {
  if (vorher.size() != nachher.size())
    return QStringLiteral("Länge %1 statt %2").arg(nachher.size()).arg(vorher.size());
  for (qint64 i = 0; i < vorher.size(); ++i) {
    if (vorher[i] == nachher[i]) continue;
    const bool drin = std::any_of(erlaubt.begin(), erlaubt.end(),
                                  [i](const auto& b) { return i >= b.first && i < b.first + b.second; });
    if (!drin) return QStringLiteral("Byte %1 geändert").arg(i, 0, 16);
  }
  return {};
}

}  // namespace Welt
