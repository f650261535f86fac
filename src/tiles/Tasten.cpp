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

bool TutNichts(const QKeyEvent& e) {
  if (e.key() == Qt::Key_Backspace && (e.modifiers() & Qt::ControlModifier)) return true;
  return (e.modifiers() & (Qt::AltModifier | Qt::MetaModifier)) && !e.text().isEmpty();
}

bool StrgErlaubt(const QKeyEvent& e) {
  const int k = e.key();
  return k == Qt::Key_C || k == Qt::Key_X || k == Qt::Key_Z;
}
