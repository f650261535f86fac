#pragma once

// Damaged inputs, family by family, as a QtTest program with one data row per
// case: stored options texts, ROM header tables damaged in their graphics pointers or in their
// block, collision and palette-assignment pointers, and cut side files. Each
// case goes through every read path a user reaches without writing; no file
// of the folder may change, and a watchdog aborts a case that hangs, naming
// it. The figures go to scripts/zuverlaessigkeit via KennzahlenSchreiben.
enum class Fehlfamilie { Optionen, RomGrafik, RomTabellen, Seitendateien };

int FehleingabenPruefen(Fehlfamilie familie, int argc, char** argv);
