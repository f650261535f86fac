#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <cstdint>
#include <vector>

#include "Kaputtrom.h"

class Testumgebung;

// Runs every read path over one damaged file after another in the same test
// world, each case under a time bound, and keeps the figures.
class Fehlfaelle {
 public:
  explicit Fehlfaelle(Testumgebung& u) : m_u(u) {}

  // Writes `inhalt` as `datei` and reads everything. neuesFenster: the main
  // window reads the file only when it is built. False (a test failure
  // recorded) when a case changed a file or ran too long.
  bool Fall(const QString& datei, const QByteArray& inhalt, bool neuesFenster);
  // The same over whatever the test set up itself (settings), named `fall`.
  bool Lauf(const QString& fall, bool neuesFenster);

  // Writes "cases<TAB>longest case in ms" for scripts/zuverlaessigkeit.
  void Festhalten(const QString& name) const;

 private:
  Testumgebung& m_u;
  int m_faelle = 0;
  qint64 m_laengste = 0;
};

// Lengths at which a file of `saetze` records of `satz` bytes can be cut so
// that a record, or one of the fields at `felder` in it, ends early.
QList<qint64> Schnitte(int saetze, qint64 satz, const QList<qint64>& felder);

// 200 ROMs damaged in `felder` of their header table (fixed seed `saat`),
// each through every read path; none may change a file or grow the ROM. The
// figures go to `zahlen`.
void KaputteRomsLesen(std::uint32_t saat, const std::vector<Kaputtrom::Feld>& felder, const QString& zahlen);
