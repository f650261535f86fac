#pragma once

#include <QString>

// Tests the 1542 bytes at Offset of Datei for a stored tileset and asks the
// user when the area is taken. Ergebnis: "" (write) or "close" (do not).
// An empty Datei means the ROM and is written back; an empty Offset means
// ZielOffset.
void LeerPrüfen(QString& Ergebnis, QString& Datei, QString Offset);
