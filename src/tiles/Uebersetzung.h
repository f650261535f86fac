#pragma once

#include <QObject>
#include <functional>

// Makes every control follow a language switch (see Sprache.h for the rule a
// new text follows): on QEvent::LanguageChange each widget's and action's
// texts that came from a translation are translated again from their German
// source; a text with one number in it ("Titelset%1", "Farbe%1:") keeps its
// number. A text a window put together from several parts at run time it
// sets again itself through BeiSprachwechsel, which runs afterwards.
void UebersetzungEinrichten();

// Runs `neu` each time `objekt` is told that the language changed.
void BeiSprachwechsel(QObject* objekt, std::function<void()> neu);
