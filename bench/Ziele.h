#pragma once

#include "Medianbericht.h"
#include "Speichermessung.h"
#include "Startmessung.h"

// Prints the machine, then one table row per goal (operation, median,
// baseline, ratio, goal, verdict), then "N of M goals met" as the last line.
// Returns the number of goals missed.
int TabelleDrucken(const Medianbericht& bericht, const Speicherwerte& speicher, const Startwerte& start);
