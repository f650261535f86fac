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

qint64 ZeigerOrt(int n) { return 0x156D3 + 15 * n; }

void Waehlen(frm_Angaben& f, int n) {
  f.Auswahl->setCurrentIndex(n - 1);
  f.Auswahl_Click();
}

QByteArray Rom(const Testumgebung& u) { return u.Lies(QStringLiteral("test.gb")); }

constexpr qint64 Verschoben = 0x150000;

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
    frm_Angaben& f = u.fenster();
    f.RomÖffnen(u.rom());
    // A block written by the insertion passes the marker test without a question.
    Waehlen(f, 6);
    f.Chk_Ersetzen->setChecked(false);
    f.Txt_Ort->setText(Hex(Frei));
    f.Cmd_Einfügen_Click();
    u.meldungen.clear();
    Waehlen(f, 6);
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
    QCOMPARE(u.meldungen.size(), size_t(1));
    QCOMPARE(u.meldungen[0].titel, QStringLiteral("Achtung"));
    QCOMPARE(u.meldungen[0].text,
             QStringLiteral("Bitte geben Sie den Offset des zu verpointeten Tilesets an!"));
    QCOMPARE(Rom(u), vorher);

    // Zeros fail the marker test: No keeps the ROM, Yes writes.
    u.meldungen.clear();
    f.Txt_Ort->setText(QStringLiteral("1C8000"));
    f.Cmd_Pointeränd_Click();
    QCOMPARE(u.Texte(),
             QStringLiteral("Tessaron: An diesem Ort befindet sich kein Tileset.Trotzdem ändern?"));
    QCOMPARE(Rom(u), vorher);
    u.antwort = QMessageBox::Yes;
    f.Cmd_Pointeränd_Click();
    QCOMPARE(Rom(u).mid(ZeigerOrt(6), 3), Rombau::Zeiger(0x1C8000));
  }

  void pointerAendernVerweigert() {
    Testumgebung u;
    frm_Angaben& f = u.fenster();
    // No ROM open.
    f.Chk_Geheim->setChecked(true);
    Waehlen(f, 1);
    u.meldungen.clear();
    for (auto op : {&frm_Angaben::Cmd_Pointeränd_Click, &frm_Angaben::Cmd_AltPointer_Click,
                    &frm_Angaben::Cmd_PointeruLöschen_Click}) {
      (f.*op)();
      QCOMPARE(u.meldungen.size(), size_t(1));
      QCOMPARE(u.meldungen[0].titel, QStringLiteral("Fehler"));
      u.meldungen.clear();
    }
    f.Chk_Geheim->setChecked(false);
    // In Tilesets.gb mode and in original-data mode "Pointer ändern" writes nothing.
    f.RomÖffnen(u.rom());
    const QByteArray vorher = Rom(u);
    for (QCheckBox* modus : {f.Chk_Geheim, f.Chk_Original}) {
      modus->setChecked(true);
      u.meldungen.clear();
      f.Cmd_Pointeränd_Click();
      QCOMPARE(u.meldungen.size(), size_t(1));
      QCOMPARE(u.meldungen[0].titel, QStringLiteral("Achtung"));
      QVERIFY(!u.meldungen[0].text.contains(QLatin1String("erfolgreich")));
      QCOMPARE(Rom(u), vorher);
      modus->setChecked(false);
    }
  }

  void originalPointerEinfuegen() {
    Testumgebung u;
    frm_Angaben& f = u.fenster();
    f.RomÖffnen(u.rom());
    Waehlen(f, 2);
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

  void pointerZurueckUndTilesetLoeschen() {
    Testumgebung u(OhneFreieBereiche());
    frm_Angaben& f = u.fenster();
    f.RomÖffnen(u.rom());
    f.Cmd_sucheOff_Click();
    QVERIFY2(u.Texte().contains(QLatin1String("kein leerer Offset")), qPrintable(u.Texte()));
    Waehlen(f, 2);
    u.meldungen.clear();
    f.Cmd_PointeruLöschen_Click();
    QCOMPARE(u.Texte(), QStringLiteral("Tessaron: Pointer wurde erfolgreich wieder hergestelt! Tileset wurde "
                                       "erfolgreich gelöscht!"));
    const QByteArray rom = Rom(u);
    QCOMPARE(rom.mid(ZeigerOrt(2), 3), Rombau::Zeiger(u.plan.tilesets[2].originalOrt));
    QCOMPARE(rom.mid(Verschoben, Block), QByteArray(Block, '\0'));
    QCOMPARE(rom.size(), Rombau::RomLaenge);
    QVERIFY(!f.Cmd_PointeruLöschen->isVisible());
    // The erased block is free space for the search now.
    u.meldungen.clear();
    f.Cmd_sucheOff_Click();
    QCOMPARE(Module1.FreierOffset, QStringLiteral("150000"));
  }

  void loeschenNurMitMarkernUndFehlerfest() {
    // Pointer set with "Trotzdem ändern?" onto data without markers.
    Testumgebung u;
    frm_Angaben& f = u.fenster();
    f.RomÖffnen(u.rom());
    Waehlen(f, 3);
    f.Txt_Ort->setText(QStringLiteral("100000"));
    u.antwort = QMessageBox::Yes;
    f.Cmd_Pointeränd_Click();
    const QByteArray daten = Rom(u).mid(0x100000, Block);
    u.meldungen.clear();
    f.Cmd_PointeruLöschen_Click();
    QVERIFY2(u.Texte().contains(QStringLiteral("Am Offset 100000 wurde nichts gelöscht")),
             qPrintable(u.Texte()));
    QVERIFY(!u.Texte().contains(QStringLiteral("Tileset wurde erfolgreich gelöscht")));
    QCOMPARE(Rom(u).mid(0x100000, Block), daten);
    QCOMPARE(Rom(u).mid(ZeigerOrt(3), 3), Rombau::Zeiger(u.plan.tilesets[3].originalOrt));

    // A failed write changes nothing and reports no success.
    Testumgebung g;
    g.fenster().RomÖffnen(g.rom());
    Waehlen(g.fenster(), 5);
    const QByteArray vorher = Rom(g);
    for (int k = 1; k <= 4; ++k) {
      g.meldungen.clear();
      Schreibfehler::NachSchritt(k);
      g.fenster().Cmd_PointeruLöschen_Click();
      Schreibfehler::NachSchritt(0);
      QCOMPARE(Rom(g), vorher);
      QCOMPARE(g.meldungen.size(), size_t(1));
      QCOMPARE(g.meldungen[0].titel, QStringLiteral("Fehler"));
      QCOMPARE(Module1.NeuPointer[5], QStringLiteral("700050"));
    }
  }
};

QTEST_MAIN(TestPointer)
#include "test_pointer.moc"
