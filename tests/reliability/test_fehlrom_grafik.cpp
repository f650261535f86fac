#include "Fehleingaben.h"

// ROM header tables damaged in the graphics pointers (which decide between the ROM and
// Tilesets.gb, and what an insertion would erase), and records of noise.

int main(int argc, char** argv) { return FehleingabenPruefen(Fehlfamilie::RomGrafik, argc, argv); }
