#include "Fehleingaben.h"

// OriginalPointer.ini cut inside its records, and with pointer texts that are not hex.

int main(int argc, char** argv) { return FehleingabenPruefen(Fehlfamilie::Pointer, argc, argv); }
