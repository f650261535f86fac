#include "Wiederherstellungsplaner.h"

#include <algorithm>

Wiederherstellungsplaner::Wiederherstellungsplaner(QString romPfad, Quelle stand, QObject* parent)
    : QObject(parent), m_romPfad(std::move(romPfad)), m_stand(std::move(stand)) {
  m_zeitgeber.setSingleShot(true);
  connect(&m_zeitgeber, &QTimer::timeout, this, [this] { JetztSchreiben(); });
}

void Wiederherstellungsplaner::Geaendert() {
  if (!m_seitErstem.isValid()) m_seitErstem.start();
  const qint64 rest = Spaetestens - m_seitErstem.elapsed();
  m_zeitgeber.start(static_cast<int>(std::clamp<qint64>(rest, 0, Ruhe)));
}

void Wiederherstellungsplaner::JetztSchreiben() {
  m_zeitgeber.stop();
  m_seitErstem.invalidate();
  const std::optional<Wiederherstellungsstand> stand = m_stand();
  if (!stand) {
    Wiederherstellung::Entfernen(m_romPfad);
    return;
  }
  QString fehler;
  if (Wiederherstellung::Schreiben(*stand, &fehler)) {
    m_fehlerGemeldet = false;
  } else if (!m_fehlerGemeldet) {
    m_fehlerGemeldet = true;
    if (Fehler) Fehler(fehler);
  }
}

void Wiederherstellungsplaner::Verwerfen() {
  m_zeitgeber.stop();
  m_seitErstem.invalidate();
  Wiederherstellung::Entfernen(m_romPfad);
}
