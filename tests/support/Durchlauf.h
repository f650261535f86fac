#pragma once

#include <QString>

class Testumgebung;

// Every read path a user reaches without writing, on whatever data the test
// folder holds: open the ROM, show every window, choose all 28 tilesets, leaf
// through blocks, collision records, palettes, times of day and animations,
// read tilesets in both side-file modes, run the free-offset search.
// Questions are answered No. Returns false (with the reason) when a file
// changed.
bool AllesLesen(Testumgebung& u, QString& grund);
