#include <QtTest>

#include "Dateizugriff.h"
#include "Kennzahlen.h"
#include "Schreiboperationen.h"
#include "Welt.h"

// Every write operation of the program, run clean and then made to fail at
// each step its clean run takes. Clean: exactly the expected bytes of exactly
// its file change. Each fault: every file stays byte for byte as it was, a
// "Fehler" message names the file, nothing claims success, and the operation
// done again without a fault leaves the bytes of the clean run.
class TestSchreibfehler : public QObject {
  Q_OBJECT
  QStringList m_zeilen;

  // The operation in a fresh world up to its command; the folder before it
  // and as a clean run leaves it.
  static Dateistand Vorbereitet(Testumgebung& u, const Schreiboperation& op, Dateistand& soll) {
    op.vorbereiten(u);
    const Dateistand vorher = Stand(u);
    soll = Erwartet(u, op, vorher);
    u.meldungen.clear();
    Schreibfehler::NachSchritt(0);
    return vorher;
  }

 private slots:
  void jedeOperationJederSchritt_data() {
    QTest::addColumn<int>("nummer");
    const std::vector<Schreiboperation> ops = Schreiboperationen();
    for (size_t i = 0; i < ops.size(); ++i) QTest::newRow(qPrintable(ops[i].name)) << int(i);
  }

  void jedeOperationJederSchritt() {
    QFETCH(int, nummer);
    const Schreiboperation op = Schreiboperationen()[size_t(nummer)];
    Dateistand soll;
    int schritte = 0;
    {
      Testumgebung u;
      const Dateistand vorher = Vorbereitet(u, op, soll);
      QVERIFY(!Abweichung(vorher, soll).isEmpty());
      op.ausfuehren(u);
      schritte = Schreibfehler::Schritte();
      QVERIFY2(!MeldetFehler(u), qPrintable(u.Texte()));
      QVERIFY2(Abweichung(soll, Stand(u)).isEmpty(), qPrintable(Abweichung(soll, Stand(u))));
    }
    QVERIFY(schritte >= 3);  // a write, a flush and a sync at least
    for (int k = 1; k <= schritte; ++k) {
      Testumgebung u;
      const Dateistand vorher = Vorbereitet(u, op, soll);
      Schreibfehler::NachSchritt(k);
      op.ausfuehren(u);
      Schreibfehler::NachSchritt(0);
      const Dateistand nachher = Stand(u);
      const QString fall =
          QStringLiteral("Schritt %1: %2 %3").arg(k).arg(u.Texte(), Abweichung(vorher, nachher));
      QVERIFY2(Abweichung(vorher, nachher).isEmpty(), qPrintable(fall));
      QVERIFY2(FehlerNenntDatei(u, u.Pfad(op.datei)), qPrintable(fall));
      QVERIFY2(!Welt::HatErfolg(u), qPrintable(fall));
      u.meldungen.clear();
      op.ausfuehren(u);
      QVERIFY2(!MeldetFehler(u) && Abweichung(soll, Stand(u)).isEmpty(), qPrintable(fall + u.Texte()));
    }
    m_zeilen << QStringLiteral("%1\t%2\t%3").arg(op.name, op.datei).arg(schritte);
  }

  void cleanupTestCase() { KennzahlenSchreiben(QStringLiteral("schreibfehler.tsv"), m_zeilen); }
};

QTEST_MAIN(TestSchreibfehler)
#include "test_schreibfehler.moc"
