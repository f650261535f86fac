#include "Dateizugriff.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <map>

#include "Meldung.h"
#include "Sicherungskopie.h"
#include "Verlauf.h"
#include "Zahlen.h"

namespace {

struct Eintrag {
  std::shared_ptr<const QByteArray> daten;
  qint64 groesse = -1;
  qint64 zeit = 0;
  quint64 knoten = 0;
};

std::map<QString, Eintrag>& Speicher() {
  static std::map<QString, Eintrag> speicher;
  return speicher;
}

bool Kennung(const QString& pfad, Eintrag& e) {
  struct stat st {};
  if (::stat(QFile::encodeName(pfad).constData(), &st) != 0) return false;
  e.groesse = st.st_size;
  e.zeit = static_cast<qint64>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
  e.knoten = st.st_ino;
  return true;
}

void LeseFehler(const QString& pfad, const QString& grund) {
  Meldung(QCoreApplication::translate("Dateizugriff", "Die Datei '%1' konnte nicht gelesen werden:\n%2")
              .arg(pfad, grund),
          QCoreApplication::translate("Dateizugriff", "Fehler"));
}

std::shared_ptr<const QByteArray> Leer() {
  static const auto leer = std::make_shared<const QByteArray>();
  return leer;
}

QString Schluessel(const QString& pfad) { return QFileInfo(pfad).absoluteFilePath(); }

int g_fehlerBei = 0;
int g_schritte = 0;

}  // namespace

namespace Schreibfehler {
void NachSchritt(int k) {
  g_fehlerBei = k;
  g_schritte = 0;
}
int Schritte() { return g_schritte; }
bool Schritt() {
  ++g_schritte;
  return g_fehlerBei == 0 || g_schritte != g_fehlerBei;
}
}  // namespace Schreibfehler

using Schreibfehler::Schritt;

namespace Dateizugriff {

std::shared_ptr<const QByteArray> Inhalt(const QString& angabe) {
  if (angabe.isEmpty()) return Leer();
  const QString pfad = Schluessel(angabe);
  Eintrag jetzt;
  if (!Kennung(pfad, jetzt)) {
    QFile neu(pfad);
    neu.open(QIODevice::WriteOnly | QIODevice::Append);  // created empty, as binary access does
    Speicher().erase(pfad);
    return Leer();
  }
  auto it = Speicher().find(pfad);
  if (it != Speicher().end() && it->second.groesse == jetzt.groesse && it->second.zeit == jetzt.zeit &&
      it->second.knoten == jetzt.knoten)
    return it->second.daten;
  QFile datei(pfad);
  if (QFileInfo(pfad).isDir()) {
    LeseFehler(pfad, QCoreApplication::translate("Dateizugriff", "Der Pfad ist ein Ordner."));
    return Leer();
  }
  if (!datei.open(QIODevice::ReadOnly)) {
    LeseFehler(pfad, datei.errorString());
    return Leer();
  }
  QByteArray bytes = datei.readAll();
  if (datei.error() != QFileDevice::NoError) {
    LeseFehler(pfad, datei.errorString());
    return Leer();
  }
  jetzt.daten = std::make_shared<const QByteArray>(std::move(bytes));
  Speicher()[pfad] = jetzt;
  return jetzt.daten;
}

QByteArray Lesen(const QString& pfad, qint64 offset, qint64 anzahl) {
  QByteArray ergebnis(static_cast<qsizetype>(std::max<qint64>(anzahl, 0)), '\0');
  const auto daten = Inhalt(pfad);
  if (offset < 0 || offset >= daten->size()) return ergebnis;
  const qint64 vorhanden = std::min<qint64>(anzahl, daten->size() - offset);
  std::copy_n(daten->constData() + offset, vorhanden, ergebnis.data());
  return ergebnis;
}

quint8 LeseByte(const QString& pfad, qint64 offset) {
  const auto daten = Inhalt(pfad);
  if (offset < 0 || offset >= daten->size()) return 0;
  return static_cast<quint8>(daten->at(offset));
}

qint64 Laenge(const QString& pfad) {
  Eintrag e;
  if (pfad.isEmpty() || !Kennung(pfad, e) || QFileInfo(pfad).isDir()) return -1;
  return e.groesse;
}

bool Vorhanden(const QString& pfad) { return Laenge(pfad) >= 0; }

void Vergessen() { Speicher().clear(); }

}  // namespace Dateizugriff

Schreibvorgang::Schreibvorgang(QString pfad, bool istRom) : m_pfad(std::move(pfad)), m_istRom(istRom) {}

void Schreibvorgang::Schreiben(qint64 offset, const QByteArray& bytes, Art art) {
  m_flicken.push_back({offset, bytes, art});
}

void Schreibvorgang::Nullen(qint64 offset, qint64 anzahl) {
  Schreiben(offset, QByteArray(static_cast<qsizetype>(anzahl), '\0'), Art::Loeschen);
}

namespace {

struct Platte {
  QFile& datei;
  bool Schreibe(qint64 offset, const QByteArray& bytes) {
    if (!Schritt() || !datei.seek(offset)) return false;
    return datei.write(bytes) == bytes.size();
  }
  bool Sichern() {
    if (!Schritt() || !datei.flush()) return false;
    return Schritt() && ::fsync(datei.handle()) == 0;
  }
};

QString Grund(const QFile& datei) {
  const QString text = datei.errorString();
  return text.isEmpty() || datei.error() == QFileDevice::NoError
             ? QCoreApplication::translate(
                   "Dateizugriff", "Schreiben nicht möglich (Datenträger voll oder schreibgeschützt).")
             : text;
}

void SchreibFehler(const QString& pfad, const QString& grund, const QString& anlass) {
  Meldung((anlass.isEmpty() ? QString() : anlass + QLatin1Char('\n')) +
              QCoreApplication::translate("Dateizugriff", "Die Datei '%1' konnte nicht geschrieben werden:\n%2\n"
                             "Die Datei wurde nicht verändert.")
                  .arg(pfad, grund),
          QCoreApplication::translate("Dateizugriff", "Fehler"));
}

}  // namespace

bool Schreibvorgang::Ausfuehren() {
  // Coarse file times could hide this write from the change check.
  Speicher().erase(Schluessel(m_pfad));
  for (const Flicken& f : m_flicken) {
    if (f.offset < 0) {
      SchreibFehler(m_pfad, QCoreApplication::translate("Dateizugriff", "Ungültiger Offset."), m_anlass);
      return false;
    }
  }
  if (QFileInfo(m_pfad).isDir()) {
    SchreibFehler(m_pfad, QCoreApplication::translate("Dateizugriff", "Der Pfad ist ein Ordner."), m_anlass);
    return false;
  }
  QFile datei(m_pfad);
  // Unbuffered: a buffered write that fails (a full disk) stays in QFile's
  // buffer and goes out later at whatever position the file has then, so a
  // tileset meant for a free area would land on the next patch's place.
  const auto modus = QIODevice::ReadWrite | QIODevice::Unbuffered |
                     (m_istRom ? QIODevice::ExistingOnly : QIODevice::OpenModeFlag{});
  if (!datei.open(modus)) {
    SchreibFehler(m_pfad, datei.errorString(), m_anlass);
    return false;
  }
  const qint64 alteGroesse = datei.size();
  if (m_istRom) {
    for (const Flicken& f : m_flicken) {
      if (f.offset + f.bytes.size() > alteGroesse) {
        Meldung(
            QCoreApplication::translate("Dateizugriff",
                                        "Offset %1 liegt hinter dem Ende der Romdatei '%2'.\n"
                                        "Eine Romdatei wird nicht verlängert; es wurde nichts geschrieben.")
                .arg(Hex(f.offset), m_pfad),
            QCoreApplication::translate("Dateizugriff", "Fehler"));
        return false;
      }
    }
  }

  std::vector<Flicken> endgueltig = Endgueltig();
  std::vector<QByteArray> alt;
  for (const Flicken& f : endgueltig) {
    QByteArray vorher(f.bytes.size(), '\0');
    if (f.offset < alteGroesse && datei.seek(f.offset)) {
      const QByteArray gelesen = datei.read(std::min<qint64>(f.bytes.size(), alteGroesse - f.offset));
      std::copy(gelesen.begin(), gelesen.end(), vorher.begin());
    }
    alt.push_back(vorher);
  }
  // Taking back a write that made the file longer cuts it; the cut bytes
  // come back if the write fails.
  const QByteArray schwanz =
      m_laenge >= 0 && m_laenge < alteGroesse && datei.seek(m_laenge) ? datei.readAll() : QByteArray();
  Sicherungskopie kopie(m_pfad);
  if (!kopie.Anlegen(datei, m_anlass)) return false;

  Platte platte{datei};
  bool gut = true;
  for (const Flicken& f : endgueltig) {
    if (!(gut = platte.Schreibe(f.offset, f.bytes))) break;
  }
  if (gut && m_laenge >= 0 && m_laenge != datei.size()) gut = Schritt() && datei.resize(m_laenge);
  gut = gut && platte.Sichern();
  if (!gut) {
    kopie.Verwerfen();
    const QString grund = Grund(datei);
    const int bei = g_fehlerBei;
    g_fehlerBei = 0;  // the way back is never made to fail
    for (size_t i = endgueltig.size(); i-- > 0;) platte.Schreibe(endgueltig[i].offset, alt[i]);
    if (datei.size() != alteGroesse) datei.resize(alteGroesse);
    if (!schwanz.isEmpty()) platte.Schreibe(m_laenge, schwanz);
    platte.Sichern();
    g_fehlerBei = bei;
    datei.close();
    SchreibFehler(m_pfad, grund, m_anlass);
    return false;
  }
  const qint64 neueGroesse = datei.size();
  datei.close();
  kopie.Bestaetigen();
  if (!schwanz.isEmpty()) {  // a cut tail is written too: taking back brings its bytes back
    endgueltig.push_back({m_laenge, QByteArray(schwanz.size(), '\0'), Art::Loeschen});
    alt.push_back(schwanz);
  }
  if (m_aufnehmen) Aufnehmen(endgueltig, alt, alteGroesse, neueGroesse);
  return true;
}

// Final bytes of each patch, later patches winning where they overlap, in the
// order they reach the disk.
std::vector<Schreibvorgang::Flicken> Schreibvorgang::Endgueltig() const {
  std::vector<Flicken> endgueltig = m_flicken;
  for (size_t i = 0; i < endgueltig.size(); ++i) {
    for (size_t j = i + 1; j < m_flicken.size(); ++j) {
      const qint64 von = std::max(endgueltig[i].offset, m_flicken[j].offset);
      const qint64 bis = std::min(endgueltig[i].offset + endgueltig[i].bytes.size(),
                                  m_flicken[j].offset + m_flicken[j].bytes.size());
      for (qint64 o = von; o < bis; ++o)
        endgueltig[i].bytes[o - endgueltig[i].offset] = m_flicken[j].bytes[o - m_flicken[j].offset];
    }
  }
  std::stable_sort(endgueltig.begin(), endgueltig.end(),
                   [](const Flicken& a, const Flicken& b) { return a.art < b.art; });
  return endgueltig;
}

void Schreibvorgang::Aufnehmen(const std::vector<Flicken>& endgueltig, const std::vector<QByteArray>& alt,
                               qint64 alteGroesse, qint64 neueGroesse) const {
  Verlauf::Datei d;
  d.pfad = QFileInfo(m_pfad).absoluteFilePath();
  d.istRom = m_istRom;
  d.laengeVorher = alteGroesse;
  d.laengeNachher = neueGroesse;
  for (size_t i = 0; i < endgueltig.size(); ++i)
    d.bereiche.push_back(Verlauf::Packen(endgueltig[i].offset, alt[i], endgueltig[i].bytes));
  Verlauf::Instanz().Aufnehmen(m_beschreibung, std::move(d));
}
