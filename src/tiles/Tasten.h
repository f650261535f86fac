#pragma once

#include <QChar>

class QKeyEvent;

// Key rules shared by the hex text boxes.

// Ctrl held alone (the keypad flag aside).
bool NurStrg(const QKeyEvent& e);

// 0-9, A-F or a-f.
bool IstHexZeichen(QChar c);

// Whether the key types a character. Keys that type none (arrows, Delete)
// never reach the character rules and keep their usual effect.
bool TipptZeichen(const QKeyEvent& e);
