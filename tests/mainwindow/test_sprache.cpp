#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include "Flaeche.h"
#include "Frm_Bearbeiten.h"
#include "Sprache.h"
#include "Welt.h"
#include "frm_Angaben.h"

// The language switch: every text a user sees, in every window, changes with
// it while the program runs and stays chosen for the next start.
namespace {
using Texte = QMap<QString, QString>;

void Merken(Texte& t, const QString& ort, const QString& text) {
  if (!text.isEmpty()) t.insert(ort, text);
}

void WidgetTexte(Texte& t, const QString& ort, QWidget* w) {
  Merken(t, ort + QStringLiteral("/tip"), w->toolTip());
  if (auto* l = qobject_cast<QLabel*>(w)) Merken(t, ort, l->text());
  if (auto* b = qobject_cast<QAbstractButton*>(w)) Merken(t, ort, b->text());
  if (auto* g = qobject_cast<QGroupBox*>(w)) Merken(t, ort, g->title());
  if (auto* m = qobject_cast<QMenu*>(w)) Merken(t, ort, m->title());
  if (auto* c = qobject_cast<QComboBox*>(w))
    for (int i = 0; i < c->count(); ++i) Merken(t, ort + QStringLiteral("#%1").arg(i), c->itemText(i));
  if (auto* b = qobject_cast<QTreeWidget*>(w))
    for (int i = 0; i < b->columnCount(); ++i)
      Merken(t, ort + QStringLiteral("#%1").arg(i), b->headerItem()->text(i));
}

// Every text of every window on the screen, by window, control and place.
Texte Aufnahme() {
  for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
  Texte t;
  for (QWidget* fenster : QApplication::topLevelWidgets()) {
    const QString f = fenster->objectName();
    if (!fenster->isVisible() || f.isEmpty()) continue;
    Merken(t, f, fenster->windowTitle());
    for (QWidget* w : fenster->findChildren<QWidget*>())
      if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")))
        WidgetTexte(t, f + QLatin1Char('/') + w->objectName(), w);
    for (QAction* a : fenster->findChildren<QAction*>())
      if (!a->objectName().isEmpty()) Merken(t, f + QLatin1Char('/') + a->objectName(), a->text());
  }
  return t;
}

void AlleFensterZeigen(frm_Angaben& f) {
  for (QAction* a :
       {f.Cmd_TilesetPal, f.Cmd_PalettenZu, f.Cmd_Kolli, f.Cmd_Block, f.Cmd_Animationen, f.Cmd_Optionen,
        f.Cmd_Info, f.Cmd_Einfügenals, f.Cmd_BLaden, f.Cmd_Verlauf, f.Cmd_Blockuebersicht})
    a->trigger();
}

// The texts still German in `englisch`: the same as in `deutsch` and not a
// number, a hex value, a path or a word both languages share.
QStringList Deutschgeblieben(const Texte& deutsch, const Texte& englisch) {
  static const QStringList gleich = {
      QStringLiteral("Info"),    QStringLiteral("&Info"),    QStringLiteral("&OK"),
      QStringLiteral("Pointer"), QStringLiteral("&Pointer"), QStringLiteral("&Tileset"),
      QStringLiteral("Extras"),  QStringLiteral("Bytes"),    QStringLiteral("Deutsch"),
      QStringLiteral("English"), QStringLiteral("Tessaron"), QStringLiteral("Tessaron[*]")};
  static const QRegularExpression wort(QStringLiteral("[A-Za-zÄÖÜäöüß]{2,}"));
  static const QRegularExpression zahl(QStringLiteral("^[0-9A-F :]*$|^(Tile|Block|Offset):|^/"));
  QStringList geblieben;
  for (auto i = deutsch.cbegin(); i != deutsch.cend(); ++i)
    if (englisch.value(i.key()) == i.value() && wort.match(i.value()).hasMatch() &&
        !zahl.match(i.value()).hasMatch() && !gleich.contains(i.value()))
      geblieben << i.key() + QStringLiteral(": ") + i.value();
  return geblieben;
}
}  // namespace

class TestSprache : public QObject {
  Q_OBJECT
 private slots:
  void init() { Sprache::Waehlen(QStringLiteral("de")); }
  void cleanup() { Sprache::Waehlen(QStringLiteral("de")); }

  // Switched with every window open, nothing shown or painted is lost, and
  // switching back gives every German text again; a window built in English
  // is as English as one switched.
  void allesWechselt() {
    Testumgebung u;
    frm_Angaben& f = u.fenster();
    f.RomÖffnen(u.rom());
    AlleFensterZeigen(f);
    Frm_Bearbeiten::Instanz().Fläche(7).Zuteilen(QString(48, QLatin1Char('1')));
    const Texte deutsch = Aufnahme();
    QVERIFY(f.Cmd_Deutsch->isChecked());

    f.Cmd_Englisch->trigger();
    const Texte englisch = Aufnahme();
    QVERIFY2(Deutschgeblieben(deutsch, englisch).isEmpty(),
             qPrintable(Deutschgeblieben(deutsch, englisch).join(QLatin1Char('\n'))));
    QCOMPARE(englisch.keys(), deutsch.keys());
    QCOMPARE(Welt::Tile(7).Zurükgeben(), QString(48, QLatin1Char('1')));
    f.RomÖffnen(u.Pfad(QStringLiteral("fehlt.gb")));
    QCOMPARE(u.meldungen.back().text, QStringLiteral("This is not a valid ROM file."));

    f.Cmd_Deutsch->trigger();
    const Texte zurueck = Aufnahme();
    for (auto i = deutsch.cbegin(); i != deutsch.cend(); ++i) QCOMPARE(zurueck.value(i.key()), i.value());
    QCOMPARE(zurueck.size(), deutsch.size());

    f.Cmd_Englisch->trigger();
    u.FensterNeu();  // a new start: the choice was kept
    u.fenster().RomÖffnen(u.rom());
    AlleFensterZeigen(u.fenster());
    QVERIFY(u.fenster().Cmd_Englisch->isChecked());
    QCOMPARE(Deutschgeblieben(deutsch, Aufnahme()), QStringList());
  }
};

QTEST_MAIN(TestSprache)
#include "test_sprache.moc"
