#include <QBuffer>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include "Bildimport.h"

namespace {
QImage Einfarbig(int w, int h, QColor farbe) {
  QImage bild(w, h, QImage::Format_RGB32);
  bild.fill(farbe);
  return bild;
}

QString Schl(QColor c) { return Bildimport::HexS(c.red() + 256 * c.green() + 65536 * c.blue(), 6); }
}  // namespace

class TestBildimport : public QObject {
  Q_OBJECT
 private slots:
  // Two entries for one key: the first decides.
  void ersterEintragGewinnt() {
    const QImage bild = Einfarbig(128, 48, QColor(9, 9, 9));
    const QString k = Schl(QColor(9, 9, 9));
    const auto texte = Bildimport::Kacheltexte(bild, 1,
                                               {Bildimport::Eintrag(k, QStringLiteral("Farbe3 (Blau)")),
                                                Bildimport::Eintrag(k, QStringLiteral("Farbe1 (Schwarz)"))});
    QCOMPARE(texte[95], QString(64, QLatin1Char('3')));
  }

  // Every scanned position a colour of its own: the seen-set fills to its
  // limit, keys keep the order first met, and each pixel finds its entry.
  void vielfarbigesBild() {
    QImage vielfarbig(256, 96, QImage::Format_RGB32);
    for (int y = 0; y < 96; ++y)
      for (int x = 0; x < 256; ++x) vielfarbig.setPixel(x, y, qRgb(x, y, (x * y) & 0xFF));
    const QStringList schluessel = Bildimport::Farberkennung(vielfarbig, 2);
    QCOMPARE(schluessel.size(), Bildimport::Breite * Bildimport::Hoehe);
    QCOMPARE(schluessel[1], Schl(QColor(2, 0, 0)));
    QCOMPARE(schluessel[128], Schl(QColor(0, 2, 0)));
    QCOMPARE(schluessel.last(), Schl(QColor(254, 94, (254 * 94) & 0xFF)));
    QStringList eintraege;
    for (const QString& k : schluessel) eintraege << Bildimport::Eintrag(k, QStringLiteral("Farbe2 (Grün)"));
    eintraege[127] = Bildimport::Eintrag(schluessel[127], QStringLiteral("Farbe1 (Schwarz)"));
    const auto texte = Bildimport::Kacheltexte(vielfarbig, 2, eintraege);
    QCOMPARE(texte[50], QString(64, QLatin1Char('2')));
    QCOMPARE(texte[15].indexOf(QLatin1Char('1')), 7);
    QCOMPARE(texte[15].count(QLatin1Char('1')), 1);
  }

  void unbrauchbareDateien() {
    QTemporaryDir ordner;
    auto datei = [&](const char* name, const QByteArray& inhalt) {
      QFile f(ordner.filePath(name));
      f.open(QIODevice::WriteOnly);
      f.write(inhalt);
      return f.fileName();
    };
    const QString leer = datei("leer.bmp", {});
    QVERIFY(Bildimport::Laden(leer).bild.isNull());
    QVERIFY(Bildimport::Laden(leer).fehler.contains(QStringLiteral("ist leer")));
    const QString text = datei("text.png", "Dies ist kein Bild, nur Text.");
    QVERIFY(Bildimport::Laden(text).fehler.contains(QStringLiteral("kein Bild")));
    QVERIFY(!Bildimport::Laden(ordner.filePath("fehlt.png")).fehler.isEmpty());

    // A BMP whose header claims 15000 x 15000 pixels: refused from the header alone.
    QByteArray bmp;
    QBuffer puffer(&bmp);
    QVERIFY(puffer.open(QIODevice::WriteOnly) && Einfarbig(4, 4, Qt::red).save(&puffer, "BMP"));
    qToLittleEndian<qint32>(15000, bmp.data() + 18);
    qToLittleEndian<qint32>(15000, bmp.data() + 22);
    const Bildimport::Geladen riesig = Bildimport::Laden(datei("riesig.bmp", bmp));
    QVERIFY(riesig.bild.isNull());
    QVERIFY2(riesig.fehler.contains(QStringLiteral("zu groß")), qPrintable(riesig.fehler));

    // A large but allowed picture is read only as far as a scan reaches.
    const QString gross = ordner.filePath("gross.png");
    QVERIFY(Einfarbig(1000, 700, Qt::red).save(gross));
    QCOMPARE(Bildimport::Laden(gross).bild.size(), QSize(256, 96));
  }
};

QTEST_MAIN(TestBildimport)
#include "test_bildimport.moc"
