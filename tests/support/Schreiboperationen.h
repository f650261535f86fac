#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <map>
#include <vector>

#include "Testumgebung.h"

// Every write operation of the program as a row the reliability tests walk:
// how to bring a fresh test world to the point where the command changes the
// file, and the command itself, driven through the windows' public members.
struct Schreiboperation {
  QString name;
  QString datei;  // the file of the test folder it writes
  std::function<void(Testumgebung&)> vorbereiten;
  std::function<void(Testumgebung&)> ausfuehren;
};

std::vector<Schreiboperation> Schreiboperationen();

// Every file of the test folder by name.
using Dateistand = std::map<QString, QByteArray>;
Dateistand Stand(const Testumgebung& u);
// Bytes that differ between two states of the folder; a length change counts
// in full.
qint64 Geaendert(const Dateistand& vorher, const Dateistand& nachher);

bool MeldetErfolg(const Testumgebung& u);
bool MeldetFehler(const Testumgebung& u);
// A "Fehler" message whose text names the file.
bool FehlerNenntDatei(const Testumgebung& u, const QString& pfad);
