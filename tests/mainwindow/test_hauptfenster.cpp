#include <QClipboard>
#include <QSettings>
#include <QtTest>

#include "Dateizugriff.h"
#include "Frm_Bearbeiten.h"
#include "Module1.h"
#include "Testumgebung.h"
#include "Tilesetblock.h"
#include "Zahlen.h"
#include "frm_Angaben.h"

namespace {
QString KachelText(const QByteArray& kacheln, int i) {
  return Tilesetblock::Lesen(Rombau::TilesetBlock(kacheln))[i - 1];
}
}  // namespace

class TestHauptfenster : public QObject {
  Q_OBJECT
 private slots:
  void startZustand() {
    Testumgebung u;
    frm_Angaben& f = u.fenster();
    QVERIFY(!f.Cmd_Tut->isVisible());
    QVERIFY(!f.Auswahl->isEnabled());
    QVERIFY(f.Cmd_Öffnen->isEnabled());
    QVERIFY(!f.Cmd_Einfügen->isEnabled());
    QCOMPARE(Module1.OrgPointer[1], QStringLiteral("100040"));
    QCOMPARE(Frm_Bearbeiten::Instanz().AnzahlTiles(), 96);
  }

  void titelset1AusTilesetsGb() {
    Testumgebung u;
    u.fenster().RomÖffnen(u.rom());
    frm_Angaben& f = u.fenster();
    QCOMPARE(f.Auswahl->currentIndex(), 0);
    QVERIFY(Module1.QuellDatei.endsWith(QLatin1String("Tilesets.gb")));
    QCOMPARE(Module1.QuellOffset, QStringLiteral("0"));
    QVERIFY(!f.Cmd_AltPointer->isVisible());
    QCOMPARE(Frm_Bearbeiten::Instanz().Fläche(1).Zurükgeben(), KachelText(u.plan.tilesets[1].kacheln, 1));
    QCOMPARE(Frm_Bearbeiten::Instanz().Fläche(96).Zurükgeben(), KachelText(u.plan.tilesets[1].kacheln, 96));
    QCOMPARE(f.Lbl_Pointer->text(), QStringLiteral("100040"));
    QCOMPARE(f.Txt_Ort->text(), QStringLiteral("40000"));
    QVERIFY(f.Cmd_Einfügen->isEnabled());
  }

  void verschobenesTilesetAusDemRom() {
    Testumgebung u;
    u.fenster().RomÖffnen(u.rom());
    frm_Angaben& f = u.fenster();
    f.Auswahl->setCurrentIndex(1);
    f.Auswahl_Click();
    QCOMPARE(Module1.QuellDatei, u.rom());
    QCOMPARE(Module1.QuellOffset, QStringLiteral("1C0000"));
    QCOMPARE(Module1.NeuPointer[2], QStringLiteral("700040"));
    QVERIFY(f.Cmd_AltPointer->isVisible());
    QCOMPARE(Frm_Bearbeiten::Instanz().Fläche(65).Zurükgeben(),
             KachelText(u.plan.tilesets[2].geaenderteKacheln, 65));
  }

  void kurzeRomWirdAbgelehnt() {
    Testumgebung u;
    u.Schreib(QStringLiteral("kurz.gb"), QByteArray(0x1FFFFF, '\1'));
    u.fenster().RomÖffnen(u.Pfad(QStringLiteral("kurz.gb")));
    QCOMPARE(u.meldungen.size(), size_t(1));
    QCOMPARE(u.meldungen[0].text, QStringLiteral("Dies ist keine gültige Romdatei."));
    QCOMPARE(u.meldungen[0].titel, QStringLiteral("Tessaron"));
    QVERIFY(Module1.RomDatei.isEmpty());
    QVERIFY(!u.fenster().Auswahl->isEnabled());
  }

  void offsetFeldTippen() {
    Testumgebung u;
    u.fenster().RomÖffnen(u.rom());
    HexFeld* feld = u.fenster().Txt_Ort;
    feld->clear();
    QTest::keyClicks(feld, QStringLiteral("1bb9000"));
    QCOMPARE(feld->text(), QStringLiteral("1BB900"));
    QCOMPARE(u.fenster().Lbl_Pointer->text(), OffsetZuPointer(QStringLiteral("1BB900"), 0));
    feld->clear();
    QTest::keyClicks(feld, QStringLiteral("!g-1 2zc"));
    QCOMPARE(feld->text(), QStringLiteral("12C"));
    QTest::keyClick(feld, Qt::Key_Backspace);
    QCOMPARE(feld->text(), QStringLiteral("12"));
    QTest::keyClick(feld, Qt::Key_7, Qt::KeypadModifier);  // keypad 7 is not taken
    QTest::keyClick(feld, Qt::Key_3, Qt::KeypadModifier);
    QCOMPARE(feld->text(), QStringLiteral("123"));
    QTest::keyClick(feld, Qt::Key_Home);
    QTest::keyClick(feld, Qt::Key_Delete);
    QCOMPARE(feld->text(), QStringLiteral("23"));
  }

  void offsetFeldEinfuegen() {
    Testumgebung u;
    u.fenster().RomÖffnen(u.rom());
    HexFeld* feld = u.fenster().Txt_Ort;
    const QList<QPair<QString, QString>> faelle = {{QStringLiteral("12345678"), QStringLiteral("123456")},
                                                   {QStringLiteral("1BB900"), QStringLiteral("1BB900")},
                                                   {QStringLiteral("1bb900"), QString()},
                                                   {QStringLiteral("ABCDEFGH"), QString()}};
    for (const auto& [ablage, erwartet] : faelle) {
      feld->setText(QStringLiteral("77"));
      QGuiApplication::clipboard()->setText(ablage);
      QTest::keyClick(feld, Qt::Key_V, Qt::ControlModifier);
      QCOMPARE(feld->text(), erwartet);
    }
    feld->clear();
    QTest::keyClick(feld, Qt::Key_V);
    QCOMPARE(feld->text(), QString());
  }

  void tilesetsGbSchalter() {
    Testumgebung u;
    frm_Angaben& f = u.fenster();
    f.RomÖffnen(u.rom());
    f.Auswahl->setCurrentIndex(4);  // tileset 5 is moved in the ROM
    f.Auswahl_Click();
    QCOMPARE(Module1.QuellDatei, u.rom());
    f.Chk_Geheim->setChecked(true);
    QCOMPARE(Module1.QuellDatei, u.Pfad(QStringLiteral("Tilesets.gb")));
    QCOMPARE(Module1.QuellOffset, QStringLiteral("1C00"));
    QCOMPARE(f.Txt_Ort->text(), QStringLiteral("1C00"));
    QCOMPARE(f.Lbl_Pointer->text(), QStringLiteral("Pointer"));
    QVERIFY(!f.Chk_Ersetzen->isEnabled());
    QCOMPARE(Frm_Bearbeiten::Instanz().Fläche(1).Zurükgeben(), KachelText(u.plan.tilesets[5].kacheln, 1));
    f.Chk_Geheim->setChecked(false);
    QCOMPARE(Module1.QuellDatei, u.rom());
    QVERIFY(f.Chk_Ersetzen->isEnabled());
    QCOMPARE(f.Lbl_Pointer->text(), QStringLiteral("700050"));
  }

  void originaldatenSchalter() {
    Testumgebung u;
    frm_Angaben& f = u.fenster();
    f.Chk_Original->setChecked(true);  // works without a ROM
    QVERIFY(f.Auswahl->isEnabled());
    QVERIFY(!f.Txt_Ort->isEnabled());
    QCOMPARE(Module1.PalettenBasis, QStringLiteral("0"));
    QCOMPARE(Module1.ZuordnungBasis, QStringLiteral("610"));
    QCOMPARE(Module1.PalettenAdresse[4][7], 64 * 4 + 8 * 7 + 1);
    f.Auswahl->setCurrentIndex(2);
    f.Auswahl_Click();
    QCOMPARE(Module1.QuellOffset, QStringLiteral("E00"));
    QCOMPARE(Frm_Bearbeiten::Instanz().Fläche(96).Zurükgeben(), KachelText(u.plan.tilesets[3].kacheln, 96));
    f.Chk_Original->setChecked(false);
    QVERIFY(!f.Auswahl->isEnabled());
    QVERIFY(!f.Cmd_Einfügen->isEnabled());
    QVERIFY(f.Txt_Ort->text().isEmpty());
    QCOMPARE(Module1.PalettenAdresse[0][0], 0xB75E + 1);
    QVERIFY(u.meldungen.empty());
  }

  void fehlendeSeitendateien() {
    Testumgebung u(Testdaten::Plan(), false);
    QFile::remove(u.Pfad(QStringLiteral("Tilesets.gb")));
    QFile::remove(u.Pfad(QStringLiteral("OriginalPointer.ini")));
    u.FensterNeu();
    QVERIFY(Module1.OrgPointer[1].isEmpty());
    // Without original pointers every tileset loads from the ROM.
    u.fenster().RomÖffnen(u.rom());
    QCOMPARE(Module1.QuellDatei, u.rom());
    QCOMPARE(Frm_Bearbeiten::Instanz().Fläche(1).Zurükgeben(), KachelText(u.plan.tilesets[1].kacheln, 1));
    u.fenster().Chk_Geheim->setChecked(true);
    QCOMPARE(u.meldungen.size(), size_t(1));
    QCOMPARE(u.meldungen[0].titel, QStringLiteral("Fehler"));
    QCOMPARE(u.meldungen[0].text,
             QStringLiteral("Fehler: Die Datei 'Tilesets.gb' wurde nicht gefunden oder sie "
                            "ist leer.\nBitte kontrolieren sie ob die date vorhanden ist."));
    QCOMPARE(Frm_Bearbeiten::Instanz().Fläche(1).Zurükgeben(), QString(48, QLatin1Char('0')));
    QVERIFY(QFileInfo::exists(u.Pfad(QStringLiteral("Tilesets.gb"))));
  }

  void unlesbareRom() {
    Testumgebung u;
    QDir(u.Pfad(QString())).mkdir(QStringLiteral("ordner.gb"));
    u.fenster().RomÖffnen(u.Pfad(QStringLiteral("ordner.gb")));
    QCOMPARE(u.meldungen.size(), size_t(1));
    QCOMPARE(u.meldungen[0].text, QStringLiteral("Dies ist keine gültige Romdatei."));
    // A refused file never replaces the ROM that is open.
    u.fenster().RomÖffnen(u.rom());
    u.fenster().RomÖffnen(u.Pfad(QStringLiteral("fehlt.gb")));
    QCOMPARE(Module1.RomDatei, u.rom());
  }

  void leeresTilesetUndNeuLaden() {
    Testumgebung u;
    u.fenster().RomÖffnen(u.rom());
    u.fenster().Cmd_LeerTile->trigger();
    QCOMPARE(Frm_Bearbeiten::Instanz().Fläche(40).Zurükgeben(), QString(48, QLatin1Char('0')));
    QCOMPARE(Module1.QuellOffset, QStringLiteral("0"));
    u.fenster().Cmd_Laden->trigger();
    QCOMPARE(Frm_Bearbeiten::Instanz().Fläche(40).Zurükgeben(), KachelText(u.plan.tilesets[1].kacheln, 40));
  }

  void hilfeMeldungenUndVerzeichnis() {
    QSettings alt(QStringLiteral("ZERAN"), QStringLiteral("Tessaron"));
    alt.setValue(QStringLiteral("Einstelungen/Verzeichnis"), QStringLiteral("C:\\Spiele"));
    alt.sync();
    Testumgebung u;
    QSettings s(QStringLiteral("ZERAN"), QStringLiteral("Tessaron"));
    QCOMPARE(s.value(QStringLiteral("Einstelungen/Verzeichnis")).toString(),
             QStringLiteral("Wird nicht mehr gebraucht!!"));
    u.fenster().Cmd_WichtigInfo->trigger();
    QCOMPARE(u.meldungen.back().text,
             QStringLiteral("Bitte lesen Sie zu diesem Thema die mitgeliferte Datei 'WichtigeInfos.txt'"));
    QCOMPARE(u.meldungen.back().titel, QStringLiteral("Tessaron"));
  }
};

QTEST_MAIN(TestHauptfenster)
#include "test_hauptfenster.moc"
