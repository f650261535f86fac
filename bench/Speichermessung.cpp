#include "Speichermessung.h"

#include <QCoreApplication>
#include <QProcess>
#include <algorithm>
#include <vector>

namespace {
struct Probe {
  double spitze = -1;
  double jetzt = -1;
};

void Starten(QProcess& p, const char* art) {
  p.start(QCoreApplication::applicationDirPath() + QStringLiteral("/tessaron_speicher"),
          {QString::fromLatin1(art)});
}

Probe Auslesen(QProcess& p) {
  if (!p.waitForFinished(120000) || p.exitCode() != 0) return {};
  const QList<QByteArray> teile = p.readAllStandardOutput().simplified().split(' ');
  if (teile.size() < 4) return {};
  return {teile[1].toDouble() / 1024, teile[3].toDouble() / 1024};
}

double Median(std::vector<double> werte) {
  std::sort(werte.begin(), werte.end());
  return werte.empty() ? -1 : werte[werte.size() / 2];
}
}  // namespace

Speicherwerte SpeicherMessen(int runden) {
  std::vector<double> ps, ls, pj, lj;
  for (int r = 0; r < runden; ++r) {
    QProcess programm, leer;
    Starten(programm, "voll");
    Starten(leer, "leer");
    const Probe a = Auslesen(programm), b = Auslesen(leer);
    ps.push_back(a.spitze);
    pj.push_back(a.jetzt);
    ls.push_back(b.spitze);
    lj.push_back(b.jetzt);
  }
  return {Median(ps), Median(ls), Median(pj), Median(lj)};
}
