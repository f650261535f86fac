#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <memory>

#include "Rombau.h"

class frm_Angaben;

// The synthesised world the window benchmarks run in: a 2 MiB ROM of the
// game's layout with all 28 tilesets (tilesets 2 and 5 moved by the editor, so
// both load paths run), its side files in a folder of its own, and the main
// window over them. Every message is answered with its default button and
// counted, so a benchmark never waits for a click.
class Benchwelt {
 public:
  Benchwelt();
  ~Benchwelt();

  static Benchwelt& Gemeinsam();
  static void Beenden();  // before the application object goes

  QString Ordner() const { return m_ordner.path(); }
  QString Rom() const;
  // The main window with the ROM open, created on first use.
  frm_Angaben& Fenster();
  // Closes the main window and every window it loaded.
  void FensterWeg();
  int Meldungen() const { return m_meldungen; }
  // A message the measured operation always shows (an insertion's report).
  void MeldungErwartet() { --m_meldungen; }

 private:
  QTemporaryDir m_ordner;
  std::unique_ptr<frm_Angaben> m_fenster;
  int m_meldungen = 0;
};

Rombau::Plan Benchplan();

class QWidget;

// A painting stroke: 200 mouse moves with a button held, from the left edge of
// `ziel` across 16 tiles of 8 cells of 5 pixels, each handled before the
// next; the other button on every second stroke, so each changes the cells.
constexpr int Strichbreite = 16 * 40;
void Strich(QWidget& ziel, int nummer);

// The worst case of the free-offset search: 2 MiB of zero runs one byte too
// short for a stored tileset block, laid so that every candidate is read
// almost to its start.
QByteArray VolleRom();
