#include <QtTest>

#include "Dateizugriff.h"
#include "Einzeln.h"
#include "Frm_Bearbeiten.h"
#include "Frm_einfuegenals.h"
#include "Module1.h"
#include "Testumgebung.h"
#include "Tilesetblock.h"
#include "frm_Angaben.h"

namespace {
constexpr qint64 Kopf = 0x156D3;
const QString Rom = QStringLiteral("test.gb");
const QString Andere = QStringLiteral("andere.gb");
const QString Tilesets = QStringLiteral("Tilesets.gb");

// Paints the tileset view with tiles of its own and returns their block.
QByteArray Malen(int salz) {
  const QByteArray block = Rombau::TilesetBlock(Rombau::Musterkacheln(9, salz));
  const auto texte = Tilesetblock::Lesen(block);
  for (int i = 1; i <= 96; ++i) Frm_Bearbeiten::Instanz().Fläche(i).Zuteilen(texte[i - 1]);
  return block;
}

Frm_einfügenals& Oeffnen(Testumgebung& u) {
  u.fenster().RomÖffnen(u.rom());
  u.fenster().Cmd_Einfügenals_Click();
  return Frm_einfügenals::Instanz();
}

void Waehlen(Frm_einfügenals& f, int n) {
  f.Auswahl->setCurrentIndex(n - 1);
  f.Auswahl_Click();
}

// Chooses tileset n, types the offset and inserts.
void Einfuegen(Frm_einfügenals& f, int n, const QString& offset) {
  Waehlen(f, n);
  f.Txt_Ort->setText(offset);
  f.Einfügen();
}

// Whether the files differ only inside the given (start, length) areas.
bool NurDort(QByteArray alt, QByteArray neu, std::initializer_list<std::pair<qint64, qint64>> bereiche) {
  for (const auto& [ort, laenge] : bereiche) {
    alt.replace(ort, laenge, QByteArray(laenge, '\0'));
    neu.replace(ort, laenge, QByteArray(laenge, '\0'));
  }
  return alt == neu;
}

QString Erfolg(const QString& offset) {
  return QStringLiteral("Tessaron: Das Tileset wurde erfolgreich eingesetzt und zwar am Offset: ") + offset;
}

// Title of the one message shown since the last call.
QString Titel(Testumgebung& u) {
  const QString t =
      u.meldungen.size() == 1 ? u.meldungen[0].titel : QStringLiteral("%1 Meldungen").arg(u.meldungen.size());
  u.meldungen.clear();
  return t;
}

// A plan in which 0x1C0000 is free (tileset 2 stays at its original place).
Rombau::Plan Ohne2() {
  Rombau::Plan p = Testdaten::Plan();
  p.tilesets[2].ort = p.tilesets[2].originalOrt;
  return p;
}
}  // namespace

class TestEinfuegenals : public QObject {
  Q_OBJECT
 private slots:
  // The three targets in turn, with one insertion into each side file.
  void zieleNacheinander() {
    Testumgebung u;
    Frm_einfügenals& f = Oeffnen(u);
    const QByteArray rom = u.Lies(Rom), tilesets = u.Lies(Tilesets);
    QVERIFY(f.isVisible());
    QVERIFY(f.Opt_Diese->isChecked() && !f.Cmd_Dateian->isEnabled() && f.Cmd_Einfügen->isEnabled());
    QVERIFY(f.Chk_Ersetzen->isChecked() && f.Chk_Löschen->isChecked());
    QCOMPARE(f.Auswahl->currentIndex(), 0);
    QCOMPARE(f.Lbl_Pointer->text(), QStringLiteral("100040"));
    QCOMPARE(f.Txt_Ort->text(), QStringLiteral("40000"));
    QCOMPARE(f.Lbl_Dateiname->text(), u.rom());
    QTest::keyClicks(f.Txt_Ort, QStringLiteral("\b\b\b\b\b1bb9000"));  // the main window's key rules
    QCOMPARE(f.Txt_Ort->text(), QStringLiteral("1BB900"));
    QCOMPARE(f.Lbl_Pointer->text(), QStringLiteral("6E0079"));

    const QByteArray block = Malen(1);
    f.Opt_Tilesets->setChecked(true);
    QVERIFY(!f.Txt_Ort->isEnabled() && !f.Chk_Ersetzen->isEnabled() && !f.Chk_Löschen->isEnabled());
    QCOMPARE(f.Txt_Ort->text(), QStringLiteral("1"));
    QCOMPARE(f.Lbl_Pointer->text(), QStringLiteral("Pointer"));
    QCOMPARE(f.Lbl_Dateiname->text(), u.Pfad(Tilesets));
    Waehlen(f, 3);
    QCOMPARE(f.Txt_Ort->text(), QStringLiteral("E01"));
    f.Einfügen();
    QCOMPARE(
        u.Texte(),
        QStringLiteral("Tessaron: Das 3.Tileset wurde erfolgreich in der Datei 'Tilesets.gb' eingesetzt!"));
    u.meldungen.clear();
    QCOMPARE(u.Lies(Tilesets).mid(0xE00, 1542), block);
    QVERIFY(NurDort(tilesets, u.Lies(Tilesets), {{0xE00, 1542}}));

    f.Opt_Andere->setChecked(true);
    QVERIFY(f.Cmd_Dateian->isEnabled() && f.Txt_Ort->isEnabled());
    QVERIFY(!f.Cmd_Einfügen->isEnabled() && !f.Auswahl->isEnabled());
    QCOMPARE(f.Lbl_Dateiname->text(), QStringLiteral("Bitte Datei Auswählen."));
    u.Schreib(QStringLiteral("klein.gb"), QByteArray(0x100000, '\1'));
    f.DateiAngeben(u.Pfad(QStringLiteral("klein.gb")));
    QCOMPARE(u.Texte(), QStringLiteral("Tessaron: Dies ist keine gültige Romdatei."));
    u.meldungen.clear();
    QVERIFY(!f.Cmd_Einfügen->isEnabled() && !f.Auswahl->isEnabled());
    QVERIFY(f.AndereDatei.isEmpty());
    QByteArray andere = rom;
    andere.replace(Kopf + 15, 3, Rombau::Zeiger(0x1C3000));  // tileset 1 moved in that file only
    u.Schreib(Andere, andere);
    f.DateiAngeben(u.Pfad(Andere));
    QVERIFY(f.Cmd_Einfügen->isEnabled() && f.Auswahl->isEnabled());
    QCOMPARE(Module1.ZielDatei, u.Pfad(Andere));
    Waehlen(f, 1);
    QCOMPARE(f.Lbl_Pointer->text(), QStringLiteral("700070"));
    QCOMPARE(f.AnderePointer[1], QStringLiteral("700070"));

    Einfuegen(f, 4, QStringLiteral("1C2000"));
    QCOMPARE(u.Texte(),
             Erfolg("1C2000") + QStringLiteral("\nDer Pointer auf das 4.Tileset wurde auf 700060 gesetzt!"));
    u.meldungen.clear();
    const QByteArray neu = u.Lies(Andere);
    QCOMPARE(neu.mid(Kopf + 60, 3), QByteArray("\x70\x00\x60", 3));
    QCOMPARE(neu.mid(0x1C2000, 1542), block);
    // In the other file the tileset's data at its original place is erased.
    QCOMPARE(neu.mid(0x41500, 1542), QByteArray(1542, '\0'));
    QVERIFY(NurDort(andere, neu, {{Kopf + 60, 3}, {0x41500, 1542}, {0x1C2000, 1542}}));
    QCOMPARE(f.AnderePointer[4], QStringLiteral("700060"));

    // Past 4 MiB an offset has no 3-byte pointer: nothing is written.
    u.Schreib(Andere, neu + QByteArray(0x300000, '\0'));
    Einfuegen(f, 4, QStringLiteral("400000"));
    QCOMPARE(Titel(u), QStringLiteral("Fehler"));
    QCOMPARE(u.Lies(Andere), neu + QByteArray(0x300000, '\0'));
    QCOMPARE(u.Lies(Rom), rom);

    f.Opt_Diese->setChecked(true);
    QCOMPARE(Module1.ZielDatei, u.rom());
    f.close();  // unloads; the next opening starts afresh
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!Frm_einfügenals::Geladen());
    u.fenster().Cmd_Einfügenals_Click();
    QVERIFY(Frm_einfügenals::Instanz().AndereDatei.isEmpty());
  }

  void verbotenerBereichUndUngueltigeOffsets() {
    Testumgebung u;
    Frm_einfügenals& f = Oeffnen(u);
    const QByteArray vorher = u.Lies(Rom);
    for (const char* o : {"1BB901", "1BBFFF"}) {
      Einfuegen(f, 3, QString::fromLatin1(o));
      QCOMPARE(u.Texte(), QStringLiteral("!!ACHTUNG!!: Der Offset darf nicht Zwischen 1BB900 und 1BC000 "
                                         "sein.\nSonst sturzt das Rom ab!!!"));
      u.meldungen.clear();
    }
    for (const char* o : {"1BB900", "1BC000"}) {  // accepted: the free test asks (answered No)
      Einfuegen(f, 3, QString::fromLatin1(o));
      QCOMPARE(Titel(u), QStringLiteral("Achtung"));
    }
    // Text pasted with the mouse bypasses the key rules; it is checked before anything happens.
    for (const char* o : {"1G0000", "1C00000"}) {
      Einfuegen(f, 3, QString::fromLatin1(o));
      QVERIFY(u.Texte().contains(QString::fromLatin1(o)));
      QCOMPARE(Titel(u), QStringLiteral("Fehler"));
    }
    // An empty box means offset 0, and the free test looks there (the ROM's
    // header), not at the main window's last offset.
    Module1.ZielOffset = QStringLiteral("1C4000");
    Einfuegen(f, 3, QString());
    QCOMPARE(Titel(u), QStringLiteral("Achtung"));
    // Too near the end of the ROM: refused before the free test asks.
    Einfuegen(f, 3, QStringLiteral("1FFC00"));
    QCOMPARE(Titel(u), QStringLiteral("Fehler"));
    // The original place of the tileset.
    Einfuegen(f, 3, QStringLiteral("40E00"));
    QCOMPARE(u.Texte(),
             QStringLiteral("Tessaron: Dieser Offset ist ungültig. Bitte einen anderen Offset angeben!"));
    QCOMPARE(u.Lies(Rom), vorher);
  }

  void inDieseDateiUndZuruecklesen() {
    Testumgebung u(Ohne2());
    Frm_einfügenals& f = Oeffnen(u);
    const QByteArray block = Malen(2);
    const QByteArray alt = u.Lies(Rom);
    Einfuegen(f, 3, QStringLiteral("1C0000"));
    QCOMPARE(u.Texte(),
             Erfolg("1C0000") + QStringLiteral("\nDer Pointer auf das 3.Tileset wurde auf 700040 gesetzt!"));
    const QByteArray neu = u.Lies(Rom);
    QCOMPARE(neu.mid(Kopf + 45, 3), QByteArray("\x70\x00\x40", 3));
    QCOMPARE(neu.mid(0x1C0000, 1542), block);
    QVERIFY(NurDort(alt, neu, {{Kopf + 45, 3}, {0x1C0000, 1542}}));
    QCOMPARE(Module1.NeuPointer[3], QStringLiteral("700040"));

    // The block reads back through the main window as the same tiles.
    Malen(3);
    u.fenster().Auswahl->setCurrentIndex(2);
    u.fenster().Auswahl_Click();
    QCOMPARE(Module1.QuellOffset, QStringLiteral("1C0000"));
    const auto texte = Tilesetblock::Lesen(block);
    for (int i = 1; i <= 96; ++i) QCOMPARE(Frm_Bearbeiten::Instanz().Fläche(i).Zurükgeben(), texte[i - 1]);

    // Without a new pointer only the block is written, erase box or not: the
    // pointer of tileset 5 still leads to its copy at 1C1000.
    f.Chk_Ersetzen->setChecked(false);
    for (qint64 ort : {0x1C2000, 0x1C4000}) {
      u.meldungen.clear();
      const QByteArray vorher = u.Lies(Rom);
      Einfuegen(f, 5, QString::number(ort, 16).toUpper());
      QCOMPARE(u.Texte(), Erfolg(QString::number(ort, 16).toUpper()));
      QCOMPARE(u.Lies(Rom).mid(ort, 1542), block);
      QVERIFY(NurDort(vorher, u.Lies(Rom), {{ort, 1542}}));
      f.Chk_Löschen->setChecked(false);
    }
    // Looking at tileset 5 here left the main window's records alone.
    QVERIFY(Module1.NeuPointer[5].isEmpty());
  }

  // After this window moved the tileset the main window shows, the main
  // window erases the copy its pointer now leads to, not the one it loaded.
  void hauptfensterLoeschtDieNeueKopie() {
    Testumgebung u;
    Frm_einfügenals& f = Oeffnen(u);
    u.fenster().Auswahl->setCurrentIndex(1);
    u.fenster().Auswahl_Click();
    const QByteArray alt = u.Lies(Rom).mid(Testdaten::VerschobenOrt2, 1542);
    f.Chk_Löschen->setChecked(false);
    Einfuegen(f, 2, QStringLiteral("1C4000"));
    QCOMPARE(Module1.NeuPointer[2], QStringLiteral("710040"));
    u.meldungen.clear();
    u.fenster().Cmd_PointeruLöschen_Click();
    QVERIFY2(u.Texte().endsWith(QStringLiteral("Tileset wurde erfolgreich gelöscht!")),
             qPrintable(u.Texte()));
    const QByteArray rom = u.Lies(Rom);
    QCOMPARE(rom.mid(0x1C4000, 1542), QByteArray(1542, '\0'));
    QCOMPARE(rom.mid(Testdaten::VerschobenOrt2, 1542), alt);
    QCOMPARE(rom.mid(Kopf + 30, 3), Rombau::Zeiger(u.plan.tilesets[2].originalOrt));
  }

  // A moved tileset the main window has not shown: its copy is found through
  // its pointer and erased.
  void alteKopieOhneAnsichtImHauptfenster() {
    Testumgebung u;
    Frm_einfügenals& f = Oeffnen(u);
    QVERIFY(Module1.NeuPointer[5].isEmpty());
    const QByteArray block = Malen(5);
    Einfuegen(f, 5, QStringLiteral("1C2000"));
    const QByteArray rom = u.Lies(Rom);
    QCOMPARE(rom.mid(0x1C2000, 1542), block);
    QCOMPARE(rom.mid(Testdaten::VerschobenOrt5, 1542), QByteArray(1542, '\0'));
    QCOMPARE(rom.mid(Kopf + 75, 3), Rombau::Zeiger(0x1C2000));
  }

  // Opening another ROM in the main window while this window is open.
  void zielBleibtNachRomWechsel() {
    Testumgebung u;
    Frm_einfügenals& f = Oeffnen(u);
    const QString zweite = u.Pfad(QStringLiteral("zweite.gb"));
    const QByteArray rom = u.Lies(Rom), tilesets = u.Lies(Tilesets);
    u.Schreib(QStringLiteral("zweite.gb"), rom);
    f.Opt_Tilesets->setChecked(true);
    u.fenster().RomÖffnen(zweite);
    QCOMPARE(f.Lbl_Dateiname->text(), u.Pfad(Tilesets));
    const QByteArray block = Malen(4);
    Waehlen(f, 2);
    f.Einfügen();
    QCOMPARE(u.Lies(Tilesets).mid(0x700, 1542), block);
    QVERIFY(NurDort(tilesets, u.Lies(Tilesets), {{0x700, 1542}}));
    QCOMPARE(u.Lies(Rom), rom);
    QCOMPARE(u.Lies(QStringLiteral("zweite.gb")), rom);

    f.Opt_Diese->setChecked(true);
    QCOMPARE(f.Lbl_Dateiname->text(), zweite);
    u.fenster().RomÖffnen(u.rom());
    QCOMPARE(f.Lbl_Dateiname->text(), u.rom());
    QCOMPARE(Module1.ZielDatei, u.rom());
  }

  void wiederholtesEinfuegenLoeschtNurDieEigeneKopie() {
    Testumgebung u;
    Frm_einfügenals& f = Oeffnen(u);
    u.antwort = QMessageBox::Yes;
    Malen(6);
    Einfuegen(f, 4, QStringLiteral("1C2000"));     // A
    f.Txt_Ort->setText(QStringLiteral("1C4000"));  // B, without choosing again: its own copy at A goes
    f.Einfügen();
    QCOMPARE(u.Lies(Rom).mid(0x1C2000, 1542), QByteArray(1542, '\0'));
    const QByteArray sieben = Malen(7);
    Einfuegen(f, 7, QStringLiteral("1C2000"));  // tileset 7 reuses A
    Malen(8);
    Einfuegen(f, 4, QStringLiteral("1C6000"));  // C: erases B, never A
    QByteArray rom = u.Lies(Rom);
    QCOMPARE(rom.mid(0x1C2000, 1542), sieben);
    QCOMPARE(rom.mid(0x1C4000, 1542), QByteArray(1542, '\0'));
    QCOMPARE(rom.mid(Kopf + 60, 3), Rombau::Zeiger(0x1C6000));
    QVERIFY2(u.Texte().count(QStringLiteral("erfolgreich")) == 4, qPrintable(u.Texte()));

    // A record that went stale elsewhere: the area it leads to is not a stored
    // tileset, or another tileset's pointer leads there. Neither is erased.
    rom[0x1C8000] = 'x';
    u.Schreib(Rom, rom);
    Dateizugriff::Vergessen();
    for (qint64 alt : {0x1C8000, 0x1C2000}) {
      Waehlen(f, 4);
      Module1.NeuPointer[4] = QString::fromLatin1(Rombau::Zeiger(alt).toHex().toUpper());
      f.Txt_Ort->setText(QStringLiteral("1CA000"));
      f.Einfügen();
      QCOMPARE(u.Lies(Rom).mid(0x1C2000, 1542), sieben);
      QCOMPARE(u.Lies(Rom).at(0x1C8000), 'x');
    }
    QCOMPARE(u.Lies(Rom).mid(0x1CA000, 1542), Malen(8));
  }
};

QTEST_MAIN(TestEinfuegenals)
#include "test_einfuegenals.moc"
