#include "MeldungsBox.h"

#include <QApplication>

#include "Meldung.h"

namespace {
Beantworter& Test() {
  static Beantworter beantworter;
  return beantworter;
}

Antwort Zeigen(const QString& text, const QString& titel, Knoepfe knoepfe) {
  QMessageBox box(QApplication::activeWindow());
  box.setObjectName(QStringLiteral("Meldung"));
  box.setWindowTitle(titel.isEmpty() ? QStringLiteral("Tessaron") : titel);
  box.setText(text);
  if (knoepfe != Knoepfe::OK) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(knoepfe == Knoepfe::JaNein ? QMessageBox::No : QMessageBox::Yes);
    box.setIcon(QMessageBox::Question);
  } else {
    box.setStandardButtons(QMessageBox::Ok);
    box.setIcon(titel == QCoreApplication::translate("MeldungsBox", "Fehler") ? QMessageBox::Critical
                                                                              : QMessageBox::Information);
  }
  const int knopf = Test() ? Test()(box) : box.exec();
  if (knoepfe == Knoepfe::OK) return Antwort::OK;
  return knopf == QMessageBox::Yes ? Antwort::Ja : Antwort::Nein;
}
}  // namespace

void MeldungsBoxenEinrichten() { MeldungSetzen(Zeigen); }

void MeldungsBoxBeantworter(Beantworter beantworter) { Test() = std::move(beantworter); }
