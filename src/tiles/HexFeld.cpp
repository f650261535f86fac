#include "HexFeld.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>

#include "Module1.h"
#include "Tasten.h"

namespace {
constexpr int MaxStellen = 6;
}  // namespace

HexFeld::HexFeld(QWidget* parent) : QLineEdit(parent) {}

QString HexFeld::Tastenstatus(const QKeyEvent& e) {
  const int k = e.key();
  const bool ziffernblock = e.modifiers() & Qt::KeypadModifier;
  if (ziffernblock) return k >= Qt::Key_1 && k <= Qt::Key_6 ? QString() : QStringLiteral("loschen");
  if ((k >= Qt::Key_0 && k <= Qt::Key_9) || (k >= Qt::Key_A && k <= Qt::Key_F)) return {};
  switch (k) {
    case Qt::Key_Backspace:
    case Qt::Key_End:
    case Qt::Key_Home:
    case Qt::Key_Left:
    case Qt::Key_Right:
      return QStringLiteral("ok");
    case Qt::Key_X:
    case Qt::Key_Z:
      return NurStrg(e) ? QString() : QStringLiteral("loschen");
    case Qt::Key_V:
      if (NurStrg(e)) Einfuegen();
      return QStringLiteral("loschen");
    default:
      return QStringLiteral("loschen");
  }
}

void HexFeld::Einfuegen() {
  clear();
  QString text = QGuiApplication::clipboard()->text();
  if (text.size() > MaxStellen) text = text.left(MaxStellen).toLower();
  for (QChar c : text)
    if (!((c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
          (c >= QLatin1Char('A') && c <= QLatin1Char('F'))))
      return;
  setText(text);
}

void HexFeld::keyPressEvent(QKeyEvent* event) {
  Module1.TastenStatus = Tastenstatus(*event);
  if (TutNichts(*event)) return;
  const QString& status = Module1.TastenStatus;
  if (status == QLatin1String("ok") || !TipptZeichen(*event)) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  if (!hasSelectedText() && text().size() >= MaxStellen) return;
  if (status == QLatin1String("loschen")) return;
  if (NurStrg(*event)) {
    if (StrgErlaubt(*event)) QLineEdit::keyPressEvent(event);
    return;
  }
  const QString zeichen = event->text();
  if (zeichen.size() != 1 || !IstHexZeichen(zeichen[0])) return;
  insert(zeichen.toUpper());
}
