#pragma once

#include <QObject>
#include <functional>

// Makes every control follow a language switch (see Sprache.h for the rule a
// new text follows): on QEvent::LanguageChange each widget's and action's
// texts that came from a translation are translated again from their German
// source. A text with one number in it ("Titelset%1", "Farbe%1:") follows
// too, keeping its number. The other texts a window put together at run time it sets again itself,
// through BeiSprachwechsel (or its changeEvent), which runs afterwards.
void UebersetzungEinrichten();

// Runs `neu` each time `objekt` is told that the language changed.
void BeiSprachwechsel(QObject* objekt, std::function<void()> neu);
