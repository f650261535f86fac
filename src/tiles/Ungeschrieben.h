#pragma once

#include <QString>
#include <functional>

class QWidget;

// What the editors hold and have not written yet, for the question asked
// before anything would drop it. Each editor enters itself once; an editor
// window that is destroyed leaves.
namespace Ungeschrieben {

// text: what would be lost, in one sentence ("Titelset3: 5 Tiles sind noch
// nicht geschrieben."), empty while nothing is unwritten. speichern: the
// editor's one-step save, empty when it has none; it leaves `text` empty
// when it succeeded.
void Anmelden(QWidget& fenster, std::function<QString()> text, std::function<void()> speichern = {});

// Asks about every editor that holds unwritten changes and whose window
// `betroffen` names (every editor when it is empty), one question each:
// Discard, Cancel and, where the editor saves in one step, Save. True when
// nothing unwritten is left in the way: all of it was discarded or saved.
// False at the first Cancel or failed save.
using Auswahl = std::function<bool(const QWidget& fenster)>;
bool Fragen(const Auswahl& betroffen = {});
// Only the editor in `fenster`.
bool Fragen(const QWidget& fenster);
// Whether any editor holds unwritten changes; asks nothing.
bool Vorhanden();

}  // namespace Ungeschrieben
