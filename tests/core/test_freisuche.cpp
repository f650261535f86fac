#include <QtTest>
#include <optional>

#include "Freisuche.h"
#include "Rombau.h"
#include "Tilesetblock.h"

namespace {
constexpr qint64 B = Tilesetblock::Laenge;
constexpr qint64 Grenze = Freisuche::Wendegrenze, Gesperrt = Freisuche::Gesperrt;
using Laeufe = QList<QPair<qint64, qint64>>;  // zero runs (start, length)

// A 2 MiB ROM without a zero byte outside the given runs.
QByteArray Rom(const Laeufe& laeufe) {
  QByteArray rom(Rombau::RomLaenge, '\x5A');
  for (const auto& [ab, anzahl] : laeufe) rom.replace(ab, anzahl, QByteArray(anzahl, '\0'));
  return rom;
}

// The search as it is defined, one byte at a time; nullopt when it runs
// longer than `grenze` bytes (the definition itself never ends).
std::optional<qint64> Wortgetreu(const QByteArray& rom, qint64 pos, qint64 grenze) {
  auto byte = [&](qint64 i) { return i < rom.size() ? rom[i] : '\0'; };
  for (qint64 gelesen = 0; gelesen < grenze;) {
    bool frei = true;
    const qint64 anfang = pos;
    for (int g = 0; g < 96 && frei; ++g) {
      for (int k = 0; k < 16 && frei; ++k, ++gelesen) frei = byte(pos++) == 0;
      if (pos >= Grenze) {
        pos = 0;
        frei = false;
      }
    }
    if (!frei) continue;
    for (int k = 0; k < 6 && frei; ++k, ++gelesen) frei = byte(pos++) == 0;
    if (!frei) {
      if (pos >= Grenze) pos = 0;
      continue;
    }
    if (anfang != Gesperrt) return anfang;
  }
  return std::nullopt;
}
}  // namespace

class TestFreisuche : public QObject {
  Q_OBJECT
 private slots:
  void faelle_data() {
    QTest::addColumn<Laeufe>("laeufe");
    QTest::addColumn<qint64>("start");
    QTest::addColumn<qint64>("erwartet");
    // Right behind the last non-zero byte, not aligned.
    QTest::newRow("nicht ausgerichtet")
        << Laeufe{{0x100000, 700}, {0x100000 + 701, B}} << B << qint64(0x100000 + 701);
    QTest::newRow("Sperrstelle") << Laeufe{{Gesperrt, B}, {0x120000, B}} << B << qint64(0x120000);
    QTest::newRow("hinter der Sperrstelle") << Laeufe{{Gesperrt, 2 * B}} << B << Gesperrt + B;
    QTest::newRow("nur Sperrstelle und jenseits")
        << Laeufe{{Gesperrt, B}, {0x1C0000, 0x10000}} << B << qint64(-1);
    // Zeros up to the limit and beyond: the search wraps before it can finish.
    QTest::newRow("über die Grenze") << Laeufe{{0x2000, B}, {Grenze - 1000, 0x10000}} << qint64(0x100000)
                                     << qint64(0x2000);
    QTest::newRow("Start an der Grenze") << Laeufe{{0, B}} << Grenze << qint64(0);
    QTest::newRow("knapp unter der Grenze") << Laeufe{{Grenze - 1537, B}} << B << Grenze - 1537;
    QTest::newRow("zu nah an der Grenze") << Laeufe{{Grenze - 1536, B}} << B << qint64(-1);
  }
  void faelle() {
    QFETCH(Laeufe, laeufe);
    QFETCH(qint64, start);
    QFETCH(qint64, erwartet);
    const QByteArray rom = Rom(laeufe);
    QCOMPARE(Freisuche::Suchen(rom, start), erwartet);
    QCOMPARE(Wortgetreu(rom, start, 2 * Rombau::RomLaenge).value_or(-1), erwartet);
  }

  void stimmtMitDerByteweisenSucheUeberein() {
    quint32 z = 12345;
    auto zufall = [&z] { return z = z * 1103515245u + 12345u, (z >> 8) & 0xFFFFF; };
    Laeufe laeufe = {{Gesperrt - 200, B + 400}};
    for (int k = 0; k < 400; ++k)
      laeufe << qMakePair(qint64(zufall() % 0x1C0000), qint64(1400 + zufall() % 400));
    QByteArray rom = Rom(laeufe);
    for (int k = 0; k < 130; ++k) rom[zufall() % 0x1C0000] = 7;
    for (int k = 0; k < 300; ++k) {
      const qint64 start = k < 10 ? Gesperrt - 100 + 40 * k : zufall() % 0x1C0000;
      const auto erwartet = Wortgetreu(rom, start, 2 * Rombau::RomLaenge);
      QVERIFY(erwartet.has_value());
      QCOMPARE(Freisuche::Suchen(rom, start), *erwartet);
    }
  }
};

QTEST_GUILESS_MAIN(TestFreisuche)
#include "test_freisuche.moc"
