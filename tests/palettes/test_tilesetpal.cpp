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
  // Reading shows the chosen colour in the scroll bars, channel texts and
  // swatches; "Hex zu RGB" does the same for a whole colour text only.
  void lesenHexZuRgbUndSchliessen() {
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
    QCOMPARE(f.Wert->text(), QStringLiteral("FF7F"));
    QCOMPARE(f.Shp_F[1]->Rand(), 255u);
    QCOMPARE(f.Shp_F[2]->Rand(), f.Shp_F[2]->Fuellung());
    QCOMPARE(Module1.LadeSperre, 0);
    // Every palette comes from its own 8 bytes.
    const QByteArray rom = u.Lies(QStringLiteral("test.gb"));
    QCOMPARE(Module1.PalettenWerte[4][7][4],
             QString::fromLatin1(rom.mid(Tabelle + 256 + 56 + 6, 2).toHex().toUpper()));

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

    // Closing only hides: shown again, it keeps its choice.
    u.fenster().Cmd_TilesetPal->trigger();
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
    u.meldungen.clear();
    f.Cmd_Achtung_Click();
    QCOMPARE(u.Texte(),
             QStringLiteral("Tessaron: Bei den Dach-Paletten sind die 2. + 3. Farben bei jeder Map "
                            "anderst!\nDeshalb kann es sein, dass das Ändern keine Wirkung hat!"));
  }

  // Colour 2 of palette 7 at time 4 set to full red by the scroll bars: the save
  // touches the 8 bytes of that palette only, 1F before 00. A failed save first
  // leaves the stored colours as they were (its file bytes are the write-fault
  // walk's).
  void speichern() {
    Testumgebung u;
    u.fenster().RomÖffnen(u.rom());
    Frm_TilesetPal& f = Frm_TilesetPal::Instanz();
    Zeige(f, 4, 7);
    f.Lbl_Farbe_Click(2);
    const QString alt = Module1.PalettenWerte[4][7][2];
    f.SGrün->setValue(0);
    f.SBlau->setValue(0);
    f.SRot->setValue(31);
    QCOMPARE(f.Wert->text(), QStringLiteral("1F00"));
    QCOMPARE(f.Lbl_Farbe[2]->text(), QStringLiteral("1F00"));
    QCOMPARE(f.Shp_Farbe->Fuellung(), 248u);
    Schreibfehler::NachSchritt(1);
    f.Cmd_PalSpeichern_Click();
    Schreibfehler::NachSchritt(0);
    QCOMPARE(u.meldungen.size(), size_t(1));
    QCOMPARE(u.meldungen[0].titel, QStringLiteral("Fehler"));
    QCOMPARE(Module1.PalettenWerte[4][7][2], alt);
    u.meldungen.clear();
    const QByteArray vorher = u.Lies(QStringLiteral("test.gb"));
    f.Cmd_PalSpeichern_Click();
    const QByteArray nachher = u.Lies(QStringLiteral("test.gb"));
    const qint64 ort = Tabelle + 256 + 56;
    QCOMPARE(nachher.mid(ort + 2, 2), QByteArray::fromHex("1F00"));
    for (qint64 o : Unterschiede(vorher, nachher)) QVERIFY(o >= ort && o < ort + 8);
    QCOMPARE(Module1.PalettenWerte[4][7][2], QStringLiteral("1F00"));
    QCOMPARE(u.Texte(), QStringLiteral("Tileset-Paletten: Palette wurde erfolgreich geendert."));

    // In original-data mode the same palette lives in OriginalPaletten.gb.
    u.fenster().Chk_Original->setChecked(true);
    QCOMPARE(Module1.PalettenAdresse[4][7], qint64(313));
    Zeige(f, 4, 7);
    f.Lbl_Farbe_Click(4);
    f.Wert->setText(QStringLiteral("3412"));
    f.Cmd_HexRGB_Click();
    QCOMPARE(f.Lbl_Farbe[4]->text(), QStringLiteral("3412"));
    const QByteArray original = u.Lies(QStringLiteral("OriginalPaletten.gb"));
    f.Cmd_PalSpeichern_Click();
    const QByteArray originalNeu = u.Lies(QStringLiteral("OriginalPaletten.gb"));
    QCOMPARE(originalNeu.size(), 320);
    QCOMPARE(originalNeu.mid(312 + 6, 2), QByteArray::fromHex("3412"));
    for (qint64 o : Unterschiede(original, originalNeu)) QVERIFY(o >= 312 && o < 320);
    QCOMPARE(u.Lies(QStringLiteral("test.gb")), nachher);
  }

  void eingabeUndEinfuegen() {
    Testumgebung u;
    Palettenwert* w = Frm_TilesetPal::Instanz().Wert;
    // Typed at the end: the third digit is 0-7, at most four, upper case.
    const QList<std::array<const char*, 3>> faelle = {{"7F", "8", "7F"},
                                                      {"7F", "f", "7F"},
                                                      {"7F", "7a", "7F7A"},
                                                      {"7F7A", "1g", "7F7A"},
                                                      {"", "!x 2", "2"}};
    for (const auto& [vorher, tasten, erwartet] : faelle) {
      Tippe(w, QString::fromLatin1(vorher), QString::fromLatin1(tasten));
      QCOMPARE(w->text(), QString::fromLatin1(erwartet));
    }
    Tippe(w, QStringLiteral("7F7A"), QString());
    QTest::keyClick(w, Qt::Key_Backspace);
    QCOMPARE(w->text(), QStringLiteral("7F7"));
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
    QTest::keyClick(w, Qt::Key_Backspace, Qt::ControlModifier);
    QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(w, Qt::Key_1, Qt::AltModifier);
    QCOMPARE(w->text(), QStringLiteral("05"));
    // Only a valid colour text is pasted.
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
};

QTEST_MAIN(TestTilesetPal)
#include "test_tilesetpal.moc"
