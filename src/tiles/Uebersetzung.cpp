#include "Uebersetzung.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QTreeWidget>

#include "Sprache.h"

namespace {

QString Uebersetzt(const Sprache::Herkunft& herkunft) {
  return QCoreApplication::translate(herkunft.kontext.constData(), herkunft.quelle.constData());
}

// A text shown before the switch, in the new language; any other text (a
// number, a file name, a user's input) stays as it is.
QString Neu(const QString& alt, const QString& fenster) {
  if (const auto herkunft = Sprache::HerkunftVon(alt, fenster)) return Uebersetzt(*herkunft);
  static const QRegularExpression zahl(QStringLiteral("\\d+"));
  const QRegularExpressionMatch m = zahl.match(alt);
  if (!m.hasMatch()) return alt;
  QString vorlage = alt;
  vorlage.replace(m.capturedStart(), m.capturedLength(), QStringLiteral("%1"));
  if (const auto herkunft = Sprache::HerkunftVon(vorlage, fenster))
    return Uebersetzt(*herkunft).arg(m.captured());
  return alt;
}

// The window an object belongs to, by its name, which is also the context of
// its texts.
QString Fenster(const QObject* objekt) {
  while (objekt->parent()) objekt = objekt->parent();
  return objekt->objectName();
}

template <typename T, typename Lesen, typename Schreiben>
void Erneuern(T* objekt, Lesen lesen, Schreiben schreiben) {
  const QString alt = (objekt->*lesen)();
  if (alt.isEmpty()) return;
  const QString neu = Neu(alt, Fenster(objekt));
  if (neu != alt) (objekt->*schreiben)(neu);
}

void Widget(QWidget* w) {
  Erneuern(w, &QWidget::windowTitle, &QWidget::setWindowTitle);
  Erneuern(w, &QWidget::toolTip, &QWidget::setToolTip);
  if (auto* l = qobject_cast<QLabel*>(w)) Erneuern(l, &QLabel::text, &QLabel::setText);
  if (auto* b = qobject_cast<QAbstractButton*>(w))
    Erneuern(b, &QAbstractButton::text, &QAbstractButton::setText);
  if (auto* g = qobject_cast<QGroupBox*>(w)) Erneuern(g, &QGroupBox::title, &QGroupBox::setTitle);
  if (auto* c = qobject_cast<QComboBox*>(w)) {
    for (int i = 0; i < c->count(); ++i) c->setItemText(i, Neu(c->itemText(i), Fenster(w)));
  }
  if (auto* t = qobject_cast<QTreeWidget*>(w)) {
    QTreeWidgetItem* kopf = t->headerItem();
    for (int i = 0; i < kopf->columnCount(); ++i) kopf->setText(i, Neu(kopf->text(i), Fenster(w)));
  }
}

void Aktion(QAction* a) { Erneuern(a, &QAction::text, &QAction::setText); }

// Qt hands LanguageChange from each window down to every child object, so
// every widget and action passes here once.
class Neuuebersetzer : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* objekt, QEvent* ereignis) override {
    if (ereignis->type() == QEvent::LanguageChange) {
      if (objekt->isWidgetType())
        Widget(static_cast<QWidget*>(objekt));
      else if (auto* a = qobject_cast<QAction*>(objekt))
        Aktion(a);
    }
    return false;
  }
};

class Folger : public QObject {
 public:
  Folger(QObject* objekt, std::function<void()> neu) : QObject(objekt), m_neu(std::move(neu)) {}
  bool eventFilter(QObject*, QEvent* ereignis) override {
    if (ereignis->type() == QEvent::LanguageChange) m_neu();
    return false;
  }

 private:
  std::function<void()> m_neu;
};

}  // namespace

void BeiSprachwechsel(QObject* objekt, std::function<void()> neu) {
  objekt->installEventFilter(new Folger(objekt, std::move(neu)));
}

void UebersetzungEinrichten() {
  static Neuuebersetzer* filter = nullptr;
  if (filter) return;
  filter = new Neuuebersetzer(QCoreApplication::instance());
  QCoreApplication::instance()->installEventFilter(filter);
}
