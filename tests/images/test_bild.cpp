#include <QtTest>

#include "Bildimport.h"
#include "Frm_Bearbeiten.h"
#include "Frm_Bild.h"
#include "Welt.h"
#include "frm_Angaben.h"

namespace {
// The picture as a file of the test folder. A file that cannot be written
// (an image plugin missing) fails the test rather than skip the import.
QString Speichern(const Testumgebung& u, const QImage& bild, const char* format) {
  const QString pfad = u.Pfad(QStringLiteral("bild.%1").arg(QLatin1String(format)));
  if (!bild.save(pfad, format, 100))
    QTest::qFail(qPrintable(QStringLiteral("%1 nicht geschrieben").arg(pfad)), __FILE__, __LINE__);
  return pfad;
}

// Vertical stripes of 8 pixels, one colour after the other.
QImage Streifen(int w, int h, std::initializer_list<QColor> streifen) {
  QImage bild(w, h, QImage::Format_RGB32);
  const std::vector<QColor> farben(streifen);
  for (int x = 0; x < w; ++x)
    for (int y = 0; y < h; ++y) bild.setPixelColor(x, y, farben[(x / 8) % farben.size()]);
  return bild;
}

QStringList Eintraege(const QComboBox* c) {
  QStringList l;
  for (int i = 0; i < c->count(); ++i) l << c->itemText(i);
  return l;
}

QString Zelltext(int i) { return Welt::Tile(i).DirektZurück(); }

Frm_Bild& Oeffnen(Testumgebung& u) {
  Welt::Offen(u);
  u.fenster().Cmd_BLaden_Click();
  return Frm_Bild::Instanz();
}
}  // namespace

class TestBild : public QObject {
  Q_OBJECT
 private slots:
  // The window's tileset choice is the main window's, both ways.
  void tilesetwahl() {
    Testumgebung u;
    Frm_Bild& b = Oeffnen(u);
    emit b.Auswahl->activated(4);
    QCOMPARE(u.fenster().Auswahl->currentIndex(), 4);
    Welt::Waehlen(u.fenster(), 8);
    b.Form_Activate();
    QCOMPARE(b.Auswahl->currentIndex(), 7);
  }

  // Every scanned position a colour of its own: the list holds each once in
  // the order first met, and each pixel takes the first entry with its key.
  void farbenUndKacheln() {
    QImage bild(256, 96, QImage::Format_RGB32);
    for (int y = 0; y < 96; ++y)
      for (int x = 0; x < 256; ++x) bild.setPixel(x, y, qRgb(x, y, (x * y) & 0xFF));
    const QStringList schluessel = Bildimport::Farberkennung(bild, 2);
    QCOMPARE(schluessel.size(), Bildimport::Breite * Bildimport::Hoehe);
    QCOMPARE(schluessel[1], Bildimport::HexS(2, 6));  // red 2 at x 2
    QStringList eintraege;
    for (const QString& k : schluessel) eintraege << Bildimport::Eintrag(k, QStringLiteral("Farbe2 (Grün)"));
    eintraege.prepend(Bildimport::Eintrag(schluessel[127], QStringLiteral("Farbe1 (Schwarz)")));
    const auto texte = Bildimport::Kacheltexte(bild, 2, eintraege);
    QCOMPARE(texte[50], QString(64, QLatin1Char('2')));
    QCOMPARE(texte[15].indexOf(QLatin1Char('1')), 7);
    QCOMPARE(texte[15].count(QLatin1Char('1')), 1);
  }

  // One colour, in every format the import reads that Qt also writes, given colour 3: every tile
  // becomes colour 3.
  void einfarbig_data() {
    QTest::addColumn<QByteArray>("format");
    for (const char* f : {"bmp", "jpg", "png"}) QTest::newRow(f) << QByteArray(f);
  }
  void einfarbig() {
    QFETCH(QByteArray, format);
    Testumgebung u;
    Frm_Bild& b = Oeffnen(u);
    const QString pfad = Speichern(u, Streifen(128, 48, {QColor(40, 90, 200)}), format.constData());
    b.BildLaden(pfad);
    QVERIFY2(u.meldungen.empty(), qPrintable(u.Texte()));
    QCOMPARE(b.Cbo_Inhalt->count(), 1);
    b.Cbo_Farben->setCurrentIndex(2);
    b.Cmd_OK_Click();
    b.Cmd_Einfügen_Click();
    for (int i = 1; i <= 96; ++i) QCOMPARE(Zelltext(i), QString(64, QLatin1Char('3')));
  }

  // A file that is no picture is refused by name and leaves the
  // window as it was; another picture starts without assignments.
  void unbrauchbareDateien() {
    Testumgebung u;
    Frm_Bild& b = Oeffnen(u);
    const QString pfad = Speichern(u, Streifen(128, 48, {Qt::red}), "png");
    b.BildLaden(pfad);
    b.Cmd_OK_Click();
    const QString name = u.Pfad(QStringLiteral("text.bmp"));
    u.Schreib(QStringLiteral("text.bmp"), "kein Bild");
    b.BildLaden(name);
    QVERIFY(u.meldungen.size() == 1 && u.meldungen[0].titel == QStringLiteral("Fehler"));
    QVERIFY(QFile::exists(name) && u.meldungen[0].text.contains(name));
    QVERIFY(b.Label2->text() == pfad && b.List->count() == 1 && b.Cmd_Einfügen->isEnabled());
    b.BildLaden(pfad);
    QVERIFY(!b.Cmd_Einfügen->isEnabled() && !b.Cmd_Löschen->isEnabled());
  }

  // Several colours may go to one number; an assignment taken back returns
  // its colour to the list, and insertion waits until every colour has one.
  void mehrereFarbenEineNummer() {
    Testumgebung u;
    Frm_Bild& b = Oeffnen(u);
    const QString pfad = Speichern(u, Streifen(128, 48, {Qt::red, Qt::green, Qt::blue}), "png");
    b.BildLaden(pfad);
    b.Cbo_Farben->setCurrentIndex(1);
    b.Cmd_OK_Click();
    QVERIFY(!b.Cmd_Einfügen->isEnabled());
    b.List->setCurrentRow(0);
    b.Cmd_Löschen_Click();
    QCOMPARE(Eintraege(b.Cbo_Inhalt), (QStringList{"00FF00", "FF0000", "0000FF"}));  // blue, green, red
    for (int k = 0; k < 3; ++k) b.Cmd_OK_Click();
    b.Cmd_Einfügen_Click();
    QCOMPARE(Zelltext(96), QString(64, QLatin1Char('2')));
  }

  // At 96 x 256 every 2 x 2 pixels make one cell.
  void zweiMalZweiWirdGenauUebertragen() {
    Testumgebung u;
    Frm_Bild& b = Oeffnen(u);
    const QColor farben[] = {Qt::black, QColor(0, 160, 0), QColor(0, 0, 160), Qt::white};
    auto wert = [](int x, int y) { return (x * 7 + y * 3 + x * y) % 4; };
    QImage bild(256, 96, QImage::Format_RGB32);
    for (int y = 0; y < 96; ++y)
      for (int x = 0; x < 256; ++x) bild.setPixelColor(x, y, farben[wert(x / 2, y / 2)]);
    b.Opt_96256->setChecked(true);
    const QString pfad = Speichern(u, bild, "bmp");
    b.BildLaden(pfad);
    QStringList schluessel;  // the key reads blue, green, red
    for (const QColor& f : farben)
      schluessel << QString::asprintf("%02X%02X%02X", f.blue(), f.green(), f.red());
    QCOMPARE(b.Cbo_Inhalt->count(), 4);
    while (b.Cbo_Inhalt->count() > 0) {
      b.Cbo_Farben->setCurrentIndex(int(schluessel.indexOf(b.Cbo_Inhalt->currentText())));
      b.Cmd_OK_Click();
    }
    b.Cmd_Einfügen_Click();
    for (int r = 0; r < 6; ++r)
      for (int c = 0; c < 16; ++c) {
        QString erwartet;
        for (int p = 0; p < 64; ++p) erwartet += QString::number(wert(8 * c + p % 8, 8 * r + p / 8) + 1);
        QCOMPARE(Zelltext(Frm_Bearbeiten::Instanz().Ort(c + 1, r + 1)), erwartet);
      }
  }

  // Beyond a smaller picture lies the empty key; see-through pixels read as
  // the picture box behind them, whatever colour they carry.
  void kleinUndDurchsichtig() {
    Testumgebung u;
    Frm_Bild& b = Oeffnen(u);
    QString pfad = Speichern(u, Streifen(100, 40, {QColor(1, 2, 3)}), "png");
    b.BildLaden(pfad);
    QCOMPARE(Eintraege(b.Cbo_Inhalt), (QStringList{"030201", ""}));
    b.Cmd_OK_Click();
    b.Cmd_OK_Click();  // the empty key, also to "Farbe1 (Schwarz)"
    b.Cmd_Einfügen_Click();
    QCOMPARE(Zelltext(1), QString(64, QLatin1Char('1')));
    QCOMPARE(Zelltext(13), QString("11114444").repeated(8));  // x 96..103
    QCOMPARE(Zelltext(81), QString(64, QLatin1Char('4')));    // y 40..47
    // Taking the empty key's entry back returns the empty key, not part of the name.
    b.List->setCurrentRow(1);
    b.Cmd_Löschen_Click();
    QCOMPARE(Eintraege(b.Cbo_Inhalt), QStringList{QString()});

    QImage bild(128, 48, QImage::Format_ARGB32);
    bild.fill(QColor(0, 255, 0, 0));
    for (int x = 0; x < 64; ++x)
      for (int y = 0; y < 48; ++y) bild.setPixelColor(x, y, QColor(1, 2, 3));
    pfad = Speichern(u, bild, "png");
    b.BildLaden(pfad);
    const QColor grund = b.Pic_Bild->palette().color(b.Pic_Bild->backgroundRole());
    const QString grundSchluessel = QStringLiteral("%1").arg(
        grund.blue() << 16 | grund.green() << 8 | grund.red(), 6, 16, QLatin1Char('0'));
    QCOMPARE(Eintraege(b.Cbo_Inhalt), (QStringList{"030201", grundSchluessel.toUpper()}));
  }
};

QTEST_MAIN(TestBild)
#include "test_bild.moc"
