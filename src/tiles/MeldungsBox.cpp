#include "MeldungsBox.h"

#include <QAbstractButton>
#include <QApplication>

#include "Meldung.h"

namespace {
Beantworter& Test() {
  static Beantworter beantworter;
  return beantworter;
}

// Cancel is the default and the Escape button: a key pressed by habit loses
// nothing. The buttons are named here, as no translation of Qt's own is loaded.
Antwort Fragen(QMessageBox& box, Knoepfe knoepfe) {
  QMessageBox::StandardButtons knoepfeDa = QMessageBox::Discard | QMessageBox::Cancel;
  if (knoepfe == Knoepfe::SpeichernVerwerfen) knoepfeDa |= QMessageBox::Save;
  box.setStandardButtons(knoepfeDa);
  box.button(QMessageBox::Discard)->setText(QCoreApplication::translate("MeldungsBox", "Verwerfen"));
  box.button(QMessageBox::Cancel)->setText(QCoreApplication::translate("MeldungsBox", "Abbrechen"));
  if (QAbstractButton* speichern = box.button(QMessageBox::Save))
    speichern->setText(QCoreApplication::translate("MeldungsBox", "Speichern"));
  box.setDefaultButton(QMessageBox::Cancel);
  box.setEscapeButton(QMessageBox::Cancel);
  box.setIcon(QMessageBox::Warning);
  const int knopf = Test() ? Test()(box) : box.exec();
  if (knopf == QMessageBox::Save) return Antwort::Speichern;
  return knopf == QMessageBox::Discard ? Antwort::Verwerfen : Antwort::Abbrechen;
}

Antwort Zeigen(const QString& text, const QString& titel, Knoepfe knoepfe) {
  QMessageBox box(QApplication::activeWindow());
  box.setObjectName(QStringLiteral("Meldung"));
  box.setWindowTitle(titel.isEmpty() ? QStringLiteral("Tessaron") : titel);
  box.setText(text);
  if (knoepfe == Knoepfe::Verwerfen || knoepfe == Knoepfe::SpeichernVerwerfen) return Fragen(box, knoepfe);
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
