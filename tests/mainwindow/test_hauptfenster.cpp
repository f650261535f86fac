#include <QClipboard>
#include <QSettings>
#include <QtTest>

#include "Dateizugriff.h"
#include "Frm_Bearbeiten.h"
#include "Frm_Optionen.h"
#include "Module1.h"
#include "Testumgebung.h"
#include "Tilesetblock.h"
#include "Zahlen.h"
#include "frm_Angaben.h"

namespace {
QString KachelText(const QByteArray& kacheln, int i) {
  return Tilesetblock::Lesen(Rombau::TilesetBlock(kacheln))[i - 1];
}

QString Tile(int i) { return Frm_Bearbeiten::Instanz().Fläche(i).Zurükgeben(); }

const QString LeeresTile(48, QLatin1Char('0'));

void Waehlen(frm_Angaben& f, int n) {
  f.Auswahl->setCurrentIndex(n - 1);
  f.Auswahl_Click();
}
}  // namespace

class TestHauptfenster : public QObject {
  Q_OBJECT
 private slots:
  void startLadenUndNeuLaden() {
    Testumgebung u;
    frm_Angaben& f = u.fenster();
    QVERIFY(!f.Cmd_Tut->isVisible());
    QVERIFY(!f.Auswahl->isEnabled() && !f.Cmd_Einfügen->isEnabled());
    QVERIFY(f.Cmd_Öffnen->isEnabled());
    QCOMPARE(Module1.OrgPointer[1], QStringLiteral("100040"));

    // Tileset 1 lies at its original place, so it comes from Tilesets.gb.
    f.RomÖffnen(u.rom());
    QCOMPARE(f.Auswahl->currentIndex(), 0);
    QVERIFY(Module1.QuellDatei.endsWith(QLatin1String("Tilesets.gb")));
    QCOMPARE(Module1.QuellOffset, QStringLiteral("0"));
    QVERIFY(!f.Cmd_AltPointer->isVisible());
    QCOMPARE(Tile(1), KachelText(u.plan.tilesets[1].kacheln, 1));
    QCOMPARE(Tile(96), KachelText(u.plan.tilesets[1].kacheln, 96));
    QCOMPARE(f.Lbl_Pointer->text(), QStringLiteral("100040"));
    QCOMPARE(f.Txt_Ort->text(), QStringLiteral("40000"));
    QVERIFY(f.Cmd_Einfügen->isEnabled());

    // Tileset 2 was moved: it comes from the ROM.
    Waehlen(f, 2);
    QCOMPARE(Module1.QuellDatei, u.rom());
    QCOMPARE(Module1.QuellOffset, QStringLiteral("1C0000"));
    QCOMPARE(Module1.NeuPointer[2], QStringLiteral("700040"));
    QVERIFY(f.Cmd_AltPointer->isVisible());
    QCOMPARE(Tile(65), KachelText(u.plan.tilesets[2].geaenderteKacheln, 65));

    f.Cmd_LeerTile->trigger();
    QCOMPARE(Tile(40), LeeresTile);
    f.Cmd_Laden->trigger();
    QCOMPARE(Tile(40), KachelText(u.plan.tilesets[2].geaenderteKacheln, 40));
  }

  // A short ROM and a folder are refused; a refused or missing file never
  // replaces the ROM that is open.
  void abgelehnteRoms() {
    Testumgebung u;
    frm_Angaben& f = u.fenster();
    u.Schreib(QStringLiteral("kurz.gb"), QByteArray(0x1FFFFF, '\1'));
    QDir(u.Pfad(QString())).mkdir(QStringLiteral("ordner.gb"));
    for (const QString& name : {QStringLiteral("kurz.gb"), QStringLiteral("ordner.gb")}) {
      u.meldungen.clear();
      f.RomÖffnen(u.Pfad(name));
      QCOMPARE(u.Texte(), QStringLiteral("Tessaron: Dies ist keine gültige Romdatei."));
      QVERIFY(Module1.RomDatei.isEmpty());
      QVERIFY(!f.Auswahl->isEnabled());
    }
    f.RomÖffnen(u.rom());
    f.RomÖffnen(u.Pfad(QStringLiteral("fehlt.gb")));
    QCOMPARE(Module1.RomDatei, u.rom());
  }

  void offsetFeld() {
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
    // Ctrl+Backspace, Ctrl with another letter and Alt combinations do nothing.
    QTest::keyClick(feld, Qt::Key_End);
    QTest::keyClick(feld, Qt::Key_Backspace, Qt::ControlModifier);
    QTest::keyClick(feld, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(feld, Qt::Key_1, Qt::AltModifier);
    QTest::keyClicks(feld, QStringLiteral("4"));
    QCOMPARE(feld->text(), QStringLiteral("234"));
    feld->selectAll();
    QTest::keyClick(feld, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(feld->text(), QString());
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("234"));

    // Pasting replaces the text with at most six digits of valid upper-case hex, else empties it.
    for (const auto& [ablage, erwartet] :
         {std::pair{"12345678", "123456"}, std::pair{"1bb900", ""}, std::pair{"ABCDEFGH", ""}}) {
      feld->setText(QStringLiteral("77"));
      QGuiApplication::clipboard()->setText(QString::fromLatin1(ablage));
      QTest::keyClick(feld, Qt::Key_V, Qt::ControlModifier);
      QCOMPARE(feld->text(), QString::fromLatin1(erwartet));
    }
    feld->clear();
    QTest::keyClick(feld, Qt::Key_V);
    QCOMPARE(feld->text(), QString());
  }

  // The wheel turns only the list that has the focus, not one the pointer
  // passes over while scrolling.
  void radNurMitFokus() {
    Testumgebung u;
    frm_Angaben& f = u.fenster();
    f.RomÖffnen(u.rom());
    auto drehen = [&f] {
      QWheelEvent rad(QPointF(5, 5), f.Auswahl->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
      QApplication::sendEvent(f.Auswahl, &rad);
    };
    drehen();
    QCOMPARE(f.Auswahl->currentIndex(), 0);
    QApplication::setActiveWindow(&f);
    f.Auswahl->setFocus();
    QTRY_VERIFY(f.Auswahl->hasFocus());
    drehen();
    QCOMPARE(f.Auswahl->currentIndex(), 1);
  }

  void quellSchalter() {
    Testumgebung u;
    frm_Angaben& f = u.fenster();
    f.Chk_Original->setChecked(true);  // works without a ROM
    QVERIFY(f.Auswahl->isEnabled());
    QVERIFY(!f.Txt_Ort->isEnabled());
    Waehlen(f, 3);
    QCOMPARE(Module1.QuellOffset, QStringLiteral("E00"));
    QCOMPARE(Tile(96), KachelText(u.plan.tilesets[3].kacheln, 96));
    f.Chk_Original->setChecked(false);
    QVERIFY(!f.Auswahl->isEnabled());
    QVERIFY(!f.Cmd_Einfügen->isEnabled());
    QVERIFY(f.Txt_Ort->text().isEmpty());
    QCOMPARE(Module1.PalettenAdresse[0][0], 0xB75E + 1);
    QVERIFY(u.meldungen.empty());

    f.RomÖffnen(u.rom());
    Waehlen(f, 5);  // moved in the ROM
    QCOMPARE(Module1.QuellDatei, u.rom());
    f.Chk_Geheim->setChecked(true);
    QCOMPARE(Module1.QuellDatei, u.Pfad(QStringLiteral("Tilesets.gb")));
    QCOMPARE(Module1.QuellOffset, QStringLiteral("1C00"));
    QCOMPARE(f.Txt_Ort->text(), QStringLiteral("1C00"));
    QCOMPARE(f.Lbl_Pointer->text(), QStringLiteral("Pointer"));
    QVERIFY(!f.Chk_Ersetzen->isEnabled());
    QCOMPARE(Tile(1), KachelText(u.plan.tilesets[5].kacheln, 1));
    f.Chk_Geheim->setChecked(false);
    QCOMPARE(Module1.QuellDatei, u.rom());
    QVERIFY(f.Chk_Ersetzen->isEnabled());
    QCOMPARE(f.Lbl_Pointer->text(), QStringLiteral("700050"));

    // Both switches changed in turn: back in ROM mode, the ROM's switches work again.
    for (QCheckBox* c : {f.Chk_Original, f.Chk_Geheim}) c->setChecked(true);
    QVERIFY(!f.Chk_Ersetzen->isEnabled() && !f.Chk_Löschen->isEnabled());
    for (QCheckBox* c : {f.Chk_Original, f.Chk_Geheim}) c->setChecked(false);
    QVERIFY(f.Chk_Ersetzen->isEnabled() && f.Chk_Löschen->isEnabled());
    // While one of them is on, the label shows no pointer.
    for (QCheckBox* c : {f.Chk_Geheim, f.Chk_Original}) c->setChecked(true);
    f.Chk_Geheim->setChecked(false);
    QCOMPARE(f.Lbl_Pointer->text(), QStringLiteral("Pointer"));
  }

  // Without a ROM, the tileset stays choosable while either side-file mode is
  // on, and leaving the last one leaves nothing to load or write, whatever
  // changes later.
  void quellSchalterOhneRom() {
    Testumgebung u;
    frm_Angaben& f = u.fenster();
    f.Chk_Geheim->setChecked(true);
    Waehlen(f, 3);
    // Tiles whose palettes were never read show the fixed colours, not black.
    QCOMPARE(Frm_Bearbeiten::Instanz().Fläche(1).FarbenRückgabe(),
             QStringLiteral("00000000066074601672454016777180"));
    for (QCheckBox* c : {f.Chk_Original, f.Chk_Geheim}) {
      c->setChecked(!c->isChecked());  // the other mode stays on
      QVERIFY(f.Auswahl->isEnabled() && f.Cmd_Einfügen->isEnabled());
      QVERIFY(Frm_Bearbeiten::Instanz().isVisible());
    }
    f.Chk_Geheim->setChecked(true);
    f.Chk_Original->setChecked(false);
    QVERIFY(f.Auswahl->isEnabled() && f.Cmd_Einfügen->isEnabled());
    QCOMPARE(Tile(96), KachelText(u.plan.tilesets[3].kacheln, 96));
    f.Chk_Geheim->setChecked(false);
    QVERIFY(!f.Auswahl->isEnabled() && !f.Cmd_Einfügen->isEnabled() && !f.Cmd_Pointeränd->isEnabled());
    QVERIFY(!Frm_Bearbeiten::Instanz().isVisible());
    const QString zeiger = f.Lbl_Pointer->text();
    Frm_Optionen& o = Frm_Optionen::Instanz();
    o.Zeit->setCurrentIndex(2);
    emit o.Zeit->activated(2);
    o.Chk_Raster->click();
    QVERIFY(!Frm_Bearbeiten::Instanz().isVisible() && !f.Cmd_Einfügen->isEnabled());
    QCOMPARE(f.Lbl_Pointer->text(), zeiger);
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
    QCOMPARE(Tile(1), KachelText(u.plan.tilesets[1].kacheln, 1));
    u.fenster().Chk_Geheim->setChecked(true);
    QCOMPARE(u.Texte(),
             QStringLiteral("Fehler: Fehler: Die Datei 'Tilesets.gb' wurde nicht gefunden oder sie "
                            "ist leer.\nBitte kontrolieren sie ob die date vorhanden ist."));
    QCOMPARE(Tile(1), LeeresTile);
    QVERIFY(QFileInfo::exists(u.Pfad(QStringLiteral("Tilesets.gb"))));
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
    QVERIFY(u.Texte().startsWith(
        QStringLiteral("Tessaron: Bitte lesen Sie zu diesem Thema die mitgeliferte Datei "
                       "'WichtigeInfos.txt'")));
    QVERIFY(u.Texte().contains(QDir::cleanPath(u.Pfad(QString()))));  // the side files' folder
  }
};

QTEST_MAIN(TestHauptfenster)
#include "test_hauptfenster.moc"
