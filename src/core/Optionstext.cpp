#include "Optionstext.h"

#include <QSettings>

namespace {
// -1 when the character is not a digit.
int Ziffer(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9') ? c.unicode() - '0' : -1; }

// Exactly one "1" among the digits, all others "0".
bool EinerGesetzt(const QString& gruppe) {
  return gruppe.count(QLatin1Char('1')) == 1 && gruppe.count(QLatin1Char('0')) == gruppe.size() - 1;
}

QChar Bit(bool b) { return b ? QLatin1Char('1') : QLatin1Char('0'); }
}  // namespace

Optionen OptionstextLesen(const QString& text) {
  Optionen o;
  if (text.size() < 8) return o;
  const QString farben = text.mid(0, 3);
  if (EinerGesetzt(farben)) {
    o.AlteFarben = farben[0] == QLatin1Char('1');
    o.Grau = farben[1] == QLatin1Char('1');
    o.OriginalFarben = farben[2] == QLatin1Char('1');
  }
  if (const int zeit = Ziffer(text[3]); zeit >= 0 && zeit <= 4) o.Zeit = zeit;
  if (const int raster = Ziffer(text[4]); raster == 0 || raster == 1) o.Raster = raster == 1;
  if (const int grösse = Ziffer(text[5]); grösse >= 1 && grösse <= 6) o.Grösse = grösse;
  const QString liste = text.mid(6, 2);
  if (EinerGesetzt(liste)) {
    o.AlleWerte = liste[0] == QLatin1Char('1');
    o.NurErklärte = liste[1] == QLatin1Char('1');
  }
  return o;
}

QString OptionstextBauen(const Optionen& o) {
  QString text;
  text += Bit(o.AlteFarben);
  text += Bit(o.Grau);
  text += Bit(o.OriginalFarben);
  text += QString::number(o.Zeit);
  text += Bit(o.Raster);
  text += QString::number(o.Grösse);
  text += Bit(o.AlleWerte);
  text += Bit(o.NurErklärte);
  return text;
}

QSettings Einstellungen() { return QSettings(QStringLiteral("ZERAN"), QStringLiteral("Tessaron")); }

Optionen GespeicherteOptionen() {
  return OptionstextLesen(Einstellungen().value(OptionenSchluessel, StandardOptionstext).toString());
}
