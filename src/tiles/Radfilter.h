#pragma once

#include <QObject>

// Installed on the application: the mouse wheel turns only the list box that
// has the focus. A list the pointer merely passes over while scrolling would
// otherwise take the next entry as a choice (another tileset loaded over
// unsaved painting, another collision value).
class Radfilter : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;
};
