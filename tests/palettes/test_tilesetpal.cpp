#include <QClipboard>
#include <QtTest>

#include "Dateizugriff.h"
#include "Frm_TilesetPal.h"
#include "Module1.h"
#include "Testumgebung.h"
#include "frm_Angaben.h"

namespace {
constexpr qint64 Tabelle = 0xB75E;

Rombau::Plan PlanMitWeiss() {
  Rombau::Plan plan = Testdaten::Plan();
  // White in palette 0 at time 0 and at the time of day the options start with.
  for (int t : {0, 1}) {
    plan.paletten[64 * t] = static_cast<char>(0xFF);
    plan.paletten[64 * t + 1] = 0x7F;
  }
  return plan;
}

// Bytes that differ between two files of the same length, as offsets.
QList<qint64> Unterschiede(const QByteArray& a, const QByteArray& b) {
  QList<qint64> orte;
  for (qint64 i = 0; i < std::min(a.size(), b.size()); ++i)
    if (a[i] != b[i]) orte << i;
  return orte;
}

void Zeige(Frm_TilesetPal& f, int t, int p) {
  f.Zeit->setCurrentIndex(t);
  f.Zeit_Click();
  f.Paletten->setCurrentIndex(p);
  f.Paletten_Click();
}

void Tippe(QLineEdit* feld, const QString& vorher, const QString& tasten) {
  feld->setText(vorher);
  feld->deselect();
  feld->end(false);
  QTest::keyClicks(feld, tasten);
}
}  // namespace

class TestTilesetPal : public QObject {
  Q_OBJECT
 private slots:
  void lesenZeigtFarbeUndSchieber() {
    Testumgebung u(PlanMitWeiss());
    u.fenster().RomÖffnen(u.rom());
    Frm_TilesetPal& f = Frm_TilesetPal::Instanz();
    QCOMPARE(Module1.PalettenWerte[0][0][1], QStringLiteral("FF7F"));
    QCOMPARE(f.Zeit->currentIndex(), Module1.Tageszeit);
    QCOMPARE(f.Paletten->currentIndex(), 0);
    QCOMPARE(f.Lbl_Farbe[1]->text(), QStringLiteral("FF7F"));
    QCOMPARE(f.SRot->value(), 31);
    QCOMPARE(f.SGrün->value(), 31);
    QCOMPARE(f.SBlau->value(), 31);
    QCOMPARE(f.Rot->text(), QStringLiteral("248"));
    QCOMPARE(f.Blau->text(), QStringLiteral("248"));
    QCOMPARE(f.Wert->text(), QStringLiteral("FF7F"));
    QCOMPARE(f.Shp_F[1]->Rand(), 255u);
    QCOMPARE(f.Shp_F[2]->Rand(), f.Shp_F[2]->Fuellung());
    QCOMPARE(Module1.LadeSperre, 0);
    // Every palette comes from its own 8 bytes.
    const QByteArray rom = u.Lies(QStringLiteral("test.gb"));
    QCOMPARE(Module1.PalettenWerte[4][7][4],
             QString::fromLatin1(rom.mid(Tabelle + 256 + 56 + 6, 2).toHex().toUpper()));
  }

  // Colour 2 of palette 7 at time 4 set to full red by the scroll bars: the save
  // touches the 8 bytes of that palette only, 1F before 00.
  void speichernMitSchiebern() {
    Testumgebung u;
    u.fenster().RomÖffnen(u.rom());
    Frm_TilesetPal& f = Frm_TilesetPal::Instanz();
    Zeige(f, 4, 7);
    f.Lbl_Farbe_Click(2);
    f.SGrün->setValue(0);
    f.SBlau->setValue(0);
    f.SRot->setValue(31);
    QCOMPARE(f.Wert->text(), QStringLiteral("1F00"));
    QCOMPARE(f.Lbl_Farbe[2]->text(), QStringLiteral("1F00"));
    QCOMPARE(f.Shp_Farbe->Fuellung(), 248u);
    const QByteArray vorher = u.Lies(QStringLiteral("test.gb"));
    f.Cmd_PalSpeichern_Click();
    const QByteArray nachher = u.Lies(QStringLiteral("test.gb"));
    const qint64 ort = Tabelle + 256 + 56;
    QCOMPARE(nachher.mid(ort + 2, 2), QByteArray::fromHex("1F00"));
    for (qint64 o : Unterschiede(vorher, nachher)) QVERIFY(o >= ort && o < ort + 8);
    QCOMPARE(nachher.mid(ort, 8).left(2), vorher.mid(ort, 2));
    QCOMPARE(Module1.PalettenWerte[4][7][2], QStringLiteral("1F00"));
    QCOMPARE(u.meldungen.back().text, QStringLiteral("Palette wurde erfolgreich geendert."));
    QCOMPARE(u.meldungen.back().titel, QStringLiteral("Tileset-Paletten"));
  }

  void speichernImOriginalModus() {
    Testumgebung u;
    u.fenster().RomÖffnen(u.rom());
    u.fenster().Chk_Original->setChecked(true);
    Frm_TilesetPal& f = Frm_TilesetPal::Instanz();
    QCOMPARE(Module1.PalettenAdresse[4][7], qint64(313));
    Zeige(f, 4, 7);
    f.Lbl_Farbe_Click(4);
    f.Wert->setText(QStringLiteral("3412"));
    f.Cmd_HexRGB_Click();
    QCOMPARE(f.Lbl_Farbe[4]->text(), QStringLiteral("3412"));
    const QByteArray rom = u.Lies(QStringLiteral("test.gb"));
    const QByteArray vorher = u.Lies(QStringLiteral("OriginalPaletten.gb"));
    f.Cmd_PalSpeichern_Click();
    const QByteArray nachher = u.Lies(QStringLiteral("OriginalPaletten.gb"));
    QCOMPARE(nachher.size(), 320);
    QCOMPARE(nachher.mid(312 + 6, 2), QByteArray::fromHex("3412"));
    for (qint64 o : Unterschiede(vorher, nachher)) QVERIFY(o >= 312 && o < 320);
    QCOMPARE(u.Lies(QStringLiteral("test.gb")), rom);
  }

  void fehlerBeimSpeichern() {
    Testumgebung u;
    u.fenster().RomÖffnen(u.rom());
    Frm_TilesetPal& f = Frm_TilesetPal::Instanz();
    const QString alt = Module1.PalettenWerte[0][0][1];
    f.SRot->setValue(f.SRot->value() == 3 ? 4 : 3);
    const QByteArray vorher = u.Lies(QStringLiteral("test.gb"));
    Schreibfehler::NachSchritt(1);
    f.Cmd_PalSpeichern_Click();
    Schreibfehler::NachSchritt(0);
    QCOMPARE(u.Lies(QStringLiteral("test.gb")), vorher);
    QCOMPARE(u.meldungen.back().titel, QStringLiteral("Fehler"));
    QVERIFY(!u.Texte().contains(QStringLiteral("erfolgreich")));
    QCOMPARE(Module1.PalettenWerte[0][0][1], alt);
  }

  void eingabeRegeln() {
    Testumgebung u;
    Palettenwert* w = Frm_TilesetPal::Instanz().Wert;
    Tippe(w, QStringLiteral("7F"), QStringLiteral("8"));
    QCOMPARE(w->text(), QStringLiteral("7F"));
    Tippe(w, QStringLiteral("7F"), QStringLiteral("f"));
    QCOMPARE(w->text(), QStringLiteral("7F"));
    Tippe(w, QStringLiteral("7F"), QStringLiteral("7a"));
    QCOMPARE(w->text(), QStringLiteral("7F7A"));
    Tippe(w, QStringLiteral("7F7A"), QStringLiteral("1g"));
    QCOMPARE(w->text(), QStringLiteral("7F7A"));
    QTest::keyClick(w, Qt::Key_Backspace);
    QCOMPARE(w->text(), QStringLiteral("7F7"));
    Tippe(w, QString(), QStringLiteral("!x 2"));
    QCOMPARE(w->text(), QStringLiteral("2"));
    // A digit typed into the middle must not end up third either.
    Tippe(w, QStringLiteral("120"), QString());
    w->setCursorPosition(2);
    QTest::keyClicks(w, QStringLiteral("9"));
    QCOMPARE(w->text(), QStringLiteral("120"));
    // With everything selected, the text is replaced.
    w->setText(QStringLiteral("FF7F"));
    w->selectAll();
    QTest::keyClicks(w, QStringLiteral("0"));
    QCOMPARE(w->text(), QStringLiteral("0"));
    QTest::keyClick(w, Qt::Key_5, Qt::KeypadModifier);
    QCOMPARE(w->text(), QStringLiteral("05"));
  }

  void einfuegen() {
    Testumgebung u;
    Palettenwert* w = Frm_TilesetPal::Instanz().Wert;
    w->setText(QStringLiteral("0000"));
    QGuiApplication::clipboard()->setText(QStringLiteral(" e003 "));
    QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(w->text(), QStringLiteral("E003"));
    for (const char* schlecht : {"FF8F", "1F00A", "7F", "xyz!"}) {
      QGuiApplication::clipboard()->setText(QString::fromLatin1(schlecht));
      QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier);
      QCOMPARE(w->text(), QStringLiteral("E003"));
    }
  }

  // "Hex zu RGB" applies only a whole colour text.
  void hexZuRgb() {
    Testumgebung u;
    u.fenster().RomÖffnen(u.rom());
    Frm_TilesetPal& f = Frm_TilesetPal::Instanz();
    f.Lbl_Farbe_Click(3);
    const QString vorher = f.Lbl_Farbe[3]->text();
    f.Wert->setText(QStringLiteral("7F"));
    f.Cmd_HexRGB_Click();
    QCOMPARE(f.Lbl_Farbe[3]->text(), vorher);
    QCOMPARE(u.meldungen.size(), size_t(1));
    f.Wert->setText(QStringLiteral("E003"));
    f.Cmd_HexRGB_Click();
    QCOMPARE(f.Lbl_Farbe[3]->text(), QStringLiteral("E003"));
    QCOMPARE(f.SGrün->value(), 31);
    QCOMPARE(f.SRot->value(), 0);
    QCOMPARE(f.Grün->text(), QStringLiteral("248"));
    QCOMPARE(f.Shp_F[3]->Fuellung(), 248u * 256);
    QCOMPARE(f.Shp_F[3]->Rand(), 255u);
    QCOMPARE(Module1.LadeSperre, 0);
  }

  void schliessenVersteckt() {
    Testumgebung u;
    u.fenster().RomÖffnen(u.rom());
    u.fenster().Cmd_TilesetPal->trigger();
    Frm_TilesetPal& f = Frm_TilesetPal::Instanz();
    QVERIFY(f.isVisible());
    Zeige(f, 2, 5);
    f.Lbl_Farbe_Click(3);
    f.close();
    QVERIFY(Frm_TilesetPal::Geladen());
    QVERIFY(!f.isVisible());
    u.fenster().Cmd_TilesetPal->trigger();
    QCOMPARE(f.Zeit->currentIndex(), 2);
    QCOMPARE(f.Paletten->currentIndex(), 5);
    QCOMPARE(f.AktuelleFarbe(), 3);
    f.Cmd_Achtung_Click();
    QCOMPARE(u.meldungen.back().text,
             QStringLiteral("Bei den Dach-Paletten sind die 2. + 3. Farben bei jeder Map anderst!\n"
                            "Deshalb kann es sein, dass das Ändern keine Wirkung hat!"));
    QCOMPARE(u.meldungen.back().titel, QStringLiteral("Tessaron"));
  }
};

QTEST_MAIN(TestTilesetPal)
#include "test_tilesetpal.moc"
