#include "Fehleingaben.h"

// ROM header tables damaged in the block, collision and palette-assignment pointers.

int main(int argc, char** argv) { return FehleingabenPruefen(Fehlfamilie::RomTabellen, argc, argv); }
