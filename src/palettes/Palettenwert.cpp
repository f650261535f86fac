#include "Palettenwert.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>

#include "Farbmodell.h"
#include "Module1.h"
#include "Tasten.h"

namespace {
constexpr int MaxStellen = 4;

bool IstHoheZiffer(QChar c) { return IstHexZeichen(c) && c.toUpper() >= QLatin1Char('8'); }
}  // namespace

Palettenwert::Palettenwert(QWidget* parent) : QLineEdit(parent) {
  setContextMenuPolicy(Qt::NoContextMenu);  // pasting goes through the checked Ctrl+V only
  setAcceptDrops(false);
}

QString Palettenwert::Tastenstatus(const QKeyEvent& e) {
  const int k = e.key();
  // Keypad digits count as digits: they type the same characters.
  if ((k >= Qt::Key_0 && k <= Qt::Key_9) || (k >= Qt::Key_A && k <= Qt::Key_F)) return {};
  switch (k) {
    case Qt::Key_Backspace:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Left:
    case Qt::Key_Right:
      return QStringLiteral("ok");
    case Qt::Key_X:
    case Qt::Key_Z:
      return NurStrg(e) ? QString() : QStringLiteral("loschen");
    default:
      return QStringLiteral("loschen");
  }
}

QString Palettenwert::NachEinfuegen(QChar zeichen) const {
  QString t = text();
  const int von = hasSelectedText() ? selectionStart() : cursorPosition();
  const int weg = hasSelectedText() ? static_cast<int>(selectedText().size()) : 0;
  return t.replace(von, weg, zeichen);
}

bool Palettenwert::Platz() const {
  const QString& status = Module1.TastenStatus;
  if (status != QLatin1String("ok") && !hasSelectedText() && text().size() >= MaxStellen) return false;
  return status != QLatin1String("loschen");
}

bool Palettenwert::ZeichenAnnehmen(const QKeyEvent& e, QChar& zeichen) const {
  zeichen = e.text()[0];
  if (!IstHexZeichen(zeichen)) return zeichen == QLatin1Char('\b');
  zeichen = zeichen.toUpper();
  if (text().size() == 2 && IstHoheZiffer(zeichen)) return false;
  // Typing into the middle must not push a high digit into third place either.
  const QString danach = NachEinfuegen(zeichen);
  return !(danach.size() >= 3 && IstHoheZiffer(danach[2]));
}

void Palettenwert::keyPressEvent(QKeyEvent* event) {
  Module1.TastenStatus = Tastenstatus(*event);
  if (TutNichts(*event)) return;
  if (event->key() == Qt::Key_V && NurStrg(*event)) {
    Einfuegen();
    return;
  }
  if (!TipptZeichen(*event)) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  if (!Platz()) return;
  if (NurStrg(*event)) {
    if (StrgErlaubt(*event)) QLineEdit::keyPressEvent(event);
    return;
  }
  QChar zeichen;
  if (!ZeichenAnnehmen(*event, zeichen)) return;
  if (IstHexZeichen(zeichen))
    insert(zeichen);
  else
    QLineEdit::keyPressEvent(event);
}

void Palettenwert::Einfuegen() {
  const QString text = QGuiApplication::clipboard()->text().trimmed().toUpper();
  if (IstFarbtext(text)) setText(text);
}
