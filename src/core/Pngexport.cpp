#include "Pngexport.h"

#include <QCoreApplication>
#include <QDir>

#include "Dateizugriff.h"
#include "Kopftabelle.h"
#include "Palettentabelle.h"
#include "Pngdatei.h"
#include "Tilesetblock.h"
#include "Tilesetquelle.h"
#include "Zahlen.h"
#include "Zuordnung.h"

namespace Pngexport {

namespace {
// Reading a missing file would create it empty: such a file reads as nothing.
QByteArray Lesen(const QString& pfad, qint64 offset, qint64 anzahl) {
  return Dateizugriff::Vorhanden(pfad) ? Dateizugriff::Lesen(pfad, offset, anzahl) : QByteArray();
}

QString RomFehler(const QString& rom) {
  const qint64 laenge = Dateizugriff::Laenge(rom);
  if (laenge < 0)
    return QCoreApplication::translate("Pngexport", "Die Romdatei '%1' wurde nicht gefunden.").arg(rom);
  if (laenge < Kopftabelle::MindestRomLaenge)
    return QCoreApplication::translate("Pngexport",
                                       "Die Datei '%1' ist keine gültige Romdatei (kürzer als 2 MiB).")
        .arg(rom);
  return {};
}

QString ZuordnungLesen(const QString& rom, int n) {
  const QByteArray zeiger = Dateizugriff::Lesen(rom, Zuordnung::RomBasis + Kopftabelle::Satz * n, 2);
  return Zuordnung::Ziffern(Dateizugriff::Lesen(rom, Zuordnung::FeldOffset(zeiger), Zuordnung::Laenge));
}

std::array<Tilesetbild::Vierfarben, 8> Paletten(const QString& rom, int zeit) {
  std::array<Tilesetbild::Vierfarben, 8> paletten{};
  for (int p = 0; p < Palettentabelle::Paletten; ++p) {
    const qint64 ort = Palettentabelle::Offset(Palettentabelle::RomOffset, zeit, p, 1);
    paletten[p] = Tilesetbild::Palettenfarben(Palettentabelle::Farbtexte(Dateizugriff::Lesen(rom, ort, 8)));
  }
  return paletten;
}
}  // namespace

Geladen Laden(const QString& rom, const QString& ordner, int n, Tilesetbild::Farbart art, int zeit) {
  Geladen g;
  g.fehler = RomFehler(rom);
  if (!g.fehler.isEmpty()) return g;
  const QDir seiten(ordner);
  const auto original =
      Tilesetquelle::OriginalPointer(Lesen(seiten.filePath(QStringLiteral("OriginalPointer.ini")), 0,
                                           Tilesetquelle::IniSatz * Tilesetquelle::Tilesets));
  const QString tilesetsGb = seiten.filePath(QStringLiteral("Tilesets.gb"));
  const auto quelle = Tilesetquelle::ImRom(rom, tilesetsGb, n, original[n]);
  // The window goes on with empty tiles here; a picture of them would be
  // mistaken for the tileset.
  if (!quelle.verschoben && Dateizugriff::Laenge(tilesetsGb) <= 0) {
    g.fehler =
        QCoreApplication::translate("Pngexport", "Die Datei '%1' wurde nicht gefunden oder sie ist leer.")
            .arg(tilesetsGb);
    return g;
  }
  const auto texte =
      Tilesetblock::Lesen(Dateizugriff::Lesen(quelle.datei, HexZuZahl(quelle.offset), Tilesetblock::Laenge));
  for (int k = 0; k < Tilesetblock::Kacheln; ++k) g.vorlage.kacheln[k] = KachelTextZuZellen(texte[k]);
  g.vorlage.art = art;
  if (art == Tilesetbild::Farbart::Spiel) {
    g.vorlage.zuordnung = ZuordnungLesen(rom, n);
    g.vorlage.paletten = Paletten(rom, zeit);
  }
  return g;
}

QString Schreiben(const QString& rom, const QString& ordner, int n, Tilesetbild::Farbart art, int zeit,
                  const QString& ziel) {
  const Geladen g = Laden(rom, ordner, n, art, zeit);
  if (!g.fehler.isEmpty()) return g.fehler;
  const QString grund = Pngdatei::Schreiben(Tilesetbild::Bauen(g.vorlage), ziel);
  return grund.isEmpty() ? QString() : Pngdatei::Fehlertext(ziel, grund);
}

}  // namespace Pngexport
