#include <QtTest>
#include <optional>

#include "Freisuche.h"
#include "Rombau.h"

namespace {
constexpr qint64 Block = 1542;

// A 2 MiB ROM without a single zero byte.
QByteArray Voll() { return QByteArray(Rombau::RomLaenge, '\x5A'); }

void Nullen(QByteArray& rom, qint64 ab, qint64 anzahl) {
  for (qint64 i = ab; i < ab + anzahl; ++i) rom[i] = 0;
}

// The search as it is defined, one byte at a time, for one find; nullopt when
// it runs longer than `grenze` bytes (the definition itself never ends).
std::optional<qint64> Wortgetreu(const QByteArray& rom, qint64 pos, qint64 grenze) {
  auto byte = [&](qint64 i) { return i < rom.size() ? rom[i] : '\0'; };
  for (qint64 gelesen = 0; gelesen < grenze;) {
    bool frei = true;
    const qint64 anfang = pos;
    for (int g = 0; g < 96 && frei; ++g) {
      for (int k = 0; k < 16 && frei; ++k, ++gelesen) frei = byte(pos++) == 0;
      if (pos >= Freisuche::Wendegrenze) {
        pos = 0;
        frei = false;
      }
    }
    if (!frei) continue;
    for (int k = 0; k < 6 && frei; ++k, ++gelesen) frei = byte(pos++) == 0;
    if (!frei) {
      if (pos >= Freisuche::Wendegrenze) pos = 0;
      continue;
    }
    if (anfang != Freisuche::Gesperrt) return anfang;
  }
  return std::nullopt;
}
}  // namespace

class TestFreisuche : public QObject {
  Q_OBJECT
 private slots:
  void gehtDurchDieFreienBereiche() {
    QByteArray rom = Voll();
    Nullen(rom, 0x100000, Block);
    Nullen(rom, 0x150000, 2 * Block + 100);
    QCOMPARE(Freisuche::Suchen(rom, Block), 0x100000);
    QCOMPARE(Freisuche::Suchen(rom, 0x100000 + Block), 0x150000);
    QCOMPARE(Freisuche::Suchen(rom, 0x150000 + Block), 0x150000 + Block);
    // Behind the last area the search wraps round to the first one.
    QCOMPARE(Freisuche::Suchen(rom, 0x150000 + 2 * Block), 0x100000);
    // The area starts right behind the last non-zero byte, not aligned.
    rom[0x100000 + 700] = 1;
    Nullen(rom, 0x100000 + 701, Block);
    QCOMPARE(Freisuche::Suchen(rom, Block), 0x100000 + 701);
  }

  void sperrstelleWirdNieAngeboten() {
    QByteArray rom = Voll();
    Nullen(rom, Freisuche::Gesperrt, Block);
    Nullen(rom, 0x120000, Block);
    QCOMPARE(Freisuche::Suchen(rom, Block), 0x120000);
    QCOMPARE(Freisuche::Suchen(rom, 0x120000 + Block), 0x120000);
    // A longer run at 87BFC: the search goes on behind the skipped find.
    Nullen(rom, Freisuche::Gesperrt, 2 * Block);
    QCOMPARE(Freisuche::Suchen(rom, Block), Freisuche::Gesperrt + Block);
  }

  void wendetAnDerGrenze() {
    QByteArray rom = Voll();
    Nullen(rom, 0x2000, Block);
    // Zeros up to the limit and beyond: the search wraps before it can finish.
    Nullen(rom, Freisuche::Wendegrenze - 1000, 0x10000);
    QCOMPARE(Freisuche::Suchen(rom, 0x100000), 0x2000);
    // Starting at or beyond the limit goes back to 0 after the first 16 bytes.
    Nullen(rom, 0, Block);
    QCOMPARE(Freisuche::Suchen(rom, Freisuche::Wendegrenze), 0);
    QCOMPARE(Freisuche::Suchen(rom, 0x1BC000), 0);
    // An area whose last group ends just below the limit is still found.
    QByteArray knapp = Voll();
    Nullen(knapp, Freisuche::Wendegrenze - 1537, Block);
    QCOMPARE(Freisuche::Suchen(knapp, Block), Freisuche::Wendegrenze - 1537);
    QByteArray zuSpaet = Voll();
    Nullen(zuSpaet, Freisuche::Wendegrenze - 1536, Block);
    QCOMPARE(Freisuche::Suchen(zuSpaet, Block), -1);
  }

  void endetOhneFreienBereich() {
    QByteArray wechselnd = Voll(), kurzeLuecken = Voll();
    for (qint64 i = 0; i < wechselnd.size(); i += 2) wechselnd[i] = 0;
    for (qint64 i = 0; i + Block < kurzeLuecken.size(); i += Block) Nullen(kurzeLuecken, i, Block - 1);
    for (const QByteArray& rom : {Voll(), wechselnd, kurzeLuecken})
      for (qint64 start : {qint64(0), Block, qint64(0x1C0000)}) QCOMPARE(Freisuche::Suchen(rom, start), -1);
    // Only the skipped place and zeros above the limit: still no find.
    QByteArray rom = Voll();
    Nullen(rom, Freisuche::Gesperrt, Block);
    Nullen(rom, 0x1C0000, 0x10000);
    QCOMPARE(Freisuche::Suchen(rom, Block), -1);
    // Started inside an area too late to fit, the search finds the area's
    // beginning when it comes round again.
    Nullen(rom, 0x30000, Block + 10);
    QCOMPARE(Freisuche::Suchen(rom, 0x30000 + 20), 0x30000);
  }

  void stimmtMitDerByteweisenSucheUeberein() {
    QByteArray rom = Voll();
    quint32 z = 12345;
    auto zufall = [&z] { return z = z * 1103515245u + 12345u, (z >> 8) & 0xFFFFF; };
    for (int k = 0; k < 400; ++k) {
      const qint64 ab = zufall() % 0x1C0000, laenge = 1400 + zufall() % 400;
      Nullen(rom, ab, std::min<qint64>(laenge, rom.size() - ab));
      if (k % 3 == 0) rom[ab + zufall() % laenge % (rom.size() - ab)] = 7;
    }
    Nullen(rom, Freisuche::Gesperrt - 200, Block + 400);
    for (int k = 0; k < 300; ++k) {
      const qint64 start = k < 10 ? Freisuche::Gesperrt - 100 + 40 * k : zufall() % 0x1C0000;
      const auto erwartet = Wortgetreu(rom, start, 2 * Rombau::RomLaenge);
      QVERIFY(erwartet.has_value());
      QCOMPARE(Freisuche::Suchen(rom, start), *erwartet);
    }
  }
};

QTEST_GUILESS_MAIN(TestFreisuche)
#include "test_freisuche.moc"
