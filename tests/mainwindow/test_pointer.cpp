#include <QtTest>

#include "Dateizugriff.h"
#include "Frm_Bearbeiten.h"
#include "Module1.h"
#include "Rombau.h"
#include "Testumgebung.h"
#include "Tilesetblock.h"
#include "frm_Angaben.h"

namespace {
constexpr qint64 Block = 1542;
constexpr qint64 Frei = 0x1C4000;
constexpr qint64 Verschoben = 0x150000;

qint64 ZeigerOrt(int n) { return 0x156D3 + 15 * n; }

QByteArray Rom(const Testumgebung& u) { return u.Lies(QStringLiteral("test.gb")); }

// The main window over the opened ROM with tileset n chosen.
frm_Angaben& Offen(Testumgebung& u, int n) {
  frm_Angaben& f = u.fenster();
  f.RomÖffnen(u.rom());
  f.Auswahl->setCurrentIndex(n - 1);
  f.Auswahl_Click();
  return f;
}

// The ROM of the test data with tileset 2 moved below the search's wrap limit
// and no zero runs there, so an erased block is the only free area.
Rombau::Plan OhneFreieBereiche() {
  Rombau::Plan plan = Testdaten::Plan();
  for (qint64 i = 0; i < 0x1C0000; ++i) plan.fuellung[i] = static_cast<char>(i % 253 + 1);
  plan.tilesets[2].ort = Verschoben;
  return plan;
}
}  // namespace

class TestPointer : public QObject {
  Q_OBJECT
 private slots:
  void pointerAendern() {
    Testumgebung u;
    frm_Angaben& f = Offen(u, 6);
    // A block written by the insertion passes the marker test without a question.
    f.Chk_Ersetzen->setChecked(false);
    f.Txt_Ort->setText(Hex(Frei));
    f.Cmd_Einfügen_Click();
    u.meldungen.clear();
    f.Auswahl_Click();
    f.Txt_Ort->setText(Hex(Frei));
    f.Cmd_Pointeränd_Click();
    QCOMPARE(u.Texte(), QStringLiteral("Tessaron: Pointer wurde erfolgreich geendert!"));
    QCOMPARE(Rom(u).mid(ZeigerOrt(6), 3), Rombau::Zeiger(Frei));
    QCOMPARE(Module1.QuellOffset, QStringLiteral("1C4000"));
    QCOMPARE(Module1.NeuPointer[6], QStringLiteral("710040"));
    QVERIFY(f.Cmd_AltPointer->isVisible());

    // The offset it already designates: "Achtung", nothing written.
    u.meldungen.clear();
    const QByteArray vorher = Rom(u);
    f.Cmd_Pointeränd_Click();
    QCOMPARE(u.Texte(),
             QStringLiteral("Achtung: Bitte geben Sie den Offset des zu verpointeten Tilesets an!"));
    QCOMPARE(Rom(u), vorher);

    // Data without markers fails the marker test: No keeps the ROM, Yes writes.
    u.meldungen.clear();
    f.Txt_Ort->setText(QStringLiteral("100000"));
    f.Cmd_Pointeränd_Click();
    QCOMPARE(u.Texte(),
             QStringLiteral("Tessaron: An diesem Ort befindet sich kein Tileset.Trotzdem ändern?"));
    QCOMPARE(Rom(u), vorher);
    u.antwort = QMessageBox::Yes;
    f.Cmd_Pointeränd_Click();
    QCOMPARE(Rom(u).mid(ZeigerOrt(6), 3), Rombau::Zeiger(0x100000));

    // Restoring it erases nothing there: that data is no stored tileset block.
    u.meldungen.clear();
    f.Cmd_PointeruLöschen_Click();
    QVERIFY2(u.Texte().startsWith(QStringLiteral("Tessaron: Pointer wurde erfolgreich wieder hergestelt!\nAm "
                                                 "Offset 100000 wurde nichts gelöscht")),
             qPrintable(u.Texte()));
    QCOMPARE(Rom(u).mid(0x100000, Block), vorher.mid(0x100000, Block));
    QCOMPARE(Rom(u).mid(ZeigerOrt(6), 3), Rombau::Zeiger(u.plan.tilesets[6].originalOrt));
  }

  // In Tilesets.gb mode and in original-data mode "Pointer ändern" writes
  // nothing (the refusals without a ROM are the insertion test's).
  void pointerAendernVerweigert() {
    Testumgebung u;
    frm_Angaben& f = u.fenster();
    f.RomÖffnen(u.rom());
    const QByteArray vorher = Rom(u);
    for (QCheckBox* modus : {f.Chk_Geheim, f.Chk_Original}) {
      modus->setChecked(true);
      u.meldungen.clear();
      f.Cmd_Pointeränd_Click();
      QVERIFY2(u.Texte().startsWith(QLatin1String("Achtung: Solange")), qPrintable(u.Texte()));
      QCOMPARE(Rom(u), vorher);
      modus->setChecked(false);
    }
  }

  void originalPointerEinfuegen() {
    Testumgebung u;
    frm_Angaben& f = Offen(u, 2);
    const QByteArray vorher = Rom(u);
    f.Cmd_AltPointer_Click();
    QCOMPARE(u.Texte(), QStringLiteral("Tessaron: Pointer wurde erfolgreich wieder hergestelt!"));
    const QByteArray rom = Rom(u);
    QCOMPARE(rom.mid(ZeigerOrt(2), 3), Rombau::Zeiger(u.plan.tilesets[2].originalOrt));
    QCOMPARE(rom.mid(Testdaten::VerschobenOrt2, Block), vorher.mid(Testdaten::VerschobenOrt2, Block));
    QVERIFY(Module1.NeuPointer[2].isEmpty());
    QVERIFY(!f.Cmd_AltPointer->isVisible());
    QVERIFY(Module1.QuellDatei.endsWith(QLatin1String("Tilesets.gb")));
  }

  // Also the search's give-up in the window: before the erase the ROM has no
  // free area, after it the erased block is one.
  void pointerZurueckUndTilesetLoeschen() {
    Testumgebung u(OhneFreieBereiche());
    frm_Angaben& f = Offen(u, 2);
    const QString ort = f.Txt_Ort->text();
    f.Cmd_sucheOff_Click();
    f.Cmd_sucheOff_Click();  // and again, from the same place
    QCOMPARE(u.meldungen.size(), size_t(2));
    QVERIFY2(u.meldungen[1].text.startsWith(QLatin1String("Es wurde kein leerer Offset gefunden")),
             qPrintable(u.Texte()));
    QCOMPARE(f.Txt_Ort->text(), ort);
    // A failed attempt keeps the pointer record (its bytes are the write-fault walk's).
    u.meldungen.clear();
    Schreibfehler::NachSchritt(1);
    f.Cmd_PointeruLöschen_Click();
    Schreibfehler::NachSchritt(0);
    QCOMPARE(u.meldungen.size(), size_t(1));
    QCOMPARE(u.meldungen[0].titel, QStringLiteral("Fehler"));
    QCOMPARE(Module1.NeuPointer[2], QStringLiteral("540040"));
    u.meldungen.clear();
    f.Cmd_PointeruLöschen_Click();
    QCOMPARE(u.Texte(), QStringLiteral("Tessaron: Pointer wurde erfolgreich wieder hergestelt! Tileset wurde "
                                       "erfolgreich gelöscht!"));
    const QByteArray rom = Rom(u);
    QCOMPARE(rom.mid(ZeigerOrt(2), 3), Rombau::Zeiger(u.plan.tilesets[2].originalOrt));
    QCOMPARE(rom.mid(Verschoben, Block), QByteArray(Block, '\0'));
    QCOMPARE(rom.size(), Rombau::RomLaenge);
    QVERIFY(!f.Cmd_PointeruLöschen->isVisible());
    u.meldungen.clear();
    f.Cmd_sucheOff_Click();
    QCOMPARE(Module1.FreierOffset, QStringLiteral("150000"));
  }
};

QTEST_MAIN(TestPointer)
#include "test_pointer.moc"
