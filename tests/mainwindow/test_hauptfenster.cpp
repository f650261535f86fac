#include <QClipboard>
#include <QtTest>

#include "Frm_Bearbeiten.h"
#include "Frm_Optionen.h"
#include "Kopftabelle.h"
#include "Schreiboperationen.h"
#include "Tilesetblock.h"
#include "Welt.h"
#include "frm_Angaben.h"

namespace {
QString KachelText(const QByteArray& kacheln, int i) {
  return Tilesetblock::Lesen(Rombau::TilesetBlock(kacheln))[i - 1];
}

QString Tile(int i) { return Welt::Tile(i).Zurükgeben(); }

const QString LeeresTile(48, QLatin1Char('0'));
}  // namespace

class TestHauptfenster : public QObject {
  Q_OBJECT
 private slots:
  // Each tileset shows the copy its source holds, and nothing that only reads
  // writes a file; a refused or missing file leaves the open ROM the one
  // written to.
  void lesenUndQuellen() {
    Testumgebung u;
    frm_Angaben& f = u.fenster();
    const Rombau::Plan& p = u.plan;
    u.Schreib(QStringLiteral("kurz.gb"), QByteArray(0x1FFFFF, '\1'));
    const Dateistand vorher = Stand(u);
    f.RomÖffnen(u.rom());  // tileset 1 at its original place: from Tilesets.gb
    QCOMPARE(Tile(96), KachelText(p.tilesets[1].kacheln, 96));
    Welt::Waehlen(f, 2);  // moved: from the ROM
    QCOMPARE(Tile(65), KachelText(p.tilesets[2].geaenderteKacheln, 65));
    f.Cmd_LeerTile->trigger();
    QCOMPARE(Tile(40), LeeresTile);
    f.Cmd_Laden->trigger();
    QCOMPARE(Tile(40), KachelText(p.tilesets[2].geaenderteKacheln, 40));
    Welt::Waehlen(f, 5);
    f.Chk_Geheim->setChecked(true);  // the record in Tilesets.gb, not the moved copy
    QCOMPARE(Tile(1), KachelText(p.tilesets[5].kacheln, 1));
    f.Chk_Original->setChecked(true);
    f.Chk_Geheim->setChecked(false);
    // Both switches changed in turn: back in ROM mode the ROM's switches work.
    f.Chk_Original->setChecked(false);
    QVERIFY(f.Chk_Ersetzen->isEnabled() && f.Chk_Löschen->isEnabled());
    f.RomÖffnen(u.Pfad(QStringLiteral("kurz.gb")));
    f.RomÖffnen(u.Pfad(QStringLiteral("fehlt.gb")));
    QVERIFY(Stand(u) == vorher);
    Welt::Waehlen(f, 2);
    f.Cmd_AltPointer_Click();
    QCOMPARE(Welt::Rom(u).mid(Kopftabelle::ZeigerOrt(2), 3), Rombau::Zeiger(p.tilesets[2].originalOrt));
  }

  // Without a ROM the tileset stays choosable while a side-file mode is on;
  // leaving the last one leaves nothing to show or write, whatever changes
  // later.
  void seitendateienOhneRom() {
    Testumgebung u;
    frm_Angaben& f = u.fenster();
    f.Chk_Geheim->setChecked(true);
    Welt::Waehlen(f, 3);
    f.Chk_Original->setChecked(true);
    f.Chk_Original->setChecked(false);  // Tilesets.gb mode stays on
    QCOMPARE(Tile(96), KachelText(u.plan.tilesets[3].kacheln, 96));
    f.Chk_Original->setChecked(true);
    f.Chk_Geheim->setChecked(false);
    QVERIFY(f.Cmd_Einfügen->isEnabled() && Frm_Bearbeiten::Instanz().isVisible());
    f.Chk_Original->setChecked(false);
    Frm_Optionen& o = Frm_Optionen::Instanz();
    o.Zeit->setCurrentIndex(2);
    emit o.Zeit->activated(2);
    o.Chk_Raster->click();
    QVERIFY(!Frm_Bearbeiten::Instanz().isVisible() && !f.Cmd_Einfügen->isEnabled());
    QVERIFY(u.meldungen.empty());
  }

  void fehlendeSeitendateien() {
    Testumgebung u(Testdaten::Plan(), false);
    QFile::remove(u.Pfad(QStringLiteral("Tilesets.gb")));
    QFile::remove(u.Pfad(QStringLiteral("OriginalPointer.ini")));
    u.FensterNeu();
    u.fenster().RomÖffnen(u.rom());  // without original pointers every tileset is the ROM's
    QCOMPARE(Tile(1), KachelText(u.plan.tilesets[1].kacheln, 1));
    u.fenster().Chk_Geheim->setChecked(true);
    QVERIFY2(u.meldungen.size() == 1 && FehlerNenntDatei(u, QStringLiteral("Tilesets.gb")),
             qPrintable(u.Texte()));
    QCOMPARE(Tile(1), LeeresTile);
  }

  // Closed, the editors only hide and keep what they show; the palette
  // assignment is unloaded and reads its field again when opened.
  void schliessen_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("bleibt");
    for (const char* name : {"Frm_Kolli", "Frm_Optionen", "Frm_TilesetPal"})
      QTest::newRow(name) << QString::fromLatin1(name) << true;
    QTest::newRow("Frm_PalettenZu") << QStringLiteral("Frm_PalettenZu") << false;
  }
  void schliessen() {
    QFETCH(QString, name);
    QFETCH(bool, bleibt);
    Testumgebung u;
    Welt::Offen(u).findChild<QAction*>(QStringLiteral("Cmd_") + name.mid(4))->trigger();
    QPointer<QWidget> fenster;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->objectName() == name && w->isVisible()) fenster = w;
    QVERIFY(fenster);
    fenster->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(bleibt ? fenster && fenster->isHidden() : !fenster);
  }

  // The wheel turns only the list that has the focus; an offset box takes
  // hex digits only, in upper case, Ctrl+X cuts and Ctrl+V pastes an offset.
  void eingaben() {
    Testumgebung u;
    frm_Angaben& f = Welt::Offen(u);
    f.Txt_Ort->clear();
    QTest::keyClicks(f.Txt_Ort, QStringLiteral("!g-1 2zc"));
    QTest::keyClick(f.Txt_Ort, Qt::Key_Backspace);
    QCOMPARE(f.Txt_Ort->text(), QStringLiteral("12"));
    f.Txt_Ort->selectAll();
    QTest::keyClick(f.Txt_Ort, Qt::Key_X, Qt::ControlModifier);
    QVERIFY(f.Txt_Ort->text().isEmpty());
    for (const char* ablage : {"1C4000", "1C4G00"}) {
      QGuiApplication::clipboard()->setText(QString::fromLatin1(ablage));
      QTest::keyClick(f.Txt_Ort, Qt::Key_V, Qt::ControlModifier);
      QCOMPARE(f.Txt_Ort->text(), ablage[3] == 'G' ? QString() : QString::fromLatin1(ablage));
    }
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
};

QTEST_MAIN(TestHauptfenster)
#include "test_hauptfenster.moc"
