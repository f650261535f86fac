#pragma once

#include <QString>
#include <functional>

// Every message of the program passes through here. The windows install a
// function that shows a modal box; code without a screen (and its tests) can
// install its own.
// JaNein has No as its default button, JaNeinStandardJa Yes.
enum class Knoepfe { OK, JaNein, JaNeinStandardJa };
enum class Antwort { OK, Ja, Nein };

using MeldungsFunktion = std::function<Antwort(const QString& text, const QString& titel, Knoepfe knoepfe)>;

void MeldungSetzen(MeldungsFunktion funktion);
Antwort Meldung(const QString& text, const QString& titel = {}, Knoepfe knoepfe = Knoepfe::OK);

// True, after telling the user, when no ROM is open for an operation that
// writes into one.
bool KeinRomOffen();
