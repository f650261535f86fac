#include <QtTest>
#include <functional>

#include "Aenderungsliste.h"
#include "Blockdaten.h"
#include "Bps.h"
#include "Ips.h"
#include "Kopftabelle.h"
#include "Palettentabelle.h"
#include "Patchdatei.h"
#include "Pruefsumme.h"
#include "Testumgebung.h"
#include "Tilesetblock.h"

// BPS and IPS over edits the editor makes, the files they refuse, and the
// change list that reports a patch by what the game reads.
namespace {
using Aenderung = std::function<void(QByteArray&)>;
using Verderben = std::function<void(QByteArray& patch, QByteArray& rom)>;
using Format = Patchdatei::Format;

const QByteArray Leer(Tilesetblock::Laenge, '\0');
constexpr qint64 Frei = 0x1C4000;

QByteArray Rom() { return Rombau::Rom(Testdaten::Plan()); }

// Bytes that differ from offset to offset, so that no copy is found by luck.
QByteArray Muster(qint64 laenge, int salz) {
  QByteArray b(laenge, '\0');
  quint32 x = 0x12345678u + quint32(salz);
  for (qint64 i = 0; i < laenge; ++i) b[i] = char((x = x * 1103515245u + 12345u) >> 24);
  return b;
}

// Tileset 3 goes to a free place: new block, pointer, old copy erased.
void Verschieben(QByteArray& rom) {
  const qint64 alt = Kopftabelle::ZielVon(rom, 3);
  rom.replace(Frei, Tilesetblock::Laenge, rom.mid(alt, Tilesetblock::Laenge));
  rom.replace(Kopftabelle::ZeigerOrt(3), 3, Rombau::Zeiger(Frei));
  rom.replace(alt, Tilesetblock::Laenge, Leer);
}
using Paar = std::function<QPair<QByteArray, QByteArray>()>;
Paar Bearbeitet(const Aenderung& a) {
  return [a] {
    QByteArray neu = Rom();
    a(neu);
    return qMakePair(Rom(), neu);
  };
}
QList<QPair<const char*, Format>> Formate() { return {{"BPS", Format::Bps}, {"IPS", Format::Ips}}; }
void Le(QByteArray& b, quint32 wert) {
  for (int i = 0; i < 4; ++i) b.append(char(wert >> (8 * i)));
}

void Paletteaendern(QByteArray& rom) {
  rom.replace(Palettentabelle::Offset(Palettentabelle::RomOffset, 2, 4, 1), 8,
              QByteArray("\x1F\0\xE0\x03\0\x7C\xFF\x7F", 8));
}
}  // namespace

Q_DECLARE_METATYPE(Aenderung)
Q_DECLARE_METATYPE(Verderben)
Q_DECLARE_METATYPE(Paar)

class TestPatch : public QObject {
  Q_OBJECT
 private slots:
  // Pinned by hand from the public formats: a codec wrong in both directions
  // passes every round trip.
  void festeBeispiele() {
    const QByteArray quelle(16, 'a');
    QByteArray ziel = quelle;
    ziel[0] = 'b';
    QByteArray bps(
        "BPS1\x90\x90\x80\x81"
        "b\xB8");
    Le(bps, Crc32(quelle));
    Le(bps, Crc32(ziel));
    Le(bps, Crc32(bps));
    QCOMPARE(Bps::Erstellen(quelle, ziel), bps);
    QCOMPARE(Bps::Anwenden(bps, quelle).ziel, ziel);
    ziel += QByteArray(20, 'c');
    const QByteArray ips(
        "PATCH\0\0\0\0\x01"
        "b\0\0\x10\0\0\0\x14"
        "cEOF",
        22);
    QCOMPARE(Ips::Erstellen(quelle, ziel).daten, ips);
    QCOMPARE(Ips::Anwenden(ips, quelle).daten, ziel);
  }

  void rundreise_data() {
    QTest::addColumn<int>("format");
    QTest::addColumn<Paar>("paar");
    QTest::addColumn<qint64>("geschrieben");  // bytes the edit wrote; -1: no size goal
    for (const auto& [name, f] : Formate()) {
      QTest::addRow("%s verschobenes Tileset", name)
          << int(f) << Bearbeitet(Verschieben) << 2 * Tilesetblock::Laenge + 3;
      QTest::addRow("%s gelöschte Kopie", name) << int(f) << Bearbeitet([](QByteArray& r) {
        r.replace(Testdaten::VerschobenOrt2, Leer.size(), Leer);
      }) << Tilesetblock::Laenge;
      QTest::addRow("%s Palette", name) << int(f) << Bearbeitet(Paletteaendern) << qint64(8);
      // A record at 0x454F46 would read as "EOF".
      for (qint64 ort : {Ips::EofOrt - 1, Ips::EofOrt, Ips::EofOrt + 1})
        for (qint64 n : {1, 40})
          QTest::addRow("%s 8 MiB, %lld Bytes ab %llX", name, n, ort) << int(f) << Paar([=] {
            const QByteArray alt = Muster(8 << 20, 3);
            return qMakePair(alt, QByteArray(alt).replace(ort, n, QByteArray(n, '\x77')));
          }) << qint64(-1);
      QTest::addRow("%s 4 MiB, länger", name) << int(f) << Paar([] {
        return qMakePair(Muster(4 << 20, 1), Muster(4 << 20, 1).replace(5, 1, "!") + Muster(4096, 2));
      }) << qint64(-1);
    }
    QTest::addRow("BPS 4 MiB, kürzer") << int(Format::Bps) << Paar([] {
      return qMakePair(Muster(4 << 20, 1), Muster(3 << 20, 1).replace(5, 1, "!"));
    }) << qint64(-1);
  }
  void rundreise() {
    QFETCH(int, format);
    QFETCH(Paar, paar);
    QFETCH(qint64, geschrieben);
    const auto [alt, neu] = paar();
    const Patchdatei::Ergebnis patch = Patchdatei::Erstellen(alt, neu, Format(format));
    QVERIFY2(patch.fehler.isEmpty(), qPrintable(patch.fehler));
    const Patchdatei::Ergebnis zurueck = Patchdatei::Anwenden(patch.daten, alt);
    QVERIFY2(zurueck.fehler.isEmpty(), qPrintable(zurueck.fehler));
    QVERIFY(zurueck.daten == neu);
    if (geschrieben >= 0 && format == int(Format::Bps)) QVERIFY(patch.daten.size() <= geschrieben + 1024);
  }

  // Each refusal names its reason and hands out no result.
  void abgelehnt_data() {
    QTest::addColumn<int>("format");
    QTest::addColumn<Verderben>("verderben");
    QTest::addColumn<QString>("grund");
    using V = Verderben;
    QTest::addRow("BPS falsches Rom")
        << int(Format::Bps) << V([](QByteArray&, QByteArray& r) { r[0x150] = ~r[0x150]; }) << "CRC32";
    QTest::addRow("BPS kürzeres Rom")
        << int(Format::Bps) << V([](QByteArray&, QByteArray& r) { r.chop(1); }) << "Bytes";
    for (const auto& [name, f] : Formate()) {
      QTest::addRow("%s abgeschnitten", name)
          << int(f) << V([](QByteArray& p, QByteArray&) { p.chop(4); }) << "unvollständig";
      QTest::addRow("%s kein Patch", name)
          << int(f) << V([](QByteArray& p, QByteArray&) { p[1] = 'X'; }) << "weder";
    }
    QTest::addRow("BPS beschädigt") << int(Format::Bps)
                                    << V([](QByteArray& p, QByteArray&) { p[12] = ~p[12]; }) << "beschädigt";
    // Its CRC32 right: only the bounds check catches a copy from before the
    // target's start.
    QTest::addRow("BPS Kopie außerhalb") << int(Format::Bps) << V([](QByteArray& p, QByteArray& r) {
      r = QByteArray(2, '\0');
      p = "BPS1\x82\x81\x80\x83\x83";
      Le(p, Crc32(r));
      Le(p, 0);
      Le(p, Crc32(p));
    }) << "außerhalb";
    QTest::addRow("IPS Eintrag über das Ende")
        << int(Format::Ips) << V([](QByteArray& p, QByteArray&) { p.replace(8, 2, "\xFF\xFF"); })
        << "beschädigt";
  }
  void abgelehnt() {
    QFETCH(int, format);
    QFETCH(Verderben, verderben);
    QFETCH(QString, grund);
    QByteArray rom = Rom();
    QByteArray neu = rom;
    Verschieben(neu);
    QByteArray patch = Patchdatei::Erstellen(rom, neu, Format(format)).daten;
    verderben(patch, rom);
    const Patchdatei::Ergebnis e = Patchdatei::Anwenden(patch, rom);
    QVERIFY2(e.fehler.contains(grund), qPrintable(e.fehler));
    QVERIFY(e.daten.isEmpty());
  }

  void ipsGrenzen_data() {
    QTest::addColumn<qint64>("quelle");
    QTest::addColumn<qint64>("ziel");
    QTest::addColumn<QString>("grund");
    QTest::addRow("über 16 MiB") << qint64(16 << 20) << qint64((16 << 20) + 1) << "16 MiB";
    QTest::addRow("kürzer") << qint64(2 << 20) << qint64((2 << 20) - 1) << "verkürzen";
  }
  void ipsGrenzen() {
    QFETCH(qint64, quelle);
    QFETCH(qint64, ziel);
    QFETCH(QString, grund);
    const Ips::Ergebnis e = Ips::Erstellen(QByteArray(quelle, '\0'), QByteArray(ziel, '\1'));
    QVERIFY2(e.fehler.contains(grund), qPrintable(e.fehler));
  }

  void aenderungsliste_data() {
    QTest::addColumn<Aenderung>("aenderung");
    QTest::addColumn<QStringList>("liste");
    QTest::addRow("verschobenes Tileset")
        << Aenderung(Verschieben) << QStringList{"Titelset3: Grafik, Pointer"};
    QTest::addRow("Palette") << Aenderung(Paletteaendern) << QStringList{"Paletten Nacht: 4"};
    QTest::addRow("Block und Wasser") << Aenderung([](QByteArray& r) {
      const qint64 tabelle = Testdaten::Plan().tilesets[7].blockTabelle;
      r[Blockdaten::BlockOffset(tabelle, 127) + 15] = 0x33;
      r[Rombau::Wasser + 63] = ~r[Rombau::Wasser + 63];
    }) << QStringList{"Titelset7: Blöcke", "Animation: Wasser"};
    QTest::addRow("anderswo") << Aenderung([](QByteArray& r) { r.replace(0x100, 5, "ABCDE"); })
                              << QStringList{"weitere Bytes: 5"};
  }
  void aenderungsliste() {
    QFETCH(Aenderung, aenderung);
    QFETCH(QStringList, liste);
    const QByteArray alt = Rom();
    QByteArray neu = alt;
    aenderung(neu);
    QCOMPARE(Aenderungsliste::Aenderungen(alt, neu), liste);
  }
};

QTEST_MAIN(TestPatch)
#include "test_patch.moc"
