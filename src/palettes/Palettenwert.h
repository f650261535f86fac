#pragma once

#include <QLineEdit>

// The typed colour text of the palette window: at most four upper-case hex
// digits, and never a third digit 8..F (bit 15 of the colour word must stay
// clear). Ctrl+V takes the clipboard when it holds a valid colour text.
class Palettenwert : public QLineEdit {
 public:
  explicit Palettenwert(QWidget* parent = nullptr);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  static QString Tastenstatus(const QKeyEvent& event);
  // Whether the key's status and the room left let a typed character in.
  bool Platz() const;
  bool ZeichenAnnehmen(const QKeyEvent& event, QChar& zeichen) const;
  QString NachEinfuegen(QChar zeichen) const;
  void Einfuegen();
};
