#pragma once

#include <QLineEdit>

// A text box for offsets: only hex digits, at most six, letters turned to
// upper case; Ctrl+V takes the clipboard only when it is six or fewer
// upper-case hex digits (longer text is cut to six and lowered, so it fails).
class HexFeld : public QLineEdit {
 public:
  explicit HexFeld(QWidget* parent = nullptr);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QString Tastenstatus(const QKeyEvent& event);
  void Einfuegen();
};
