#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <map>
#include <utility>
#include <vector>

#include "Testumgebung.h"

// Bytes written at an offset of one file, in the order they apply.
using Flicken = std::vector<std::pair<qint64, QByteArray>>;

// Every write operation of the program as a row the reliability tests walk:
// how to bring a fresh test world to the point where the command changes the
// file, the command itself, driven through the windows' public members, and
// the bytes a clean run writes, taken from the file layouts and the test plan.
struct Schreiboperation {
  QString name;
  QString datei;  // the file of the test folder it writes
  std::function<void(Testumgebung&)> vorbereiten;
  std::function<void(Testumgebung&)> ausfuehren;
  std::function<Flicken(Testumgebung&)> erwartet;  // asked after vorbereiten
};

std::vector<Schreiboperation> Schreiboperationen();

// Every file of the test folder by name.
using Dateistand = std::map<QString, QByteArray>;
Dateistand Stand(const Testumgebung& u);
// `vorher` with the operation's expected bytes in its file.
Dateistand Erwartet(Testumgebung& u, const Schreiboperation& op, const Dateistand& vorher);
// "" when the folder holds exactly the files of `soll` with their bytes;
// otherwise the first file and offset that differ.
QString Abweichung(const Dateistand& soll, const Dateistand& ist);

bool MeldetFehler(const Testumgebung& u);
// A "Fehler" message whose text names the file.
bool FehlerNenntDatei(const Testumgebung& u, const QString& pfad);
