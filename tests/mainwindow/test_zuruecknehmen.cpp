#include <QDir>
#include <QtTest>

#include "Dateizugriff.h"
#include "Frm_Verlauf.h"
#include "Schreiboperationen.h"
#include "Testumgebung.h"
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

void Ausgefuehrt(Testumgebung& u, const Schreiboperation& op) {
  op.vorbereiten(u);
  u.meldungen.clear();
  op.ausfuehren(u);
}

QStringList Kopien(const Testumgebung& u) {
  return QDir(u.Pfad(QString())).entryList({QStringLiteral("*.bak")}, QDir::Files, QDir::Name);
}

// Flips, in the file as it is now, the first byte the operation changed.
void AussenAendern(Testumgebung& u, const QString& datei, const QByteArray& vorher,
                   const QByteArray& nachher) {
  qsizetype i = 0;
  while (i + 1 < nachher.size() && i < vorher.size() && nachher[i] == vorher[i]) ++i;
  QByteArray bytes = u.Lies(datei);
  bytes[i] = static_cast<char>(bytes[i] ^ 0x5A);
  u.Schreib(datei, bytes);
  Dateizugriff::Vergessen();
}

void SicherungSchalten(Testumgebung& u, bool an) {
  if (u.fenster().Cmd_Sicherung->isChecked() != an) u.fenster().Cmd_Sicherung->trigger();
}
}  // namespace

class TestZuruecknehmen : public QObject {
  Q_OBJECT
 private slots:
  void jedeOperation_data() {
    QTest::addColumn<QString>("name");
    for (const Schreiboperation& op : Schreiboperationen()) QTest::newRow(qPrintable(op.name)) << op.name;
  }
  // Taken back to the byte-identical folder, redone to the byte-identical
  // result, and the windows show the files again.
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
    u.fenster().Cmd_Zurücknehmen->trigger();
    QCOMPARE(Geaendert(vorher, Stand(u)), 0);
    QVERIFY(u.fenster().Cmd_Erneut->isEnabled());
    u.fenster().Cmd_Erneut->trigger();
    QCOMPARE(Geaendert(nachher, Stand(u)), 0);
    QVERIFY2(!MeldetFehler(u), qPrintable(u.Texte()));
  }

  void aussenGeaendert_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("erneut");
    for (const QString& name :
         {EinfuegenRom, QStringLiteral("Palette speichern"), QStringLiteral("Einfügen als: anderes Rom")}) {
      QTest::newRow(qPrintable(name + QStringLiteral(", zurücknehmen"))) << name << false;
      QTest::newRow(qPrintable(name + QStringLiteral(", erneut"))) << name << true;
    }
  }
  // A file changed outside the program since is left alone, and the message
  // names it.
  void aussenGeaendert() {
    QFETCH(QString, name);
    QFETCH(bool, erneut);
    const Schreiboperation op = Operation(name);
    Testumgebung u;
    op.vorbereiten(u);
    const Dateistand vorher = Stand(u);
    op.ausfuehren(u);
    const QByteArray geschrieben = u.Lies(op.datei);
    if (erneut) u.fenster().Cmd_Zurücknehmen->trigger();
    AussenAendern(u, op.datei, vorher.at(op.datei), geschrieben);
    const Dateistand geaendert = Stand(u);
    u.meldungen.clear();
    (erneut ? u.fenster().Cmd_Erneut : u.fenster().Cmd_Zurücknehmen)->trigger();
    QCOMPARE(Geaendert(geaendert, Stand(u)), 0);
    QVERIFY2(u.Texte().contains(u.Pfad(op.datei)), qPrintable(u.Texte()));
  }

  void schreibfehler_data() {
    QTest::addColumn<QString>("name");
    for (const QString& name :
         {EinfuegenRom, QStringLiteral("Palette speichern"), QStringLiteral("Einfügen als: anderes Rom"),
          QStringLiteral("Einfügen in Tilesets.gb")})
      QTest::newRow(qPrintable(name)) << name;
  }
  // A take-back that fails at any step of its write changes nothing and says
  // "Fehler" with the file; done again without the fault it succeeds.
  void schreibfehler() {
    QFETCH(QString, name);
    const Schreiboperation op = Operation(name);
    int schritte = 0;
    {
      Testumgebung u;
      Ausgefuehrt(u, op);
      Schreibfehler::NachSchritt(0);
      u.fenster().Cmd_Zurücknehmen->trigger();
      schritte = Schreibfehler::Schritte();
    }
    QVERIFY(schritte >= 3);
    for (int k = 1; k <= schritte; ++k) {
      const QString fall = QStringLiteral("Schritt %1: ").arg(k);
      Testumgebung u;
      op.vorbereiten(u);
      const Dateistand vorher = Stand(u);
      op.ausfuehren(u);
      const Dateistand nachher = Stand(u);
      u.meldungen.clear();
      Schreibfehler::NachSchritt(k);
      u.fenster().Cmd_Zurücknehmen->trigger();
      Schreibfehler::NachSchritt(0);
      QVERIFY2(Stand(u) == nachher, qPrintable(fall));
      QVERIFY2(FehlerNenntDatei(u, u.Pfad(op.datei)), qPrintable(fall + u.Texte()));
      u.fenster().Cmd_Zurücknehmen->trigger();
      QVERIFY2(Stand(u) == vorher, qPrintable(fall));
    }
  }

  // The record of a moved tileset whose insertion was taken back no longer
  // lets an insertion at that place skip the free-area question.
  void keinAlterSatz() {
    Testumgebung u;
    Ausgefuehrt(u, Operation(EinfuegenRom));  // tileset 2 moved to 1C4000
    Welt::Waehlen(u.fenster(), 1);
    u.fenster().Cmd_Zurücknehmen->trigger();
    QByteArray rom = Welt::Rom(u);
    rom[Welt::Frei + 100] = 1;
    u.Schreib(QStringLiteral("test.gb"), rom);
    Dateizugriff::Vergessen();
    Welt::Waehlen(u.fenster(), 1);
    u.fenster().Txt_Ort->setText(QStringLiteral("1C4000"));
    u.meldungen.clear();
    u.fenster().Cmd_Einfügen_Click();
    QVERIFY2(u.Texte().contains(QStringLiteral("nich leer")), qPrintable(u.Texte()));
    QCOMPARE(Welt::Rom(u), rom);
  }

  // "Bis hierher" takes back newest first and stops at the first write that
  // cannot be taken back.
  void bisHierher() {
    Testumgebung u;
    frm_Angaben& f = Welt::Offen(u, 1);
    QByteArray erwartet;
    for (const QString& ort :
         {QStringLiteral("1C6000"), QStringLiteral("1C8000"), QStringLiteral("1CA000")}) {
      Welt::Bemalen();
      f.Txt_Ort->setText(ort);
      f.Cmd_Einfügen_Click();
      if (ort == QLatin1String("1C8000")) {  // the second write changed outside since
        erwartet = Welt::Rom(u);
        erwartet[0x1C8000 + 20] = static_cast<char>(erwartet[0x1C8000 + 20] ^ 1);
        u.Schreib(QStringLiteral("test.gb"), erwartet);
        Dateizugriff::Vergessen();
      }
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
    QTest::addColumn<bool>("an");
    QTest::addColumn<int>("fehlerBei");  // a step of the backup made to fail
    QTest::addColumn<int>("kopien");
    QTest::newRow("an") << true << 0 << 1;
    QTest::newRow("aus") << false << 0 << 0;
    for (int k = 1; k <= 4; ++k)
      QTest::newRow(qPrintable(QStringLiteral("Schritt %1").arg(k))) << true << k << 0;
  }
  // The first write into a file copies it first; a copy that cannot be made
  // refuses the write.
  void sicherung() {
    QFETCH(bool, an);
    QFETCH(int, fehlerBei);
    QFETCH(int, kopien);
    const Schreiboperation op = Operation(EinfuegenRom);
    Testumgebung u;
    SicherungSchalten(u, an);
    op.vorbereiten(u);
    const Dateistand vorher = Stand(u);
    Schreibfehler::NachSchritt(fehlerBei);
    op.ausfuehren(u);
    Schreibfehler::NachSchritt(0);
    QCOMPARE(Kopien(u).size(), kopien);
    if (fehlerBei > 0) {
      QCOMPARE(Stand(u), vorher);
      QVERIFY2(FehlerNenntDatei(u, u.rom() + QStringLiteral(".")), qPrintable(u.Texte()));
      return;
    }
    if (kopien) QCOMPARE(u.Lies(Kopien(u)[0]), vorher.at(QStringLiteral("test.gb")));
    u.fenster().Cmd_Zurücknehmen->trigger();
    QCOMPARE(Kopien(u).size(), kopien);  // only before the first write of the run
  }

  // Only the newest five copies of a file stay; nothing else is touched.
  void fuenfKopien() {
    Testumgebung u;
    SicherungSchalten(u, true);
    QStringList fremde = {QStringLiteral("Tilesets.gb.20200101-000000.bak"),
                          QStringLiteral("test.gb.alt.bak"), QStringLiteral("test.gbc.20200101-000000.bak")};
    for (int i = 1; i <= 6; ++i) fremde << QStringLiteral("test.gb.2020010%1-000000.bak").arg(i);
    for (const QString& name : fremde) u.Schreib(name, name.toLatin1());
    Ausgefuehrt(u, Operation(EinfuegenRom));
    QStringList bleiben = Kopien(u);
    QCOMPARE(bleiben.size(), 3 + 5);
    for (int i : {1, 2}) QVERIFY(!bleiben.contains(QStringLiteral("test.gb.2020010%1-000000.bak").arg(i)));
    for (const QString& name : fremde.mid(0, 3)) QCOMPARE(u.Lies(name), name.toLatin1());
  }

  // A take-back that is the first write into its file in this run gets a
  // copy too, of the file as it was before the take-back; the setting holds
  // for the next run.
  void ruecknahmeGesichert() {
    Testumgebung u;
    Ausgefuehrt(u, Operation(EinfuegenRom));
    const QByteArray geschrieben = Welt::Rom(u);
    SicherungSchalten(u, true);
    u.fenster().Cmd_Zurücknehmen->trigger();
    QCOMPARE(Kopien(u).size(), 1);
    QCOMPARE(u.Lies(Kopien(u)[0]), geschrieben);
    u.FensterNeu();
    QVERIFY(u.fenster().Cmd_Sicherung->isChecked());
  }
};

QTEST_MAIN(TestZuruecknehmen)
#include "test_zuruecknehmen.moc"
