#include "Blockliste.h"

#include <QTimer>
#include <memory>

#include "Module1.h"
#include "Ungeschrieben.h"

void BeiJederWahl(QComboBox& liste, std::function<void()> klick) {
  // A pick of another entry emits the index change and then `activated` in
  // one go; only a pick of the same entry comes as `activated` alone. The mark
  // of a change lasts until the event loop runs again, so a change made by the
  // code never hides a later pick by the user.
  auto gewechselt = std::make_shared<bool>(false);
  QObject::connect(&liste, &QComboBox::currentIndexChanged, &liste, [gewechselt, klick] {
    *gewechselt = true;
    QTimer::singleShot(0, [gewechselt] { *gewechselt = false; });
    klick();
  });
  QObject::connect(&liste, &QComboBox::activated, &liste, [gewechselt, klick] {
    if (!*gewechselt) klick();
    *gewechselt = false;
  });
}

void Waehlen(QComboBox& liste, int index, const std::function<void()>& klick) {
  if (liste.currentIndex() != index)
    liste.setCurrentIndex(index);
  else
    klick();
}

bool BlockWechselErlaubt(QComboBox& liste, int bisher) {
  if (Module1.LadeSperre == 1) return true;  // the other window follows a pick already asked about
  const bool erlaubt = Ungeschrieben::Fragen([](const QWidget& f) {
    return f.objectName() == QLatin1String("frm_Block") || f.objectName() == QLatin1String("Frm_Kolli");
  });
  if (!erlaubt) {
    const QSignalBlocker sperre(liste);
    liste.setCurrentIndex(bisher);
  }
  return erlaubt;
}
