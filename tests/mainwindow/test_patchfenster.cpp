// Patches and test-play from the window: what the window wrote reaches the
// patch and its change list, refusals write nothing, and the emulator sees
// the unwritten tiles while the ROM stays as it is.
#include <QSettings>
#include <QtTest>

#include "Bps.h"
#include "Dateizugriff.h"
#include "Frm_TilesetPal.h"
#include "Kopftabelle.h"
#include "Palettentabelle.h"
#include "Schreiboperationen.h"
#include "Tilesetblock.h"
#include "Welt.h"
#include "Zahlen.h"
#include "frm_Angaben.h"

namespace {
const QStringList Zeiten = {"Morgen", "Tag", "Nacht", "Schwarze Nacht", "Morgen u. Tag 2"};

// Colour 2 of the palette shown gets another red; returns its line in the
// change list.
QString FarbeAendern() {
  Frm_TilesetPal& p = Frm_TilesetPal::Instanz();
  p.Lbl_Farbe_Click(2);
  p.SRot->setValue(p.SRot->value() == 3 ? 4 : 3);
  return QStringLiteral("Paletten %1: %2")
      .arg(Zeiten[p.Zeit->currentIndex()])
      .arg(p.Paletten->currentIndex());
}

QString Letzte(const Testumgebung& u) { return u.meldungen.empty() ? QString() : u.meldungen.back().text; }
}  // namespace

class TestPatchfenster : public QObject {
  Q_OBJECT
  QTemporaryDir m_cache;

 private slots:
  void initTestCase() { qputenv("XDG_CACHE_HOME", QFile::encodeName(m_cache.path())); }

  void erstellenUndAnwenden_data() {
    QTest::addColumn<QString>("patch");
    QTest::addRow("BPS") << "p.bps";
    QTest::addRow("IPS") << "p.ips";
  }
  void erstellenUndAnwenden() {
    QFETCH(QString, patch);
    Testumgebung u;
    u.Schreib(QStringLiteral("original.gb"), u.Lies(QStringLiteral("test.gb")));
    frm_Angaben& f = Welt::Offen(u, 2);
    Welt::Bemalen();
    f.Txt_Ort->setText(Hex(Welt::Frei));
    f.Cmd_Einfügen_Click();
    const QString palette = FarbeAendern();
    Frm_TilesetPal::Instanz().Cmd_PalSpeichern_Click();
    f.PatchErstellen(u.Pfad(QStringLiteral("original.gb")), u.Pfad(patch));
    QVERIFY2(Letzte(u).contains(QLatin1String("Titelset2: Grafik, Pointer\n")), qPrintable(Letzte(u)));
    QVERIFY2(Letzte(u).contains(palette), qPrintable(Letzte(u)));
    QVERIFY(!Letzte(u).contains(QLatin1String("weitere")));
    f.PatchAnwenden(u.Pfad(patch), u.Pfad(QStringLiteral("original.gb")), u.Pfad(QStringLiteral("neu.gb")));
    QVERIFY(u.Lies(QStringLiteral("neu.gb")) == u.Lies(QStringLiteral("test.gb")));
  }

  // The last row: a new file that could not be written whole is not left
  // behind.
  void anwendenAbgelehnt_data() {
    QTest::addColumn<QStringList>("dateien");  // patch, ROM, new ROM
    QTest::addColumn<QString>("grund");
    QTest::addColumn<int>("schreibfehler");  // the step of the write that fails; 0: none
    QTest::addRow("Ausgabe ist das Rom") << QStringList{"p.bps", "test.gb", "test.gb"} << "Eingaben" << 0;
    QTest::addRow("Ausgabe ist der Patch") << QStringList{"p.bps", "test.gb", "p.bps"} << "Eingaben" << 0;
    QTest::addRow("falsches Rom") << QStringList{"p.bps", "anders.gb", "neu.gb"} << "passt nicht" << 0;
    QTest::addRow("beschädigter Patch")
        << QStringList{"kaputt.bps", "test.gb", "neu.gb"} << "beschädigt" << 0;
    QTest::addRow("Schreibfehler") << QStringList{"p.bps", "test.gb", "neu.gb"} << "neu.gb" << 2;
  }
  void anwendenAbgelehnt() {
    QFETCH(QStringList, dateien);
    QFETCH(QString, grund);
    QFETCH(int, schreibfehler);
    Testumgebung u;
    const QByteArray original = u.Lies(QStringLiteral("test.gb"));
    const QByteArray bps = Bps::Erstellen(original, QByteArray(original).replace(Welt::Frei, 3, "neu"));
    u.Schreib(QStringLiteral("p.bps"), bps);
    QByteArray kaputt = bps;
    kaputt[12] = ~kaputt[12];
    u.Schreib(QStringLiteral("kaputt.bps"), kaputt);
    u.Schreib(QStringLiteral("anders.gb"), QByteArray(original).replace(0x150, 1, "\x01"));
    const Dateistand vorher = Stand(u);
    Schreibfehler::NachSchritt(schreibfehler);
    u.fenster().PatchAnwenden(u.Pfad(dateien[0]), u.Pfad(dateien[1]), u.Pfad(dateien[2]));
    Schreibfehler::NachSchritt(0);
    QCOMPARE(Abweichung(vorher, Stand(u)), QString());
    QVERIFY2(MeldetFehler(u) && Letzte(u).contains(grund), qPrintable(u.Texte()));
  }

  // "@" stands for the test's folder; the stand-in emulator copies the ROM
  // it was given to gesehen.gb there.
  void testspiel_data() {
    QTest::addColumn<QString>("befehl");
    QTest::addColumn<bool>("startet");
    QTest::addRow("Pfad mit Leerzeichen") << "\"@/emu lator.sh\" %ROM%" << true;
    QTest::addRow("Emulator fehlt") << "@/fehlt/emu --rom=%ROM%" << false;
  }
  void testspiel() {
    QFETCH(QString, befehl);
    QFETCH(bool, startet);
    Testumgebung u;
    const QString emulator = u.Pfad(QStringLiteral("emu lator.sh"));
    u.Schreib(
        QStringLiteral("emu lator.sh"),
        "#!/bin/sh\nd=$(dirname \"$0\")\ncp \"$1\" \"$d/.kopie\" && mv \"$d/.kopie\" \"$d/gesehen.gb\"\n");
    QFile::setPermissions(emulator, QFile::permissions(emulator) | QFile::ExeOwner);
    befehl.replace(QLatin1Char('@'), u.Pfad({}));
    QSettings(QStringLiteral("ZERAN"), QStringLiteral("Tessaron")).setValue("Einstelungen/Emulator", befehl);
    frm_Angaben& f = Welt::Offen(u, 3);
    Welt::Bemalen();
    FarbeAendern();
    const Dateistand vorher = Stand(u);
    f.Cmd_Testen_Click();
    if (!startet) {
      QVERIFY2(MeldetFehler(u) && Letzte(u).contains(befehl), qPrintable(u.Texte()));
      return;
    }
    QTRY_VERIFY(QFile::exists(u.Pfad(QStringLiteral("gesehen.gb"))));
    const QByteArray kopie = u.Lies(QStringLiteral("gesehen.gb"));
    Dateistand nachher = Stand(u);
    nachher.erase(QStringLiteral("gesehen.gb"));
    QCOMPARE(Abweichung(vorher, nachher), QString());
    QCOMPARE(Welt::Gelesen(kopie.mid(Kopftabelle::ZielVon(kopie, 3), Tilesetblock::Laenge)), Welt::Ansicht());
    const Frm_TilesetPal& p = Frm_TilesetPal::Instanz();
    const qint64 ort = Palettentabelle::Offset(Palettentabelle::RomOffset, p.Zeit->currentIndex(),
                                               p.Paletten->currentIndex(), 2);
    QCOMPARE(Palettentabelle::Farbtexte(kopie.mid(ort - 2, 8))[2], p.Lbl_Farbe[2]->text());
  }
};

QTEST_MAIN(TestPatchfenster)
#include "test_patchfenster.moc"
