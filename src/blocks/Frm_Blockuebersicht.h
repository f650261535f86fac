#pragma once

#include <QByteArray>
#include <QPointer>
#include <QScrollArea>
#include <QTimer>
#include <QWidget>
#include <bitset>
#include <functional>

#include "Blockbogen.h"
#include "Blocknutzung.h"
#include "Bloeckebild.h"
#include "Einzeln.h"

// All blocks of the current tileset at a glance, drawn live from the tiles of
// the tileset view and from the block table as the block editor shows it.
// It also keeps the usage of each tile: the tileset view's tooltips and, when
// asked, the marker over every tile no block uses. Changes of tiles and of
// the block table are gathered and shown together on the next turn of the
// event loop, before the next frame.
class Frm_Blockuebersicht : public QWidget, public Einzeln<Frm_Blockuebersicht> {
 public:
  Frm_Blockuebersicht();
  ~Frm_Blockuebersicht() override;

  // Runs when block 01..7F is clicked; the main window hands it down.
  std::function<void(int block)> BlockWaehlen;

  void UnbenutztMarkieren(bool an);
  // Brings counts, tooltips and markers up to date now, and the picture
  // while it is shown (a hidden one catches up when it is shown again).
  void Auffrischen();

  QScrollArea* Rollbereich = nullptr;
  Bloeckebild* Pic_Bloecke = nullptr;

 protected:
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;
  void showEvent(QShowEvent* ereignis) override;

 private:
  using Bloecke = std::bitset<Bloeckebild::Anzahl>;

  void Aufbauen();
  void Verbinden();
  void Trennen();
  void Vormerken();
  void TabelleLesen();
  void KachelnLesen();
  void Zeichnen();
  void NutzungZeigen();
  void NutzerUmrahmen(int kachel);  // the blocks using it; -1: none
  static int Massstab();

  QTimer m_takt;
  QPointer<QWidget> m_tilesetbild;  // the block editor's, watched for the pointer
  QByteArray m_bloecke;
  Blockbogen::Kachelbilder m_kacheln{};
  std::bitset<Blockdaten::ErsteFremdeKachel> m_kachelnNeu;
  bool m_tabelleNeu = true;
  Bloecke m_bloeckeNeu;  // blocks to draw again
  bool m_markieren = false;
  int m_umrahmt = -1;  // the tile whose users are framed
};
