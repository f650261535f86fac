#include "Tasten.h"

#include <QKeyEvent>

bool NurStrg(const QKeyEvent& e) { return (e.modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier; }

bool IstHexZeichen(QChar c) {
  return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
         (c >= QLatin1Char('A') && c <= QLatin1Char('F')) || (c >= QLatin1Char('a') && c <= QLatin1Char('f'));
}

bool TipptZeichen(const QKeyEvent& e) {
  return !e.text().isEmpty() && e.key() != Qt::Key_Delete && e.text()[0] != QChar(0x7F);
}
