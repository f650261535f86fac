#include "Verlauf.h"

#include <QCoreApplication>
#include <QFile>

#include "Dateizugriff.h"
#include "Meldung.h"

QByteArray Verlauf::Bereich::Vorher() const { return qUncompress(gepackt).left(laenge); }

QByteArray Verlauf::Bereich::Nachher() const { return qUncompress(gepackt).mid(laenge); }

qint64 Verlauf::Eintrag::Bytes() const {
  qint64 n = 0;
  for (const Bereich& b : bereiche) n += b.laenge;
  return n;
}

Verlauf& Verlauf::Instanz() {
  static Verlauf verlauf;
  return verlauf;
}

void Verlauf::Leeren() {
  m_eintraege.clear();
  m_erneut.clear();
  Melden(false);
}

Verlauf::Bereich Verlauf::Packen(qint64 offset, const QByteArray& vorher, const QByteArray& nachher) {
  QByteArray gepackt = qCompress(vorher + nachher);
  gepackt.squeeze();  // qCompress leaves room for incompressible data
  return {offset, nachher.size(), gepackt};
}

void Verlauf::Aufnehmen(Eintrag eintrag) {
  m_eintraege.push_back(std::move(eintrag));
  m_erneut.clear();
  Melden(false);
}

int Verlauf::Zuruecknehmbar() const {
  for (int i = static_cast<int>(m_eintraege.size()) - 1; i >= 0; --i)
    if (!m_eintraege[i].zurueckgenommen) return i;
  return -1;
}

int Verlauf::Wiederholbar() const { return m_erneut.empty() ? -1 : m_erneut.back(); }

bool Verlauf::Zuruecknehmen() {
  const int i = Zuruecknehmbar();
  return i >= 0 && Zuruecknehmen(i);
}

bool Verlauf::Zuruecknehmen(int i) {
  Eintrag& e = m_eintraege[i];
  if (!Pruefen(e, true) || !Schreiben(e, true)) return false;
  e.zurueckgenommen = true;
  m_erneut.push_back(i);
  Melden(true);
  return true;
}

bool Verlauf::Erneut() {
  const int i = Wiederholbar();
  if (i < 0) return false;
  Eintrag& e = m_eintraege[i];
  if (!Pruefen(e, false) || !Schreiben(e, false)) return false;
  e.zurueckgenommen = false;
  m_erneut.pop_back();
  Melden(true);
  return true;
}

bool Verlauf::BisHier(int ab) {
  for (int i = static_cast<int>(m_eintraege.size()) - 1; i >= ab && i >= 0; --i)
    if (!m_eintraege[i].zurueckgenommen && !Zuruecknehmen(i)) return false;
  return true;
}

// The file must still hold, at every range, what the write left there (or,
// for a redo, what it found), and have that length: anything else means it was
// changed outside the program or is another file now.
bool Verlauf::Pruefen(const Eintrag& e, bool zurueck) const {
  QFile datei(e.datei);
  bool gleich =
      datei.open(QIODevice::ReadOnly) && datei.size() == (zurueck ? e.laengeNachher : e.laengeVorher);
  for (size_t i = 0; gleich && i < e.bereiche.size(); ++i) {
    const Bereich& b = e.bereiche[i];
    QByteArray jetzt = datei.seek(b.offset) ? datei.read(b.laenge) : QByteArray();
    jetzt.append(b.laenge - jetzt.size(), '\0');  // bytes beyond the end read as 0
    gleich = jetzt == (zurueck ? b.Nachher() : b.Vorher());
  }
  if (gleich) return true;
  Meldung(QCoreApplication::translate(
              "Verlauf",
              "Die Änderung \"%1\" kann nicht %2 werden: Die Datei '%3' enthält an den "
              "geschriebenen Stellen nicht mehr, was dort %4 stand (sie wurde außerhalb "
              "von Tessaron geändert oder ist eine andere Datei).\nEs wurde nichts geschrieben.")
              .arg(e.beschreibung,
                   zurueck ? QCoreApplication::translate("Verlauf", "zurückgenommen")
                           : QCoreApplication::translate("Verlauf", "erneut ausgeführt"),
                   e.datei,
                   zurueck ? QCoreApplication::translate("Verlauf", "nach der Änderung")
                           : QCoreApplication::translate("Verlauf", "vor der Änderung")),
          QCoreApplication::translate("Verlauf", "Achtung"));
  return false;
}

bool Verlauf::Schreiben(const Eintrag& e, bool zurueck) {
  Schreibvorgang w(e.datei, e.istRom);
  w.OhneVerlauf();
  for (const Bereich& b : e.bereiche) w.Schreiben(b.offset, zurueck ? b.Vorher() : b.Nachher());
  w.LaengeSetzen(zurueck ? e.laengeVorher : e.laengeNachher);
  return w.Ausfuehren();
}

void Verlauf::Melden(bool bewegt) const {
  if (Beobachter) Beobachter(bewegt);
}
