#pragma once

#include <QPushButton>
#include <QTreeWidget>
#include <QWidget>

#include "Einzeln.h"

// The file writes of this run, newest first: time, file, what was done and
// how many bytes were written; writes already taken back are marked. "Bis
// hierher zurücknehmen" takes back the selected write and every later one.
class Frm_Verlauf : public QWidget, public Einzeln<Frm_Verlauf> {
 public:
  Frm_Verlauf();

  // Shows the history as it is now.
  void Auffrischen();
  void Cmd_BisHier_Click();

  QTreeWidget* Lst_Verlauf = nullptr;
  QPushButton* Cmd_BisHier = nullptr;
};
