#include "Fehleingaben.h"

// Pictures cut off, damaged, tiny, claiming 20000 x 20000 pixels, or no pictures at all.

int main(int argc, char** argv) { return FehleingabenPruefen(Fehlfamilie::Bilder, argc, argv); }
