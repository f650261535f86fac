#include <QtTest>
#include <random>

#include "Dateizugriff.h"
#include "Meldung.h"
#include "Sicherungskopie.h"
#include "Verlauf.h"
#include "Wiederherstellung.h"
#include "Wiederherstellungsplaner.h"

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

// The unwritten state of a realistic session: 96 tiles and an animation.
Wiederherstellungsstand Stand(const QString& rom) {
  QByteArray kacheln(96 * 16, '\0'), animation(4096, '\0');
  for (int i = 0; i < kacheln.size(); ++i) kacheln[i] = static_cast<char>(i * 13);
  for (int i = 0; i < animation.size(); ++i) animation[i] = static_cast<char>(i / 7);
  return {rom,
          0x1234ABCD,
          17,
          QDateTime::fromMSecsSinceEpoch(1'780'000'000'123),
          {{QStringLiteral("Kacheln"), kacheln}, {QStringLiteral("Animation"), animation}}};
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
    // Recovery files go below the per-user data folder: this run's own.
    qputenv("XDG_DATA_HOME", Pfad("daten").toUtf8());
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

  // The newest five copies of a file are kept, whatever its name holds (a
  // name filter would read the brackets of the usual ROM names as a pattern
  // and keep every copy forever); copies of other files stay.
  void sicherungskopien_data() {
    QTest::addColumn<QString>("name");
    for (const char* name : {"spiel.gb", "Spiel (G) [C].gbc", "Spiel [!].gb", "Stern*.gb", "Frage?.gbc"})
      QTest::newRow(name) << QString::fromUtf8(name);
  }
  void sicherungskopien() {
    QFETCH(QString, name);
    QTemporaryDir ordner;
    const QDir dir(ordner.path());
    QStringList bleiben = {name, name + QStringLiteral(".alt.bak"),
                           QStringLiteral("alt ") + name + QStringLiteral(".20200101-000000.bak")};
    for (int i = 1; i <= 6; ++i) bleiben << name + QStringLiteral(".2020010%1-000000.bak").arg(i);
    for (const QString& datei : bleiben) Schreibe(dir.filePath(datei), datei.toUtf8());
    bleiben.remove(3, 2);  // the two oldest copies go
    Sicherungskopie::NeuerLauf();
    Sicherungskopie::Einschalten(true);
    Schreibvorgang w(dir.filePath(name), false);
    w.Schreiben(0, "neu");
    const bool geschrieben = w.Ausfuehren();
    Sicherungskopie::Einschalten(false);
    QVERIFY(geschrieben);
    QStringList neu = dir.entryList(QDir::Files);
    for (const QString& datei : bleiben) QVERIFY2(neu.removeOne(datei), qPrintable(datei));
    QCOMPARE(neu.size(), 1);  // the copy just made
    QCOMPARE(Inhalt(dir.filePath(neu[0])), name.toUtf8());
  }

  // A recovery file read back whole, or, torn, damaged or foreign, reported
  // by name and reason and, once set aside, never read again.
  void wiederherstellungLesen_data() {
    QTest::addColumn<int>("laenge");  // bytes kept; -1 all
    QTest::addColumn<int>("kippen");  // byte whose second bit flips; -1 none
    QTest::addColumn<QByteArray>("ersetzen");
    QTest::addColumn<QString>("fremdeRom");
    QTest::addColumn<QString>("grund");
    QTest::newRow("ganz") << -1 << -1 << QByteArray() << QString() << QString();
    QTest::newRow("leer angelegt") << 0 << -1 << QByteArray() << QString() << "keine Wiederherstellungsdatei";
    QTest::newRow("nur der Kopf") << 12 << -1 << QByteArray() << QString() << "unvollständig";
    QTest::newRow("Ende fehlt") << 1000 << -1 << QByteArray() << QString() << "unvollständig";
    QTest::newRow("ein Bit") << -1 << 300 << QByteArray() << QString() << "Prüfsumme falsch";
    QTest::newRow("neuere Version") << -1 << 9 << QByteArray() << QString() << "Version 3 unbekannt";
    QTest::newRow("ein Bild") << -1 << -1 << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR") << QString()
                              << "keine Wiederherstellungsdatei";
    QTest::newRow("andere ROM") << -1 << -1 << QByteArray() << "Andere [E].gbc"
                                << "gehört zu";
  }
  void wiederherstellungLesen() {
    QFETCH(int, laenge);
    QFETCH(int, kippen);
    QFETCH(QByteArray, ersetzen);
    QFETCH(QString, fremdeRom);
    QFETCH(QString, grund);
    const QString rom = Pfad("Spiel (G) [C].gbc"), datei = Wiederherstellung::Datei(rom);
    Schreibe(rom, "rom");
    const Wiederherstellungsstand stand = Stand(fremdeRom.isEmpty() ? rom : m_ordner.filePath(fremdeRom));
    QString fehler;
    QVERIFY(Wiederherstellung::Schreiben(stand, &fehler));
    if (!fremdeRom.isEmpty()) QVERIFY(QFile::rename(Wiederherstellung::Datei(stand.RomPfad), datei));
    QByteArray bytes = Inhalt(datei);
    if (kippen >= 0) bytes[kippen] = static_cast<char>(bytes[kippen] ^ 2);
    Schreibe(datei, ersetzen.isEmpty() ? bytes.left(laenge < 0 ? bytes.size() : laenge) : ersetzen);

    const auto gelesen = Wiederherstellung::Lesen(rom, &fehler);
    if (grund.isEmpty()) {
      QVERIFY2(gelesen && fehler.isEmpty(), qPrintable(fehler));
      QCOMPARE(gelesen->Teile, stand.Teile);
      QCOMPARE(Wiederherstellung::Kodieren(*gelesen), Wiederherstellung::Kodieren(stand));  // every field
      Wiederherstellung::Entfernen(rom);
    } else {
      QVERIFY(!gelesen);
      QVERIFY2(fehler.contains(datei) && fehler.contains(grund), qPrintable(fehler));
      Wiederherstellung::Beiseitelegen(rom);
      QVERIFY(QFile::exists(datei + QStringLiteral(".defekt")));
    }
    QVERIFY(!Wiederherstellung::Lesen(rom, &fehler) && fehler.isEmpty());
  }

  // Written within a second of an edit, also while edits keep coming; removed
  // once nothing is unwritten; a failed write reported once per streak.
  void wiederherstellungsplaner() {
    const QString rom = Pfad("planer.gbc"), datei = Wiederherstellung::Datei(rom);
    std::optional<Wiederherstellungsstand> stand = Stand(rom);
    Wiederherstellungsplaner planer(rom, [&] { return stand; });
    QStringList fehler;
    planer.Fehler = [&](const QString& text) { fehler << text; };
    planer.Geaendert();
    QVERIFY(!QFile::exists(datei));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(datei), 1000);
    Wiederherstellung::Entfernen(rom);
    QElapsedTimer zeit;
    zeit.start();
    while (!QFile::exists(datei) && zeit.elapsed() < 3000) {
      planer.Geaendert();
      QTest::qWait(100);
    }
    QVERIFY2(zeit.elapsed() < 1500, qPrintable(QString::number(zeit.elapsed())));
    stand.reset();
    planer.Geaendert();
    QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(datei), 1000);

    stand = Stand(rom);
    QVERIFY(QDir().mkpath(datei));  // a folder in the way: no write can succeed
    planer.JetztSchreiben();
    planer.JetztSchreiben();
    QCOMPARE(fehler.size(), 1);
    QVERIFY2(fehler[0].contains(datei), qPrintable(fehler[0]));
    QVERIFY(QDir(datei).removeRecursively());
    planer.JetztSchreiben();
    QVERIFY(QFile::exists(datei));
    planer.Verwerfen();
    QVERIFY(!QFile::exists(datei));
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
