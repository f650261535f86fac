#include <QtTest>
#include <functional>

#include "Blockdaten.h"
#include "Frm_Kolli.h"
#include "Frm_PalettenZu.h"
#include "Frm_TilesetPal.h"
#include "Frm_einfuegenals.h"
#include "Kollision.h"
#include "Kopftabelle.h"
#include "Module1.h"
#include "Schreiboperationen.h"
#include "Tilesetblock.h"
#include "Welt.h"
#include "Zahlen.h"
#include "frm_Angaben.h"
#include "frm_Block.h"

// Every command that must refuse, beyond the plain placements of the
// write-fault walk, and which old copy of a moved tileset an insertion or
// "Einfügen als" erases.
namespace {
using Schritt = std::function<void(Testumgebung&)>;
constexpr qint64 L = Tilesetblock::Laenge;
constexpr qint64 Alt2 = Testdaten::VerschobenOrt2;
const QString Frei = Hex(Welt::Frei);

Schritt Folge(std::initializer_list<Schritt> schritte) {
  return [v = std::vector<Schritt>(schritte)](Testumgebung& u) {
    for (const Schritt& s : v) s(u);
  };
}

Schritt Ort(const QString& ort) {
  return [ort](Testumgebung& u) { u.fenster().Txt_Ort->setText(ort); };
}

// The main window over the ROM, tileset n chosen and painted, the offset typed.
Schritt Haupt(int n, const QString& ort = {}, bool ersetzen = true) {
  return [=](Testumgebung& u) {
    Welt::Offen(u, n);
    Welt::Bemalen();
    u.fenster().Chk_Ersetzen->setChecked(ersetzen);
    if (!ort.isEmpty()) Ort(ort)(u);
  };
}

// Tilesets.gb mode over the ROM, tileset n chosen, the offset typed.
Schritt Seitendatei(int n, const QString& ort = {}) {
  return [=](Testumgebung& u) {
    u.fenster().RomÖffnen(u.rom());
    u.fenster().Chk_Geheim->setChecked(true);
    Welt::Waehlen(u.fenster(), n);
    if (!ort.isEmpty()) Ort(ort)(u);
  };
}

// No ROM, tileset n chosen while a side-file mode was on.
Schritt OhneRom(int n, QCheckBox* frm_Angaben::*modus = &frm_Angaben::Chk_Geheim) {
  return [=](Testumgebung& u) {
    (u.fenster().*modus)->setChecked(true);
    Welt::Waehlen(u.fenster(), n);
    (u.fenster().*modus)->setChecked(false);
  };
}

// Original data read without a ROM, a tile placed in the block editor.
void OriginaldatenOhneRom(Testumgebung& u) {
  u.fenster().Chk_Original->setChecked(true);
  Welt::Waehlen(u.fenster(), 1);
  frm_Block::Instanz().Pic_Tileset_MouseMove(1, 0, 5, 5);
  frm_Block::Instanz().Pic_Block_MouseMove(1, 0, 5, 5);
}

// OriginalPaletten.gb of n bytes; -1: missing.
Schritt Paletten(int n) {
  return [n](Testumgebung& u) {
    Welt::Offen(u);
    if (n < 0) QFile::remove(u.Pfad(QStringLiteral("OriginalPaletten.gb")));
    if (n >= 0) u.Schreib(QStringLiteral("OriginalPaletten.gb"), QByteArray(n, '\1'));
  };
}

Schritt OhneOriginalPointer(int n) {
  return [n](Testumgebung& u) {
    QFile::remove(u.Pfad(QStringLiteral("OriginalPointer.ini")));
    u.FensterNeu();
    Welt::Offen(u, n);
  };
}

// "Einfügen als" tileset n at `ort`, the window opened over the ROM first;
// with `andere` the target is that file, a copy of the ROM and `anhang` zeros.
Schritt Als(int n, const QString& ort, const QString& andere = {}, qint64 anhang = 0) {
  return [=](Testumgebung& u) {
    if (!Frm_einfügenals::Geladen()) {
      u.fenster().RomÖffnen(u.rom());
      u.fenster().Cmd_Einfügenals_Click();
    }
    Frm_einfügenals& f = Frm_einfügenals::Instanz();
    if (!andere.isEmpty()) {
      u.Schreib(andere, Welt::Rom(u) + QByteArray(anhang, '\0'));
      f.Opt_Andere->setChecked(true);
      f.DateiAngeben(u.Pfad(andere));
    }
    f.Auswahl->setCurrentIndex(n - 1);
    f.Auswahl_Click();
    f.Txt_Ort->setText(ort);
  };
}

// A record of tileset n that went stale: it leads to `alt`.
Schritt Veraltet(int n, qint64 alt) {
  return [=](Testumgebung&) {
    Module1.NeuPointer[n] = QString::fromLatin1(Rombau::Zeiger(alt).toHex().toUpper());
  };
}

Schritt RomAendern(const std::function<void(QByteArray&)>& aendern) {
  return [aendern](Testumgebung& u) {
    QByteArray rom = Welt::Rom(u);
    aendern(rom);
    u.Schreib(QStringLiteral("test.gb"), rom);
  };
}

Schritt Oeffnen(const QString& name) {
  return [name](Testumgebung& u) { u.fenster().RomÖffnen(u.Pfad(name)); };
}

const Schritt Einfuegen = [](Testumgebung& u) { u.fenster().Cmd_Einfügen_Click(); };
const Schritt PointerAendern = [](Testumgebung& u) { u.fenster().Cmd_Pointeränd_Click(); };
const Schritt AlterPointer = [](Testumgebung& u) { u.fenster().Cmd_AltPointer_Click(); };
const Schritt Zurueck = [](Testumgebung& u) { u.fenster().Cmd_PointeruLöschen_Click(); };
const Schritt Suchen = [](Testumgebung& u) { u.fenster().Cmd_sucheOff_Click(); };
const Schritt AlsEinfuegen = [](Testumgebung&) { Frm_einfügenals::Instanz().Einfügen(); };
const Schritt Ja = [](Testumgebung& u) { u.antwort = QMessageBox::Yes; };
const Schritt BlockSpeichern = [](Testumgebung&) { frm_Block::Instanz().Cmd_Speichern_Click(); };
const Schritt KolliSpeichern = [](Testumgebung&) { Frm_Kolli::Instanz().Cmd_Speichern_Click(); };
const Schritt PaletteSpeichern = [](Testumgebung&) { Frm_TilesetPal::Instanz().Cmd_PalSpeichern_Click(); };
const Schritt PalettenZurueck = [](Testumgebung& u) { u.fenster().Cmd_OriginalTilePal_Click(); };
const Schritt ZuordnungSpeichern = [](Testumgebung&) { Frm_PalettenZu::Instanz().Cmd_Speichern_Click(); };
const Schritt ZuordnungZurueck = [](Testumgebung& u) { u.fenster().Cmd_OrgPalEinf_Click(); };

// One row: what the command must do, and the one message it must give (or,
// for a write, the last one; no title: it says nothing).
struct Fall {
  Schritt vorbereiten, befehl;
  QString titel;
  QStringList nennt;
  bool schreibt = false;                      // false: no file changes
  qint64 bleibt = -1;                         // the area keeps what it held before the command
  qint64 geloescht = -1;                      // the area is zeros
  qint64 neu = -1;                            // the area holds the view's tiles
  QString datei = QStringLiteral("test.gb");  // the one file written
};

Fall Ablehnung(const Schritt& v, const Schritt& b, const char* titel, const QStringList& nennt = {}) {
  return {v, b, QString::fromUtf8(titel), nennt};
}

Fall Schreibt(const Schritt& v, const Schritt& b, qint64 bleibt, qint64 geloescht, qint64 neu,
              const QString& grund = {}, const QString& datei = QStringLiteral("test.gb")) {
  return {v, b, QStringLiteral("Tessaron"), {"erfolgreich", grund}, true, bleibt, geloescht, neu, datei};
}

std::map<QString, Fall> Faelle() {
  const Rombau::Plan plan = Testdaten::Plan();
  const qint64 frei = Welt::Frei;
  const QString satz2 = Hex(Tilesetblock::SatzLaenge), satz5 = Hex(4 * Tilesetblock::SatzLaenge);
  const QStringList grenzen = {QStringLiteral("1BB900"), QStringLiteral("1BC000")};
  // The test ROM's only zero run below the search's wrap limit, filled.
  const Schritt ohneFreienBereich =
      Folge({RomAendern([](QByteArray& rom) { rom.replace(0x180000, 0x30000, QByteArray(0x30000, '\x5A')); }),
             Oeffnen(QStringLiteral("test.gb"))});
  const Schritt klein = [](Testumgebung& u) {
    u.Schreib(QStringLiteral("klein.gb"), QByteArray(0x100000, '\1'));
  };
  const Schritt kleinAlsAndere = [](Testumgebung& u) {
    Frm_einfügenals::Instanz().DateiAngeben(u.Pfad(QStringLiteral("klein.gb")));
  };
  const Schritt andereWeg = [](Testumgebung& u) { QFile::remove(u.Pfad(QStringLiteral("andere.gb"))); };
  const Schritt tilesetsZiel = [](Testumgebung&) {
    Frm_einfügenals::Instanz().Opt_Tilesets->setChecked(true);
  };
  const Schritt siebenAufAlt2 =
      RomAendern([](QByteArray& rom) { rom.replace(Kopftabelle::ZeigerOrt(7), 3, Rombau::Zeiger(Alt2)); });
  const Schritt keinBlock = RomAendern([](QByteArray& rom) { rom[0x1C8000] = 'x'; });
  const Schritt tabellenHinterDemEnde =
      Folge({RomAendern([](QByteArray& rom) {
               rom.replace(Blockdaten::ZeigerOrt(1), 3, QByteArray::fromHex("7FF87F"));
               rom.replace(Kollision::ZeigerOrt(1), 3, QByteArray::fromHex("FFFFFF"));
             }),
             Haupt(1), [](Testumgebung&) { frm_Block::Instanz().Pic_Block_MouseMove(2, 0, 5, 5); }});
  const Schritt originaldaten = [](Testumgebung& u) {
    Welt::Offen(u);
    u.fenster().Chk_Original->setChecked(true);
  };
  const Schritt alsOhneLoeschen = Folge({Als(2, Frei), [](Testumgebung& u) {
                                           Welt::Waehlen(u.fenster(), 2);
                                           Frm_einfügenals::Instanz().Chk_Löschen->setChecked(false);
                                         }});
  const Schritt zweitesRom = [](Testumgebung& u) {
    u.Schreib(QStringLiteral("zweite.gb"), Welt::Rom(u));
    u.fenster().RomÖffnen(u.Pfad(QStringLiteral("zweite.gb")));
    Welt::Bemalen();
  };
  const Schritt romGewechselt =
      Folge({Haupt(2), [](Testumgebung& u) { Welt::Waehlen(u.fenster(), 1); }, zweitesRom, Ort(Hex(Alt2))});
  return {
      {"Einfügen: 1BB901", Ablehnung(Haupt(2, "1BB901"), Einfuegen, "!!ACHTUNG!!", grenzen)},
      // At the limits the range check passes and the free test asks (No).
      {"Einfügen: 1BB900", Ablehnung(Haupt(2, "1BB900"), Einfuegen, "Achtung")},
      {"Einfügen: 1BC000", Ablehnung(Haupt(2, "1BC000"), Einfuegen, "Achtung")},
      {"Einfügen: Originalort",
       Ablehnung(Haupt(2, Hex(plan.tilesets[2].originalOrt)), Einfuegen, "Tessaron")},
      {"Einfügen: belegt", Ablehnung(Haupt(2, "100000"), Einfuegen, "Achtung")},
      {"Einfügen: keine Hexzahl", Ablehnung(Haupt(2, "1C4G00"), Einfuegen, "Fehler", {"1C4G00"})},
      {"Einfügen: ohne Rom", Ablehnung(OhneRom(2), Einfuegen, "Fehler", {"Rom"})},
      // The moved tilesets of the previous ROM are not this one's.
      {"Einfügen: nach Romwechsel", Ablehnung(romGewechselt, Einfuegen, "Achtung")},
      // Only the tileset's own record of Tilesets.gb takes its block.
      {"Tilesets.gb: Rom-Offset", Ablehnung(Seitendatei(5, Frei), Einfuegen, "Fehler", {satz5, Frei})},
      {"Tilesets.gb: fremder Satz", Ablehnung(Seitendatei(5, satz2), Einfuegen, "Fehler", {satz5, satz2})},
      {"Suchen: kein freier Bereich", Ablehnung(ohneFreienBereich, Suchen, "Tessaron", {QString::number(L)})},
      {"Pointer ändern: Tilesets.gb", Ablehnung(Seitendatei(6, Frei), PointerAendern, "Achtung")},
      {"Pointer ändern: ohne Rom", Ablehnung(OhneRom(6), PointerAendern, "Fehler", {"Rom"})},
      {"Pointer ändern: derselbe Offset", Ablehnung(Haupt(6), PointerAendern, "Achtung")},
      {"Pointer ändern: kein Tileset dort", Ablehnung(Haupt(6, "100000"), PointerAendern, "Tessaron")},
      {"Pointer ändern: keine Hexzahl", Ablehnung(Haupt(6, "1C4G00"), PointerAendern, "Fehler", {"1C4G00"})},
      {"Alter Pointer: ohne Rom", Ablehnung(OhneRom(2), AlterPointer, "Fehler", {"Rom"})},
      {"Alter Pointer: ohne Originalpointer",
       Ablehnung(OhneOriginalPointer(2), AlterPointer, "Fehler", {"OriginalPointer.ini"})},
      {"Pointer zurück: ohne Rom", Ablehnung(OhneRom(2), Zurueck, "Fehler", {"Rom"})},
      {"Pointer zurück: ohne Originalpointer",
       Ablehnung(OhneOriginalPointer(2), Zurueck, "Fehler", {"OriginalPointer.ini"})},
      // Nothing to write to without a ROM: only the assignment's save names
      // the missing ROM. In original-data mode the ROM's table is no target.
      {"Block speichern: ohne Rom", Ablehnung(OriginaldatenOhneRom, BlockSpeichern, "")},
      {"Kollision speichern: ohne Rom", Ablehnung(OriginaldatenOhneRom, KolliSpeichern, "")},
      {"Palette speichern: ohne Rom", Ablehnung([](Testumgebung&) {}, PaletteSpeichern, "")},
      {"Original Paletten einfügen: Originaldaten", Ablehnung(originaldaten, PalettenZurueck, "")},
      {"Zuordnung speichern: ohne Rom", Ablehnung(OhneRom(4), ZuordnungSpeichern, "Fehler", {"Rom"})},
      {"Zuordnung speichern: ohne Rom, Originaldaten",
       Ablehnung(OhneRom(4, &frm_Angaben::Chk_Original), ZuordnungSpeichern, "Fehler", {"Rom"})},
      {"Zuordnung zurück: ohne Rom", Ablehnung(OhneRom(4), ZuordnungZurueck, "")},
      // Tables the header places past the ROM's end: the ROM does not grow.
      {"Block speichern: hinter dem Romende",
       Ablehnung(tabellenHinterDemEnde, BlockSpeichern, "Fehler", {"test.gb"})},
      {"Kollision speichern: hinter dem Romende",
       Ablehnung(tabellenHinterDemEnde, KolliSpeichern, "Fehler", {"test.gb"})},
      // A whole table or less goes over the ROM's; anything else is no original.
      {"Original Paletten einfügen: zu lang",
       Ablehnung(Paletten(321), PalettenZurueck, "Fehler", {"OriginalPaletten.gb"})},
      {"Original Paletten einfügen: leer",
       Ablehnung(Paletten(0), PalettenZurueck, "Fehler", {"OriginalPaletten.gb"})},
      {"Original Paletten einfügen: fehlt",
       Ablehnung(Paletten(-1), PalettenZurueck, "Fehler", {"OriginalPaletten.gb"})},
      {"Rom öffnen: zu kurz",
       Ablehnung([](Testumgebung& u) { u.Schreib(QStringLiteral("kurz.gb"), QByteArray(0x1FFFFF, '\1')); },
                 Oeffnen("kurz.gb"), "Tessaron")},
      {"Als: 1BB901", Ablehnung(Als(3, "1BB901"), AlsEinfuegen, "!!ACHTUNG!!", grenzen)},
      {"Als: 1BC000", Ablehnung(Als(3, "1BC000"), AlsEinfuegen, "Achtung")},
      // Empty means offset 0: the free test looks at the ROM's header.
      {"Als: leer", Ablehnung(Als(3, ""), AlsEinfuegen, "Achtung")},
      {"Als: keine Hexzahl", Ablehnung(Als(3, "1G0000"), AlsEinfuegen, "Fehler", {"1G0000"})},
      {"Als: am Ende", Ablehnung(Als(3, "1FFC00"), AlsEinfuegen, "Fehler", {"1FFC00", QString::number(L)})},
      {"Als: Originalort", Ablehnung(Als(3, Hex(plan.tilesets[3].originalOrt)), AlsEinfuegen, "Tessaron")},
      {"Als: andere zu kurz", Ablehnung(Folge({Als(3, Frei), klein}), kleinAlsAndere, "Tessaron")},
      // Past 4 MiB an offset has no 3-byte pointer.
      {"Als: andere über 4 MiB",
       Ablehnung(Als(4, "400000", "andere.gb", 0x300000), AlsEinfuegen, "Fehler", {"400000"})},
      {"Als: andere verschwunden",
       Ablehnung(Folge({Als(4, Frei, "andere.gb"), andereWeg}), AlsEinfuegen, "Fehler", {"andere.gb"})},
      // Which old copy of a moved tileset goes: only the tileset's own stored
      // block (all markers) that no pointer leads to once the write is done.
      // At its own place the block is rewritten without the free-area question.
      {"Kopie: am eigenen Ort", Schreibt(Haupt(2, Hex(Alt2)), Einfuegen, -1, -1, Alt2)},
      // The new block overlaps the old copy and survives its erasure.
      {"Kopie: überlappend",
       Schreibt(Folge({Haupt(2, Frei), Einfuegen, Ort(Hex(frei + 100)), Ja}), Einfuegen, -1, -1, frei + 100)},
      {"Kopie: nie verschoben", Schreibt(Haupt(3, Frei), Einfuegen, plan.tilesets[3].originalOrt, -1, frei)},
      {"Kopie: eigener Zeiger bleibt",
       Schreibt(Haupt(2, Frei, false), Einfuegen, Alt2, -1, frei, "2.Tilesets")},
      {"Kopie: Zeiger eines anderen",
       Schreibt(Folge({siebenAufAlt2, Haupt(2, Frei)}), Einfuegen, Alt2, -1, frei, "7.Tilesets")},
      // Data a pointer was set to with "Trotzdem ändern?" is no stored block.
      {"Kopie: zurück, kein Block",
       Schreibt(Folge({Haupt(6, "100000"), Ja, PointerAendern}), Zurueck, 0x100000, -1, -1, "100000")},
      // After "Einfügen als" moved the shown tileset, the copy its pointer
      // now leads to goes, not the one the main window loaded.
      {"Kopie: zurück nach Einfügen als",
       Schreibt(Folge({alsOhneLoeschen, AlsEinfuegen}), Zurueck, Alt2, frei, -1)},
      // A moved tileset the main window has not shown.
      {"Kopie: als, nicht angezeigt",
       Schreibt(Als(5, Frei), AlsEinfuegen, -1, Testdaten::VerschobenOrt5, frei)},
      // Tileset 7 reuses the first copy of tileset 4: only the second one goes.
      {"Kopie: als, eigene", Schreibt(Folge({Ja, Als(4, "1C2000"), AlsEinfuegen, Als(4, Frei), AlsEinfuegen,
                                             Als(7, "1C2000"), AlsEinfuegen, Als(4, "1C6000")}),
                                      AlsEinfuegen, 0x1C2000, frei, 0x1C6000)},
      {"Kopie: als, veralteter Satz ohne Block",
       Schreibt(Folge({keinBlock, Als(4, "1CA000"), Veraltet(4, 0x1C8000)}), AlsEinfuegen, 0x1C8000, -1,
                0x1CA000)},
      {"Kopie: als, veralteter Satz, fremder Zeiger",
       Schreibt(Folge({Als(7, "1C2000"), AlsEinfuegen, Als(4, "1CA000"), Veraltet(4, 0x1C2000)}),
                AlsEinfuegen, 0x1C2000, -1, 0x1CA000)},
      // The main window opening another ROM leaves the chosen target the
      // one written: for "this ROM" that is the new one.
      {"Ziel nach Romwechsel: dieses Rom",
       Schreibt(Folge({Als(1, Frei), zweitesRom, Als(2, Frei)}), AlsEinfuegen, -1, -1, -1, {}, "zweite.gb")},
      {"Ziel nach Romwechsel: anderes Rom",
       Schreibt(Folge({Als(1, Frei, "andere.gb"), zweitesRom, Als(2, Frei)}), AlsEinfuegen, -1, -1, -1, {},
                "andere.gb")},
      {"Ziel nach Romwechsel: Tilesets.gb", Schreibt(Folge({Als(1, Frei), tilesetsZiel, zweitesRom}),
                                                     AlsEinfuegen, -1, -1, -1, {}, "Tilesets.gb")},
  };
}
}  // namespace

class TestEinfuegen : public QObject {
  Q_OBJECT
 private slots:
  void befehl_data() {
    QTest::addColumn<QString>("fall");
    for (const auto& [name, fall] : Faelle()) QTest::newRow(qPrintable(name)) << name;
  }
  void befehl() {
    QFETCH(QString, fall);
    const Fall f = Faelle().at(fall);
    Testumgebung u;
    f.vorbereiten(u);
    const Dateistand vorher = Stand(u);
    const QStringList ansicht = Welt::Ansicht();
    u.meldungen.clear();
    f.befehl(u);
    QVERIFY(f.schreibt || u.meldungen.size() == size_t(!f.titel.isEmpty()));
    QCOMPARE(u.meldungen.empty() ? QString() : u.meldungen.back().titel, f.titel);
    for (const QString& n : f.nennt) QVERIFY2(u.meldungen.back().text.contains(n), qPrintable(u.Texte()));
    Dateistand nachher = Stand(u);
    if (f.schreibt) {
      QVERIFY(nachher[f.datei] != vorher.at(f.datei));
      nachher[f.datei] = vorher.at(f.datei);
    }
    QVERIFY(nachher == vorher);
    const QByteArray alt = vorher.at(QStringLiteral("test.gb")), rom = Welt::Rom(u);
    if (f.bleibt >= 0)
      QVERIFY(rom.mid(f.bleibt, L) == alt.mid(f.bleibt, L) && alt.mid(f.bleibt, L) != QByteArray(L, '\0'));
    if (f.geloescht >= 0) QCOMPARE(rom.mid(f.geloescht, L), QByteArray(L, '\0'));
    if (f.neu >= 0) QCOMPARE(Welt::Gelesen(rom.mid(f.neu, L)), ansicht);
  }
  // The search goes on from its last find; a new ROM starts it afresh.
  void sucheImFenster() {
    Testumgebung u;
    frm_Angaben& f = u.fenster();
    u.antwort = QMessageBox::Yes;
    for (const char* erwartet : {"180000", "180606", "180000"}) {
      if (erwartet[5] == '0') f.RomÖffnen(u.rom());
      f.Cmd_sucheOff_Click();
      QCOMPARE(f.Txt_Ort->text(), QString::fromLatin1(erwartet));
    }
  }
};

QTEST_MAIN(TestEinfuegen)
#include "test_einfuegen.moc"
