#pragma once

#include <QString>
#include <QStringList>

// Making and applying patches from the command line: any files, no game
// checks, and nothing written unless the whole result is.
namespace Befehlszeilenpatch {

enum class Art { Erstellen, Anwenden };

// dateien: ORIGINAL GEAENDERT AUSGABE, or PATCH ROM AUSGABE. "" on success,
// else one German line saying why nothing was written.
QString Ausfuehren(Art art, const QStringList& dateien);

// The refusal of an output that is one of the command's inputs.
QString AusgabeIstEingabe(const QString& ausgabe);

}  // namespace Befehlszeilenpatch
