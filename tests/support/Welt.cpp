#include "Welt.h"

#include <QPaintEvent>
#include <QSettings>

#include "Farbmodell.h"
#include "Frm_Bearbeiten.h"
#include "Tilesetblock.h"
#include "frm_Angaben.h"

namespace Welt {

std::array<std::uint32_t, 4> PlanFarben(const Rombau::Plan& plan, int t, int p) {
  std::array<std::uint32_t, 4> farben{};
  for (int c = 0; c < 4; ++c)
    farben[c] = FarbtextZuFarbe(QString::fromLatin1(plan.paletten.mid(64 * t + 8 * p + 2 * c, 2).toHex()));
  return farben;
}

namespace {
const QString Schluessel = QStringLiteral("Einstelungen/Speicher");
QSettings Einstellungen() { return QSettings(QStringLiteral("ZERAN"), QStringLiteral("Tessaron")); }
}  // namespace

void Optionen(const QString& text) {
  if (text.isEmpty())
    Einstellungen().remove(Schluessel);
  else
    Einstellungen().setValue(Schluessel, text);
}

QString Optionen() { return Einstellungen().value(Schluessel).toString(); }

bool Malzeuge::eventFilter(QObject* o, QEvent* e) {
  if (e->type() == QEvent::Paint) bereiche[o] += static_cast<QPaintEvent*>(e)->region();
  return false;
}

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

}  // namespace Welt
