#include "Verlaufsbefehle.h"

#include <QAction>
#include <QCoreApplication>
#include <QWidget>

#include "Bearbeitungsverlauf.h"
#include "Uebersetzung.h"

namespace {
QList<QKeySequence> Tasten(QKeySequence::StandardKey standard, const QList<QKeySequence>& dazu) {
  QList<QKeySequence> tasten = QKeySequence::keyBindings(standard);
  for (const QKeySequence& t : dazu)
    if (!tasten.contains(t)) tasten << t;
  return tasten;
}

// Step names are German (QT_TRANSLATE_NOOP in this context) and shown in the
// language of the moment.
void Benennen(QAction* a, bool rueckwaerts, const QString& schritt) {
  const QString text = rueckwaerts ? QCoreApplication::translate("Verlaufsbefehle", "&Rückgängig")
                                   : QCoreApplication::translate("Verlaufsbefehle", "&Wiederholen");
  a->setText(schritt.isEmpty()
                 ? text
                 : text + QStringLiteral(": ") +
                       QCoreApplication::translate("Verlaufsbefehle", schritt.toUtf8().constData()));
}

// The action shows its command and the step it would act on, and is enabled
// only while there is such a step.
QAction* Befehl(QWidget& fenster, QUndoStack& stapel, bool rueckwaerts, const QList<QKeySequence>& tasten) {
  auto* a = new QAction(&fenster);
  a->setObjectName(rueckwaerts ? QStringLiteral("Cmd_Rückgängig") : QStringLiteral("Cmd_Wiederholen"));
  a->setShortcuts(tasten);
  a->setEnabled(rueckwaerts ? stapel.canUndo() : stapel.canRedo());
  auto benennen = [a, rueckwaerts, &stapel] {
    Benennen(a, rueckwaerts, rueckwaerts ? stapel.undoText() : stapel.redoText());
  };
  benennen();
  BeiSprachwechsel(a, benennen);
  fenster.addAction(a);
  QObject::connect(&stapel, rueckwaerts ? &QUndoStack::canUndoChanged : &QUndoStack::canRedoChanged, a,
                   &QAction::setEnabled);
  QObject::connect(&stapel, rueckwaerts ? &QUndoStack::undoTextChanged : &QUndoStack::redoTextChanged, a,
                   [a, rueckwaerts](const QString& schritt) { Benennen(a, rueckwaerts, schritt); });
  return a;
}
}  // namespace

Verlaufsbefehle VerlaufsbefehleAnlegen(QWidget& fenster, Bearbeitungsverlauf& verlauf) {
  QUndoStack& stapel = verlauf.Stapel();
  QAction* rueck = Befehl(fenster, stapel, true, Tasten(QKeySequence::Undo, {}));
  QAction* wieder = Befehl(fenster, stapel, false,
                           Tasten(QKeySequence::Redo, {QKeySequence(Qt::CTRL | Qt::Key_Y),
                                                       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}));
  QObject::connect(rueck, &QAction::triggered, &stapel, [&verlauf] { verlauf.Rückgängig(); });
  QObject::connect(wieder, &QAction::triggered, &stapel, [&verlauf] { verlauf.Wiederholen(); });
  return {rueck, wieder};
}
