#include <QtTest>

#include "Dateizugriff.h"
#include "Frm_Bearbeiten.h"
#include "Module1.h"
#include "Testumgebung.h"
#include "Tilesetblock.h"
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
};

QTEST_MAIN(TestHauptfenster)
#include "test_hauptfenster.moc"
