#include <QTemporaryDir>
#include <QtTest>
#include <random>

#include "Dateizugriff.h"
#include "Verlauf.h"

#if defined(__SANITIZE_ADDRESS__)
// Declared here: g++ ships the sanitizer runtime without its headers.
extern "C" size_t __sanitizer_get_current_allocated_bytes();
size_t Belegt() { return __sanitizer_get_current_allocated_bytes(); }
#else
#include <malloc.h>
size_t Belegt() { return mallinfo2().uordblks + mallinfo2().hblkhd; }
#endif

class TestVerlauf : public QObject {
  Q_OBJECT
 private slots:
  // A thousand insertions of a moving tileset (random tiles into an erased
  // area, a pointer, the previous copy erased) stay under 5 MiB.
  void speicher() {
    QTemporaryDir ordner;
    const QString rom = ordner.filePath(QStringLiteral("datei.gb"));
    {
      QFile f(rom);
      QVERIFY(f.open(QIODevice::WriteOnly) && f.write(QByteArray(0x10000, '\0')) == 0x10000);
    }
    std::mt19937 zufall(7);
    const size_t vorher = Belegt();
    for (int i = 0; i < 1000; ++i) {
      QByteArray block(1542, '\0');
      for (char& c : block) c = static_cast<char>(zufall());
      Schreibvorgang w(rom, true);
      w.Nullen(0x800 * (1 - i % 2), 1542);
      w.Schreiben(0x4000, QByteArray("\x70\x00\x40", 3), Schreibvorgang::Art::Zeiger);
      w.Schreiben(0x800 * (i % 2), block);
      QVERIFY(w.Ausfuehren());
    }
    QCOMPARE(Verlauf::Instanz().Eintraege().size(), size_t{1000});
    QVERIFY2(Belegt() - vorher < 5u * 1024 * 1024, qPrintable(QString::number(Belegt() - vorher)));
  }
};

QTEST_MAIN(TestVerlauf)
#include "test_verlauf.moc"
