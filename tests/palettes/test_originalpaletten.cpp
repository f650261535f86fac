#include <QtTest>

#include "Dateizugriff.h"
#include "Module1.h"
#include "Testumgebung.h"
#include "frm_Angaben.h"

namespace {
constexpr qint64 Tabelle = 0xB75E;
const QString Fehlertext = QStringLiteral(
    "Fehler: Die Datei 'OriginalPaletten.gb' wurde nicht gefunden oder sie ist leer.\n"
    "Bitte überprüfen Sie ob diese datei vorhanden ist.");

QByteArray Muster(int laenge) {
  QByteArray b(laenge, '\0');
  for (int i = 0; i < laenge; ++i) b[i] = static_cast<char>(0xA0 ^ i);
  return b;
}
}  // namespace

class TestOriginalPaletten : public QObject {
  Q_OBJECT
 private slots:
  void ganzeUndTeilTabelle_data() {
    QTest::addColumn<int>("laenge");
    QTest::newRow("320") << 320;
    QTest::newRow("100") << 100;
  }
  void ganzeUndTeilTabelle() {
    QFETCH(int, laenge);
    Testumgebung u;
    u.fenster().RomÖffnen(u.rom());
    u.Schreib(QStringLiteral("OriginalPaletten.gb"), Muster(laenge));
    const QByteArray vorher = u.Lies(QStringLiteral("test.gb"));
    u.fenster().Cmd_OriginalTilePal->trigger();
    const QByteArray nachher = u.Lies(QStringLiteral("test.gb"));
    QCOMPARE(nachher.mid(Tabelle, laenge), Muster(laenge));
    QCOMPARE(nachher.left(Tabelle), vorher.left(Tabelle));
    QCOMPARE(nachher.mid(Tabelle + laenge), vorher.mid(Tabelle + laenge));
    QCOMPARE(u.meldungen.back().text, QStringLiteral("Original Paletten wurde erfolgreich eingefügt."));
    QCOMPARE(u.meldungen.back().titel, QStringLiteral("Tileset-Paletten"));
    // The palette window shows what the ROM now holds.
    QCOMPARE(Module1.PalettenWerte[0][0][1], QString::fromLatin1(Muster(2).toHex().toUpper()));
  }

  void falscheDateien_data() {
    QTest::addColumn<int>("laenge");  // -1: missing
    QTest::newRow("321") << 321;
    QTest::newRow("leer") << 0;
    QTest::newRow("fehlt") << -1;
  }
  void falscheDateien() {
    QFETCH(int, laenge);
    Testumgebung u;
    u.fenster().RomÖffnen(u.rom());
    if (laenge < 0)
      QFile::remove(u.Pfad(QStringLiteral("OriginalPaletten.gb")));
    else
      u.Schreib(QStringLiteral("OriginalPaletten.gb"), Muster(laenge));
    const QByteArray vorher = u.Lies(QStringLiteral("test.gb"));
    u.fenster().Cmd_OriginalTilePal->trigger();
    QCOMPARE(u.Lies(QStringLiteral("test.gb")), vorher);
    QCOMPARE(u.meldungen.size(), size_t(1));
    QCOMPARE(u.meldungen[0].text, Fehlertext);
    QCOMPARE(u.meldungen[0].titel, QStringLiteral("Fehler"));
  }

  // In original-data mode the palette base is 0: the restore is not offered
  // and, called anyway, writes nothing.
  void originalModusSchreibtNichtAnDenRomAnfang() {
    Testumgebung u;
    u.fenster().RomÖffnen(u.rom());
    QVERIFY(u.fenster().Cmd_OriginalTilePal->isEnabled());
    u.fenster().Chk_Original->setChecked(true);
    QVERIFY(!u.fenster().Cmd_OriginalTilePal->isEnabled());
    const QByteArray vorher = u.Lies(QStringLiteral("test.gb"));
    u.fenster().Cmd_OriginalTilePal_Click();
    QCOMPARE(u.Lies(QStringLiteral("test.gb")), vorher);
    u.fenster().Chk_Original->setChecked(false);
    QVERIFY(u.fenster().Cmd_OriginalTilePal->isEnabled());
  }
};

QTEST_MAIN(TestOriginalPaletten)
#include "test_originalpaletten.moc"
