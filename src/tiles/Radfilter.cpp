#include "Radfilter.h"

#include <QComboBox>
#include <QEvent>

bool Radfilter::eventFilter(QObject* objekt, QEvent* ereignis) {
  if (ereignis->type() != QEvent::Wheel) return false;
  const auto* liste = qobject_cast<QComboBox*>(objekt);
  return liste && !liste->hasFocus();
}
