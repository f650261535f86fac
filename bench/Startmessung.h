#pragma once

// Start-up as a user feels it: from starting a process until its window is
// mapped on an X server (Xvfb, named by TESSARON_BENCH_X, e.g. ":98"). The
// program (with the demo ROM) and the bare window alternate; medians in ms,
// -1 when there is no X server or a window never appeared.
struct Startwerte {
  double programm = -1;  // main window "Tessaron" mapped
  double ansicht = -1;   // tileset view "Tileset aussehen" mapped
  double leer = -1;      // the bare program's window mapped
};

Startwerte StartMessen(int runden);
