#include "Schreiboperationen.h"

#include <QComboBox>
#include <QDir>

#include "Frm_Bearbeiten.h"
#include "Frm_Kolli.h"
#include "Frm_PalettenZu.h"
#include "Frm_TilesetPal.h"
#include "Frm_einfuegenals.h"
#include "frm_Angaben.h"
#include "frm_Animationen.h"
#include "frm_Block.h"

namespace {
const QString Rom = QStringLiteral("test.gb");
const QString Tilesets = QStringLiteral("Tilesets.gb");
const QString Paletten = QStringLiteral("OriginalPaletten.gb");
const QString Andere = QStringLiteral("andere.gb");

void Waehlen(frm_Angaben& f, int n) {
  f.Auswahl->setCurrentIndex(n - 1);
  f.Auswahl_Click();
}

void Oeffnen(Testumgebung& u, int n = 1) {
  u.fenster().RomÖffnen(u.rom());
  Waehlen(u.fenster(), n);
}

// Tiles that no stored copy holds.
void Bemalen() {
  Frm_Bearbeiten& a = Frm_Bearbeiten::Instanz();
  a.Fläche(1).Direkt(QString(64, QLatin1Char('3')));
  a.Fläche(96).Direkt(QString(32, QLatin1Char('2')) + QString(32, QLatin1Char('4')));
}

void FarbeAendern() {
  Frm_TilesetPal& p = Frm_TilesetPal::Instanz();
  p.Lbl_Farbe_Click(2);
  p.SRot->setValue(p.SRot->value() == 3 ? 4 : 3);
}

void ZuordnungAendern() {
  Frm_PalettenZu& z = Frm_PalettenZu::Instanz();
  z.Paletten->setCurrentIndex(6);
  z.Paletten_Click();
  z.Pal(1)->click();
  z.Pal(2)->click();
}

Frm_einfügenals& Einfuegenals(Testumgebung& u, int ziel) {
  Oeffnen(u);
  Bemalen();
  u.fenster().Cmd_Einfügenals_Click();
  Frm_einfügenals& f = Frm_einfügenals::Instanz();
  if (ziel == 1) {
    u.Schreib(Andere, u.Lies(Rom));
    f.Opt_Andere->setChecked(true);
    f.DateiAngeben(u.Pfad(Andere));
  }
  if (ziel == 2) f.Opt_Tilesets->setChecked(true);
  f.Auswahl->setCurrentIndex(3);
  f.Auswahl_Click();
  if (ziel != 2) f.Txt_Ort->setText(QStringLiteral("1C4000"));
  return f;
}
}  // namespace

std::vector<Schreiboperation> Schreiboperationen() {
  auto einfuegen = [](Testumgebung& u) { u.fenster().Cmd_Einfügen_Click(); };
  return {
      {QStringLiteral("Einfügen ins Rom (Pointer, altes löschen)"), Rom,
       [](Testumgebung& u) {
         Oeffnen(u, 2);
         Bemalen();
         u.fenster().Txt_Ort->setText(QStringLiteral("1C4000"));
       },
       einfuegen},
      {QStringLiteral("Einfügen in Tilesets.gb"), Tilesets,
       [](Testumgebung& u) {
         Oeffnen(u);
         u.fenster().Chk_Geheim->setChecked(true);
         Waehlen(u.fenster(), 5);
         Bemalen();
       },
       einfuegen},
      {QStringLiteral("Pointer ändern"), Rom,
       [](Testumgebung& u) {
         Oeffnen(u, 6);
         u.fenster().Txt_Ort->setText(QStringLiteral("1C8000"));
         u.antwort = QMessageBox::Yes;
       },
       [](Testumgebung& u) { u.fenster().Cmd_Pointeränd_Click(); }},
      {QStringLiteral("Alten Pointer einfügen"), Rom, [](Testumgebung& u) { Oeffnen(u, 2); },
       [](Testumgebung& u) { u.fenster().Cmd_AltPointer_Click(); }},
      {QStringLiteral("Pointer zurück und Tileset löschen"), Rom, [](Testumgebung& u) { Oeffnen(u, 5); },
       [](Testumgebung& u) { u.fenster().Cmd_PointeruLöschen_Click(); }},
      {QStringLiteral("Palette speichern"), Rom,
       [](Testumgebung& u) {
         Oeffnen(u);
         FarbeAendern();
       },
       [](Testumgebung&) { Frm_TilesetPal::Instanz().Cmd_PalSpeichern_Click(); }},
      {QStringLiteral("Palette speichern (Originaldaten)"), Paletten,
       [](Testumgebung& u) {
         Oeffnen(u);
         u.fenster().Chk_Original->setChecked(true);
         FarbeAendern();
       },
       [](Testumgebung&) { Frm_TilesetPal::Instanz().Cmd_PalSpeichern_Click(); }},
      {QStringLiteral("Original Paletten einfügen"), Rom,
       [](Testumgebung& u) {
         Oeffnen(u);
         QByteArray tabelle(320, '\0');
         for (int i = 0; i < 320; ++i) tabelle[i] = static_cast<char>(0x5A ^ i);
         u.Schreib(Paletten, tabelle);
       },
       [](Testumgebung& u) { u.fenster().Cmd_OriginalTilePal->trigger(); }},
      {QStringLiteral("Palettenzuordnung speichern"), Rom,
       [](Testumgebung& u) {
         Oeffnen(u);
         ZuordnungAendern();
       },
       [](Testumgebung&) { Frm_PalettenZu::Instanz().Cmd_Speichern_Click(); }},
      {QStringLiteral("Palettenzuordnung speichern (Originaldaten)"), Tilesets,
       [](Testumgebung& u) {
         Oeffnen(u);
         u.fenster().Chk_Original->setChecked(true);
         ZuordnungAendern();
       },
       [](Testumgebung&) { Frm_PalettenZu::Instanz().Cmd_Speichern_Click(); }},
      {QStringLiteral("Original Palettenzuordnung einfügen"), Rom,
       [](Testumgebung& u) {
         Oeffnen(u);
         ZuordnungAendern();
         Frm_PalettenZu::Instanz().Cmd_Speichern_Click();
       },
       [](Testumgebung& u) { u.fenster().Cmd_OrgPalEinf->trigger(); }},
      {QStringLiteral("Block speichern"), Rom,
       [](Testumgebung& u) {
         Oeffnen(u);
         frm_Block& b = frm_Block::Instanz();
         b.Cbo_Block->setCurrentIndex(4);
         b.Pic_Tileset_MouseMove(1, 0, 5 * 16, 2 * 16);
         b.Pic_Block_MouseMove(1, 0, 60, 60);
       },
       [](Testumgebung&) { frm_Block::Instanz().Cmd_Speichern_Click(); }},
      {QStringLiteral("Kollision speichern"), Rom,
       [](Testumgebung& u) {
         Oeffnen(u);
         QComboBox* art = Frm_Kolli::Instanz().Cbo_Art[2];
         art->setCurrentIndex((art->currentIndex() + 1) % art->count());
       },
       [](Testumgebung&) { Frm_Kolli::Instanz().Cmd_Speichern_Click(); }},
      {QStringLiteral("Animation speichern"), Rom,
       [](Testumgebung& u) {
         Oeffnen(u);
         u.fenster().Cmd_Animationen->trigger();
         frm_Animationen& a = frm_Animationen::Instanz();
         a.Animation->setCurrentIndex(1);
         a.Animation_Click();
         a.Bild[2]->Direkt(QString(64, QLatin1Char('2')));
       },
       [](Testumgebung&) { frm_Animationen::Instanz().Cmd_Speichern_Click(); }},
      {QStringLiteral("Einfügen als: dieses Rom"), Rom, [](Testumgebung& u) { Einfuegenals(u, 0); },
       [](Testumgebung&) { Frm_einfügenals::Instanz().Einfügen(); }},
      {QStringLiteral("Einfügen als: anderes Rom"), Andere, [](Testumgebung& u) { Einfuegenals(u, 1); },
       [](Testumgebung&) { Frm_einfügenals::Instanz().Einfügen(); }},
      {QStringLiteral("Einfügen als: Tilesets.gb"), Tilesets, [](Testumgebung& u) { Einfuegenals(u, 2); },
       [](Testumgebung&) { Frm_einfügenals::Instanz().Einfügen(); }},
  };
}

Dateistand Stand(const Testumgebung& u) {
  Dateistand d;
  for (const QString& name : QDir(u.Pfad(QString())).entryList(QDir::Files)) d[name] = u.Lies(name);
  return d;
}

qint64 Geaendert(const Dateistand& vorher, const Dateistand& nachher) {
  qint64 n = 0;
  for (const auto& [name, neu] : nachher) {
    const auto it = vorher.find(name);
    const QByteArray alt = it == vorher.end() ? QByteArray() : it->second;
    n += std::abs(neu.size() - alt.size());
    for (qsizetype i = 0; i < std::min(alt.size(), neu.size()); ++i) n += alt[i] != neu[i];
  }
  for (const auto& [name, alt] : vorher)
    if (!nachher.count(name)) n += alt.size();
  return n;
}

bool MeldetErfolg(const Testumgebung& u) { return u.Texte().contains(QLatin1String("erfolgreich")); }

bool MeldetFehler(const Testumgebung& u) {
  for (const Testumgebung::Box& b : u.meldungen)
    if (b.titel == QLatin1String("Fehler")) return true;
  return false;
}

bool FehlerNenntDatei(const Testumgebung& u, const QString& pfad) {
  for (const Testumgebung::Box& b : u.meldungen)
    if (b.titel == QLatin1String("Fehler") && b.text.contains(pfad)) return true;
  return false;
}
