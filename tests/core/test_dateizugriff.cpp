#include <QtTest>

#include "Dateizugriff.h"
#include "Meldung.h"

namespace {
QByteArray Inhalt(const QString& pfad) {
  QFile f(pfad);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<fehlt>");
}

void Schreibe(const QString& pfad, const QByteArray& b) {
  QFile f(pfad);
  QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  f.write(b);
}
}  // namespace

class TestDateizugriff : public QObject {
  Q_OBJECT
  QTemporaryDir m_ordner;
  QStringList m_meldungen;

  QString Pfad(const char* name) { return m_ordner.filePath(QString::fromUtf8(name)); }

 private slots:
  void init() {
    m_meldungen.clear();
    Dateizugriff::Vergessen();
    Schreibfehler::NachSchritt(0);
    MeldungSetzen([this](const QString& text, const QString& titel, Knoepfe) {
      m_meldungen << titel + QLatin1Char('|') + text;
      return Antwort::OK;
    });
  }
  void cleanup() {
    MeldungSetzen({});
    Schreibfehler::NachSchritt(0);
  }

  void lesenWieBinaerzugriff() {
    const QString pfad = Pfad("fehlt.gb");
    QCOMPARE(Dateizugriff::Lesen(pfad, 10, 4), QByteArray(4, '\0'));
    QVERIFY(QFileInfo::exists(pfad));  // opening creates the file empty
    QCOMPARE(QFileInfo(pfad).size(), 0);
    Schreibe(Pfad("kurz"), "\x01\x02\x03");
    QCOMPARE(Dateizugriff::Lesen(Pfad("kurz"), 1, 4), QByteArray("\x02\x03\0\0", 4));
    QCOMPARE(Dateizugriff::LeseByte(Pfad("kurz"), -1), 0);
    QCOMPARE(Dateizugriff::Laenge(Pfad("nirgends")), -1);
    // A change on disk is seen even with the same length.
    Schreibe(Pfad("kurz"), "\x09\x02\x03");
    QTest::qWait(20);
    Schreibe(Pfad("kurz"), "\x07\x02\x03");
    QCOMPARE(Dateizugriff::LeseByte(Pfad("kurz"), 0), 7);
    QVERIFY(m_meldungen.isEmpty());
  }

  void unlesbareDateiWirdGemeldet() {
    QDir(m_ordner.path()).mkdir(QStringLiteral("ordner.gb"));
    QCOMPARE(Dateizugriff::Lesen(Pfad("ordner.gb"), 0, 2), QByteArray(2, '\0'));
    QCOMPARE(m_meldungen.size(), 1);
    QVERIFY(m_meldungen[0].startsWith(QStringLiteral("Fehler|")));
    QVERIFY(m_meldungen[0].contains(Pfad("ordner.gb")));
  }

  void schreibenInReihenfolge() {
    // Erase, pointer, block: a new block over the old copy survives the erase.
    const QString rom = Pfad("rom.gb");
    Schreibe(rom, QByteArray(64, '\x11'));
    Schreibvorgang w(rom, true);
    w.Nullen(8, 16);
    w.Schreiben(0, "\xAA\xBB\xCC", Schreibvorgang::Art::Zeiger);
    w.Schreiben(12, "\x01\x02\x03\x04");
    QVERIFY(w.Ausfuehren());
    QByteArray erwartet(64, '\x11');
    erwartet.replace(8, 16, QByteArray(16, '\0'));
    erwartet.replace(0, 3, "\xAA\xBB\xCC");
    erwartet.replace(12, 4, "\x01\x02\x03\x04");
    QCOMPARE(Inhalt(rom), erwartet);
    QCOMPARE(Dateizugriff::Lesen(rom, 12, 4), QByteArray("\x01\x02\x03\x04"));
  }

  void romWirdNichtVerlaengert() {
    const QString rom = Pfad("rom2.gb");
    Schreibe(rom, QByteArray(32, '\x22'));
    Schreibvorgang w(rom, true);
    w.Schreiben(0, "\x01");
    w.Schreiben(30, "\x01\x02\x03");
    QVERIFY(!w.Ausfuehren());
    QCOMPARE(Inhalt(rom), QByteArray(32, '\x22'));
    QCOMPARE(m_meldungen.size(), 1);
    QVERIFY(m_meldungen[0].startsWith(QStringLiteral("Fehler|")));
    // A ROM that vanished is not created again by a write.
    Schreibvorgang weg(Pfad("weg.gb"), true);
    weg.Schreiben(0, "\x01");
    QVERIFY(!weg.Ausfuehren());
    QVERIFY(!QFileInfo::exists(Pfad("weg.gb")));
  }

  void seitendateiDarfWachsen() {
    const QString datei = Pfad("Tilesets.gb");
    Schreibvorgang w(datei, false);
    w.Schreiben(0x700, "\x05\x06");
    QVERIFY(w.Ausfuehren());
    QCOMPARE(Inhalt(datei).size(), 0x702);
    QCOMPARE(Inhalt(datei).right(2), QByteArray("\x05\x06"));
  }

  void fehlerInJedemSchrittLaesstDieDateiUnveraendert() {
    // Every step of a three-patch operation on a ROM and of one that grows a
    // side file is made to fail in turn.
    for (const bool istRom : {true, false}) {
      const QString pfad = Pfad(istRom ? "f.gb" : "f.side");
      QByteArray vorher(4096, '\0');
      for (int i = 0; i < vorher.size(); ++i) vorher[i] = static_cast<char>(i * 7);
      auto vorgang = [&] {
        Schreibvorgang w(pfad, istRom);
        w.Nullen(100, 50);
        w.Schreiben(10, "\x01\x02\x03", Schreibvorgang::Art::Zeiger);
        w.Schreiben(istRom ? 2000 : 4090, QByteArray(20, '\x7F'));
        return w.Ausfuehren();
      };
      Schreibe(pfad, vorher);
      Schreibfehler::NachSchritt(0);
      QVERIFY(vorgang());
      const int schritte = Schreibfehler::Schritte();
      QVERIFY(schritte >= 4);
      for (int k = 1; k <= schritte; ++k) {
        Schreibe(pfad, vorher);
        m_meldungen.clear();
        Schreibfehler::NachSchritt(k);
        QVERIFY2(!vorgang(), qPrintable(QStringLiteral("Schritt %1").arg(k)));
        QCOMPARE(Inhalt(pfad), vorher);
        QCOMPARE(m_meldungen.size(), 1);
        QVERIFY(m_meldungen[0].startsWith(QStringLiteral("Fehler|")));
        QVERIFY(m_meldungen[0].contains(pfad));
      }
      Schreibfehler::NachSchritt(0);
      QVERIFY(vorgang());
    }
  }
};

QTEST_GUILESS_MAIN(TestDateizugriff)
#include "test_dateizugriff.moc"
