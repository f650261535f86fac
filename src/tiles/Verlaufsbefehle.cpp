#include "Verlaufsbefehle.h"

#include <QAction>
#include <QWidget>

#include "Bearbeitungsverlauf.h"

namespace {
QList<QKeySequence> Tasten(QKeySequence::StandardKey standard, const QList<QKeySequence>& dazu) {
  QList<QKeySequence> tasten = QKeySequence::keyBindings(standard);
  for (const QKeySequence& t : dazu)
    if (!tasten.contains(t)) tasten << t;
  return tasten;
}

void Benennen(QAction* a, const QString& text, const QString& schritt) {
  a->setText(schritt.isEmpty() ? text : text + QStringLiteral(": ") + schritt);
}

// The action shows its command and the step it would act on, and is enabled
// only while there is such a step.
QAction* Befehl(QWidget& fenster, QUndoStack& stapel, bool rueckwaerts, const QList<QKeySequence>& tasten) {
  const QString text = rueckwaerts ? QStringLiteral("&Rückgängig") : QStringLiteral("&Wiederholen");
  auto* a = new QAction(&fenster);
  a->setObjectName(rueckwaerts ? QStringLiteral("Cmd_Rückgängig") : QStringLiteral("Cmd_Wiederholen"));
  a->setShortcuts(tasten);
  a->setEnabled(rueckwaerts ? stapel.canUndo() : stapel.canRedo());
  Benennen(a, text, rueckwaerts ? stapel.undoText() : stapel.redoText());
  fenster.addAction(a);
  QObject::connect(&stapel, rueckwaerts ? &QUndoStack::canUndoChanged : &QUndoStack::canRedoChanged, a,
                   &QAction::setEnabled);
  QObject::connect(&stapel, rueckwaerts ? &QUndoStack::undoTextChanged : &QUndoStack::redoTextChanged, a,
                   [a, text](const QString& schritt) { Benennen(a, text, schritt); });
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
