#pragma once

// A check for packagers and CI, out of the user's way: with the environment
// variable TESSARON_SELBSTTEST set, every message goes to standard error and
// is answered No, and the program ends as soon as its event loop starts,
// after the ROM named on the command line was opened: exit code 0 when a ROM
// is open then, 1 otherwise.
void SelbsttestEinrichten();
