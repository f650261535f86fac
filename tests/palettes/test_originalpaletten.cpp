#include <QtTest>

#include "Dateizugriff.h"
#include "Module1.h"
#include "Testumgebung.h"
#include "frm_Angaben.h"

namespace {
constexpr qint64 Tabelle = 0xB75E;

QByteArray Muster(int laenge) {
  QByteArray b(laenge, '\0');
  for (int i = 0; i < laenge; ++i) b[i] = static_cast<char>(0xA0 ^ i);
  return b;
}

QByteArray Rom(const Testumgebung& u) { return u.Lies(QStringLiteral("test.gb")); }
}  // namespace

class TestOriginalPaletten : public QObject {
  Q_OBJECT
 private slots:
  // A whole or shorter table is copied over the ROM's; a longer, empty or
  // missing file changes nothing.
  void einfuegen_data() {
    QTest::addColumn<int>("laenge");  // -1: missing
    for (int laenge : {320, 100, 321, 0, -1}) QTest::newRow(qPrintable(QString::number(laenge))) << laenge;
  }
  void einfuegen() {
    QFETCH(int, laenge);
    Testumgebung u;
    u.fenster().RomÖffnen(u.rom());
    if (laenge < 0)
      QFile::remove(u.Pfad(QStringLiteral("OriginalPaletten.gb")));
    else
      u.Schreib(QStringLiteral("OriginalPaletten.gb"), Muster(laenge));
    const QByteArray vorher = Rom(u);
    u.fenster().Cmd_OriginalTilePal->trigger();
    const QByteArray nachher = Rom(u);
    if (laenge != 320 && laenge != 100) {
      QCOMPARE(nachher, vorher);
      QCOMPARE(u.Texte(),
               QStringLiteral("Fehler: Fehler: Die Datei 'OriginalPaletten.gb' wurde nicht gefunden "
                              "oder sie ist leer.\nBitte überprüfen Sie ob diese datei vorhanden ist."));
      return;
    }
    QCOMPARE(nachher.mid(Tabelle, laenge), Muster(laenge));
    QCOMPARE(nachher.left(Tabelle), vorher.left(Tabelle));
    QCOMPARE(nachher.mid(Tabelle + laenge), vorher.mid(Tabelle + laenge));
    QCOMPARE(u.Texte(), QStringLiteral("Tileset-Paletten: Original Paletten wurde erfolgreich eingefügt."));
    // The palette window shows what the ROM now holds.
    QCOMPARE(Module1.PalettenWerte[0][0][1], QString::fromLatin1(Muster(2).toHex().toUpper()));
  }
};

QTEST_MAIN(TestOriginalPaletten)
#include "test_originalpaletten.moc"
