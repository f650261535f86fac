#include <QtTest>
#include <random>

#include "Dateizugriff.h"
#include "Meldung.h"
#include "Verlauf.h"

#if defined(__SANITIZE_ADDRESS__)
// Declared here: g++ ships the sanitizer runtime without its headers.
extern "C" size_t __sanitizer_get_current_allocated_bytes();
size_t Belegt() { return __sanitizer_get_current_allocated_bytes(); }
#else
#include <malloc.h>
size_t Belegt() { return mallinfo2().uordblks + mallinfo2().hblkhd; }
#endif

namespace {
QByteArray Inhalt(const QString& pfad) {
  QFile f(pfad);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<fehlt>");
}

void Schreibe(const QString& pfad, const QByteArray& b) {
  QFile f(pfad);
  QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(b) == b.size());
}

// Every message so far as "title|text".
QStringList meldungen;

// Exactly one message so far: a "Fehler" that names the file.
bool EinFehlerZu(const QString& pfad) {
  return meldungen.size() == 1 && meldungen[0].startsWith(QStringLiteral("Fehler|")) &&
         meldungen[0].contains(pfad);
}
}  // namespace

class TestDateizugriff : public QObject {
  Q_OBJECT
  QTemporaryDir m_ordner;
  QString Pfad(const char* name) { return m_ordner.filePath(QString::fromUtf8(name)); }

 private slots:
  void initTestCase() {
    MeldungSetzen([](const QString& text, const QString& titel, Knoepfe) {
      meldungen << titel + QLatin1Char('|') + text;
      return Antwort::OK;
    });
  }
  void init() {
    meldungen.clear();
    Dateizugriff::Vergessen();
  }

  void lesen() {
    Schreibe(Pfad("kurz"), "\x01\x02\x03");
    QCOMPARE(Dateizugriff::Lesen(Pfad("kurz"), 1, 4), QByteArray("\x02\x03\0\0", 4));
    // A change on disk is seen even with the same length.
    const QDateTime zeit = QFileInfo(Pfad("kurz")).lastModified();
    Schreibe(Pfad("kurz"), "\x07\x02\x03");
    QFile datei(Pfad("kurz"));
    QVERIFY(datei.open(QIODevice::ReadWrite) &&
            datei.setFileTime(zeit.addSecs(2), QFileDevice::FileModificationTime));
    datei.close();
    QCOMPARE(Dateizugriff::LeseByte(Pfad("kurz"), 0), 7);
    QVERIFY(meldungen.isEmpty());
    // A file that exists but cannot be read is reported and reads as zeros.
    QDir(m_ordner.path()).mkdir(QStringLiteral("ordner.gb"));
    QCOMPARE(Dateizugriff::Lesen(Pfad("ordner.gb"), 0, 2), QByteArray(2, '\0'));
    QVERIFY2(EinFehlerZu(Pfad("ordner.gb")), qPrintable(meldungen.join('\n')));
  }

  // A ROM keeps its length (a side file may grow: below).
  void romWaechstNie() {
    const QString rom = Pfad("rom2.gb");
    Schreibe(rom, QByteArray(32, '\x22'));
    Schreibvorgang w(rom, true);
    w.Schreiben(0, "\x01");
    w.Schreiben(30, "\x01\x02\x03");
    QVERIFY(!w.Ausfuehren());
    QCOMPARE(Inhalt(rom), QByteArray(32, '\x22'));
    QVERIFY2(EinFehlerZu(rom), qPrintable(meldungen.join('\n')));
  }

  // Erase, pointer and data in one operation that grows a side file: the
  // bytes are those of the patches applied in order (a block over the erased
  // copy survives). Every step fails in turn: the file is cut back to its old
  // length. (The program's operations on ROMs are the fault walk's.)
  void fehlerInJedemSchrittLaesstDieDateiUnveraendert() {
    const QString pfad = Pfad("f.side");
    QByteArray vorher(4096, '\0');
    for (int i = 0; i < vorher.size(); ++i) vorher[i] = static_cast<char>(i * 7);
    auto vorgang = [&](int fehlerschritt) {
      Schreibe(pfad, vorher);
      meldungen.clear();
      Schreibfehler::NachSchritt(fehlerschritt);
      Schreibvorgang w(pfad, false);
      w.Nullen(100, 50);
      w.Schreiben(10, "\x01\x02\x03", Schreibvorgang::Art::Zeiger);
      w.Schreiben(120, "\xAB\xCD");
      w.Schreiben(4090, QByteArray(20, '\x7F'));
      return w.Ausfuehren();
    };
    QVERIFY(vorgang(0));
    QByteArray sauber = vorher;
    sauber.replace(10, 3, "\x01\x02\x03").replace(100, 50, QByteArray(50, '\0')).replace(120, 2, "\xAB\xCD");
    QCOMPARE(Inhalt(pfad), sauber.replace(4090, 6, QByteArray(20, '\x7F')));
    const int schritte = Schreibfehler::Schritte();
    for (int k = 1; k <= schritte; ++k) {
      QVERIFY2(!vorgang(k), qPrintable(QStringLiteral("Schritt %1").arg(k)));
      QCOMPARE(Inhalt(pfad), vorher);
      QVERIFY2(EinFehlerZu(pfad), qPrintable(meldungen.join('\n')));
    }
    Schreibfehler::NachSchritt(0);
  }

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
    const size_t vorher = Belegt(), eintraege = Verlauf::Instanz().Eintraege().size();
    for (int i = 0; i < 1000; ++i) {
      QByteArray block(1542, '\0');
      for (char& c : block) c = static_cast<char>(zufall());
      Schreibvorgang w(rom, true);
      w.Nullen(0x800 * (1 - i % 2), 1542);
      w.Schreiben(0x4000, QByteArray("\x70\x00\x40", 3), Schreibvorgang::Art::Zeiger);
      w.Schreiben(0x800 * (i % 2), block);
      QVERIFY(w.Ausfuehren());
    }
    QCOMPARE(Verlauf::Instanz().Eintraege().size() - eintraege, size_t{1000});
    QVERIFY2(Belegt() - vorher < 5u * 1024 * 1024, qPrintable(QString::number(Belegt() - vorher)));
  }
};

QTEST_GUILESS_MAIN(TestDateizugriff)
#include "test_dateizugriff.moc"
