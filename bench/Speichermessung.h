#pragma once

// Peak and current memory of the program with every window open and of a
// bare Qt widgets program, started side by side as two processes. Medians
// over the rounds, in MiB; negative when a process failed.
struct Speicherwerte {
  double programmSpitze = -1;
  double leerSpitze = -1;
  double programmJetzt = -1;
  double leerJetzt = -1;
};

Speicherwerte SpeicherMessen(int runden);
