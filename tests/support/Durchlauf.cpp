#include "Durchlauf.h"

#include <sys/stat.h>

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QTest>
#include <map>

#include "Frm_Kolli.h"
#include "Frm_PalettenZu.h"
#include "Frm_TilesetPal.h"
#include "Frm_einfuegenals.h"
#include "Testumgebung.h"
#include "frm_Angaben.h"
#include "frm_Animationen.h"
#include "frm_Block.h"

namespace {
// Size and modification time of every file of the folder: a write during a
// case (which runs far longer than the clock's tick) changes them, and
// reading two megabytes twice per case would cost more than the case.
struct Kennungen {
  std::map<QString, std::pair<qint64, qint64>> dateien;

  static Kennungen Von(const Testumgebung& u) {
    Kennungen k;
    const QDir ordner(u.Pfad(QString()));
    for (const QString& name : ordner.entryList(QDir::Files)) {
      struct stat st {};
      if (::stat(QFile::encodeName(ordner.filePath(name)).constData(), &st) == 0)
        k.dateien[name] = {st.st_size, st.st_mtim.tv_sec * 1000000000LL + st.st_mtim.tv_nsec};
    }
    return k;
  }

  // The first file that changed; reading may create a missing file empty.
  QString Veraendert(const Kennungen& nachher) const {
    for (const auto& [name, kennung] : nachher.dateien) {
      const auto alt = dateien.find(name);
      if (alt == dateien.end() ? kennung.first != 0 : alt->second != kennung)
        return QStringLiteral("%1 wurde beim Lesen verändert").arg(name);
    }
    return {};
  }
};

void AlleTilesets(frm_Angaben& f, int schritt = 1) {
  for (int i = 0; i < f.Auswahl->count(); i += schritt) {
    f.Auswahl->setCurrentIndex(i);
    f.Auswahl_Click();
  }
}

void FensterZeigen(frm_Angaben& f) {
  for (QAction* a : {f.Cmd_TilesetPal, f.Cmd_PalettenZu, f.Cmd_Kolli, f.Cmd_Block, f.Cmd_Einfügenals,
                     f.Cmd_Animationen, f.Cmd_Optionen, f.Cmd_Info})
    a->trigger();
}

void Blaettern(QComboBox* liste) {
  for (int i : {0, 1, liste->count() / 2, liste->count() - 1}) liste->setCurrentIndex(i);
}

void PalettenBlaettern() {
  Frm_TilesetPal& p = Frm_TilesetPal::Instanz();
  for (int t = 0; t < p.Zeit->count(); ++t) {
    p.Zeit->setCurrentIndex(t);
    p.Zeit_Click();
    for (int i = 1; i <= 4; ++i) p.Lbl_Farbe_Click(i);
  }
  for (int n = 0; n < p.Paletten->count(); ++n) {
    p.Paletten->setCurrentIndex(n);
    p.Paletten_Click();
  }
  if (Frm_PalettenZu::Geladen()) {
    Frm_PalettenZu& z = Frm_PalettenZu::Instanz();
    z.Paletten->setCurrentIndex(z.Paletten->count() - 1);
    z.Paletten_Click();
  }
}

void Animationen() {
  frm_Animationen& a = frm_Animationen::Instanz();
  for (int i = a.Animation->count() - 1; i >= 0; --i) {
    a.Animation->setCurrentIndex(i);
    a.Animation_Click();
  }
}

// Pasted text that is no offset, into both offset boxes; it only changes
// what the boxes and the pointer labels show.
void Einfuegen(HexFeld* feld) {
  for (const QString& ablage :
       {QStringLiteral("zz-1"), QStringLiteral("1C40001C4000\n"), QStringLiteral("ä\t "),
        QStringLiteral("FFFFFF"), QString(3000, QLatin1Char('F'))}) {
    QGuiApplication::clipboard()->setText(ablage);
    feld->selectAll();
    QTest::keyClick(feld, Qt::Key_V, Qt::ControlModifier);
  }
}

void Einfuegenals() {
  if (!Frm_einfügenals::Geladen()) return;
  Frm_einfügenals& e = Frm_einfügenals::Instanz();
  for (int i = 0; i < e.Auswahl->count(); i += 3) {
    e.Auswahl->setCurrentIndex(i);
    e.Auswahl_Click();
  }
  Einfuegen(e.Txt_Ort);
  e.Opt_Tilesets->setChecked(true);
  e.Auswahl_Click();
  e.Opt_Diese->setChecked(true);
}
}  // namespace

bool AllesLesen(Testumgebung& u, QString& grund) {
  const Kennungen vorher = Kennungen::Von(u);
  u.antwort = QMessageBox::No;
  frm_Angaben& f = u.fenster();
  f.RomÖffnen(u.rom());
  FensterZeigen(f);
  AlleTilesets(f);
  Blaettern(frm_Block::Instanz().Cbo_Block);
  Blaettern(Frm_Kolli::Instanz().Cbo_Block);
  PalettenBlaettern();
  Animationen();
  Einfuegenals();
  for (QCheckBox* modus : {f.Chk_Original, f.Chk_Geheim}) {
    modus->setChecked(true);
    AlleTilesets(f, 14);
    modus->setChecked(false);
  }
  Einfuegen(f.Txt_Ort);
  f.Cmd_sucheOff->trigger();
  grund = vorher.Veraendert(Kennungen::Von(u));
  return grund.isEmpty();
}
