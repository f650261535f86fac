#include "Aenderungsliste.h"

#include <QCoreApplication>
#include <algorithm>
#include <vector>

#include "Blockdaten.h"
#include "Kollision.h"
#include "Kopftabelle.h"
#include "Palettentabelle.h"
#include "Tilesetblock.h"
#include "Zahlen.h"
#include "Zuordnung.h"

namespace Aenderungsliste {

namespace {
constexpr qint64 Wasser = 0xFC348;
constexpr qint64 Blumen = 0xFC3A7;
constexpr qint64 AnimationLaenge = 64;

QByteArray Bytes(const QByteArray& rom, qint64 ort, qint64 anzahl) {
  return ort >= 0 && ort < rom.size() ? rom.mid(ort, anzahl) : QByteArray();
}

// Where a 3-byte bank pointer at `ort` leads.
qint64 Ziel(const QByteArray& rom, qint64 ort) {
  const QByteArray zeiger = Bytes(rom, ort, 3);
  if (zeiger.size() < 3) return -1;
  return HexZuZahl(PointerZuOffset(QString::fromLatin1(zeiger.toHex().toUpper()), 0, 0));
}

class Vergleich {
 public:
  Vergleich(const QByteArray& alt, const QByteArray& neu)
      : m_geaendert(size_t(std::max(alt.size(), neu.size()))) {
    for (qint64 i = 0; i < qint64(m_geaendert.size()); ++i)
      m_geaendert[size_t(i)] = i >= alt.size() || i >= neu.size() || alt[i] != neu[i];
    m_offen = m_geaendert;
  }
  // Whether a byte of [ort, ort + anzahl) changed; they count as named.
  bool Bereich(qint64 ort, qint64 anzahl) {
    bool geaendert = false;
    const qint64 bis = std::min<qint64>(ort + anzahl, qint64(m_geaendert.size()));
    for (qint64 i = std::max<qint64>(ort, 0); i < bis; ++i) {
      geaendert = geaendert || m_geaendert[size_t(i)];
      m_offen[size_t(i)] = false;
    }
    return geaendert;
  }
  qint64 Rest() const { return std::count(m_offen.begin(), m_offen.end(), true); }

 private:
  std::vector<bool> m_geaendert;
  std::vector<bool> m_offen;
};

struct Teil {
  const char* name;
  qint64 (*ort)(const QByteArray& rom, int n);
  qint64 laenge;
};

const Teil Teile[] = {
    {QT_TRANSLATE_NOOP("Aenderungsliste", "Grafik"),
     [](const QByteArray& r, int n) { return Kopftabelle::ZielVon(r, n); }, Tilesetblock::Laenge},
    {QT_TRANSLATE_NOOP("Aenderungsliste", "Pointer"),
     [](const QByteArray&, int n) { return Kopftabelle::ZeigerOrt(n); }, Kopftabelle::Satz},
    {QT_TRANSLATE_NOOP("Aenderungsliste", "Palettenzuordnung"),
     [](const QByteArray& r, int n) {
       const QByteArray zeiger = Bytes(r, Zuordnung::RomBasis + Kopftabelle::Satz * n, 2);
       return zeiger.size() == 2 ? Zuordnung::FeldOffset(zeiger) : qint64(-1);
     },
     Zuordnung::Laenge},
    {QT_TRANSLATE_NOOP("Aenderungsliste", "Blöcke"),
     [](const QByteArray& r, int n) { return Blockdaten::BlockOffset(Ziel(r, Blockdaten::ZeigerOrt(n)), 1); },
     Blockdaten::SatzLaenge* Blockdaten::Bloecke},
    {QT_TRANSLATE_NOOP("Aenderungsliste", "Kollision"),
     [](const QByteArray& r, int n) { return Kollision::SatzOffset(Ziel(r, Kollision::ZeigerOrt(n)), 1); },
     Kollision::SatzLaenge* Blockdaten::Bloecke},
};

const char* const Zeiten[] = {
    QT_TRANSLATE_NOOP("Aenderungsliste", "Morgen"), QT_TRANSLATE_NOOP("Aenderungsliste", "Tag"),
    QT_TRANSLATE_NOOP("Aenderungsliste", "Nacht"), QT_TRANSLATE_NOOP("Aenderungsliste", "Schwarze Nacht"),
    QT_TRANSLATE_NOOP("Aenderungsliste", "Morgen u. Tag 2")};

// In both ROMs: a table that moved changed at its old and its new place.
bool Geaendert(Vergleich& v, const QByteArray& alt, const QByteArray& neu, const Teil& t, int n) {
  const bool vorher = v.Bereich(t.ort(alt, n), t.laenge);
  return v.Bereich(t.ort(neu, n), t.laenge) || vorher;
}

QString Zeile(const QString& was, const QStringList& teile) {
  return teile.isEmpty() ? QString() : was + QStringLiteral(": ") + teile.join(QStringLiteral(", "));
}
}  // namespace

QStringList Aenderungen(const QByteArray& alt, const QByteArray& neu) {
  Vergleich v(alt, neu);
  QStringList zeilen;
  for (int n = 1; n <= 28; ++n) {
    QStringList teile;
    for (const Teil& t : Teile)
      if (Geaendert(v, alt, neu, t, n)) teile << QCoreApplication::translate("Aenderungsliste", t.name);
    zeilen << Zeile(QCoreApplication::translate("Aenderungsliste", "Titelset%1").arg(n), teile);
  }
  for (int t = 0; t < Palettentabelle::Zeiten; ++t) {
    QStringList paletten;
    for (int p = 0; p < Palettentabelle::Paletten; ++p)
      if (v.Bereich(Palettentabelle::Offset(Palettentabelle::RomOffset, t, p, 1), 8))
        paletten << QString::number(p);
    zeilen << Zeile(QCoreApplication::translate("Aenderungsliste", "Paletten %1")
                        .arg(QCoreApplication::translate("Aenderungsliste", Zeiten[t])),
                    paletten);
  }
  QStringList animationen;
  if (v.Bereich(Wasser, AnimationLaenge))
    animationen << QCoreApplication::translate("Aenderungsliste", "Wasser");
  if (v.Bereich(Blumen, AnimationLaenge))
    animationen << QCoreApplication::translate("Aenderungsliste", "Blumen");
  zeilen << Zeile(QCoreApplication::translate("Aenderungsliste", "Animation"), animationen);
  if (const qint64 rest = v.Rest())
    zeilen << QCoreApplication::translate("Aenderungsliste", "weitere Bytes: %1").arg(rest);
  zeilen.removeAll(QString());
  return zeilen;
}

}  // namespace Aenderungsliste
