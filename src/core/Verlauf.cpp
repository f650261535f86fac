#include "Verlauf.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>

#include "Dateizugriff.h"
#include "Meldung.h"

QByteArray Verlauf::Bereich::Vorher() const { return qUncompress(gepackt).left(laenge); }

QByteArray Verlauf::Bereich::Nachher() const { return qUncompress(gepackt).mid(laenge); }

qint64 Verlauf::Eintrag::Bytes() const {
  qint64 n = 0;
  for (const Datei& d : dateien)
    for (const Bereich& b : d.bereiche) n += b.laenge;
  return n;
}

Verlauf::Satz::Satz() { Instanz().m_satz = Eintrag(); }

Verlauf::Satz::~Satz() { Instanz().m_satz.reset(); }

void Verlauf::Satz::Aufnehmen() {
  Verlauf& verlauf = Instanz();
  if (verlauf.m_satz && !verlauf.m_satz->dateien.empty()) verlauf.Neu(std::move(*verlauf.m_satz));
  verlauf.m_satz.reset();
}

Verlauf& Verlauf::Instanz() {
  static Verlauf verlauf;
  return verlauf;
}

void Verlauf::Leeren() {
  m_eintraege.clear();
  m_erneut.clear();
  m_satz.reset();
  Melden(false);
}

Verlauf::Bereich Verlauf::Packen(qint64 offset, const QByteArray& vorher, const QByteArray& nachher) {
  QByteArray gepackt = qCompress(vorher + nachher);
  gepackt.squeeze();  // qCompress leaves room for incompressible data
  return {offset, nachher.size(), gepackt};
}

void Verlauf::Aufnehmen(const QString& beschreibung, Datei datei) {
  if (!m_satz) {
    Neu({QDateTime::currentDateTime(), beschreibung, {std::move(datei)}});
    return;
  }
  if (m_satz->dateien.empty()) *m_satz = {QDateTime::currentDateTime(), beschreibung, {}};
  m_satz->dateien.push_back(std::move(datei));
}

void Verlauf::Neu(Eintrag eintrag) {
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
  if (!Umschreiben(e, true)) return false;
  e.zurueckgenommen = true;
  m_erneut.push_back(i);
  Melden(true);
  return true;
}

bool Verlauf::Erneut() {
  const int i = Wiederholbar();
  if (i < 0) return false;
  Eintrag& e = m_eintraege[i];
  if (!Umschreiben(e, false)) return false;
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

namespace {
QString Anlass(const Verlauf::Eintrag& e, bool zurueck) {
  return (zurueck ? QCoreApplication::translate("Verlauf",
                                                "Die Änderung \"%1\" kann nicht zurückgenommen werden.")
                  : QCoreApplication::translate("Verlauf",
                                                "Die Änderung \"%1\" kann nicht erneut ausgeführt werden."))
      .arg(e.beschreibung);
}
}  // namespace

// Every file is checked before any is written, so a step either changes all
// its files or none; a write that fails puts back the files already done.
// Taking back goes newest file first.
bool Verlauf::Umschreiben(const Eintrag& e, bool zurueck) {
  for (const Datei& d : e.dateien)
    if (!Pruefen(e, d, zurueck)) return false;
  std::vector<const Datei*> folge;
  for (const Datei& d : e.dateien) folge.push_back(&d);
  if (zurueck) std::reverse(folge.begin(), folge.end());
  for (size_t k = 0; k < folge.size(); ++k) {
    if (Schreiben(e, *folge[k], zurueck)) continue;
    for (size_t j = k; j-- > 0;) Schreiben(e, *folge[j], !zurueck);
    return false;
  }
  return true;
}

// The file must still hold, at every range, what the write left there (or,
// for a redo, what it found), and have that length: anything else means it was
// changed outside the program or is another file now.
bool Verlauf::Pruefen(const Eintrag& e, const Datei& d, bool zurueck) {
  QFile datei(d.pfad);
  if (!datei.exists()) {
    Meldung(Anlass(e, zurueck) + QLatin1Char('\n') +
                QCoreApplication::translate("Verlauf",
                                            "Die Datei '%1' wurde nicht gefunden (gelöscht, umbenannt oder "
                                            "verschoben).\nEs wurde nichts geschrieben.")
                    .arg(d.pfad),
            QCoreApplication::translate("Verlauf", "Achtung"));
    return false;
  }
  bool gleich =
      datei.open(QIODevice::ReadOnly) && datei.size() == (zurueck ? d.laengeNachher : d.laengeVorher);
  for (size_t i = 0; gleich && i < d.bereiche.size(); ++i) {
    const Bereich& b = d.bereiche[i];
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
                   d.pfad,
                   zurueck ? QCoreApplication::translate("Verlauf", "nach der Änderung")
                           : QCoreApplication::translate("Verlauf", "vor der Änderung")),
          QCoreApplication::translate("Verlauf", "Achtung"));
  return false;
}

bool Verlauf::Schreiben(const Eintrag& e, const Datei& d, bool zurueck) {
  Schreibvorgang w(d.pfad, d.istRom);
  w.OhneVerlauf();
  w.Anlass(Anlass(e, zurueck));
  for (const Bereich& b : d.bereiche) w.Schreiben(b.offset, zurueck ? b.Vorher() : b.Nachher());
  w.LaengeSetzen(zurueck ? d.laengeVorher : d.laengeNachher);
  return w.Ausfuehren();
}

void Verlauf::Melden(bool bewegt) const {
  if (Beobachter) Beobachter(bewegt);
}
