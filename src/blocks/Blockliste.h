#pragma once

#include <QComboBox>
#include <functional>

// Runs `klick` whenever the list's block is chosen: when the index changes (by
// the user or by the code, as the two block windows keep each other in step)
// and when the user picks the block that is already chosen, which reloads it
// and drops unsaved changes.
void BeiJederWahl(QComboBox& liste, std::function<void()> klick);

// Chooses entry `index`; when it is chosen already, runs `klick` itself, as a
// choice of the same entry reloads it.
void Waehlen(QComboBox& liste, int index, const std::function<void()>& klick);

// A block picked in either block window: both read it, so their unwritten
// changes are asked about first. Cancel puts `liste` back on `bisher`.
bool BlockWechselErlaubt(QComboBox& liste, int bisher);
