#include <QtTest>
#include <functional>

#include "Frm_Bearbeiten.h"
#include "Frm_Bild.h"
#include "Frm_Kolli.h"
#include "Frm_Optionen.h"
#include "Frm_PalettenZu.h"
#include "Frm_TilesetPal.h"
#include "Module1.h"
#include "Welt.h"
#include "Wiederherstellung.h"
#include "frm_Angaben.h"
#include "frm_Animationen.h"
#include "frm_Block.h"

using Welt::Tile;

namespace {
using Schritt = std::function<void(frm_Angaben&)>;

// Five tiles painted as one undoable step, as a stroke would.
void FuenfTiles(frm_Angaben&) {
  Frm_Bearbeiten::Instanz().AlleÄndern(QStringLiteral("Malen"), [] {
    for (int i = 1; i <= 5; ++i) Tile(i).Direkt(QString(64, QLatin1Char('1' + i % 4)));
  });
}

void AnimationMalen(frm_Angaben& f) {
  f.Cmd_Animationen->trigger();
  frm_Animationen& a = frm_Animationen::Instanz();
  a.Verlauf().Merken(1, QStringLiteral("Malen"));
  a.Bild[1]->Direkt(QString(64, QLatin1Char('3')));
  a.Verlauf().Beenden();
}

// Tile 5F placed in the first cell of the block shown.
void BlockSetzen(frm_Angaben&) {
  frm_Block& b = frm_Block::Instanz();
  b.Pic_Tileset_MouseMove(1, 0, 15 * 16 + 1, 5 * 16 + 1);
  b.Pic_Block_MouseMove(1, 0, 2, 2);
  b.Verlauf().Beenden();
}

// What a cancelled question must leave as it was: the tiles and animation
// frames and the block shown, the chosen tileset, the switches and the ROM.
QString Zustand(frm_Angaben& f, const Testumgebung& u) {
  QString animation;
  if (frm_Animationen::Geladen())
    for (int i = 1; i <= 4; ++i) animation += frm_Animationen::Instanz().Bild[i]->DirektZurück();
  return Welt::Ansicht().join(QString()) + animation + Module1.AktuellerBlock +
         QString::number(Frm_Kolli::Instanz().Cbo_Block->currentIndex()) +
         QString::number(f.Auswahl->currentIndex()) + QString::number(f.Chk_Geheim->isChecked()) +
         QString::number(f.Chk_Original->isChecked()) + QString::fromLatin1(Welt::Rom(u).toHex());
}

struct Pfad {
  int tileset;
  Schritt malen;
  Schritt ausloesen;
  QString frage;
  std::function<bool(frm_Angaben&)> weiter;  // it went on after Discard
};

const QString TilesFrage = QStringLiteral("Titelset%1: 5 Tiles sind noch nicht geschrieben.");
bool Frisch(frm_Angaben& f) { return !f.isWindowModified(); }
}  // namespace
Q_DECLARE_METATYPE(Pfad)

class TestUngeschrieben : public QObject {
  Q_OBJECT
 private slots:
  // Every path that would drop unwritten changes asks first: Cancel leaves
  // everything as it was, Discard lets it go on.
  void verwerfen_data() {
    QTest::addColumn<Pfad>("pfad");
    const auto liste = [](frm_Angaben& f) {
      f.Auswahl->setCurrentIndex(2);
      emit f.Auswahl->activated(2);
    };
    const auto bildListe = [](frm_Angaben&) {
      Frm_Bild& b = Frm_Bild::Instanz();
      b.Auswahl->setCurrentIndex(2);
      emit b.Auswahl->activated(2);
    };
    const auto drittes = [](frm_Angaben& f) { return Frisch(f) && f.Auswahl->currentIndex() == 2; };
    const QString t1 = TilesFrage.arg(1);
    QTest::newRow("Liste") << Pfad{1, FuenfTiles, liste, t1, drittes};
    QTest::newRow("Liste des Bildfensters") << Pfad{1, FuenfTiles, bildListe, t1, drittes};
    QTest::newRow("Rom öffnen") << Pfad{
        1, FuenfTiles, [](frm_Angaben& f) { f.RomÖffnen(f.property("rom").toString()); }, t1, Frisch};
    QTest::newRow("Tileset neu Laden")
        << Pfad{1, FuenfTiles, [](frm_Angaben& f) { f.Cmd_Laden->trigger(); }, t1, Frisch};
    QTest::newRow("Original Pointer")
        << Pfad{2, FuenfTiles, [](frm_Angaben& f) { f.Cmd_AltPointer->trigger(); }, TilesFrage.arg(2),
                [](frm_Angaben& f) { return Frisch(f) && !f.Cmd_AltPointer->isVisible(); }};
    QTest::newRow("Dateiänderung zurücknehmen")
        << Pfad{1,
                [](frm_Angaben& f) {
                  frm_Animationen::Instanz().Cmd_Speichern_Click();
                  FuenfTiles(f);
                },
                [](frm_Angaben& f) { f.Cmd_Zurücknehmen->trigger(); }, t1,
                [](frm_Angaben& f) { return Frisch(f) && f.Cmd_Erneut->isEnabled(); }};
    QTest::newRow("In Tilesets.gb speichern")
        << Pfad{1, FuenfTiles, [](frm_Angaben& f) { f.Chk_Geheim->click(); }, t1, Frisch};
    QTest::newRow("Originaldaten ändern")
        << Pfad{1, FuenfTiles, [](frm_Angaben& f) { f.Chk_Original->click(); }, t1, Frisch};
    QTest::newRow("Hauptfenster schließen") << Pfad{1, FuenfTiles, [](frm_Angaben& f) { f.close(); }, t1,
                                                    [](frm_Angaben& f) { return !f.isVisible(); }};
    QTest::newRow("Block wählen") << Pfad{
        1, BlockSetzen, [](frm_Angaben&) { Frm_Kolli::Instanz().Cbo_Block->setCurrentIndex(5); },
        QStringLiteral("Block 01 (Titelset1): Die Änderungen sind noch nicht gespeichert."),
        [](frm_Angaben&) {
          return frm_Block::Instanz().Cbo_Block->currentIndex() == 5 &&
                 !frm_Block::Instanz().isWindowModified();
        }};
    QTest::newRow("Animation wählen")
        << Pfad{1, AnimationMalen,
                [](frm_Angaben&) {
                  frm_Animationen& a = frm_Animationen::Instanz();
                  a.Animation->setCurrentIndex(1);
                  emit a.Animation->activated(1);
                },
                QStringLiteral("Animation 'Wasser': Die Änderungen sind noch nicht gespeichert."),
                [](frm_Angaben&) { return !frm_Animationen::Instanz().isWindowModified(); }};
    QTest::newRow("Animation schließen") << Pfad{
        1, AnimationMalen, [](frm_Angaben&) { frm_Animationen::Instanz().close(); },
        QStringLiteral("Animation 'Wasser': Die Änderungen sind noch nicht gespeichert."),
        [](frm_Angaben&) { return !frm_Animationen::Geladen() || !frm_Animationen::Instanz().isVisible(); }};
  }
  void verwerfen() {
    QFETCH(Pfad, pfad);
    Testumgebung u;
    frm_Angaben& f = Welt::Offen(u, pfad.tileset);
    f.setProperty("rom", u.rom());
    pfad.malen(f);
    const QString vorher = Zustand(f, u);
    u.meldungen.clear();
    u.verwerfen = QMessageBox::Cancel;
    pfad.ausloesen(f);
    QCOMPARE(u.Texte(), QStringLiteral("Tessaron: ") + pfad.frage);
    QCOMPARE(Zustand(f, u), vorher);
    u.verwerfen = QMessageBox::Discard;
    pfad.ausloesen(f);
    QVERIFY2(pfad.weiter(f), qPrintable(u.Texte()));
  }

  // What only changes how things look keeps the painted tiles and animation
  // frames, unwritten and undoable, and shows them in the new colours.
  void anzeige_data() {
    QTest::addColumn<Schritt>("aendern");
    QTest::addColumn<bool>("grau");
    const auto optionen = [](const std::function<void(Frm_Optionen&)>& a) {
      return Schritt([a](frm_Angaben&) { a(Frm_Optionen::Instanz()); });
    };
    QTest::newRow("Graustufen") << optionen([](Frm_Optionen& o) { o.Opt_Grau->click(); }) << true;
    QTest::newRow("Tageszeit") << optionen([](Frm_Optionen& o) {
      o.Zeit->setCurrentIndex(2);
      emit o.Zeit->activated(2);
    }) << false;
    QTest::newRow("Raster") << optionen([](Frm_Optionen& o) { o.Chk_Raster->click(); }) << false;
    QTest::newRow("Pixelgröße") << optionen([](Frm_Optionen& o) {
      o.Cbo_Grösse->setCurrentIndex(2);
      emit o.Cbo_Grösse->activated(2);
    }) << false;
    QTest::newRow("Kollisionsliste") << optionen([](Frm_Optionen& o) { o.Opt_Aufgezälten->click(); })
                                     << false;
    QTest::newRow("Palette speichern")
        << Schritt([](frm_Angaben&) { Frm_TilesetPal::Instanz().Cmd_PalSpeichern_Click(); }) << false;
    QTest::newRow("Zuordnung speichern")
        << Schritt([](frm_Angaben&) { Frm_PalettenZu::Instanz().Cmd_Speichern_Click(); }) << false;
    QTest::newRow("Zuordnung wiederherstellen")
        << Schritt([](frm_Angaben& f) { f.Cmd_OrgPalEinf->trigger(); }) << false;
  }
  void anzeige() {
    QFETCH(Schritt, aendern);
    QFETCH(bool, grau);
    Welt::Optionen({});
    Testumgebung u;
    frm_Angaben& f = Welt::Offen(u);
    const QStringList gelesen = Welt::Ansicht();
    FuenfTiles(f);
    AnimationMalen(f);
    const QStringList gemalt = Welt::Ansicht();
    const QString bild = frm_Animationen::Instanz().Bild[1]->DirektZurück();
    aendern(f);
    QCOMPARE(Welt::Ansicht(), gemalt);
    QCOMPARE(frm_Animationen::Instanz().Bild[1]->DirektZurück(), bild);
    QVERIFY(f.isWindowModified() && frm_Animationen::Instanz().isWindowModified());
    if (grau) QCOMPARE(Tile(1).Point(1, 1), Welt::Grau[Tile(1).Nummer(1) - 1]);
    Frm_Bearbeiten::Instanz().Verlauf().Rückgängig();
    QCOMPARE(Welt::Ansicht(), gelesen);
  }

  // A successful write makes its editor clean and keeps its history: the
  // window with the editor active undoes it, and it is modified again.
  void schreiben_data() {
    QTest::addColumn<QString>("fenster");
    QTest::addColumn<Schritt>("aendern");
    QTest::addColumn<Schritt>("speichern");
    QTest::newRow("Einfügen") << "frm_Angaben" << Schritt([](frm_Angaben& f) {
      f.Chk_Geheim->click();
      FuenfTiles(f);
    }) << Schritt([](frm_Angaben& f) { f.Cmd_Einfügen->trigger(); });
    QTest::newRow("Animation") << "frm_Animationen" << Schritt(AnimationMalen) << Schritt([](frm_Angaben&) {
      frm_Animationen::Instanz().Cmd_Speichern_Click();
    });
    QTest::newRow("Block") << "frm_Block" << Schritt(BlockSetzen)
                           << Schritt([](frm_Angaben&) { frm_Block::Instanz().Cmd_Speichern_Click(); });
    QTest::newRow("Kollision") << "Frm_Kolli" << Schritt([](frm_Angaben&) {
      QComboBox* wert = Frm_Kolli::Instanz().Cbo_Art[1];
      wert->setCurrentIndex((wert->currentIndex() + 1) % 256);
      emit wert->activated(wert->currentIndex());
    }) << Schritt([](frm_Angaben&) { Frm_Kolli::Instanz().Cmd_Speichern_Click(); });
    QTest::newRow("Palettenzuordnung") << "Frm_PalettenZu" << Schritt([](frm_Angaben& f) {
      f.Cmd_PalettenZu->trigger();
      Frm_PalettenZu::Instanz().Pal_Click(5);
    }) << Schritt([](frm_Angaben&) { Frm_PalettenZu::Instanz().Cmd_Speichern_Click(); });
    QTest::newRow("Palette") << "Frm_TilesetPal" << Schritt([](frm_Angaben&) {
      Frm_TilesetPal& p = Frm_TilesetPal::Instanz();
      p.Wert->setText(QStringLiteral("2A15"));
      p.Cmd_HexRGB_Click();
    }) << Schritt([](frm_Angaben&) { Frm_TilesetPal::Instanz().Cmd_PalSpeichern_Click(); });
  }
  void schreiben() {
    QFETCH(QString, fenster);
    QFETCH(Schritt, aendern);
    QFETCH(Schritt, speichern);
    Testumgebung u;
    frm_Angaben& f = Welt::Offen(u);
    aendern(f);
    QWidget* w = nullptr;
    for (QWidget* t : QApplication::topLevelWidgets())
      if (t->objectName() == fenster) w = t;
    QVERIFY(w && w->isWindowModified());
    const QByteArray vorher = Welt::Rom(u) + u.Lies(QStringLiteral("Tilesets.gb"));
    speichern(f);
    QVERIFY(!w->isWindowModified());
    QVERIFY(Welt::Rom(u) + u.Lies(QStringLiteral("Tilesets.gb")) != vorher);
    w->show();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    f.Cmd_Rückgängig->trigger();
    QVERIFY(w->isWindowModified());
  }

  // A recovery file left behind (the window gone as if the program had been
  // killed) is offered by the next main window that opens the ROM: Yes puts
  // the changes back, unwritten and undoable as one step, No removes it; a
  // changed ROM is named, a damaged file reported and set aside.
  void wiederherstellen_data() {
    QTest::addColumn<bool>("ja");
    QTest::addColumn<bool>("romGeaendert");
    QTest::addColumn<bool>("beschaedigt");
    QTest::newRow("Ja") << true << false << false;
    QTest::newRow("Nein") << false << false << false;
    QTest::newRow("Rom seitdem geändert") << true << true << false;
    QTest::newRow("beschädigt") << true << false << true;
  }
  void wiederherstellen() {
    QFETCH(bool, ja);
    QFETCH(bool, romGeaendert);
    QFETCH(bool, beschaedigt);
    Testumgebung u;
    frm_Angaben& f = Welt::Offen(u, 3);
    const QStringList gelesen = Welt::Ansicht();
    FuenfTiles(f);
    AnimationMalen(f);
    const QStringList gemalt = Welt::Ansicht();
    const QString datei = Wiederherstellung::Datei(u.rom());
    QTRY_VERIFY(QFile::exists(datei));
    u.FensterNeu();
    if (beschaedigt) {
      QFile d(datei);
      QVERIFY(d.open(QIODevice::ReadWrite) && d.seek(d.size() / 2) && d.write("x") == 1);
    }
    QByteArray rom = Welt::Rom(u);
    rom[0x120] = static_cast<char>(rom[0x120] ^ 1);
    if (romGeaendert) u.Schreib(QStringLiteral("test.gb"), rom);
    u.meldungen.clear();
    u.antwort = ja ? QMessageBox::Yes : QMessageBox::No;
    frm_Angaben& neu = u.fenster();
    neu.RomÖffnen(u.rom());
    const bool zurueck = ja && !beschaedigt;
    QCOMPARE(u.Texte().contains(QLatin1String("Titelset3")), !beschaedigt);
    QCOMPARE(u.Texte().contains(QStringLiteral("seitdem geändert")), romGeaendert);
    QCOMPARE(u.Texte().startsWith(QLatin1String("Fehler")), beschaedigt);
    QCOMPARE(QFile::exists(datei), zurueck);
    QCOMPARE(neu.Auswahl->currentIndex(), zurueck ? 2 : 0);
    if (!zurueck) return;
    QCOMPARE(Welt::Ansicht(), gemalt);
    QCOMPARE(frm_Animationen::Instanz().Bild[1]->DirektZurück(), QString(64, QLatin1Char('3')));
    QVERIFY(neu.isWindowModified() && frm_Animationen::Instanz().isWindowModified());
    QCOMPARE(Frm_Bearbeiten::Instanz().Verlauf().Stapel().undoText(), QStringLiteral("Wiederherstellen"));
    Frm_Bearbeiten::Instanz().Verlauf().Rückgängig();
    QCOMPARE(Welt::Ansicht(), gelesen);
  }
};

QTEST_MAIN(TestUngeschrieben)
#include "test_ungeschrieben.moc"
