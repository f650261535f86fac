#include "frm_Animationen.h"

#include <QCloseEvent>
#include <QCoreApplication>

#include "Dateizugriff.h"
#include "Dunkelblau.h"
#include "Farbmodell.h"
#include "Frm_Farben.h"
#include "Kachel.h"
#include "Module1.h"
#include "Ungeschrieben.h"
#include "Verlaufsbefehle.h"
#include "Zahlen.h"

namespace {
constexpr int Kachelbytes = 16;
constexpr int Animationsbytes = 4 * Kachelbytes;
const QString Malen = QStringLiteral(QT_TRANSLATE_NOOP("Verlaufsbefehle", "Malen"));
}  // namespace

frm_Animationen::frm_Animationen()
    : QWidget(nullptr, Qt::Window),
      m_verlauf([this](int i) { return Bild[i]->DirektZurück(); },
                [this](int i, const QString& zellen) { Bild[i]->Direkt(zellen); }) {
  setAttribute(Qt::WA_DeleteOnClose);
  Aufbauen();
  VerlaufAnmelden(*this, m_verlauf);
  Ungeschrieben::Anmelden(
      *this, [this] { return UngeschriebenText(); }, [this] { Cmd_Speichern_Click(); });
  AnimOffset = {QString(), QStringLiteral("FC348"), QStringLiteral("FC3A7")};
  AnimPalette = {0, 6, 1};
}

void frm_Animationen::Aufbauen() {
  setObjectName(QStringLiteral("frm_Animationen"));
  setWindowTitle(QCoreApplication::translate("frm_Animationen", "Animationen editieren[*]"));
  Dunkelblau(*this);
  setFixedSize(3645 / 15, 1575 / 15);

  Animation = new QComboBox(this);
  Animation->setObjectName(QStringLiteral("Animation"));
  Animation->addItems({QCoreApplication::translate("frm_Animationen", "Wasser"),
                       QCoreApplication::translate("frm_Animationen", "Blumen")});
  Animation->setCurrentIndex(-1);
  Animation->setGeometry(Twips(240, 120, 1575, 315));
  // Another entry would drop the frames not yet saved; Cancel keeps the one shown.
  connect(Animation, &QComboBox::activated, this, [this] {
    if (Ungeschrieben::Fragen(*this))
      Animation_Click();
    else
      Animation->setCurrentIndex(m_gezeigt);
  });

  Cmd_Speichern = new QPushButton(QCoreApplication::translate("frm_Animationen", "&Speichern"), this);
  Cmd_Speichern->setObjectName(QStringLiteral("Cmd_Speichern"));
  Cmd_Speichern->setGeometry(Twips(2160, 120, 1335, 375));
  // Without a chosen entry there is no place to write to.
  Cmd_Speichern->setEnabled(false);
  connect(Cmd_Speichern, &QPushButton::clicked, this, [this] { Cmd_Speichern_Click(); });

  for (int i = 1; i <= 4; ++i) {
    Bild[i] = new Fläche2(this);
    Bild[i]->setObjectName(QStringLiteral("Bild(%1)").arg(i));
    Bild[i]->move(Twips(240 + 840 * (i - 1), 720, 600, 600).topLeft());
    BildVerbinden(i);
  }
}

// A tile paints itself right after it reports the move, so the tile is noted
// before any cell of the stroke changes. A stroke stays inside its tile.
void frm_Animationen::BildVerbinden(int i) {
  Bild[i]->MouseMove = [this, i](int Button, int, double, double) {
    Frm_Farben::Instanz().Folgen(*Bild[i]);
    if (Button != 0) m_verlauf.Merken(i, Malen);
  };
  Bild[i]->MouseUp = [this](int, int, double, double) { m_verlauf.Beenden(); };
}

void frm_Animationen::Animation_Click() {
  const int a = Animation->currentIndex() + 1;
  if (a < 1) return;
  m_gezeigt = a - 1;
  Umfaerben();
  // Without a ROM (original-data mode) the tiles show empty.
  const QByteArray bytes =
      Module1.RomDatei.isEmpty()
          ? QByteArray(Animationsbytes, '\0')
          : Dateizugriff::Lesen(Module1.RomDatei, HexZuZahl(AnimOffset[a]), Animationsbytes);
  m_verlauf.Leeren();
  for (int i = 1; i <= 4; ++i)
    Bild[i]->Zuteilen(BytesZuKachelText(bytes.constData() + Kachelbytes * (i - 1)));
  Cmd_Speichern->setEnabled(!Module1.RomDatei.isEmpty());
}

void frm_Animationen::Umfaerben() {
  const int a = Animation->currentIndex() + 1;
  if (a < 1) return;
  const int t = std::clamp(Module1.Tageszeit, 0, 4);
  for (int k = 1; k <= 4; ++k) {
    const QString hex = Farbauswerten(Module1.PalettenWerte[t][AnimPalette[a]][k], QStringLiteral("hex"));
    AnimFarbe[k] = static_cast<std::uint32_t>(HexZuZahl(hex));
  }
  for (int i = 1; i <= 4; ++i) {
    Bild[i]->Farbenübergabe(QString::number(AnimFarbe[1]), QString::number(AnimFarbe[2]),
                            QString::number(AnimFarbe[3]), QString::number(AnimFarbe[4]));
    Bild[i]->Farben(Module1.FarbeLinks, Module1.FarbeRechts);
  }
}

void frm_Animationen::Cmd_Speichern_Click() {
  const int a = Animation->currentIndex() + 1;
  if (a < 1 || Module1.RomDatei.isEmpty()) return;
  QByteArray bytes;
  for (int i = 1; i <= 4; ++i) bytes += KachelTextZuBytes(Bild[i]->Zurükgeben());
  Schreibvorgang w(Module1.RomDatei, true);
  w.Schreiben(HexZuZahl(AnimOffset[a]), bytes);
  w.Beschreibung(QCoreApplication::translate("frm_Animationen", "Animation '%1' gespeichert")
                     .arg(Animation->currentText()));
  if (w.Ausfuehren()) m_verlauf.Geschrieben();
}

QString frm_Animationen::UngeschriebenText() const {
  if (m_verlauf.Sauber()) return {};
  return QCoreApplication::translate("frm_Animationen",
                                     "Animation '%1': Die Änderungen sind noch nicht gespeichert.")
      .arg(Animation->itemText(m_gezeigt));
}

void frm_Animationen::closeEvent(QCloseEvent* event) {
  if (Ungeschrieben::Fragen(*this))
    event->accept();
  else
    event->ignore();
}
