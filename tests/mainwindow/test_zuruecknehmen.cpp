#include <QDir>
#include <QtTest>
#include <algorithm>

#include "Dateizugriff.h"
#include "Frm_Verlauf.h"
#include "Schreiboperationen.h"
#include "Welt.h"
#include "frm_Angaben.h"

// Every write of the program taken back and redone through the main window's
// "Bearbeiten" menu, the refusals and failures of taking back, and the backup
// copies made before a file's first write.
namespace {
Schreiboperation Operation(const QString& name) {
  for (const Schreiboperation& op : Schreiboperationen())
    if (op.name == name) return op;
  qFatal("no write operation %s", qPrintable(name));
}

const QString EinfuegenRom = QStringLiteral("Einfügen ins Rom (Pointer, altes löschen)");

void Zuruecknehmen(Testumgebung& u) { u.fenster().Cmd_Zurücknehmen->trigger(); }
}  // namespace

class TestZuruecknehmen : public QObject {
  Q_OBJECT
 private slots:
  void jedeOperation_data() {
    QTest::addColumn<QString>("name");
    for (const Schreiboperation& op : Schreiboperationen()) QTest::newRow(qPrintable(op.name)) << op.name;
  }
  // Taken back to the byte-identical folder and redone to the byte-identical
  // result; once the file was changed outside, taking back is refused with
  // its name and changes nothing.
  void jedeOperation() {
    QFETCH(QString, name);
    const Schreiboperation op = Operation(name);
    Testumgebung u;
    op.vorbereiten(u);
    const Dateistand vorher = Stand(u);
    op.ausfuehren(u);
    const Dateistand nachher = Stand(u);
    QVERIFY(nachher != vorher);
    u.meldungen.clear();
    Zuruecknehmen(u);
    QCOMPARE(Abweichung(vorher, Stand(u)), QString());
    u.fenster().Cmd_Erneut->trigger();
    QCOMPARE(Abweichung(nachher, Stand(u)), QString());
    QVERIFY2(u.meldungen.empty(), qPrintable(u.Texte()));

    const QByteArray& alt = vorher.at(op.datei);
    QByteArray bytes = nachher.at(op.datei);
    const qsizetype i = std::mismatch(alt.begin(), alt.end(), bytes.begin()).first - alt.begin();
    bytes[i] = static_cast<char>(bytes[i] ^ 0x5A);
    u.Schreib(op.datei, bytes);
    const Dateistand geaendert = Stand(u);
    Zuruecknehmen(u);
    QCOMPARE(Abweichung(geaendert, Stand(u)), QString());
    QVERIFY2(u.Texte().contains(u.Pfad(op.datei)), qPrintable(u.Texte()));

    // Renamed away: said to be missing, not changed.
    QVERIFY(QFile::rename(u.Pfad(op.datei), u.Pfad(QStringLiteral("umbenannt"))));
    u.meldungen.clear();
    Zuruecknehmen(u);
    QVERIFY2(u.meldungen.size() == 1 && u.Texte().contains(u.Pfad(op.datei)) &&
                 u.Texte().contains(QStringLiteral("nicht gefunden")) &&
                 !u.Texte().contains(QStringLiteral("außerhalb")),
             qPrintable(u.Texte()));
  }

  void schreibfehler_data() {
    QTest::addColumn<QString>("name");
    for (const QString& name :
         {EinfuegenRom, QStringLiteral("Palette speichern"), QStringLiteral("Einfügen als: anderes Rom")})
      QTest::newRow(qPrintable(name)) << name;
  }
  // A take-back that fails at any step of its write changes nothing and says
  // "Fehler" with the file; done again without the fault it succeeds.
  void schreibfehler() {
    QFETCH(QString, name);
    const Schreiboperation op = Operation(name);
    for (int k = 1;; ++k) {
      Testumgebung u;
      op.vorbereiten(u);
      const Dateistand vorher = Stand(u);
      op.ausfuehren(u);
      const Dateistand nachher = Stand(u);
      Schreibfehler::NachSchritt(k);
      Zuruecknehmen(u);
      const bool fertig = Schreibfehler::Schritte() < k;  // the fault was never reached
      Schreibfehler::NachSchritt(0);
      if (fertig) {
        QVERIFY(k > 3);
        QCOMPARE(Stand(u), vorher);
        return;
      }
      QVERIFY2(Stand(u) == nachher, qPrintable(QString::number(k)));
      QVERIFY2(FehlerNenntDatei(u, u.Pfad(op.datei)) &&
                   u.Texte().contains(QStringLiteral("kann nicht zurückgenommen werden")),
               qPrintable(u.Texte()));
      Zuruecknehmen(u);
      QVERIFY2(Stand(u) == vorher, qPrintable(QString::number(k)));
    }
  }

  // The record of a moved tileset whose insertion was taken back no longer
  // lets an insertion at that place skip the free-area question.
  void keinAlterSatz() {
    Testumgebung u;
    const Schreiboperation op = Operation(EinfuegenRom);  // tileset 2 to 1C4000
    op.vorbereiten(u);
    op.ausfuehren(u);
    Welt::Waehlen(u.fenster(), 1);
    Zuruecknehmen(u);
    QByteArray rom = Welt::Rom(u);
    rom[Welt::Frei + 100] = 1;
    u.Schreib(QStringLiteral("test.gb"), rom);
    u.fenster().Txt_Ort->setText(QStringLiteral("1C4000"));
    u.meldungen.clear();
    u.fenster().Cmd_Einfügen_Click();
    QVERIFY2(u.Texte().contains(QStringLiteral("nich leer")), qPrintable(u.Texte()));
    QCOMPARE(Welt::Rom(u), rom);
  }

  // "Bis hierher" takes back newest first and stops at the first write that
  // cannot be taken back: here the second, changed outside since.
  void bisHierher() {
    Testumgebung u;
    frm_Angaben& f = Welt::Offen(u, 1);
    QByteArray erwartet;
    for (const QString& ort :
         {QStringLiteral("1C6000"), QStringLiteral("1C8000"), QStringLiteral("1CA000")}) {
      Welt::Bemalen();
      f.Txt_Ort->setText(ort);
      f.Cmd_Einfügen_Click();
      if (!erwartet.isEmpty() || ort != QLatin1String("1C8000")) continue;
      erwartet = Welt::Rom(u);
      erwartet[0x1C8000 + 20] = static_cast<char>(erwartet[0x1C8000 + 20] ^ 1);
      u.Schreib(QStringLiteral("test.gb"), erwartet);
    }
    f.Cmd_Verlauf->trigger();
    Frm_Verlauf& v = Frm_Verlauf::Instanz();
    QCOMPARE(v.Lst_Verlauf->topLevelItemCount(), 3);
    v.Lst_Verlauf->setCurrentItem(v.Lst_Verlauf->topLevelItem(2));
    u.meldungen.clear();
    v.Cmd_BisHier->click();
    QCOMPARE(Welt::Rom(u), erwartet);
    QVERIFY2(u.Texte().contains(u.rom()), qPrintable(u.Texte()));
  }

  void sicherung_data() {
    QTest::addColumn<int>("fehlerBei");  // a step of the backup made to fail; 0 none
    for (int k = 0; k <= 4; ++k) QTest::newRow(qPrintable(QStringLiteral("Schritt %1").arg(k))) << k;
  }
  // The first write into a file copies it first (which copies are kept: the
  // write layer's test); a copy that cannot be made refuses the write.
  void sicherung() {
    QFETCH(int, fehlerBei);
    Testumgebung u;
    u.fenster().Cmd_Sicherung->trigger();
    const Schreiboperation op = Operation(EinfuegenRom);
    op.vorbereiten(u);
    const Dateistand vorher = Stand(u);
    Schreibfehler::NachSchritt(fehlerBei);
    op.ausfuehren(u);
    Schreibfehler::NachSchritt(0);
    if (fehlerBei > 0) {
      QCOMPARE(Stand(u), vorher);
      QVERIFY2(FehlerNenntDatei(u, u.rom() + QStringLiteral(".")) &&
                   u.Texte().contains(QStringLiteral("\"Datei → Sicherungskopien anlegen\"")),
               qPrintable(u.Texte()));
      return;
    }
    const QStringList neu = QDir(u.Pfad(QString())).entryList({QStringLiteral("test.gb.20*")}, QDir::Files);
    QCOMPARE(neu.size(), 1);
    QCOMPARE(u.Lies(neu[0]), vorher.at(QStringLiteral("test.gb")));
  }
};

QTEST_MAIN(TestZuruecknehmen)
#include "test_zuruecknehmen.moc"
