#include "Fehleingaben.h"

#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QSettings>
#include <QtTest>
#include <csignal>
#include <cstring>
#include <random>

#include "Blockdaten.h"
#include "Frm_Kolli.h"
#include "Frm_PalettenZu.h"
#include "Frm_TilesetPal.h"
#include "Frm_einfuegenals.h"
#include "Kennzahlen.h"
#include "Kollision.h"
#include "Kopftabelle.h"
#include "Palettentabelle.h"
#include "Schreiboperationen.h"
#include "Tilesetblock.h"
#include "Welt.h"
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

struct Fall {
  QString name;
  QString gruppe;  // the figures file it counts in
  std::function<void(Testumgebung&)> anlegen;
  bool neuesFenster = false;  // the main window reads the damage only when it is built
  // Beyond "no file changed": "" or what went wrong.
  std::function<QString()> pruefen = {};
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

// Options texts that are not eight digits, each position with other
// characters (random texts are the parser's fuzz target), and settings files
// damaged by hand: afterwards the options keep eight valid digits again.
Faelle Optionen() {
  auto gueltig = [] {
    const QString t = Welt::Optionen();
    static const QRegularExpression acht(QStringLiteral("^[01]{3}[0-4][01][1-6][01]{2}$"));
    return acht.match(t).hasMatch() ? QString() : QStringLiteral("gespeichert: ") + t;
  };
  QStringList texte{QStringLiteral("001115100"), QStringLiteral("0011151"), QString(5000, QLatin1Char('1'))};
  for (int stelle = 0; stelle < 8; ++stelle)
    for (QChar c : QStringLiteral("0179xä ")) texte << QStringLiteral("00111510").replace(stelle, 1, c);
  Faelle faelle;
  for (const QString& text : texte)
    faelle.push_back({text, QStringLiteral("fehl_optionen.tsv"), [=](Testumgebung&) { Welt::Optionen(text); },
                      true, gueltig});
  for (const char* datei :
       {"[Einstelungen]\nSpeicher=1, 0, 1\n",
        "[Einstelungen]\nSpeicher=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x5\\x42)\n",
        "[Einstelungen]\nSpeicher=@ByteArray(\\xff\\xfe)\n", "[Einstelungen\nSpeicher\n=\n",
        "\xff\xfe[\x01]\n", "[Einstelungen]\nSpeicher=\n"})
    faelle.push_back({QString::fromLatin1(datei), QStringLiteral("fehl_optionen.tsv"),
                      [=](Testumgebung&) {
                        QFile f(QSettings(QStringLiteral("ZERAN"), QStringLiteral("Tessaron")).fileName());
                        if (!f.open(QIODevice::WriteOnly) || f.write(datei) < 0 || !f.flush())
                          qFatal("Einstellungen nicht geschrieben");
                      },
                      true});
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
// cut anywhere, and twice as long; OriginalPointer.ini cut inside its records
// of 19 bytes (texts that are not hex are the pointer conversions' fuzz
// target, and where any pointer leads the header-table families').
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
  Abgeschnitten(faelle, QStringLiteral("OriginalPointer.ini"), Rombau::OriginalPointerIni(plan),
                QStringLiteral("fehl_originalpointer_kurz.tsv"), 28, 19, {0, 3, 6, 18}, true);
  return faelle;
}

Faelle FaelleDer(Fehlfamilie familie) {
  if (familie == Fehlfamilie::Optionen) return Optionen();
  if (familie == Fehlfamilie::Seitendateien) return Seitendateien();
  if (familie == Fehlfamilie::RomGrafik)
    return Kopftabellen(0x7E55A8, {Grafik, Rauschen}, QStringLiteral("fehlrom_grafik.tsv"));
  return Kopftabellen(0x7AB3, {Bloecke, Kollisionen, Zuordnung2}, QStringLiteral("fehlrom_tabellen.tsv"));
}
}  // namespace

class Fehleingaben : public QObject {
  Q_OBJECT
 public:
  explicit Fehleingaben(Fehlfamilie familie) : m_faelle(FaelleDer(familie)) {}

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
    const Dateistand vorher = Stand(*m_u);
    Wachen(QStringLiteral("%1 %2").arg(nummer).arg(fall.name));
    QElapsedTimer uhr;
    uhr.start();
    if (fall.neuesFenster) m_u->FensterNeu();
    AllesLesen(*m_u);
    ::alarm(0);
    auto& [anzahl, laengste] = m_zahlen[fall.gruppe];
    ++anzahl;
    laengste = std::max(laengste, uhr.elapsed());
    const QString geaendert = Abweichung(vorher, Stand(*m_u));
    m_u->meldungen.clear();
    QVERIFY2(geaendert.isEmpty(), qPrintable(geaendert));
    if (fall.pruefen) QVERIFY2(fall.pruefen().isEmpty(), qPrintable(fall.pruefen()));
  }

  // "cases<TAB>longest case in ms" per figures file.
  void cleanupTestCase() {
    m_u.reset();
    for (const auto& [gruppe, zahlen] : m_zahlen)
      KennzahlenSchreiben(gruppe, {QStringLiteral("%1\t%2").arg(zahlen.first).arg(zahlen.second)});
  }

 private:
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
