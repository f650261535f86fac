#include "Fehleingaben.h"

// Tilesets.gb, OriginalPaletten.gb and OriginalPointer.ini cut at every boundary of their
// records and fields.

int main(int argc, char** argv) { return FehleingabenPruefen(Fehlfamilie::Seitendateien, argc, argv); }
