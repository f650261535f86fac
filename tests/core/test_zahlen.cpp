#include <QtTest>

#include "Kachel.h"
#include "LeerPruefen.h"
#include "Meldung.h"
#include "Module1.h"
#include "Tilesetblock.h"
#include "Zahlen.h"

class TestZahlen : public QObject {
  Q_OBJECT
 private slots:
  void hexZuZahl() {
    QString leer;
    QCOMPARE(HexZuZahl(leer), 0);
    QCOMPARE(leer, QStringLiteral("0"));
    QCOMPARE(HexZuZahl(QStringLiteral("B75E")), 46942);
    QCOMPARE(HexZuZahl(QStringLiteral("1BBA00")), 1817088);
    QCOMPARE(HexZuZahl(QStringLiteral("ffff")), 65535);
    // Pasted rubbish never ends the program; writers check IstHex first.
    QCOMPARE(HexZuZahl(QStringLiteral("xyz")), 0);
    QVERIFY(!IstHex(QStringLiteral("12G4")));
    QVERIFY(!IstHex(QStringLiteral("1 2")));
    QVERIFY(IstHex(QStringLiteral("1bB9")));
    QVERIFY(IstHex(QString()));
  }

  void zeigerUndOffsets() {
    QCOMPARE(OffsetZuPointer(QStringLiteral("156D3"), 0), QStringLiteral("05D356"));
    QCOMPARE(OffsetZuPointer(QStringLiteral("156D3"), 3), QStringLiteral("05D356"));
    QCOMPARE(OffsetZuPointer(QStringLiteral("1BBA00"), 0), QStringLiteral("6E007A"));
    QCOMPARE(OffsetZuPointer(QStringLiteral("B75E"), 0), QStringLiteral("025E77"));
    QCOMPARE(OffsetZuPointer(QStringLiteral("156D3"), 1), QStringLiteral("D356"));
    QCOMPARE(OffsetZuPointer(QString(), 0), QStringLiteral("000040"));
    QCOMPARE(PointerZuOffset(QStringLiteral("05D356"), 0, 0), QStringLiteral("156D3"));
    QCOMPARE(PointerZuOffset(QStringLiteral("6E007A"), 0, 0), QStringLiteral("1BBA00"));
    QCOMPARE(PointerZuOffset(QStringLiteral("5E77"), 2, 2), QStringLiteral("B75E"));
    QCOMPARE(PointerZuOffset(QStringLiteral("005A"), 2, 2), QStringLiteral("9A00"));
  }

  void hexStellen() {
    QCOMPARE(HexStellen(5, 2), QStringLiteral("05"));
    QCOMPARE(HexStellen(0x1BBA00, 6), QStringLiteral("1BBA00"));
    QCOMPARE(HexStellen(0x123, 2), QString());
  }

  void kachelTexte() {
    // Row pair 0x3C 0x7E is the cell row 1 3 4 4 4 4 3 1.
    QString text = QStringLiteral("060126") + QString(42, QLatin1Char('0'));
    const Zellen z = KachelTextZuZellen(text);
    const Zellen erste = {1, 3, 4, 4, 4, 4, 3, 1};
    QVERIFY(std::equal(erste.begin(), erste.begin() + 8, z.begin()));
    QCOMPARE(ZellenZuKachelText(z), text);
    QCOMPARE(BytesZuKachelText(QByteArray("\x07\xFF\0\0\0\0\0\0\0\0\0\0\0\0\0\0", 16).constData()).left(6),
             QStringLiteral("007255"));
    const Zellen leer = KachelTextZuZellen(QString(48, QLatin1Char('0')));
    QVERIFY(std::all_of(leer.begin(), leer.end(), [](auto n) { return n == 1; }));
  }

  void tilesetblock() {
    Tilesetblock::KachelTexte texte;
    for (int i = 0; i < 96; ++i) {
      QByteArray b(16, '\0');
      for (int k = 0; k < 16; ++k) b[k] = static_cast<char>(i * 16 + k);
      texte[i] = BytesZuKachelText(b.constData());
    }
    const QByteArray block = Tilesetblock::Bauen(texte);
    QCOMPARE(block.size(), 1542);
    QCOMPARE(block.left(2), QByteArray("\xE3\xFF"));
    QCOMPARE(block.mid(1026, 2), QByteArray("\xE1\xFF"));
    QCOMPARE(block.right(2), QByteArray("\xFF\x00", 2));
    QVERIFY(Tilesetblock::HatMarker(block));
    QVERIFY(Tilesetblock::Lesen(block) == texte);
  }

  void leerPruefen() {
    QStringList fragen;
    Antwort antwort = Antwort::Nein;
    MeldungSetzen([&](const QString& text, const QString& titel, Knoepfe k) {
      fragen << titel + QLatin1Char('|') + text + (k == Knoepfe::JaNein ? "|Ja/Nein" : "|OK");
      return antwort;
    });
    QTemporaryDir ordner;
    const QString datei = ordner.filePath(QStringLiteral("x.gb"));
    auto pruefe = [&](const QByteArray& inhalt) {
      QFile f(datei);
      f.open(QIODevice::WriteOnly | QIODevice::Truncate);
      f.write(QByteArray(100, '\x55') + inhalt + QByteArray(100, '\x55'));
      f.close();
      QString ergebnis = QStringLiteral("x"), d = datei;
      LeerPrüfen(ergebnis, d, QStringLiteral("64"));
      return ergebnis;
    };
    // Zeros, and a stored block whose tiles are all empty, are free.
    QByteArray leererBlock =
        "\xE3\xFF" + QByteArray(1024, '\0') + "\xE1\xFF" + QByteArray(512, '\0') + QByteArray("\xFF\0", 2);
    QCOMPARE(pruefe(QByteArray(1542, '\0')), QString());
    QCOMPARE(pruefe(leererBlock), QString());
    QVERIFY(fragen.isEmpty());
    QByteArray belegt(1542, '\0');
    belegt[1541] = 1;
    QCOMPARE(pruefe(belegt), QStringLiteral("close"));
    leererBlock[0] = 0;  // later markers alone do not make an area free
    QCOMPARE(pruefe(leererBlock), QStringLiteral("close"));
    antwort = Antwort::Ja;
    QCOMPARE(pruefe(belegt), QString());
    QCOMPARE(fragen, QStringList(3, QStringLiteral("Achtung|Der angegebene Offset ist nich leer! Soll das "
                                                   "Tileset trotzdem dort eingefügt werden?|Ja/Nein")));
    // An empty file name means the ROM.
    Module1.RomDatei = datei;
    QString ergebnis, leer;
    LeerPrüfen(ergebnis, leer, QStringLiteral("64"));
    QCOMPARE(leer, datei);
    MeldungSetzen({});
  }
};

QTEST_GUILESS_MAIN(TestZahlen)
#include "test_zahlen.moc"
