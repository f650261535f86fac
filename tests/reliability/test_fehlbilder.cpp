#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QtEndian>
#include <QtTest>
#include <random>

#include "Frm_Bild.h"
#include "Gifbau.h"
#include "Kennzahlen.h"
#include "Testumgebung.h"
#include "frm_Angaben.h"

// Pictures that are cut off, damaged, empty, 1 x 1, claim 20000 x 20000
// pixels, or are no pictures at all, each loaded into the image import, its
// colours assigned and the tiles filled: nothing may crash, hang, or change a
// file.
namespace {
constexpr std::uint32_t Saat = 0xB11D;
constexpr qint64 Zeitgrenze = 10000;  // ms for one picture, under the sanitizers

QImage Muster(int b, int h) {
  QImage bild(b, h, QImage::Format_Indexed8);
  bild.setColorCount(4);
  for (int i = 0; i < 4; ++i) bild.setColor(i, qRgb(60 * i, 255 - 50 * i, 30 * i));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < b; ++x) bild.setPixel(x, y, (x / 8 + y / 8 + x * y) % 4);
  return bild;
}

QByteArray Kodiert(const QImage& bild, const char* format) {
  if (qstrcmp(format, "gif") == 0) return GifBauen(bild);
  QByteArray bytes;
  QBuffer puffer(&bytes);
  puffer.open(QIODevice::WriteOnly);
  bild.convertToFormat(QImage::Format_RGB32).save(&puffer, format);
  return bytes;
}

// A BMP header of 24-bit pixels claiming the size, with no pixels behind it.
QByteArray RiesenBmp(qint32 breite, qint32 hoehe) {
  QByteArray b(54, '\0');
  b[0] = 'B';
  b[1] = 'M';
  qToLittleEndian<quint32>(54 + 100, b.data() + 2);
  qToLittleEndian<quint32>(54, b.data() + 10);
  qToLittleEndian<quint32>(40, b.data() + 14);
  qToLittleEndian<qint32>(breite, b.data() + 18);
  qToLittleEndian<qint32>(hoehe, b.data() + 22);
  qToLittleEndian<quint16>(1, b.data() + 26);
  qToLittleEndian<quint16>(24, b.data() + 28);
  return b + QByteArray(100, '\x55');
}

quint32 Crc32(const char* daten, qsizetype n) {
  quint32 crc = 0xFFFFFFFF;
  for (qsizetype i = 0; i < n; ++i) {
    crc ^= static_cast<quint8>(daten[i]);
    for (int b = 0; b < 8; ++b) crc = crc & 1 ? (crc >> 1) ^ 0xEDB88320 : crc >> 1;
  }
  return ~crc;
}

// The same file with its size fields set to 20000 x 20000, still valid: the
// PNG header with its checksum, the GIF screen and image, the JPEG frame.
QByteArray Riesig(QByteArray datei, const char* format) {
  char* d = datei.data();
  if (qstrcmp(format, "bmp") == 0) {
    qToLittleEndian<qint32>(20000, d + 18);
    qToLittleEndian<qint32>(20000, d + 22);
  } else if (qstrcmp(format, "png") == 0) {
    qToBigEndian<quint32>(20000, d + 16);
    qToBigEndian<quint32>(20000, d + 20);
    qToBigEndian<quint32>(Crc32(d + 12, 17), d + 29);
  } else if (qstrcmp(format, "gif") == 0) {
    qToLittleEndian<quint16>(20000, d + 6);
    qToLittleEndian<quint16>(20000, d + 8);
  } else if (qstrcmp(format, "jpg") == 0) {
    const qsizetype sof = datei.indexOf("\xFF\xC0");
    if (sof >= 0) {
      qToBigEndian<quint16>(20000, d + sof + 5);
      qToBigEndian<quint16>(20000, d + sof + 7);
    }
  }
  return datei;
}

struct Fall {
  QString name;
  QByteArray inhalt;
};

std::vector<Fall> Faelle() {
  std::vector<Fall> faelle;
  std::mt19937 gen(Saat);
  for (const char* format : {"bmp", "gif", "png", "jpg"}) {
    const QByteArray ganz = Kodiert(Muster(128, 48), format);
    const QString f = QString::fromLatin1(format);
    for (int teil = 1; teil < 12; ++teil)
      faelle.push_back(
          {QStringLiteral("%1 abgeschnitten %2/12").arg(f).arg(teil), ganz.left(ganz.size() * teil / 12)});
    faelle.push_back({f + QStringLiteral(" nur Kopf"), ganz.left(8)});
    for (int i = 0; i < 5; ++i) {
      QByteArray kaputt = ganz;
      for (int n = 0; n < 8; ++n) kaputt[static_cast<int>(gen() % kaputt.size())] = static_cast<char>(gen());
      faelle.push_back({QStringLiteral("%1 beschädigt %2").arg(f).arg(i), kaputt});
    }
    faelle.push_back({f + QStringLiteral(" 1x1"), Kodiert(Muster(1, 1), format)});
    faelle.push_back({f + QStringLiteral(" 1x300"), Kodiert(Muster(1, 300), format)});
    faelle.push_back(
        {f + QStringLiteral(" 20000x20000 im Kopf"), Riesig(Kodiert(Muster(16, 16), format), format)});
  }
  faelle.push_back({QStringLiteral("bmp 20000x20000 ohne Pixel"), RiesenBmp(20000, 20000)});
  faelle.push_back({QStringLiteral("bmp negative Höhe"), RiesenBmp(128, -48)});
  faelle.push_back({QStringLiteral("bmp 0x0"), RiesenBmp(0, 0)});
  faelle.push_back({QStringLiteral("leer"), QByteArray()});
  faelle.push_back({QStringLiteral("Text"), QByteArrayLiteral("Das ist kein Bild.\n")});
  QByteArray rauschen(5000, '\0');
  for (char& c : rauschen) c = static_cast<char>(gen());
  faelle.push_back({QStringLiteral("Rauschen"), rauschen});
  faelle.push_back({QStringLiteral("BM und Rauschen"), QByteArrayLiteral("BM") + rauschen});
  faelle.push_back({QStringLiteral("GIF89a und Rauschen"), QByteArrayLiteral("GIF89a") + rauschen});
  return faelle;
}

// Loads the picture and does everything the window offers with it.
void Importieren(Frm_Bild& b, const QString& pfad) {
  b.BildLaden(pfad);
  for (QRadioButton* groesse : {b.Opt_96256, b.Opt_48128}) {
    groesse->setChecked(true);
    for (int i = 0; i < 40 && b.Cbo_Inhalt->count() > 0; ++i) b.Cmd_OK_Click();
    b.List->setCurrentRow(0);
    b.Cmd_Löschen_Click();
    b.Cmd_Einfügen_Click();
  }
}
}  // namespace

class TestFehlbilder : public QObject {
  Q_OBJECT
 private slots:
  void kaputteBilder() {
    Testumgebung u;
    u.fenster().RomÖffnen(u.rom());
    const QByteArray rom = u.Lies(QStringLiteral("test.gb"));
    u.fenster().Cmd_BLaden_Click();
    Frm_Bild& b = Frm_Bild::Instanz();
    qint64 laengste = 0;
    int anzahl = 0;
    for (const Fall& fall : Faelle()) {
      const QString pfad = u.Pfad(QStringLiteral("bild"));
      u.Schreib(QStringLiteral("bild"), fall.inhalt);
      QElapsedTimer uhr;
      uhr.start();
      Importieren(b, pfad);
      laengste = std::max(laengste, uhr.elapsed());
      QVERIFY2(uhr.elapsed() < Zeitgrenze, qPrintable(fall.name));
      QCOMPARE(u.Lies(QStringLiteral("bild")), fall.inhalt);
      // A picture claiming 20000 x 20000 pixels is refused before it is decoded.
      if (fall.name.contains(QLatin1String("20000")))
        QVERIFY2(u.Texte().startsWith(QStringLiteral("Fehler: ")), qPrintable(fall.name + u.Texte()));
      u.meldungen.clear();
      ++anzahl;
    }
    // A folder in place of the picture.
    QDir(u.Pfad(QString())).mkdir(QStringLiteral("ordner"));
    Importieren(b, u.Pfad(QStringLiteral("ordner")));
    ++anzahl;
    QCOMPARE(u.Lies(QStringLiteral("test.gb")), rom);
    QVERIFY(anzahl >= 50);
    KennzahlenSchreiben(QStringLiteral("fehlbilder.tsv"),
                        {QStringLiteral("%1\t%2").arg(anzahl).arg(laengste)});
  }
};

QTEST_MAIN(TestFehlbilder)
#include "test_fehlbilder.moc"
