#pragma once

#include <QString>
#include <functional>

// Every message of the program passes through here. The windows install a
// function that shows a modal box; code without a screen (and its tests) can
// install its own.
// JaNein has No as its default button, JaNeinStandardJa Yes. The questions
// before unwritten changes go (Verwerfen: Discard and Cancel, SpeichernVerwerfen
// also Save) have Cancel as their default.
enum class Knoepfe { OK, JaNein, JaNeinStandardJa, Verwerfen, SpeichernVerwerfen };
enum class Antwort { OK, Ja, Nein, Speichern, Verwerfen, Abbrechen };

// The answer that changes nothing: for a box without a person to answer it.
Antwort Ablehnung(Knoepfe knoepfe);

using MeldungsFunktion = std::function<Antwort(const QString& text, const QString& titel, Knoepfe knoepfe)>;

void MeldungSetzen(MeldungsFunktion funktion);
Antwort Meldung(const QString& text, const QString& titel = {}, Knoepfe knoepfe = Knoepfe::OK);

// True, after telling the user, when no ROM is open for an operation that
// writes into one.
bool KeinRomOffen();
