#include "Schreiboperationen.h"

#include <QComboBox>
#include <QDir>
#include <algorithm>

#include "Blockbild.h"
#include "Blockdaten.h"
#include "Bps.h"
#include "Frm_Kolli.h"
#include "Frm_PalettenZu.h"
#include "Frm_TilesetPal.h"
#include "Frm_einfuegenals.h"
#include "Kollision.h"
#include "Kopftabelle.h"
#include "Palettentabelle.h"
#include "Tilesetblock.h"
#include "Welt.h"
#include "Zahlen.h"
#include "Zuordnung.h"
#include "frm_Angaben.h"
#include "frm_Animationen.h"
#include "frm_Block.h"

namespace {
const QString Rom = QStringLiteral("test.gb");
const QString Tilesets = QStringLiteral("Tilesets.gb");
const QString Paletten = QStringLiteral("OriginalPaletten.gb");
const QString Andere = QStringLiteral("andere.gb");
const QString Neu = QStringLiteral("neu.gb");
const QString Patch = QStringLiteral("p.bps");
const QByteArray Geloescht(Tilesetblock::Laenge, '\0');

// The stored block of a view painted by Welt::Bemalen: tile 1 all colour 3,
// tile 64 colour 2 above colour 4, tile 96 colour 1 (2bpp, low plane first).
QByteArray Bemalt(QByteArray kacheln) {
  kacheln.replace(0, 16, QByteArray::fromHex("00FF").repeated(8));
  kacheln.replace(63 * 16, 16,
                  QByteArray::fromHex("FF00").repeated(4) + QByteArray::fromHex("FFFF").repeated(4));
  kacheln.replace(95 * 16, 16, QByteArray(16, '\0'));
  return Rombau::TilesetBlock(kacheln);
}

using Schritt = std::function<void(Testumgebung&)>;

Flicken Zeiger(int n, qint64 ziel) { return {{Kopftabelle::ZeigerOrt(n), Rombau::Zeiger(ziel)}}; }

Flicken operator+(Flicken a, const Flicken& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// Colour 2 of the palette the window shows gets red 3, or 4 when it had 3.
void FarbeAendern(Testumgebung&) {
  Frm_TilesetPal& p = Frm_TilesetPal::Instanz();
  p.Lbl_Farbe_Click(2);
  p.SRot->setValue(p.SRot->value() == 3 ? 4 : 3);
}

// The colour word with red in its low five bits, low byte first.
Flicken Farbe(const Testumgebung& u, qint64 basis) {
  const Frm_TilesetPal& p = Frm_TilesetPal::Instanz();
  const qint64 stelle = Palettentabelle::Offset(0, p.Zeit->currentIndex(), p.Paletten->currentIndex(), 2);
  const int wort = quint8(u.plan.paletten[stelle]) | quint8(u.plan.paletten[stelle + 1]) << 8;
  const int neu = (wort & ~0x1F) | ((wort & 0x1F) == 3 ? 4 : 3);
  return {{basis + stelle, QByteArray(1, char(neu)) + char(neu >> 8)}};
}

// Tile 2 of tileset 1 gets palette 6: the high half of the field's first byte.
void ZuordnungAendern(Testumgebung&) {
  Frm_PalettenZu& z = Frm_PalettenZu::Instanz();
  z.Paletten->setCurrentIndex(6);
  z.Paletten_Click();
  z.Pal(2)->click();
}

Flicken Zuordnung6(const Testumgebung& u, qint64 ort) {
  QByteArray feld = u.plan.tilesets[1].zuordnung;
  feld[0] = static_cast<char>((feld[0] & 0x0F) | 0x60);
  return {{ort, feld}};
}

// Shorter than the table: only its own bytes go over the ROM's.
QByteArray FremdePaletten() {
  QByteArray tabelle(Palettentabelle::Laenge - 20, '\0');
  for (int i = 0; i < tabelle.size(); ++i) tabelle[i] = static_cast<char>(0x5A ^ i);
  return tabelle;
}

// Tileset 1 painted, to go in as tileset 4 at Welt::Frei: into this ROM,
// another one (1) or its record of Tilesets.gb (2).
Schritt Einfuegenals(int ziel) {
  return [ziel](Testumgebung& u) {
    Welt::Bemalen();
    u.fenster().Cmd_Einfügenals_Click();
    Frm_einfügenals& f = Frm_einfügenals::Instanz();
    if (ziel == 1) {
      u.Schreib(Andere, u.Lies(Rom));
      f.Opt_Andere->setChecked(true);
      f.DateiAngeben(u.Pfad(Andere));
    }
    f.Opt_Tilesets->setChecked(ziel == 2);
    f.Auswahl->setCurrentIndex(3);
    f.Auswahl_Click();
    if (ziel != 2) f.Txt_Ort->setText(Hex(Welt::Frei));
  };
}

Flicken Eingefuegt(const Testumgebung& u, int n, qint64 ort) {
  return {{ort, Bemalt(u.plan.tilesets[n].kacheln)}};
}

// A row whose set-up opens the test ROM on tileset n and then takes `dazu`.
Schreiboperation Op(const char* name, const QString& datei, int n, std::vector<Schritt> dazu, Schritt befehl,
                    std::function<Flicken(Testumgebung&)> erwartet) {
  return {QString::fromUtf8(name), datei,
          [=](Testumgebung& u) {
            Welt::Offen(u, n);
            for (const Schritt& s : dazu) s(u);
          },
          befehl, erwartet};
}

Schritt Haupt(void (frm_Angaben::*befehl)()) {
  return [befehl](Testumgebung& u) { (u.fenster().*befehl)(); };
}

Schritt Modus(QCheckBox* frm_Angaben::*modus) {
  return [modus](Testumgebung& u) { (u.fenster().*modus)->setChecked(true); };
}

void Ort(Testumgebung& u) { u.fenster().Txt_Ort->setText(Hex(Welt::Frei)); }
void Bemalen(Testumgebung&) { Welt::Bemalen(); }
void PaletteSpeichern(Testumgebung&) { Frm_TilesetPal::Instanz().Cmd_PalSpeichern_Click(); }
void ZuordnungSpeichern(Testumgebung&) { Frm_PalettenZu::Instanz().Cmd_Speichern_Click(); }
void Einfuegen(Testumgebung&) { Frm_einfügenals::Instanz().Einfügen(); }

QByteArray Gepatcht(const Testumgebung& u) { return u.Lies(Rom).replace(Welt::Frei, 3, "neu"); }
}  // namespace

std::vector<Schreiboperation> Schreiboperationen() {
  const Flicken frei = {{Kopftabelle::ZeigerOrt(4), Rombau::Zeiger(Welt::Frei)}};
  return {
      Op("Einfügen ins Rom (Pointer, altes löschen)", Rom, 2, {Ort, Bemalen},
         Haupt(&frm_Angaben::Cmd_Einfügen_Click),
         [](Testumgebung& u) {
           return Zeiger(2, Welt::Frei) + Flicken{{Welt::Frei, Bemalt(u.plan.tilesets[2].geaenderteKacheln)},
                                                  {Testdaten::VerschobenOrt2, Geloescht}};
         }),
      Op("Einfügen in Tilesets.gb", Tilesets, 5,
         {Modus(&frm_Angaben::Chk_Geheim), [](Testumgebung& u) { Welt::Waehlen(u.fenster(), 5); }, Bemalen},
         Haupt(&frm_Angaben::Cmd_Einfügen_Click),
         [](Testumgebung& u) { return Eingefuegt(u, 5, 4 * Tilesetblock::SatzLaenge); }),
      Op("Pointer ändern", Rom, 6, {Ort, [](Testumgebung& u) { u.antwort = QMessageBox::Yes; }},
         Haupt(&frm_Angaben::Cmd_Pointeränd_Click), [](Testumgebung&) { return Zeiger(6, Welt::Frei); }),
      Op("Alten Pointer einfügen", Rom, 2, {}, Haupt(&frm_Angaben::Cmd_AltPointer_Click),
         [](Testumgebung& u) { return Zeiger(2, u.plan.tilesets[2].originalOrt); }),
      Op("Pointer zurück und Tileset löschen", Rom, 5, {}, Haupt(&frm_Angaben::Cmd_PointeruLöschen_Click),
         [](Testumgebung& u) {
           return Zeiger(5, u.plan.tilesets[5].originalOrt) + Flicken{{Testdaten::VerschobenOrt5, Geloescht}};
         }),
      Op("Palette speichern", Rom, 1, {FarbeAendern}, PaletteSpeichern,
         [](Testumgebung& u) { return Farbe(u, Palettentabelle::RomOffset); }),
      Op("Palette speichern (Originaldaten)", Paletten, 1, {Modus(&frm_Angaben::Chk_Original), FarbeAendern},
         PaletteSpeichern, [](Testumgebung& u) { return Farbe(u, 0); }),
      Op("Original Paletten einfügen", Rom, 1,
         {[](Testumgebung& u) { u.Schreib(Paletten, FremdePaletten()); }},
         Haupt(&frm_Angaben::Cmd_OriginalTilePal_Click),
         [](Testumgebung&) {
           return Flicken{{Palettentabelle::RomOffset, FremdePaletten()}};
         }),
      Op("Palettenzuordnung speichern", Rom, 1, {ZuordnungAendern}, ZuordnungSpeichern,
         [](Testumgebung& u) { return Zuordnung6(u, u.plan.tilesets[1].zuordnungOrt); }),
      Op("Palettenzuordnung speichern (Originaldaten)", Tilesets, 1,
         {Modus(&frm_Angaben::Chk_Original), ZuordnungAendern}, ZuordnungSpeichern,
         [](Testumgebung& u) { return Zuordnung6(u, Zuordnung::SeitenBasis); }),
      Op("Original Palettenzuordnung einfügen", Rom, 1, {ZuordnungAendern, ZuordnungSpeichern},
         Haupt(&frm_Angaben::Cmd_OrgPalEinf_Click),
         [](Testumgebung& u) {
           return Flicken{{u.plan.tilesets[1].zuordnungOrt, u.plan.tilesets[1].zuordnung}};
         }),
      // Cell 15 (bottom right) of block 05 gets the tile of column 5, row 2.
      Op(
          "Block speichern", Rom, 1, {[](Testumgebung&) {
            frm_Block& b = frm_Block::Instanz();
            b.Cbo_Block->setCurrentIndex(4);
            b.Pic_Tileset_MouseMove(1, 0, 5 * 16, 2 * 16);
            b.Pic_Block_MouseMove(1, 0, 60, 60);
          }},
          [](Testumgebung&) { frm_Block::Instanz().Cmd_Speichern_Click(); },
          [](Testumgebung& u) {
            return Flicken{{Blockdaten::BlockOffset(u.plan.tilesets[1].blockTabelle, 5) + 15,
                            QByteArray(1, char(2 * Blockbild::Spalten + 5))}};
          }),
      // Quadrant 2 of block 01 gets the next value.
      Op(
          "Kollision speichern", Rom, 1, {[](Testumgebung&) {
            QComboBox* art = Frm_Kolli::Instanz().Cbo_Art[2];
            art->setCurrentIndex((art->currentIndex() + 1) % art->count());
          }},
          [](Testumgebung&) { Frm_Kolli::Instanz().Cmd_Speichern_Click(); },
          [](Testumgebung& u) {
            return Flicken{{Kollision::SatzOffset(u.plan.tilesets[1].kolliTabelle, 1) + 1,
                            QByteArray(1, char(u.plan.tilesets[1].kollisionen[1] + 1))}};
          }),
      // Frame 2 of the flowers all colour 2.
      Op(
          "Animation speichern", Rom, 1, {[](Testumgebung& u) {
            u.fenster().Cmd_Animationen->trigger();
            frm_Animationen& a = frm_Animationen::Instanz();
            a.Animation->setCurrentIndex(1);
            a.Animation_Click();
            a.Bild[2]->Direkt(QString(64, QLatin1Char('2')));
          }},
          [](Testumgebung&) { frm_Animationen::Instanz().Cmd_Speichern_Click(); },
          [](Testumgebung&) {
            return Flicken{{Rombau::Blumen + 16, QByteArray::fromHex("FF00").repeated(8)}};
          }),
      Op("Einfügen als: dieses Rom", Rom, 1, {Einfuegenals(0)}, Einfuegen,
         [=](Testumgebung& u) { return frei + Eingefuegt(u, 1, Welt::Frei); }),
      // In another ROM the tileset's data at its original place goes.
      Op("Einfügen als: anderes Rom", Andere, 1, {Einfuegenals(1)}, Einfuegen,
         [=](Testumgebung& u) {
           return frei + Eingefuegt(u, 1, Welt::Frei) + Flicken{{u.plan.tilesets[4].originalOrt, Geloescht}};
         }),
      Op("Einfügen als: Tilesets.gb", Tilesets, 1, {Einfuegenals(2)}, Einfuegen,
         [](Testumgebung& u) { return Eingefuegt(u, 1, 3 * Tilesetblock::SatzLaenge); }),
      // Over an older, shorter result of the same patch under that name.
      Op(
          "Patch anwenden", Neu, 1, {[](Testumgebung& u) {
            u.Schreib(Patch, Bps::Erstellen(u.Lies(Rom), Gepatcht(u)));
            u.Schreib(Neu, QByteArray(Rombau::RomLaenge / 2, '\x11'));
          }},
          [](Testumgebung& u) { u.fenster().PatchAnwenden(u.Pfad(Patch), u.rom(), u.Pfad(Neu)); },
          [](Testumgebung& u) {
            return Flicken{{0, Gepatcht(u)}};
          }),
  };
}

Dateistand Stand(const Testumgebung& u) {
  Dateistand d;
  for (const QString& name : QDir(u.Pfad(QString())).entryList(QDir::Files)) d[name] = u.Lies(name);
  return d;
}

Dateistand Erwartet(Testumgebung& u, const Schreiboperation& op, const Dateistand& vorher) {
  Dateistand soll = vorher;
  for (const auto& [ort, bytes] : op.erwartet(u)) soll[op.datei].replace(ort, bytes.size(), bytes);
  return soll;
}

namespace {
// "" when both hold the same bytes; otherwise where they first differ.
QString Unterschied(const QByteArray& soll, const QByteArray& ist) {
  if (soll.size() != ist.size()) return QStringLiteral("Länge %1 statt %2").arg(ist.size()).arg(soll.size());
  const qsizetype i = std::mismatch(soll.begin(), soll.end(), ist.begin()).first - soll.begin();
  return i == soll.size() ? QString() : QStringLiteral("Byte %1 geändert").arg(i, 0, 16);
}
}  // namespace

QString Abweichung(const Dateistand& soll, const Dateistand& ist) {
  for (const auto& [name, bytes] : ist)
    if (!soll.count(name)) return name + QStringLiteral(" ist neu");
  for (const auto& [name, bytes] : soll) {
    const auto it = ist.find(name);
    const QString g = it == ist.end() ? QStringLiteral("fehlt") : Unterschied(bytes, it->second);
    if (!g.isEmpty()) return name + QStringLiteral(": ") + g;
  }
  return {};
}

bool MeldetFehler(const Testumgebung& u) { return FehlerNenntDatei(u, QString()); }

bool FehlerNenntDatei(const Testumgebung& u, const QString& pfad) {
  return std::any_of(u.meldungen.begin(), u.meldungen.end(), [&](const Testumgebung::Box& b) {
    return b.titel == QLatin1String("Fehler") && b.text.contains(pfad);
  });
}
