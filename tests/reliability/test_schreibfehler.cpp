#include <QtTest>

#include "Dateizugriff.h"
#include "Kennzahlen.h"
#include "Schreiboperationen.h"
#include "Testumgebung.h"

// Every write operation of the program, made to fail at every step its clean
// run takes: the files stay byte for byte as they were, a "Fehler" message
// names the file, nothing claims success, and the same operation done again
// without a fault gives exactly the bytes of the clean run.
namespace {
struct Sauber {
  int schritte = 0;
  Dateistand stand;
};

Sauber SauberAusfuehren(const Schreiboperation& op) {
  Testumgebung u;
  op.vorbereiten(u);
  const Dateistand vorher = Stand(u);
  u.meldungen.clear();
  Schreibfehler::NachSchritt(0);
  op.ausfuehren(u);
  Sauber s{Schreibfehler::Schritte(), Stand(u)};
  [&] {
    QVERIFY2(s.stand[op.datei] != vorher.at(op.datei), qPrintable(op.name));
    QVERIFY2(!MeldetFehler(u), qPrintable(op.name + u.Texte()));
  }();
  return s;
}
}  // namespace

class TestSchreibfehler : public QObject {
  Q_OBJECT
 private slots:
  void jedeOperationJederSchritt() {
    QStringList zeilen;
    for (const Schreiboperation& op : Schreiboperationen()) {
      const Sauber sauber = SauberAusfuehren(op);
      if (QTest::currentTestFailed()) return;
      QVERIFY2(sauber.schritte >= 3, qPrintable(op.name));  // a write, a flush and a sync at least
      qint64 geaendert = 0;
      int wiederholt = 0;
      for (int k = 1; k <= sauber.schritte; ++k) {
        const QString fall = QStringLiteral("%1, Schritt %2: ").arg(op.name).arg(k);
        Testumgebung u;
        op.vorbereiten(u);
        const Dateistand vorher = Stand(u);
        u.meldungen.clear();
        Schreibfehler::NachSchritt(k);
        op.ausfuehren(u);
        Schreibfehler::NachSchritt(0);
        const Dateistand nachher = Stand(u);
        geaendert += Geaendert(vorher, nachher);
        QVERIFY2(nachher == vorher, qPrintable(fall));
        QVERIFY2(FehlerNenntDatei(u, u.Pfad(op.datei)), qPrintable(fall + u.Texte()));
        QVERIFY2(!MeldetErfolg(u), qPrintable(fall + u.Texte()));
        u.meldungen.clear();
        op.ausfuehren(u);
        QVERIFY2(!MeldetFehler(u), qPrintable(fall + u.Texte()));
        QVERIFY2(Stand(u) == sauber.stand, qPrintable(fall));
        ++wiederholt;
      }
      zeilen << QStringLiteral("%1\t%2\t%3\t%4\t%5")
                    .arg(op.name, op.datei)
                    .arg(sauber.schritte)
                    .arg(geaendert)
                    .arg(wiederholt);
    }
    KennzahlenSchreiben(QStringLiteral("schreibfehler.tsv"), zeilen);
  }
};

QTEST_MAIN(TestSchreibfehler)
#include "test_schreibfehler.moc"
