#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <QtTest>
#include <cerrno>
#include <cstring>

#include "Dateizugriff.h"
#include "Kennzahlen.h"
#include "Schreiboperationen.h"
#include "Testumgebung.h"
#include "frm_Angaben.h"

// Faults of a real file system that the write seam cannot fake: a full disk,
// a file the kernel refuses to change, a read-only folder, a ROM deleted while
// the program has it open. Each needs privileges (mount, chattr) that a
// container may lack; those cases are skipped with the reason.
namespace {
const QString Rom = QStringLiteral("test.gb");

QString Fehlertext() { return QString::fromLocal8Bit(std::strerror(errno)); }

// A mount over a folder of the test, undone when it goes.
class Einhaengung {
 public:
  explicit Einhaengung(QString ziel) : m_ziel(std::move(ziel)) {}
  ~Einhaengung() {
    if (m_aktiv) ::umount2(Pfad(), MNT_DETACH);
    Dateizugriff::Vergessen();
  }
  bool Tmpfs(const QString& groesse) {
    const QByteArray optionen = "size=" + groesse.toLatin1();
    return Merken(::mount("tmpfs", Pfad(), "tmpfs", 0, optionen.constData()) == 0);
  }
  bool NurLesen() {
    if (!Merken(::mount(Pfad(), Pfad(), nullptr, MS_BIND, nullptr) == 0)) return false;
    return ::mount(nullptr, Pfad(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0 ||
           Fehler(Fehlertext());
  }
  QString grund;

 private:
  const char* Pfad() {
    m_pfad = QFile::encodeName(m_ziel);
    return m_pfad.constData();
  }
  bool Merken(bool gelungen) {
    m_aktiv = gelungen;
    Dateizugriff::Vergessen();
    return gelungen || Fehler(Fehlertext());
  }
  bool Fehler(const QString& text) {
    grund = QStringLiteral("mount %1: %2").arg(m_ziel, text);
    return false;
  }
  QString m_ziel;
  QByteArray m_pfad;
  bool m_aktiv = false;
};

// chattr +i on one file, undone when it goes (else the test folder could not
// be removed).
class Unveraenderlich {
 public:
  explicit Unveraenderlich(const QString& pfad) : m_pfad(QFile::encodeName(pfad)) {
    m_gesetzt = Setzen(true);
  }
  ~Unveraenderlich() {
    if (m_gesetzt) Setzen(false);
  }
  bool gesetzt() const { return m_gesetzt; }
  QString grund;

 private:
  bool Setzen(bool an) {
    const int fd = ::open(m_pfad.constData(), O_RDONLY);
    int flags = 0;
    bool gut = fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    flags = an ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
    gut = gut && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    if (!gut) grund = QStringLiteral("chattr +i: ") + Fehlertext();
    if (fd >= 0) ::close(fd);
    return gut;
  }
  QByteArray m_pfad;
  bool m_gesetzt = false;
};

// Writes a file leaving every all-zero page a hole, so that writing into the
// zero areas of a ROM needs new space on the disk, as with a ROM copied
// sparse.
void DuennSchreiben(const QString& pfad, const QByteArray& bytes) {
  QFile f(pfad);
  QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  constexpr qsizetype Seite = 4096;
  const QByteArray leer(Seite, '\0');
  for (qsizetype o = 0; o < bytes.size(); o += Seite) {
    const QByteArray teil = bytes.mid(o, Seite);
    if (teil == leer.left(teil.size())) continue;
    QVERIFY(f.seek(o) && f.write(teil) == teil.size());
  }
  QVERIFY(f.resize(bytes.size()));
}

// Fills the disk of the folder until nothing more fits.
void Auffuellen(const Testumgebung& u) {
  QFile f(u.Pfad(QStringLiteral("fuellung")));
  QVERIFY(f.open(QIODevice::WriteOnly));
  const QByteArray stueck(4096, 'x');
  while (f.write(stueck) == stueck.size() && f.flush()) {
  }
}

// The bytes the operation leaves in its file when nothing goes wrong.
QByteArray SauberesErgebnis(const Schreiboperation& op) {
  Testumgebung u;
  op.vorbereiten(u);
  op.ausfuehren(u);
  return u.Lies(op.datei);
}

struct Zaehlung {
  int abgewiesen = 0;
  int gelungen = 0;
  qint64 verloren = 0;  // bytes changed by a refused operation
};

// An operation under a real fault refuses without changing a byte and names
// the file, or (when `darfGelingen`) succeeds with the bytes of a clean run.
void Pruefen(Testumgebung& u, const Schreiboperation& op, const Dateistand& vorher, bool darfGelingen,
             Zaehlung& z) {
  const Dateistand nachher = Stand(u);
  const QString fall = op.name + QStringLiteral(": ") + u.Texte();
  if (!MeldetFehler(u) && darfGelingen) {
    QVERIFY2(nachher.at(op.datei) == SauberesErgebnis(op), qPrintable(fall));
    ++z.gelungen;
    return;
  }
  z.verloren += Geaendert(vorher, nachher);
  QVERIFY2(nachher == vorher, qPrintable(fall));
  QVERIFY2(FehlerNenntDatei(u, u.Pfad(op.datei)), qPrintable(fall));
  QVERIFY2(!MeldetErfolg(u), qPrintable(fall));
  ++z.abgewiesen;
}

QStringList g_zeilen;

void Festhalten(const QString& fall, const Zaehlung& z) {
  g_zeilen << QStringLiteral("%1\t%2\t%3\t%4").arg(fall).arg(z.abgewiesen).arg(z.gelungen).arg(z.verloren);
}
}  // namespace

class TestDateisystem : public QObject {
  Q_OBJECT
 private slots:
  // The folder on a tmpfs that is full: writes into the ROM's zero areas and
  // anything that grows a file need space that is not there.
  void vollerDatentraeger() {
    Zaehlung z;
    for (const Schreiboperation& op : Schreiboperationen()) {
      Testumgebung u;
      op.vorbereiten(u);
      const Dateistand vorher = Stand(u);
      Einhaengung platte(u.Pfad(QString()));
      if (!platte.Tmpfs(QStringLiteral("8m"))) QSKIP(qPrintable(platte.grund));
      for (const auto& [name, bytes] : vorher) DuennSchreiben(u.Pfad(name), bytes);
      Auffuellen(u);
      const Dateistand voll = Stand(u);
      u.meldungen.clear();
      op.ausfuehren(u);
      Pruefen(u, op, voll, true, z);
    }
    QVERIFY(z.abgewiesen > 0);
    Festhalten(QStringLiteral("Datenträger voll (tmpfs)"), z);
  }

  // chattr +i on the file the operation writes.
  void unveraenderlicheDatei() {
    Zaehlung z;
    for (const Schreiboperation& op : Schreiboperationen()) {
      Testumgebung u;
      op.vorbereiten(u);
      const Dateistand vorher = Stand(u);
      Unveraenderlich sperre(u.Pfad(op.datei));
      if (!sperre.gesetzt()) QSKIP(qPrintable(sperre.grund));
      u.meldungen.clear();
      op.ausfuehren(u);
      Pruefen(u, op, vorher, false, z);
    }
    Festhalten(QStringLiteral("Datei unveränderlich (chattr +i)"), z);
  }

  // The whole folder, ROM and side files, on a read-only bind mount.
  void schreibgeschuetzterOrdner() {
    Zaehlung z;
    for (const Schreiboperation& op : Schreiboperationen()) {
      Testumgebung u;
      op.vorbereiten(u);
      const Dateistand vorher = Stand(u);
      Einhaengung ordner(u.Pfad(QString()));
      if (!ordner.NurLesen()) QSKIP(qPrintable(ordner.grund));
      u.meldungen.clear();
      op.ausfuehren(u);
      Pruefen(u, op, vorher, false, z);
    }
    Festhalten(QStringLiteral("Ordner schreibgeschützt (ro bind mount)"), z);
  }

  // The ROM removed behind the program's back: no operation writes a ROM
  // into being or reports success for it.
  void geloeschtesRom() {
    Zaehlung z;
    for (const Schreiboperation& op : Schreiboperationen()) {
      if (op.datei != Rom) continue;
      Testumgebung u;
      op.vorbereiten(u);
      QVERIFY(QFile::remove(u.rom()));
      u.meldungen.clear();
      op.ausfuehren(u);
      const QString fall = op.name + QStringLiteral(": ") + u.Texte();
      QVERIFY2(u.Lies(Rom).isEmpty(), qPrintable(fall));
      QVERIFY2(!MeldetErfolg(u), qPrintable(fall));
      QVERIFY2(FehlerNenntDatei(u, u.rom()), qPrintable(fall));
      // The program goes on: choosing a tileset of the vanished ROM reads zeros.
      u.fenster().Auswahl->setCurrentIndex(3);
      u.fenster().Auswahl_Click();
      ++z.abgewiesen;
    }
    Festhalten(QStringLiteral("Rom gelöscht während es offen ist"), z);
  }

  void cleanupTestCase() { KennzahlenSchreiben(QStringLiteral("dateisystem.tsv"), g_zeilen); }
};

QTEST_MAIN(TestDateisystem)
#include "test_dateisystem.moc"
