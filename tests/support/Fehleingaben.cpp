#include "Fehleingaben.h"

#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QSettings>
#include <QtEndian>
#include <QtTest>
#include <csignal>
#include <cstring>
#include <random>

#include "Blockdaten.h"
#include "Dateizugriff.h"
#include "Frm_Bild.h"
#include "Frm_Kolli.h"
#include "Frm_PalettenZu.h"
#include "Frm_TilesetPal.h"
#include "Frm_einfuegenals.h"
#include "Gifbau.h"
#include "Kennzahlen.h"
#include "Kollision.h"
#include "Kopftabelle.h"
#include "Palettentabelle.h"
#include "Schreiboperationen.h"
#include "Tilesetblock.h"
#include "Zuordnung.h"
#include "frm_Angaben.h"
#include "frm_Animationen.h"
#include "frm_Block.h"

namespace {
// The watchdog: a time bound checked after a case returns cannot see a hang,
// so an alarm armed per case names it and aborts. 20 s: under the sanitizers.
char g_fall[512];

void Bellen(int) {
  static const char text[] = "\nDieser Fall hängt: ";
  (void)!::write(2, text, sizeof text - 1);
  (void)!::write(2, g_fall, std::strlen(g_fall));
  (void)!::write(2, "\n", 1);
  std::abort();
}

void Wachen(const QString& fall) {
  qstrncpy(g_fall, fall.toUtf8().constData(), sizeof g_fall);
  std::signal(SIGALRM, Bellen);
  ::alarm(20);
}

int Bis(std::mt19937& gen, int n) { return static_cast<int>(gen() % static_cast<std::uint32_t>(n)); }

void Alle(QComboBox* liste, int schritt, const std::function<void()>& klick) {
  for (int i = 0; i < liste->count(); i += schritt) {
    liste->setCurrentIndex(i);
    klick();
  }
}

// Every read path a user reaches without writing: open the ROM, show every
// window, choose all 28 tilesets, leaf through blocks, collision records,
// palettes, times of day, animations and the insert-as targets, both
// side-file modes, the free-offset search. Questions are answered No.
void AllesLesen(Testumgebung& u) {
  u.antwort = QMessageBox::No;
  frm_Angaben& f = u.fenster();
  f.RomÖffnen(u.rom());
  for (QAction* a : {f.Cmd_TilesetPal, f.Cmd_PalettenZu, f.Cmd_Kolli, f.Cmd_Block, f.Cmd_Einfügenals,
                     f.Cmd_Animationen, f.Cmd_Optionen, f.Cmd_Info})
    a->trigger();
  Alle(f.Auswahl, 1, [&] { f.Auswahl_Click(); });
  Alle(frm_Block::Instanz().Cbo_Block, 42, [] {});
  Alle(Frm_Kolli::Instanz().Cbo_Block, 42, [] {});
  Frm_TilesetPal& p = Frm_TilesetPal::Instanz();
  Alle(p.Zeit, 1, [&] {
    p.Zeit_Click();
    for (int i = 1; i <= 4; ++i) p.Lbl_Farbe_Click(i);
  });
  Alle(p.Paletten, 1, [&] { p.Paletten_Click(); });
  if (Frm_PalettenZu::Geladen())
    Alle(Frm_PalettenZu::Instanz().Paletten, 7, [] { Frm_PalettenZu::Instanz().Paletten_Click(); });
  Alle(frm_Animationen::Instanz().Animation, 1, [] { frm_Animationen::Instanz().Animation_Click(); });
  Frm_einfügenals& e = Frm_einfügenals::Instanz();
  Alle(e.Auswahl, 3, [&] { e.Auswahl_Click(); });
  e.Opt_Tilesets->setChecked(true);
  e.Auswahl_Click();
  e.Opt_Diese->setChecked(true);
  for (QCheckBox* modus : {f.Chk_Original, f.Chk_Geheim}) {
    modus->setChecked(true);
    Alle(f.Auswahl, 14, [&] { f.Auswahl_Click(); });
    modus->setChecked(false);
  }
  f.Cmd_sucheOff->trigger();
}

// The picture loaded into the import, every colour assigned, the tiles filled.
void BildLesen(Testumgebung& u) {
  if (!Frm_Bild::Geladen()) {
    u.fenster().RomÖffnen(u.rom());
    u.fenster().Cmd_BLaden_Click();
  }
  Frm_Bild& b = Frm_Bild::Instanz();
  b.BildLaden(u.Pfad(QStringLiteral("bild")));
  for (QRadioButton* groesse : {b.Opt_96256, b.Opt_48128}) {
    groesse->setChecked(true);
    for (int i = 0; i < 40 && b.Cbo_Inhalt->count() > 0; ++i) b.Cmd_OK_Click();
    b.List->setCurrentRow(0);
    b.Cmd_Löschen_Click();
    b.Cmd_Einfügen_Click();
  }
}

struct Fall {
  QString name;
  QString gruppe;  // the figures file it counts in
  std::function<void(Testumgebung&)> anlegen;
  bool neuesFenster = false;  // the main window reads the damage only when it is built
  // Beyond "no file changed", given the messages: "" or what went wrong.
  std::function<QString(const QString&)> pruefen = {};
};
using Faelle = std::vector<Fall>;

// A file ended early: in each of `saetze` records of `satz` bytes at each of
// its `felder`, and after the last.
void Abgeschnitten(Faelle& faelle, const QString& datei, const QByteArray& ganz, const QString& gruppe,
                   int saetze, qint64 satz, const QList<qint64>& felder, bool neuesFenster = false) {
  QList<qint64> laengen{saetze * satz};
  for (int r = 0; r < saetze; ++r)
    for (qint64 f : felder) laengen << r * satz + f;
  for (qint64 l : laengen)
    faelle.push_back({QStringLiteral("%1 nach %2 Bytes").arg(datei).arg(l), gruppe,
                      [=](Testumgebung& u) { u.Schreib(datei, ganz.left(l)); }, neuesFenster});
}

QSettings Einstellungen() { return QSettings(QStringLiteral("ZERAN"), QStringLiteral("Tessaron")); }

// Options texts that are not eight digits, each position with other
// characters, and settings files damaged by hand: afterwards the options keep
// eight valid digits again.
Faelle Optionen() {
  static const QString schluessel = QStringLiteral("Einstelungen/Speicher");
  auto gueltig = [](const QString&) {
    const QString t = Einstellungen().value(schluessel).toString();
    static const QRegularExpression acht(QStringLiteral("^[01]{3}[0-4][01][1-6][01]{2}$"));
    return acht.match(t).hasMatch() ? QString() : QStringLiteral("gespeichert: ") + t;
  };
  std::mt19937 gen(0x0971);
  static const QString zeichen = QStringLiteral("0123456789 -+x.ä\t\n");
  QStringList texte{QStringLiteral("001115100"), QStringLiteral("0011151"), QString(5000, QLatin1Char('1'))};
  for (int i = 0; i < 60; ++i) {
    texte << QString();
    for (int n = Bis(gen, 13); n > 0; --n) texte.last() += zeichen[Bis(gen, int(zeichen.size()))];
  }
  for (int stelle = 0; stelle < 8; ++stelle)
    for (QChar c : QStringLiteral("0179xä ")) texte << QStringLiteral("00111510").replace(stelle, 1, c);
  Faelle faelle;
  for (const QString& text : texte)
    faelle.push_back({text, QStringLiteral("fehl_optionen.tsv"),
                      [=](Testumgebung&) { Einstellungen().setValue(schluessel, text); }, true, gueltig});
  for (const char* datei :
       {"[Einstelungen]\nSpeicher=1, 0, 1\n",
        "[Einstelungen]\nSpeicher=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x5\\x42)\n",
        "[Einstelungen]\nSpeicher=@ByteArray(\\xff\\xfe)\n", "[Einstelungen\nSpeicher\n=\n",
        "\xff\xfe[\x01]\n", "[Einstelungen]\nSpeicher=\n"})
    faelle.push_back({QString::fromLatin1(datei), QStringLiteral("fehl_optionen.tsv"),
                      [=](Testumgebung&) {
                        QFile f(Einstellungen().fileName());
                        if (!f.open(QIODevice::WriteOnly) || f.write(datei) < 0 || !f.flush())
                          qFatal("Einstellungen nicht geschrieben");
                      },
                      true});
  return faelle;
}

// OriginalPointer.ini cut inside its records of 19 bytes, and with other
// characters, signs, line breaks and UTF-8 in place of the hex digits.
Faelle Pointer() {
  const QString ini = QStringLiteral("OriginalPointer.ini");
  const QByteArray ganz = Rombau::OriginalPointerIni(Testdaten::Plan());
  Faelle faelle;
  Abgeschnitten(faelle, ini, ganz, QStringLiteral("fehl_originalpointer_kurz.tsv"), 28, 19, {0, 3, 6, 18},
                true);
  std::mt19937 gen(0x5E17E);
  static const QByteArray zeichen = QByteArrayLiteral(
      "GZgz-+ x.\t\r\n\x01\x7F\xC3\xA4\xFF"
      "0123456789ABCDEFabcdef");
  for (int fall = 0; fall < 120; ++fall) {
    QByteArray inhalt = ganz;
    for (int n = 1 + Bis(gen, 28); n > 0; --n)
      for (int i = 0, satz = Bis(gen, 28), laenge = 1 + Bis(gen, 19); i < laenge; ++i)
        inhalt[satz * 19 + i] = zeichen[Bis(gen, int(zeichen.size()))];
    faelle.push_back({QStringLiteral("%1 kein Hex %2").arg(ini).arg(fall),
                      QStringLiteral("fehl_originalpointer_text.tsv"),
                      [=](Testumgebung& u) { u.Schreib(ini, inhalt); }, true});
  }
  return faelle;
}

// Offsets of the pointers in a header record; the palette assignment's has
// two bytes (its bank is fixed). Rauschen: the whole record.
const qint64 Grafik = 0, Bloecke = Blockdaten::ZeigerOrt(0) - Kopftabelle::ZeigerOrt(0),
             Kollisionen = Kollision::ZeigerOrt(0) - Kopftabelle::ZeigerOrt(0),
             Zuordnung2 = Zuordnung::RomBasis - Kopftabelle::ZeigerOrt(0), Rauschen = -1;

// A pointer anywhere: banks 00, FF and past the end, addresses outside the
// window 4000..7FFF or running over a bank's end.
QByteArray Zeiger(std::mt19937& gen) {
  const int baenke[] = {0x00, 0xFF, 0x7F, 0x80, 0x01, Bis(gen, 256)};
  const int adressen[] = {Bis(gen, 0x4000),
                          0x8000 + Bis(gen, 0x8000),
                          0x4000 + Bis(gen, 0x4000),
                          0x7FFF - Bis(gen, 0x610),
                          0xFFFF,
                          0};
  const int adresse = adressen[Bis(gen, 6)];
  return QByteArray(1, char(baenke[Bis(gen, 6)])) + char(adresse & 0xFF) + char(adresse >> 8);
}

// 200 ROMs with 1..28 header records damaged in one of `felder`; every fourth
// also has a palette table and water animation of noise.
Faelle Kopftabellen(std::uint32_t saat, const QList<qint64>& felder, const QString& gruppe) {
  const QByteArray ganz = Rombau::Rom(Testdaten::Plan());
  Faelle faelle;
  for (int fall = 0; fall < 200; ++fall)
    faelle.push_back({QStringLiteral("Kopftabelle %1").arg(fall), gruppe, [=](Testumgebung& u) {
                        std::mt19937 gen(saat + fall);
                        QByteArray rom = ganz;
                        auto rauschen = [&](qint64 ort, qint64 n) {
                          for (qint64 i = 0; i < n; ++i) rom[ort + i] = static_cast<char>(gen());
                        };
                        for (int n = 1 + Bis(gen, 28); n > 0; --n) {
                          const qint64 satz = Kopftabelle::ZeigerOrt(1 + Bis(gen, 28));
                          const qint64 feld = felder[Bis(gen, int(felder.size()))];
                          const QByteArray z = Zeiger(gen).mid(feld == Zuordnung2 ? 1 : 0);
                          if (feld == Rauschen)
                            rauschen(satz, Kopftabelle::Satz);
                          else
                            rom.replace(satz + feld, z.size(), z);
                        }
                        if (Bis(gen, 4) == 0) {
                          rauschen(Palettentabelle::RomOffset, Palettentabelle::Laenge);
                          rauschen(Rombau::Wasser, 64);
                        }
                        u.Schreib(QStringLiteral("test.gb"), rom);
                      }});
  return faelle;
}

// Tilesets.gb cut at the markers of each stored block (E3 FF, E1 FF after 64
// tiles, FF 00), at its end and in the palette assignment; OriginalPaletten.gb
// cut anywhere, and twice as long.
Faelle Seitendateien() {
  const Rombau::Plan plan = Testdaten::Plan();
  const qint64 z = Zuordnung::SeitenBasis, t = Tilesetblock::Laenge;
  Faelle faelle;
  Abgeschnitten(faelle, QStringLiteral("Tilesets.gb"), Rombau::TilesetsGb(plan),
                QStringLiteral("fehl_tilesetsgb.tsv"), 28, Tilesetblock::SatzLaenge,
                {0, 2, 2 + 64 * 16, 4 + 64 * 16, t - 1, t, z + 24, z + 47});
  const QString paletten = QStringLiteral("OriginalPaletten.gb");
  Abgeschnitten(faelle, paletten, plan.paletten, QStringLiteral("fehl_originalpaletten.tsv"), 45, 7, {0});
  faelle.push_back({QStringLiteral("doppelt"), QStringLiteral("fehl_originalpaletten.tsv"),
                    [=](Testumgebung& u) { u.Schreib(paletten, plan.paletten.repeated(2)); }});
  return faelle;
}

// Four colours in a pattern.
QImage Muster(int b, int h) {
  QImage bild(b, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < b; ++x) {
      const int i = (x / 8 + y / 8 + x * y) % 4;
      bild.setPixel(x, y, qRgb(60 * i, 255 - 50 * i, 30 * i));
    }
  return bild;
}

// A missing image plugin must not turn the cases of a format into empty files.
QByteArray Kodiert(const QImage& bild, const char* format) {
  if (qstrcmp(format, "gif") == 0) return GifBauen(bild);
  QByteArray bytes;
  QBuffer puffer(&bytes);
  if (!puffer.open(QIODevice::WriteOnly) || !bild.save(&puffer, format))
    qFatal("Kein Testbild als %s", format);
  return bytes;
}

// Pictures cut off, damaged, tiny, claiming 20000 x 20000 pixels (refused
// before they are decoded) or a negative height, no pictures at all, and last
// a folder in their place.
Faelle Bilder() {
  std::mt19937 gen(0xB11D);
  QByteArray rauschen(5000, '\0');
  for (char& c : rauschen) c = static_cast<char>(gen());
  std::vector<std::pair<QString, QByteArray>> bilder{
      {QStringLiteral("leer"), {}},
      {QStringLiteral("Text"), "Das ist kein Bild.\n"},
      {QStringLiteral("Rauschen"), rauschen},
      {QStringLiteral("BM Rauschen"), "BM" + rauschen},
      {QStringLiteral("GIF89a Rauschen"), "GIF89a" + rauschen}};
  for (const char* format : {"bmp", "gif", "png", "jpg"}) {
    const QByteArray ganz = Kodiert(Muster(128, 48), format);
    const QString f = QString::fromLatin1(format);
    for (int teil = 0; teil < 12; ++teil)
      bilder.push_back(
          {QStringLiteral("%1 abgeschnitten %2/12").arg(f).arg(teil), ganz.left(ganz.size() * teil / 12)});
    for (int i = 0; i < 5; ++i) {
      bilder.push_back({QStringLiteral("%1 beschädigt %2").arg(f).arg(i), ganz});
      for (int n = 0; n < 8; ++n) bilder.back().second[Bis(gen, int(ganz.size()))] = static_cast<char>(gen());
    }
    bilder.push_back({f + QStringLiteral(" 1x1"), Kodiert(Muster(1, 1), format)});
    bilder.push_back({f + QStringLiteral(" 1x300"), Kodiert(Muster(1, 300), format)});
  }
  auto bmp = [&](const QString& name, qint32 breite, qint32 hoehe) {
    bilder.push_back({name, Kodiert(Muster(16, 16), "bmp")});
    qToLittleEndian<qint32>(breite, bilder.back().second.data() + 18);
    qToLittleEndian<qint32>(hoehe, bilder.back().second.data() + 22);
  };
  bmp(QStringLiteral("bmp 20000x20000"), 20000, 20000);
  bmp(QStringLiteral("bmp negative Höhe"), 16, -20000);
  QByteArray gif = GifBauen(Muster(16, 16));
  qToLittleEndian<quint16>(20000, gif.data() + 6);
  qToLittleEndian<quint16>(20000, gif.data() + 8);
  bilder.push_back({QStringLiteral("gif 20000x20000"), gif});
  Faelle faelle;
  for (const auto& [name, inhalt] : bilder)
    faelle.push_back(
        {name, QStringLiteral("fehlbilder.tsv"),
         [inhalt = inhalt](Testumgebung& u) { u.Schreib(QStringLiteral("bild"), inhalt); }, false,
         [name = name](const QString& texte) {
           return !name.contains(QLatin1String("20000")) || texte.startsWith(QLatin1String("Fehler: "))
                      ? QString()
                      : QStringLiteral("nicht abgewiesen: ") + texte;
         }});
  faelle.push_back({QStringLiteral("Ordner"), QStringLiteral("fehlbilder.tsv"), [](Testumgebung& u) {
                      if (!QFile::remove(u.Pfad(QStringLiteral("bild"))) ||
                          !QDir(u.Pfad(QString())).mkdir(QStringLiteral("bild")))
                        qFatal("Kein Ordner anstelle des Bildes");
                    }});
  return faelle;
}

Faelle FaelleDer(Fehlfamilie familie) {
  const std::function<Faelle()> familien[] = {
      Optionen,
      Pointer,
      [] {
        return Kopftabellen(0x7E55A8, {Grafik, Rauschen}, QStringLiteral("fehlrom_grafik.tsv"));
      },
      [] {
        return Kopftabellen(0x7AB3, {Bloecke, Kollisionen, Zuordnung2},
                            QStringLiteral("fehlrom_tabellen.tsv"));
      },
      Seitendateien,
      Bilder};
  return familien[static_cast<int>(familie)]();
}
}  // namespace

class Fehleingaben : public QObject {
  Q_OBJECT
 public:
  explicit Fehleingaben(Fehlfamilie familie)
      : m_bilder(familie == Fehlfamilie::Bilder), m_faelle(FaelleDer(familie)) {}

 private slots:
  void initTestCase() { m_u = std::make_unique<Testumgebung>(); }

  void jederFall_data() {
    QTest::addColumn<int>("nummer");
    for (size_t i = 0; i < m_faelle.size(); ++i)
      QTest::addRow("%zu %s", i, qPrintable(m_faelle[i].name)) << int(i);
  }

  void jederFall() {
    QFETCH(int, nummer);
    const Fall& fall = m_faelle[size_t(nummer)];
    fall.anlegen(*m_u);
    Dateizugriff::Vergessen();
    const Dateistand vorher = Stand(*m_u);
    Wachen(QStringLiteral("%1 %2").arg(nummer).arg(fall.name));
    QElapsedTimer uhr;
    uhr.start();
    if (fall.neuesFenster) m_u->FensterNeu();
    m_bilder ? BildLesen(*m_u) : AllesLesen(*m_u);
    ::alarm(0);
    auto& [anzahl, laengste] = m_zahlen[fall.gruppe];
    ++anzahl;
    laengste = std::max(laengste, uhr.elapsed());
    const QString texte = m_u->Texte(), geaendert = Abweichung(vorher, Stand(*m_u));
    m_u->meldungen.clear();
    QVERIFY2(geaendert.isEmpty(), qPrintable(geaendert));
    if (fall.pruefen) QVERIFY2(fall.pruefen(texte).isEmpty(), qPrintable(fall.pruefen(texte)));
  }

  // "cases<TAB>longest case in ms" per figures file.
  void cleanupTestCase() {
    m_u.reset();
    for (const auto& [gruppe, zahlen] : m_zahlen)
      KennzahlenSchreiben(gruppe, {QStringLiteral("%1\t%2").arg(zahlen.first).arg(zahlen.second)});
  }

 private:
  bool m_bilder;
  Faelle m_faelle;
  std::unique_ptr<Testumgebung> m_u;
  std::map<QString, std::pair<int, qint64>> m_zahlen;
};

int FehleingabenPruefen(Fehlfamilie familie, int argc, char** argv) {
  QApplication app(argc, argv);
  Fehleingaben test(familie);
  return QTest::qExec(&test, argc, argv);
}

#include "Fehleingaben.moc"
