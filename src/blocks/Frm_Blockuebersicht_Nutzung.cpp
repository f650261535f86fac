#include <QEvent>
#include <QMouseEvent>

#include "Blockbild.h"
#include "Frm_Bearbeiten.h"
#include "Frm_Blockuebersicht.h"

void Frm_Blockuebersicht::UnbenutztMarkieren(bool an) {
  if (an == m_markieren) return;
  m_markieren = an;
  NutzungZeigen();
}

// Tooltips and markers only change with the block table, never with a tile.
void Frm_Blockuebersicht::NutzungZeigen() {
  const Blocknutzung::Zaehlung nutzung = Blocknutzung::Zaehlen(m_bloecke);
  const bool tabelle = !m_bloecke.isEmpty();
  Frm_Bearbeiten& ansicht = Frm_Bearbeiten::Instanz();
  const int tiles = std::min(ansicht.AnzahlTiles(), Blockdaten::ErsteFremdeKachel);
  for (int t = 0; t < tiles; ++t) {
    ::Fläche& f = ansicht.Fläche(t + 1);
    const QString text = tabelle ? Blocknutzung::Text(t, nutzung[t]) : QString();
    if (f.toolTip() != text) f.setToolTip(text);
    f.Markieren(tabelle && m_markieren && nutzung[t] == 0);
  }
  NutzerUmrahmen(m_umrahmt);
}

void Frm_Blockuebersicht::NutzerUmrahmen(int kachel) {
  m_umrahmt = kachel;
  Bloecke rahmen;
  if (kachel >= 0)
    for (int b = 1; b <= Blockdaten::Bloecke; ++b) rahmen[b] = Blocknutzung::Nutzt(m_bloecke, b, kachel);
  Pic_Bloecke->Umrahmen(rahmen);
}

// The pointer over a tile of the tileset view or of the block editor's
// tileset picture frames the blocks using that tile.
bool Frm_Blockuebersicht::eventFilter(QObject* objekt, QEvent* ereignis) {
  const QEvent::Type art = ereignis->type();
  if (art == QEvent::Leave) {
    NutzerUmrahmen(-1);
    return false;
  }
  if (objekt == m_tilesetbild) {
    if (art != QEvent::MouseMove) return false;
    const QPoint p = static_cast<QMouseEvent*>(ereignis)->position().toPoint();
    const int seite = Blockdaten::KachelSeite;
    const bool innen =
        p.x() >= 0 && p.y() >= 0 && p.x() < Blockbild::Spalten * seite && p.y() < Blockbild::Reihen * seite;
    NutzerUmrahmen(innen ? (p.y() / seite) * Blockbild::Spalten + p.x() / seite : -1);
    return false;
  }
  if (art == QEvent::Enter && Frm_Bearbeiten::Geladen()) {
    Frm_Bearbeiten& ansicht = Frm_Bearbeiten::Instanz();
    for (int i = 1; i <= ansicht.AnzahlTiles(); ++i)
      if (objekt == &ansicht.Fläche(i)) NutzerUmrahmen(i - 1);
  }
  return false;
}
