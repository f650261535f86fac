#include <QTemporaryDir>
#include <QtTest>

#include "Bildimport.h"
#include "Gifbau.h"

namespace {
QImage Einfarbig(int w, int h, QColor farbe) {
  QImage bild(w, h, QImage::Format_RGB32);
  bild.fill(farbe);
  return bild;
}

// 256 x 96 in 2 x 2 blocks; block (x, y) has one of four colours.
const QColor Vier[] = {QColor(10, 20, 30), QColor(200, 0, 0), QColor(0, 200, 0), QColor(0, 0, 200)};
int Muster(int x, int y) { return (x * 7 + y * 3 + x * y) % 4; }
QImage Blockbild() {
  QImage bild(256, 96, QImage::Format_RGB32);
  for (int y = 0; y < 96; ++y)
    for (int x = 0; x < 256; ++x) bild.setPixelColor(x, y, Vier[Muster(x / 2, y / 2)]);
  return bild;
}
QString Schl(QColor c) { return Bildimport::HexS(c.red() + 256 * c.green() + 65536 * c.blue(), 6); }
}  // namespace

class TestBildimport : public QObject {
  Q_OBJECT
 private slots:
  void schluessel() {
    QCOMPARE(Bildimport::HexS(0x030201, 6), QStringLiteral("030201"));
    QCOMPARE(Bildimport::HexS(-1, 6), QString());
    QCOMPARE(Bildimport::HexS(0x1000000, 6), QString());
    const QImage bild = Einfarbig(2, 2, QColor(1, 2, 3));
    QCOMPARE(Bildimport::Farbe(bild, 1, 1), 0x030201);
    QCOMPARE(Bildimport::Farbe(bild, 2, 0), -1);
    const QString e = Bildimport::Eintrag(QStringLiteral("0A0B0C"), QStringLiteral("Farbe3 (Blau)"));
    QCOMPARE(e, QStringLiteral("0A0B0C    Farbe3 (Blau)"));
    QCOMPARE(e.at(15), QLatin1Char('3'));
    QCOMPARE(Bildimport::Schluessel(e), QStringLiteral("0A0B0C"));
    const QString leer = Bildimport::Eintrag(QString(), QStringLiteral("Farbe2 (Grün)"));
    QCOMPARE(Bildimport::Schluessel(leer), QString());
  }

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

  void ladenJedesFormats() {
    QTemporaryDir ordner;
    const QImage bild = Blockbild();
    const QString png = ordner.filePath("b.png"), bmp = ordner.filePath("b.bmp");
    const QString gif = ordner.filePath("b.gif"), jpg = ordner.filePath("b.jpg");
    QVERIFY(bild.save(png) && bild.save(bmp) && bild.save(jpg, "JPG", 100));
    QFile g(gif);
    QVERIFY(g.open(QIODevice::WriteOnly) && g.write(GifBauen(bild)) > 0);
    g.close();
    for (const QString& pfad : {png, bmp, gif}) {
      const Bildimport::Geladen l = Bildimport::Laden(pfad);
      QVERIFY2(!l.bild.isNull(), qPrintable(pfad + l.fehler));
      QCOMPARE(Bildimport::Farberkennung(l.bild, 2).size(), 4);
      QCOMPARE(Bildimport::Farbe(l.bild, 255, 95), Bildimport::Farbe(bild, 255, 95));
    }
    QCOMPARE(Bildimport::Laden(jpg).bild.size(), QSize(256, 96));
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

    // A BMP header claiming 15000 x 15000 pixels: refused from the header alone.
    QByteArray bmp("BM");
    auto le32 = [&](quint32 w) {
      for (int i = 0; i < 4; ++i) bmp.append(char((w >> (8 * i)) & 0xFF));
    };
    le32(54 + 64);
    le32(0);
    le32(54);
    le32(40);
    le32(15000);
    le32(15000);
    bmp.append('\1').append('\0').append(24).append('\0');
    for (int i = 0; i < 6; ++i) le32(0);
    bmp.append(QByteArray(64, '\x7F'));
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
