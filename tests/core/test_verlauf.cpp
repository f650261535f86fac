#include <QTemporaryDir>
#include <QtTest>
#include <random>

#include "Dateizugriff.h"
#include "Sicherungskopie.h"
#include "Verlauf.h"

#if defined(__SANITIZE_ADDRESS__)
// Declared here: g++ ships the sanitizer runtime without its headers.
extern "C" size_t __sanitizer_get_current_allocated_bytes();
size_t Belegt() { return __sanitizer_get_current_allocated_bytes(); }
#else
#include <malloc.h>
size_t Belegt() { return mallinfo2().uordblks + mallinfo2().hblkhd; }
#endif

// The history of file writes without any window: its memory bound, and a side
// file that a write made longer.
class TestVerlauf : public QObject {
  Q_OBJECT
  QTemporaryDir m_ordner;

  QString Datei(const QByteArray& inhalt) {
    QFile f(m_ordner.filePath(QStringLiteral("datei.gb")));
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(inhalt);
    return f.fileName();
  }

  static QByteArray Lies(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }

 private slots:
  void init() {
    Verlauf::Instanz().Leeren();
    Sicherungskopie::Einschalten(false);
  }

  // A thousand insertions of a moving tileset (random tiles into an erased
  // area, a pointer, the previous copy erased) stay under 5 MiB.
  void speicher() {
    const QString rom = Datei(QByteArray(0x10000, '\0'));
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

  void laenge_data() {
    QTest::addColumn<qint64>("offset");
    QTest::newRow("am Ende") << qint64{100};
    QTest::newRow("mit Lücke") << qint64{400};
  }
  void laenge() {
    QFETCH(qint64, offset);
    const QByteArray alt(100, '\x11');
    const QString pfad = Datei(alt);
    Schreibvorgang w(pfad, false);
    w.Schreiben(offset, QByteArray(50, '\x7F'));
    QVERIFY(w.Ausfuehren());
    const QByteArray neu = Lies(pfad);
    QVERIFY(Verlauf::Instanz().Zuruecknehmen());
    QCOMPARE(Lies(pfad), alt);
    QVERIFY(Verlauf::Instanz().Erneut());
    QCOMPARE(Lies(pfad), neu);
  }
};

QTEST_MAIN(TestVerlauf)
#include "test_verlauf.moc"
