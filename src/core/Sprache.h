#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// The language of everything the user sees, German or English.
//
// The one rule for a new text a user sees: write the German text where it is
// used as QCoreApplication::translate("<window class or core unit>", "German")
// (tr() in a Q_OBJECT class; QT_TRANSLATE_NOOP in a table, translated where
// it is shown; an undo step's name as QT_TRANSLATE_NOOP("Verlaufsbefehle",
// ...)). A control's text set that way follows a language switch by itself;
// only a text put together from several parts at run time is set again by
// its window (BeiSprachwechsel in Uebersetzung.h). A message is translated
// when it is shown, so it needs nothing more.
namespace Sprache {

inline const QString Schluessel = QStringLiteral("Einstelungen/Sprache");
// The languages there are; German, the source, first.
inline const QStringList Codes = {QStringLiteral("de"), QStringLiteral("en")};

// One of Codes: the stored choice; without one the system's language when
// there is a translation into it, otherwise German.
QString Gespeichert();
// Translates everything into `code` from now on, and tells every window.
void Laden(const QString& code);
// Laden, and the choice kept for the next start.
void Waehlen(const QString& code);
QString Aktuell();

// Where a text now shown came from, so a control's text can follow a switch.
// Of several sources with the same translation, the one of context `kontext`
// (the window's), else the first.
struct Herkunft {
  QByteArray kontext;
  QByteArray quelle;
  bool operator==(const Herkunft&) const = default;
};
std::optional<Herkunft> HerkunftVon(const QString& gezeigt, const QString& kontext);

}  // namespace Sprache
