#include "Fehleingaben.h"

// Stored options texts that are not eight digits, and settings files damaged by hand.

int main(int argc, char** argv) { return FehleingabenPruefen(Fehlfamilie::Optionen, argc, argv); }
