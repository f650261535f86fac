#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

#include "Rombau.h"

class frm_Angaben;

// Synthesised test data: a 2 MiB ROM of the game's layout with all 28
// tilesets (tilesets 2 and 5 already moved by the editor), Tilesets.gb,
// OriginalPointer.ini and OriginalPaletten.gb, in a folder of the test's own.
namespace Testdaten {

Rombau::Plan Plan();

// Where the moved tilesets 2 and 5 lie in the test ROM.
constexpr qint64 VerschobenOrt2 = 0x1C0000;
constexpr qint64 VerschobenOrt5 = 0x1C1000;

}  // namespace Testdaten

// One test's world: the folder, the data in it, the main window over it, and
// every message the program showed (answered with `antwort` for Yes/No, with
// `verwerfen` before unwritten changes go).
class Testumgebung {
 public:
  explicit Testumgebung(const Rombau::Plan& plan = Testdaten::Plan(), bool mitFenster = true);
  ~Testumgebung();

  QString Pfad(const QString& name) const;
  QString rom() const { return Pfad(QStringLiteral("test.gb")); }
  QByteArray Lies(const QString& name) const;
  // Written behind the program's back, as by another program: the program's
  // read cache forgets every file. Ends the test program with the reason when
  // the bytes cannot be written.
  void Schreib(const QString& name, const QByteArray& bytes) const;
  frm_Angaben& fenster() { return *m_fenster; }
  void FensterNeu();

  struct Box {
    QString titel;
    QString text;
  };
  std::vector<Box> meldungen;
  QMessageBox::StandardButton antwort = QMessageBox::No;
  QMessageBox::StandardButton verwerfen = QMessageBox::Discard;
  // The texts of all messages so far, joined.
  QString Texte() const;

  Rombau::Plan plan;

 private:
  QTemporaryDir m_ordner;
  std::unique_ptr<frm_Angaben> m_fenster;
};
