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
  // Exactly one message so far: a "Fehler" that names the file.
  bool EinFehlerZu(const QString& pfad) const {
    return m_meldungen.size() == 1 && m_meldungen[0].startsWith(QStringLiteral("Fehler|")) &&
           m_meldungen[0].contains(pfad);
  }

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
    // A file that exists but cannot be read is reported and reads as zeros.
    QDir(m_ordner.path()).mkdir(QStringLiteral("ordner.gb"));
    QCOMPARE(Dateizugriff::Lesen(Pfad("ordner.gb"), 0, 2), QByteArray(2, '\0'));
    QVERIFY2(EinFehlerZu(Pfad("ordner.gb")), qPrintable(m_meldungen.join('\n')));
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
    QCOMPARE(Inhalt(rom), "\xAA\xBB\xCC" + QByteArray(5, '\x11') + QByteArray(4, '\0') + "\x01\x02\x03\x04" +
                              QByteArray(8, '\0') + QByteArray(40, '\x11'));
    QCOMPARE(Dateizugriff::Lesen(rom, 12, 4), QByteArray("\x01\x02\x03\x04"));
  }

  // A ROM keeps its length; a side file may grow.
  void nurSeitendateienWachsen() {
    const QString rom = Pfad("rom2.gb");
    Schreibe(rom, QByteArray(32, '\x22'));
    Schreibvorgang w(rom, true);
    w.Schreiben(0, "\x01");
    w.Schreiben(30, "\x01\x02\x03");
    QVERIFY(!w.Ausfuehren());
    QCOMPARE(Inhalt(rom), QByteArray(32, '\x22'));
    QVERIFY2(EinFehlerZu(rom), qPrintable(m_meldungen.join('\n')));
    const QString datei = Pfad("Tilesets.gb");
    Schreibvorgang s(datei, false);
    s.Schreiben(0x700, "\x05\x06");
    QVERIFY(s.Ausfuehren());
    QCOMPARE(Inhalt(datei), QByteArray(0x700, '\0') + "\x05\x06");
  }

  // Every step of an operation that grows a side file is made to fail in
  // turn: the file is cut back to its old length. (The fault walk over the
  // program's operations covers ROMs, which never grow.)
  void fehlerInJedemSchrittLaesstDieDateiUnveraendert() {
    const QString pfad = Pfad("f.side");
    QByteArray vorher(4096, '\0');
    for (int i = 0; i < vorher.size(); ++i) vorher[i] = static_cast<char>(i * 7);
    auto vorgang = [&](int fehlerschritt) {
      Schreibe(pfad, vorher);
      m_meldungen.clear();
      Schreibfehler::NachSchritt(fehlerschritt);
      Schreibvorgang w(pfad, false);
      w.Nullen(100, 50);
      w.Schreiben(10, "\x01\x02\x03", Schreibvorgang::Art::Zeiger);
      w.Schreiben(4090, QByteArray(20, '\x7F'));
      return w.Ausfuehren();
    };
    QVERIFY(vorgang(0));
    const int schritte = Schreibfehler::Schritte();
    QVERIFY(schritte >= 4);
    for (int k = 1; k <= schritte; ++k) {
      QVERIFY2(!vorgang(k), qPrintable(QStringLiteral("Schritt %1").arg(k)));
      QCOMPARE(Inhalt(pfad), vorher);
      QVERIFY2(EinFehlerZu(pfad), qPrintable(m_meldungen.join('\n')));
    }
    QVERIFY(vorgang(0));
  }
};

QTEST_GUILESS_MAIN(TestDateizugriff)
#include "test_dateizugriff.moc"
