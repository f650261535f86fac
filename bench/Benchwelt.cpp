#include "Benchwelt.h"

#include <QApplication>
#include <QDir>
#include <QMouseEvent>

#include "Dateizugriff.h"
#include "Einzeln.h"
#include "MeldungsBox.h"
#include "Module1.h"
#include "Tilesetblock.h"
#include "frm_Angaben.h"

namespace {
std::unique_ptr<Benchwelt>& GemeinsameWelt() {
  static std::unique_ptr<Benchwelt> welt;
  return welt;
}
}  // namespace

namespace {
constexpr int Ereignisse = 200;

QPoint Punkt(int k) { return {2 + k * (Strichbreite - 4) / (Ereignisse - 1), 2 + (k * 7) % 36}; }

void Senden(QWidget& w, QEvent::Type art, QPoint p, Qt::MouseButton knopf, Qt::MouseButtons knoepfe) {
  QMouseEvent e(art, p, w.mapToGlobal(p), knopf, knoepfe, Qt::NoModifier);
  QApplication::sendEvent(&w, &e);
}
}  // namespace

void Strich(QWidget& ziel, int nummer) {
  const Qt::MouseButton knopf = nummer % 2 ? Qt::RightButton : Qt::LeftButton;
  Senden(ziel, QEvent::MouseButtonPress, Punkt(0), knopf, knopf);
  for (int k = 0; k < Ereignisse; ++k) {
    Senden(ziel, QEvent::MouseMove, Punkt(k), Qt::NoButton, knopf);
    QApplication::processEvents();
  }
  Senden(ziel, QEvent::MouseButtonRelease, Punkt(Ereignisse - 1), knopf, Qt::NoButton);
}

Rombau::Plan Benchplan() {
  Rombau::Plan plan = Rombau::Musterplan();
  // Two tilesets moved by the editor, so both load paths run.
  for (int n : {2, 5}) {
    plan.tilesets[n].ort = 0x1C0000 + (n - 2) * 0x800;
    plan.tilesets[n].geaenderteKacheln = plan.tilesets[n + 1].kacheln;
  }
  return plan;
}

QByteArray VolleRom() {
  // Pairs of non-zero bytes, each followed by 1541 zeros: the window behind
  // the first byte of a pair ends just before the next pair, so its last
  // non-zero byte is its first one and the whole window is read.
  QByteArray rom(Rombau::RomLaenge, '\0');
  for (qint64 i = 0; i + 1 < rom.size(); i += Tilesetblock::Laenge + 1) rom[i] = rom[i + 1] = 1;
  return rom;
}

Benchwelt::Benchwelt() {
  Module1Zuruecksetzen();
  Dateizugriff::Vergessen();
  Rombau::Schreiben(Benchplan(), m_ordner.path(), QStringLiteral("bench.gb"));
  MeldungsBoxBeantworter([this](QMessageBox& box) {
    ++m_meldungen;
    return box.standardButtons() & QMessageBox::Yes ? QMessageBox::No : QMessageBox::Ok;
  });
}

Benchwelt::~Benchwelt() {
  FensterWeg();
  MeldungsBoxBeantworter({});
}

Benchwelt& Benchwelt::Gemeinsam() {
  if (!GemeinsameWelt()) GemeinsameWelt() = std::make_unique<Benchwelt>();
  return *GemeinsameWelt();
}

void Benchwelt::Beenden() { GemeinsameWelt().reset(); }

QString Benchwelt::Rom() const { return QDir(m_ordner.path()).filePath(QStringLiteral("bench.gb")); }

frm_Angaben& Benchwelt::Fenster() {
  if (!m_fenster) {
    m_fenster = std::make_unique<frm_Angaben>(m_ordner.path());
    m_fenster->show();
    m_fenster->RomÖffnen(Rom());
  }
  return *m_fenster;
}

void Benchwelt::FensterWeg() {
  m_fenster.reset();
  AlleEntladen();
}
