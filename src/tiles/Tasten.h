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

// Keys the boxes ignore whatever their rules: Ctrl+Backspace types a character
// no rule takes, and Alt or Meta combinations type nothing into a box.
bool TutNichts(const QKeyEvent& e);

// Of the Ctrl combinations that reach the character rules, only Ctrl+C,
// Ctrl+X and Ctrl+Z do their usual work; the others type nothing.
bool StrgErlaubt(const QKeyEvent& e);
