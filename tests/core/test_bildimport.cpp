#include <QtTest>

#include "Bildimport.h"

namespace {
QString Schl(QColor c) { return Bildimport::HexS(c.red() + 256 * c.green() + 65536 * c.blue(), 6); }
}  // namespace

// Damaged and absurd picture files are the reliability sweep's; here the
// colour list and the tiles a good picture gives.
class TestBildimport : public QObject {
  Q_OBJECT
 private slots:
  // Every scanned position a colour of its own: the list holds each once in
  // the order first met, and each pixel takes the first entry with its key.
  void farbenUndKacheln() {
    QImage bild(256, 96, QImage::Format_RGB32);
    for (int y = 0; y < 96; ++y)
      for (int x = 0; x < 256; ++x) bild.setPixel(x, y, qRgb(x, y, (x * y) & 0xFF));
    const QStringList schluessel = Bildimport::Farberkennung(bild, 2);
    QCOMPARE(schluessel.size(), Bildimport::Breite * Bildimport::Hoehe);
    QCOMPARE(schluessel[1], Schl(QColor(2, 0, 0)));
    QStringList eintraege;
    for (const QString& k : schluessel) eintraege << Bildimport::Eintrag(k, QStringLiteral("Farbe2 (Grün)"));
    eintraege.prepend(Bildimport::Eintrag(schluessel[127], QStringLiteral("Farbe1 (Schwarz)")));
    const auto texte = Bildimport::Kacheltexte(bild, 2, eintraege);
    QCOMPARE(texte[50], QString(64, QLatin1Char('2')));
    QCOMPARE(texte[15].indexOf(QLatin1Char('1')), 7);
    QCOMPARE(texte[15].count(QLatin1Char('1')), 1);
  }
};

QTEST_MAIN(TestBildimport)
#include "test_bildimport.moc"
