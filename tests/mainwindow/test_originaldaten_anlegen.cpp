// The original data made from the user's own ROM: the three side files come
// out as the files the ROM was built from, only from an unchanged ROM, and
// all three or none.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QtTest>

#include "Dateizugriff.h"
#include "Schreiboperationen.h"
#include "Testumgebung.h"
#include "frm_Angaben.h"

namespace {
const QString Tilesets = QStringLiteral("Tilesets.gb");
const QString Pointer = QStringLiteral("OriginalPointer.ini");
const QString Paletten = QStringLiteral("OriginalPaletten.gb");

// No tileset moved: the ROM as the game ships it.
Rombau::Plan Unveraendert() { return Rombau::Musterplan(); }

// The header's global checksum made right (or wrong), after every other change.
void Pruefsumme(Testumgebung& u, bool richtig) {
  QByteArray rom = u.Lies(QStringLiteral("test.gb"));
  quint16 summe = 0;
  for (qsizetype i = 0; i < rom.size(); ++i)
    if (i != 0x14E && i != 0x14F) summe += static_cast<quint8>(rom[i]);
  if (!richtig) ++summe;
  rom[0x14E] = static_cast<char>(summe >> 8);
  rom[0x14F] = static_cast<char>(summe & 0xFF);
  u.Schreib(QStringLiteral("test.gb"), rom);
}

void Leeren(Testumgebung& u) {
  for (const QString& name : {Tilesets, Pointer, Paletten}) u.Schreib(name, {});
}

// Side files of some other ROM; OriginalPaletten.gb longer than the table.
void Fremd(Testumgebung& u) {
  u.Schreib(Tilesets, QByteArray(60000, 'x'));
  u.Schreib(Pointer, QByteArray("ABCDEF\r\n"));
  u.Schreib(Paletten, QByteArray(400, 'y'));
}

// The window over the ROM, the start-up offer (if any) declined.
void Oeffnen(Testumgebung& u) {
  u.antwort = QMessageBox::No;
  u.FensterNeu();
  u.fenster().RomÖffnen(u.rom());
  u.meldungen.clear();
}

QStringList Titel(const Testumgebung& u) {
  QStringList t;
  for (const auto& m : u.meldungen) t << m.titel;
  return t;
}

void PruefeAngelegt(const Testumgebung& u) {
  QCOMPARE(u.Lies(Tilesets), Rombau::TilesetsGb(u.plan));
  QCOMPARE(u.Lies(Paletten), u.plan.paletten);
  const QByteArray ini = u.Lies(Pointer);
  QCOMPARE(ini.size(), 28 * 19);
  for (int n = 1; n <= 28; ++n)
    QCOMPARE(ini.mid(19 * (n - 1), 6), Rombau::Zeiger(u.plan.tilesets[n].originalOrt).toHex().toUpper());
}
}  // namespace

class TestOriginaldatenAnlegen : public QObject {
  Q_OBJECT

 private slots:
  void anlegen_data() {
    QTest::addColumn<bool>("fremd");
    QTest::addColumn<bool>("pruefsummeRichtig");
    QTest::addColumn<int>("ohneMarker");
    QTest::addColumn<bool>("ja");
    QTest::addColumn<QStringList>("titel");
    QTest::addColumn<bool>("angelegt");
    const QStringList achtung{QStringLiteral("Achtung")}, erfolg{QStringLiteral("Tessaron")};
    QTest::newRow("unverändert, keine Dateien") << false << true << 0 << false << erfolg << true;
    QTest::newRow("Prüfsumme falsch, Nein") << false << false << 0 << false << achtung << false;
    QTest::newRow("Prüfsumme falsch, Ja") << false << false << 0 << true << achtung + erfolg << true;
    QTest::newRow("Tileset 9 ohne Marker")
        << false << true << 9 << true << QStringList{QStringLiteral("Fehler")} << false;
    QTest::newRow("Dateien vorhanden, Nein") << true << true << 0 << false << achtung << false;
    QTest::newRow("Dateien vorhanden, Ja") << true << true << 0 << true << achtung + erfolg << true;
  }
  void anlegen() {
    QFETCH(bool, fremd);
    QFETCH(bool, pruefsummeRichtig);
    QFETCH(int, ohneMarker);
    QFETCH(bool, ja);
    QFETCH(QStringList, titel);
    QFETCH(bool, angelegt);
    Testumgebung u(Unveraendert(), false);
    if (ohneMarker) {
      QByteArray rom = u.Lies(QStringLiteral("test.gb"));
      rom[u.plan.tilesets[ohneMarker].originalOrt + 1026] = 0;
      u.Schreib(QStringLiteral("test.gb"), rom);
    }
    Pruefsumme(u, pruefsummeRichtig);
    fremd ? Fremd(u) : Leeren(u);
    Oeffnen(u);
    QVERIFY(u.fenster().Cmd_OriginaldatenAnlegen->isEnabled());
    QVERIFY(u.fenster().Cmd_AltPointer->isVisible());  // no original pointer matches yet
    const Dateistand vorher = Stand(u);
    u.antwort = ja ? QMessageBox::Yes : QMessageBox::No;
    u.fenster().Cmd_OriginaldatenAnlegen_Click();
    QCOMPARE(Titel(u), titel);
    if (ohneMarker) QVERIFY(u.meldungen[0].text.contains(QStringLiteral("%1.Tileset").arg(ohneMarker)));
    if (!angelegt) {
      QCOMPARE(Geaendert(vorher, Stand(u)), 0);
      return;
    }
    PruefeAngelegt(u);
    // Read again: tileset 1 is at its original place now, loaded from Tilesets.gb.
    QVERIFY(!u.fenster().Cmd_AltPointer->isVisible());
  }

  void schreibfehler_data() {
    QTest::addColumn<int>("schritt");
    for (int k = 1; k <= 9; ++k) QTest::addRow("Schritt %d", k) << k;
  }
  // Tilesets.gb longer than the new one, OriginalPointer.ini missing,
  // OriginalPaletten.gb shorter: each comes back as it was.
  void schreibfehler() {
    QFETCH(int, schritt);
    Testumgebung u(Unveraendert(), false);
    Pruefsumme(u, true);
    Fremd(u);
    u.Schreib(Paletten, QByteArray(10, 'y'));
    Oeffnen(u);
    QVERIFY(QFile::remove(u.Pfad(Pointer)));
    const Dateistand vorher = Stand(u);
    u.antwort = QMessageBox::Yes;
    Schreibfehler::NachSchritt(schritt);
    u.fenster().Cmd_OriginaldatenAnlegen_Click();
    Schreibfehler::NachSchritt(0);
    QVERIFY2(Geaendert(vorher, Stand(u)) == 0, qPrintable(u.Texte()));
    QVERIFY(!QFile::exists(u.Pfad(Pointer)));
    QVERIFY(MeldetFehler(u));
    QVERIFY(!MeldetErfolg(u));
  }

  void angebot_data() {
    QTest::addColumn<bool>("alleLeer");
    QTest::addColumn<bool>("ja");
    QTest::addColumn<bool>("angelegt");
    QTest::newRow("keine Dateien, Ja") << true << true << true;
    QTest::newRow("keine Dateien, Nein") << true << false << false;
    QTest::newRow("Tilesets.gb vorhanden") << false << true << false;
  }
  // Offered once a run, naming the folder, when opening a ROM finds no
  // original data at all.
  void angebot() {
    QFETCH(bool, alleLeer);
    QFETCH(bool, ja);
    QFETCH(bool, angelegt);
    Testumgebung u(Unveraendert(), false);
    Pruefsumme(u, true);
    Leeren(u);
    if (!alleLeer) u.Schreib(Tilesets, QByteArray(10, 'x'));
    u.FensterNeu();
    u.antwort = ja ? QMessageBox::Yes : QMessageBox::No;
    u.fenster().RomÖffnen(u.rom());
    const int fragen = alleLeer ? 1 : 0;
    QCOMPARE(Titel(u).count(QStringLiteral("Achtung")), fragen);
    if (alleLeer) QVERIFY(u.meldungen[0].text.contains(QDir::cleanPath(u.Pfad(QString()))));
    if (angelegt) PruefeAngelegt(u);
    if (!angelegt) QCOMPARE(u.Lies(Tilesets).size(), alleLeer ? 0 : 10);
    u.fenster().RomÖffnen(u.rom());
    QCOMPARE(Titel(u).count(QStringLiteral("Achtung")), fragen);
  }
};

QTEST_MAIN(TestOriginaldatenAnlegen)
#include "test_originaldaten_anlegen.moc"
