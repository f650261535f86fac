#include <QProcess>
#include <QScopeGuard>
#include <QtTest>

#include "Dateizugriff.h"
#include "Kennzahlen.h"
#include "Schreiboperationen.h"
#include "Welt.h"
#include "frm_Angaben.h"

// Faults of a real file system that the write seam cannot fake, against every
// write operation: a full disk, a file the kernel refuses to change, a
// read-only folder, a ROM deleted while the program has it open. A refused
// operation leaves every file as it was, names its file in a "Fehler" message
// and claims no success; on the full disk an operation that needs no new
// space may succeed and then leaves exactly the bytes of a clean run. Mounts
// and chattr need root: without it the cases are skipped, except under CI,
// which runs as root and must not skip them.
namespace {
enum Fehler { Voll, Unveraenderlich, NurLesen, Geloescht, Arten };
const char* const Namen[] = {"Datenträger voll (tmpfs)", "Datei unveränderlich (chattr +i)",
                             "Ordner schreibgeschützt (ro bind mount)", "Rom gelöscht während es offen ist"};
const QString Rom = QStringLiteral("test.gb");

// Runs a command; when it fails, says why in `grund`.
bool Befehl(const QStringList& befehl, QString& grund) {
  QProcess p;
  p.setProcessChannelMode(QProcess::MergedChannels);
  p.start(befehl.first(), befehl.mid(1));
  if (p.waitForFinished() && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0) return true;
  grund = befehl.join(QLatin1Char(' ')) + QStringLiteral(": ") + QString::fromLocal8Bit(p.readAll()) +
          p.errorString();
  return false;
}

// The folder on a tmpfs that is full. Its files are written with every zero
// page a hole, as a ROM copied sparse, so writing into the zero areas and
// anything that grows a file needs space that is not there.
bool Fuellen(const Testumgebung& u, QString& grund) {
  const Dateistand stand = Stand(u);
  if (!Befehl({"mount", "-t", "tmpfs", "-o", "size=8m", "tmpfs", u.Pfad(QString())}, grund)) return false;
  for (const auto& [name, bytes] : stand) {
    u.Schreib(name, bytes);
    if (!Befehl({"fallocate", "--dig-holes", u.Pfad(name)}, grund)) return false;
  }
  QFile f(u.Pfad(QStringLiteral("fuellung")));
  const QByteArray stueck(4096, 'x');
  if (!f.open(QIODevice::WriteOnly)) grund = f.errorString();
  while (f.isOpen() && f.write(stueck) == stueck.size() && f.flush()) {
  }
  return f.isOpen();
}

struct Zaehlung {
  int abgewiesen = 0;
  int gelungen = 0;
};
}  // namespace

class TestDateisystem : public QObject {
  Q_OBJECT
  std::map<int, Zaehlung> m_zahlen;

 private slots:
  void jedeOperation_data() {
    QTest::addColumn<int>("art");
    QTest::addColumn<int>("nummer");
    const std::vector<Schreiboperation> ops = Schreiboperationen();
    for (int art = 0; art < Arten; ++art)
      for (size_t i = 0; i < ops.size(); ++i)
        if (art != Geloescht || ops[i].datei == Rom)
          QTest::addRow("%s: %s", Namen[art], qPrintable(ops[i].name)) << art << int(i);
  }

  void jedeOperation() {
    QFETCH(int, art);
    QFETCH(int, nummer);
    const Schreiboperation op = Schreiboperationen()[size_t(nummer)];
    Testumgebung u;
    op.vorbereiten(u);
    const QString ordner = u.Pfad(QString()), datei = u.Pfad(op.datei);
    QString grund;
    bool eingerichtet = true;
    const auto aufraeumen = qScopeGuard([&] {
      if (art == Unveraenderlich) Befehl({"chattr", "-i", datei}, grund);
      if (art == Voll || art == NurLesen) Befehl({"umount", "-l", ordner}, grund);
      Dateizugriff::Vergessen();
    });
    if (art == Voll) eingerichtet = Fuellen(u, grund);
    if (art == Unveraenderlich) eingerichtet = Befehl({"chattr", "+i", datei}, grund);
    if (art == NurLesen) eingerichtet = Befehl({"mount", "-o", "bind,ro", ordner, ordner}, grund);
    if (art == Geloescht) QVERIFY(QFile::remove(datei));
    if (!eingerichtet && qEnvironmentVariableIsSet("CI")) QFAIL(qPrintable(grund));
    if (!eingerichtet) QSKIP(qPrintable(grund));
    Dateizugriff::Vergessen();
    const Dateistand vorher = Stand(u), sauber = Erwartet(u, op, vorher);
    u.meldungen.clear();
    op.ausfuehren(u);
    Dateistand nachher = Stand(u);
    // Reading creates a missing file empty: the deleted ROM may come back so.
    if (art == Geloescht && nachher[Rom].isEmpty()) nachher.erase(Rom);
    const QString fall = u.Texte() + QLatin1Char(' ') + Abweichung(vorher, nachher);
    Zaehlung& z = m_zahlen[art];
    if (art == Voll && !MeldetFehler(u)) {
      QVERIFY2(Abweichung(sauber, nachher).isEmpty(), qPrintable(Abweichung(sauber, nachher)));
      ++z.gelungen;
      return;
    }
    QVERIFY2(Abweichung(vorher, nachher).isEmpty(), qPrintable(fall));
    QVERIFY2(FehlerNenntDatei(u, datei), qPrintable(fall));
    QVERIFY2(!Welt::HatErfolg(u), qPrintable(fall));
    ++z.abgewiesen;
    // The program goes on: choosing a tileset of the vanished ROM reads zeros.
    if (art == Geloescht) Welt::Waehlen(u.fenster(), 4);
  }

  void cleanupTestCase() {
    QStringList zeilen;
    for (const auto& [art, z] : m_zahlen)
      zeilen << QStringLiteral("%1\t%2\t%3")
                    .arg(QString::fromUtf8(Namen[art]))
                    .arg(z.abgewiesen)
                    .arg(z.gelungen);
    KennzahlenSchreiben(QStringLiteral("dateisystem.tsv"), zeilen);
    // A full disk that refuses nothing was no fault.
    QVERIFY(!m_zahlen.count(Voll) || m_zahlen[Voll].abgewiesen > 0);
  }
};

QTEST_MAIN(TestDateisystem)
#include "test_dateisystem.moc"
