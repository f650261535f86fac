#include "Testumgebung.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>

#include "Dateizugriff.h"
#include "Einzeln.h"
#include "MeldungsBox.h"
#include "Module1.h"
#include "Sicherungskopie.h"
#include "frm_Angaben.h"

namespace Testdaten {

Rombau::Plan Plan() {
  Rombau::Plan plan = Rombau::Musterplan();
  plan.tilesets[2].ort = VerschobenOrt2;
  plan.tilesets[2].geaenderteKacheln = Rombau::Musterkacheln(2, 1);
  plan.tilesets[5].ort = VerschobenOrt5;
  plan.tilesets[5].geaenderteKacheln = Rombau::Musterkacheln(5, 1);
  // A free area where the tests insert.
  for (qint64 i = 0x1C0000; i < 0x1D0000; ++i) plan.fuellung[i] = 0;
  return plan;
}

}  // namespace Testdaten

Testumgebung::Testumgebung(const Rombau::Plan& p, bool mitFenster) : plan(p) {
  Module1Zuruecksetzen();
  Dateizugriff::Vergessen();
  Schreibfehler::NachSchritt(0);
  if (!m_ordner.isValid() || !Rombau::Schreiben(plan, m_ordner.path(), QStringLiteral("test.gb")))
    qFatal("Die Testdaten konnten nicht geschrieben werden: %s", qPrintable(m_ordner.path()));
  MeldungsBoxBeantworter([this](QMessageBox& box) {
    meldungen.push_back({box.windowTitle(), box.text()});
    if (box.standardButtons() & QMessageBox::Discard) return verwerfen;
    return box.standardButtons() & QMessageBox::Yes ? antwort : QMessageBox::Ok;
  });
  // Backup copies carry the time in their names, so no two runs of a test
  // would leave the same folder; the tests of the backups switch them on.
  QSettings(QStringLiteral("ZERAN"), QStringLiteral("Tessaron"))
      .setValue(QStringLiteral("Einstelungen/Sicherung"), QStringLiteral("0"));
  Sicherungskopie::Einschalten(false);
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

// A test whose data did not reach the disk would check the wrong thing.
void Testumgebung::Schreib(const QString& name, const QByteArray& bytes) const {
  QFile f(Pfad(name));
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size() || !f.flush())
    qFatal("%s nicht geschrieben: %s", qPrintable(name), qPrintable(f.errorString()));
  Dateizugriff::Vergessen();
}

QString Testumgebung::Texte() const {
  QStringList t;
  for (const Box& b : meldungen) t << b.titel + QStringLiteral(": ") + b.text;
  return t.join(QLatin1Char('\n'));
}
