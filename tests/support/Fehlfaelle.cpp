#include "Fehlfaelle.h"

#include <QElapsedTimer>
#include <QTest>

#include "Dateizugriff.h"
#include "Durchlauf.h"
#include "Kennzahlen.h"
#include "Rombau.h"
#include "Testumgebung.h"

namespace {
constexpr qint64 Zeitgrenze = 20000;  // ms for one case, under the sanitizers
}

bool Fehlfaelle::Fall(const QString& datei, const QByteArray& inhalt, bool neuesFenster) {
  m_u.Schreib(datei, inhalt);
  return Lauf(QStringLiteral("%1 (%2 Bytes)").arg(datei).arg(inhalt.size()), neuesFenster);
}

bool Fehlfaelle::Lauf(const QString& fall, bool neuesFenster) {
  Dateizugriff::Vergessen();
  QElapsedTimer uhr;
  uhr.start();
  if (neuesFenster) m_u.FensterNeu();
  QString grund;
  const QString name = QStringLiteral("Fall %1, %2: ").arg(m_faelle).arg(fall);
  const bool gelesen = AllesLesen(m_u, grund);
  m_laengste = std::max(m_laengste, uhr.elapsed());
  m_u.meldungen.clear();
  ++m_faelle;
  [&] {
    QVERIFY2(gelesen, qPrintable(name + grund));
    QVERIFY2(uhr.elapsed() < Zeitgrenze, qPrintable(name + QStringLiteral("hing")));
  }();
  return !QTest::currentTestFailed();
}

void Fehlfaelle::Festhalten(const QString& name) const {
  KennzahlenSchreiben(name, {QStringLiteral("%1\t%2").arg(m_faelle).arg(m_laengste)});
}

QList<qint64> Schnitte(int saetze, qint64 satz, const QList<qint64>& felder) {
  QList<qint64> laengen;
  for (int r = 0; r < saetze; ++r)
    for (qint64 f : felder) laengen << r * satz + f;
  laengen << saetze * satz;
  return laengen;
}

void KaputteRomsLesen(std::uint32_t saat, const std::vector<Kaputtrom::Feld>& felder, const QString& zahlen) {
  Testumgebung u;
  const QString rom = QStringLiteral("test.gb");
  const QByteArray grund = u.Lies(rom);
  std::mt19937 gen(saat);
  Fehlfaelle f(u);
  for (int fall = 0; fall < 200; ++fall) {
    if (!f.Fall(rom, Kaputtrom::Beschaedigt(grund, gen, felder), false)) return;
    QCOMPARE(u.Lies(rom).size(), Rombau::RomLaenge);
  }
  f.Festhalten(zahlen);
}
