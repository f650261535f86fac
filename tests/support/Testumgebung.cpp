#include "Testumgebung.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include "Dateizugriff.h"
#include "Einzeln.h"
#include "MeldungsBox.h"
#include "Module1.h"
#include "frm_Angaben.h"

namespace Testdaten {

QByteArray Kacheln(int tileset, int salz) {
  QByteArray k(96 * 16, '\0');
  for (int i = 0; i < k.size(); ++i)
    k[i] = static_cast<char>((tileset * 37 + i * 11 + salz * 5 + i / 16) | 1);
  return k;
}

Rombau::Plan Plan() {
  Rombau::Plan plan = Rombau::Grundplan();
  for (int n = 1; n <= 28; ++n) {
    Rombau::Tileset& t = plan.tilesets[n];
    t.kacheln = Kacheln(n);
    for (int i = 0; i < 48; ++i) t.zuordnung[i] = static_cast<char>(((n + i) % 8) | (((n + i + 3) % 8) << 4));
    for (int i = 0; i < t.bloecke.size(); ++i) t.bloecke[i] = static_cast<char>((i + n) % 0x60);
    for (int i = 0; i < t.kollisionen.size(); ++i) t.kollisionen[i] = static_cast<char>((i * 7 + n) & 0xFF);
  }
  plan.tilesets[2].ort = VerschobenOrt2;
  plan.tilesets[2].geaenderteKacheln = Kacheln(2, 1);
  plan.tilesets[5].ort = VerschobenOrt5;
  plan.tilesets[5].geaenderteKacheln = Kacheln(5, 1);
  for (int i = 0; i < 320; ++i) plan.paletten[i] = static_cast<char>(i % 2 ? (i * 3) & 0x7F : i * 5);
  for (int i = 0; i < 64; ++i) {
    plan.wasser[i] = static_cast<char>(i * 3 + 1);
    plan.blumen[i] = static_cast<char>(0xF0 - i);
  }
  // Most of the ROM is taken; zero runs stay where the tests expect them.
  for (qint64 i = 0; i < plan.fuellung.size(); ++i)
    plan.fuellung[i] = static_cast<char>((i * 13 + 7) % 251 + 1);
  for (qint64 i = 0x180000; i < 0x1B0000; ++i) plan.fuellung[i] = 0;
  for (qint64 i = 0x1C0000; i < 0x1D0000; ++i) plan.fuellung[i] = 0;
  return plan;
}

}  // namespace Testdaten

Testumgebung::Testumgebung(const Rombau::Plan& p, bool mitFenster) : plan(p) {
  Module1Zuruecksetzen();
  Dateizugriff::Vergessen();
  Schreibfehler::NachSchritt(0);
  Rombau::Schreiben(plan, m_ordner.path(), QStringLiteral("test.gb"));
  MeldungsBoxBeantworter([this](QMessageBox& box) {
    meldungen.push_back({box.windowTitle(), box.text()});
    return box.standardButtons() & QMessageBox::Yes ? antwort : QMessageBox::Ok;
  });
  if (mitFenster) FensterNeu();
}

Testumgebung::~Testumgebung() {
  m_fenster.reset();
  AlleEntladen();
  MeldungsBoxBeantworter({});
  Module1Zuruecksetzen();
  Dateizugriff::Vergessen();
  Schreibfehler::NachSchritt(0);
}

void Testumgebung::FensterNeu() {
  m_fenster.reset();
  AlleEntladen();
  m_fenster = std::make_unique<frm_Angaben>(m_ordner.path());
}

QString Testumgebung::Pfad(const QString& name) const { return QDir(m_ordner.path()).filePath(name); }

QByteArray Testumgebung::Lies(const QString& name) const {
  QFile f(Pfad(name));
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Testumgebung::Schreib(const QString& name, const QByteArray& bytes) const {
  QFile f(Pfad(name));
  if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(bytes);
}

QString Testumgebung::Texte() const {
  QStringList t;
  for (const Box& b : meldungen) t << b.titel + QStringLiteral(": ") + b.text;
  return t.join(QLatin1Char('\n'));
}
