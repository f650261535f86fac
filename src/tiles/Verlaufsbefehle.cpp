#include "Verlaufsbefehle.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QHash>
#include <QPointer>
#include <QUndoGroup>
#include <QWidget>
#include <QWindow>

#include "Bearbeitungsverlauf.h"
#include "Uebersetzung.h"

namespace {
// The group lives with the application; the histories and windows leave it
// when they are destroyed.
struct Gruppe {
  QUndoGroup* gruppe = new QUndoGroup(qApp);
  QHash<const QUndoStack*, Bearbeitungsverlauf*> verlaeufe;
  QHash<const QWidget*, QUndoStack*> fenster;
  QPointer<QUndoStack> standard;
  std::function<void()> beobachter;

  Gruppe() {
    QObject::connect(qApp, &QGuiApplication::focusWindowChanged, gruppe, [this] { Folgen(); });
  }
  void Folgen() {
    QUndoStack* stapel = fenster.value(QApplication::activeWindow(), standard.data());
    if (stapel) gruppe->setActiveStack(stapel);
  }
  Bearbeitungsverlauf* Aktiv() const { return verlaeufe.value(gruppe->activeStack()); }
};

Gruppe& Verlaeufe() {
  static Gruppe g;
  return g;
}

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
QAction* Befehl(QWidget& fenster, bool rueckwaerts, const QList<QKeySequence>& tasten) {
  QUndoGroup* gruppe = Verlaeufe().gruppe;
  auto* a = new QAction(&fenster);
  a->setObjectName(rueckwaerts ? QStringLiteral("Cmd_Rückgängig") : QStringLiteral("Cmd_Wiederholen"));
  a->setShortcuts(tasten);
  a->setShortcutContext(Qt::ApplicationShortcut);
  a->setEnabled(rueckwaerts ? gruppe->canUndo() : gruppe->canRedo());
  auto benennen = [a, rueckwaerts, gruppe] {
    Benennen(a, rueckwaerts, rueckwaerts ? gruppe->undoText() : gruppe->redoText());
  };
  benennen();
  BeiSprachwechsel(a, benennen);
  fenster.addAction(a);
  QObject::connect(gruppe, rueckwaerts ? &QUndoGroup::canUndoChanged : &QUndoGroup::canRedoChanged, a,
                   &QAction::setEnabled);
  QObject::connect(gruppe, rueckwaerts ? &QUndoGroup::undoTextChanged : &QUndoGroup::redoTextChanged, a,
                   [a, rueckwaerts](const QString& schritt) { Benennen(a, rueckwaerts, schritt); });
  QObject::connect(a, &QAction::triggered, gruppe, [rueckwaerts] {
    if (Bearbeitungsverlauf* verlauf = Verlaeufe().Aktiv())
      rueckwaerts ? verlauf->Rückgängig() : verlauf->Wiederholen();
  });
  return a;
}
}  // namespace

Verlaufsbefehle VerlaufsbefehleAnlegen(QWidget& hauptfenster) {
  QAction* rueck = Befehl(hauptfenster, true, Tasten(QKeySequence::Undo, {}));
  QAction* wieder = Befehl(hauptfenster, false,
                           Tasten(QKeySequence::Redo, {QKeySequence(Qt::CTRL | Qt::Key_Y),
                                                       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}));
  return {rueck, wieder};
}

void VerlaufAnmelden(QWidget& fenster, Bearbeitungsverlauf& verlauf, bool standard) {
  Gruppe& g = Verlaeufe();
  QUndoStack* stapel = &verlauf.Stapel();
  if (!g.verlaeufe.contains(stapel)) {
    g.gruppe->addStack(stapel);
    g.verlaeufe.insert(stapel, &verlauf);
    QObject::connect(stapel, &QObject::destroyed, g.gruppe,
                     [stapel] { Verlaeufe().verlaeufe.remove(stapel); });
    const auto melden = [] {
      if (Verlaeufe().beobachter) Verlaeufe().beobachter();
    };
    QObject::connect(stapel, &QUndoStack::indexChanged, g.gruppe, melden);
    QObject::connect(stapel, &QUndoStack::cleanChanged, g.gruppe, melden);
  }
  if (standard) g.standard = stapel;
  g.fenster.insert(&fenster, stapel);
  QObject::connect(&fenster, &QObject::destroyed, g.gruppe,
                   [f = &fenster] { Verlaeufe().fenster.remove(f); });
  QObject::connect(stapel, &QUndoStack::cleanChanged, &fenster,
                   [&fenster](bool sauber) { fenster.setWindowModified(!sauber); });
  fenster.setWindowModified(!stapel->isClean());
  g.Folgen();
}

void VerlaufBeobachten(std::function<void()> geaendert) { Verlaeufe().beobachter = std::move(geaendert); }
