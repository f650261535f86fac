#pragma once

#include <QMessageBox>
#include <functional>

// Shows the program's messages as modal QMessageBoxes (title "Tessaron" when
// a message has none). Installed once by the main window.
void MeldungsBoxenEinrichten();

// Test seam: when set, a built box is handed here instead of being shown;
// the function returns the button that answers it.
using Beantworter = std::function<QMessageBox::StandardButton(QMessageBox& box)>;
void MeldungsBoxBeantworter(Beantworter beantworter);
