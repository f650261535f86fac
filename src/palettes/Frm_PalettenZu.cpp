#include "Frm_PalettenZu.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <algorithm>

#include "Dunkelblau.h"
#include "Farbmodell.h"
#include "Module1.h"
#include "Ungeschrieben.h"
#include "Verlaufsbefehle.h"
#include "Zuordnung.h"

Frm_PalettenZu::Frm_PalettenZu()
    : m_verlauf([this](int i) { return m_pal[i]->text(); },
                [this](int i, const QString& ziffer) { ZifferSetzen(i, ziffer); }) {
  setObjectName(QStringLiteral("Frm_PalettenZu"));
  setWindowTitle(QCoreApplication::translate("Frm_PalettenZu", "Palettenzuordnung der Tilesets[*]"));
  VerlaufAnmelden(*this, m_verlauf);
  Ungeschrieben::Anmelden(
      *this, [this] { return UngeschriebenText(); }, [this] { Cmd_Speichern_Click(); });
  setAttribute(Qt::WA_DeleteOnClose);
  Dunkelblau(*this);
  setFixedSize(416, 214);
  Aufbauen();
  Module1.PalettenZuGeladen = 1;
  Module1.PalettenZuAktiv = 1;
  Module1.ZuordnungGeladen = 0;
  GrössePal();
  RausLesen();
}

Frm_PalettenZu::~Frm_PalettenZu() { Form_Unload(); }

void Frm_PalettenZu::Aufbauen() {
  Paletten = Element(new QComboBox(this), QStringLiteral("Paletten"), QRect(8, 8, 200, 22));
  Paletten->addItems({QCoreApplication::translate("Frm_PalettenZu", "0 Schild-Palette"),
                      QCoreApplication::translate("Frm_PalettenZu", "1 Blumen-Palette"),
                      QCoreApplication::translate("Frm_PalettenZu", "2 Gras u. Baum-Palette"),
                      QCoreApplication::translate("Frm_PalettenZu", "3 Waser-Palette"),
                      QCoreApplication::translate("Frm_PalettenZu", "4 obere Tür-Palette"),
                      QCoreApplication::translate("Frm_PalettenZu", "5 Fels-Palette"),
                      QCoreApplication::translate("Frm_PalettenZu", "6 Dach-Palette"),
                      QCoreApplication::translate("Frm_PalettenZu", "7 Schrift-Palette")});
  connect(Paletten, &QComboBox::activated, this, [this] { Paletten_Click(); });
  for (int c = 1; c <= 4; ++c) {
    const int x = 8 + (c - 1) * 100;
    Label[c] = Element(new QLabel(QCoreApplication::translate("Frm_PalettenZu", "Farbe%1:").arg(c), this),
                       QStringLiteral("Label%1").arg(c), QRect(x, 34, 46, 18));
    Lbl_Farbe[c] = Element(new Palettenlabel(QStringLiteral("0000"), this),
                           QStringLiteral("Lbl_Farbe(%1)").arg(c), QRect(x + 46, 32, 48, 20));
  }
  Cmd_Speichern = Element(new QPushButton(QCoreApplication::translate("Frm_PalettenZu", "Speichern"), this),
                          QStringLiteral("Cmd_Speichern"), QRect(328, 6, 80, 26));
  connect(Cmd_Speichern, &QPushButton::clicked, this, [this] { Cmd_Speichern_Click(); });
  m_pal[0] = Element(new QPushButton(QStringLiteral("0"), this), QStringLiteral("Pal(0)"),
                     QRect(120 / 15, 840 / 15, 375 / 15, 375 / 15));
  m_pal[0]->setCheckable(true);
}

void Frm_PalettenZu::GrössePal() {
  for (int i = 1; i <= m_reihen * m_linien; ++i) {
    QPushButton* knopf = new QPushButton(m_pal[0]->text(), this);
    knopf->setObjectName(QStringLiteral("Pal(%1)").arg(i));
    knopf->setCheckable(true);
    knopf->setGeometry(m_pal[0]->geometry());
    connect(knopf, &QPushButton::clicked, this, [this, i] { Pal_Click(i); });
    m_pal[i] = knopf;
  }
  m_pal[0]->hide();
  AnordnenPal();
}

void Frm_PalettenZu::AnordnenPal() {
  int i = 1;
  for (int r = 1; r <= m_reihen; ++r) {
    const int zeilenAnfang = i;
    for (int col = 1; col <= m_linien; ++col, ++i) {
      QPushButton* knopf = m_pal[i];
      if (col > 1) knopf->move(m_pal[i - 1]->x() + m_pal[i - 1]->width(), knopf->y());
      if (r > 1) {
        const QPushButton* oben = m_pal[zeilenAnfang - m_linien];
        knopf->move(knopf->x(), oben->y() + oben->height());
      }
      knopf->show();
    }
  }
}

int Frm_PalettenZu::Palette() const { return std::max(Paletten->currentIndex(), 0); }

int Frm_PalettenZu::Ziffer(const QPushButton* knopf) {
  // Digits above 7 (damaged data) keep their hex value and so match no palette.
  bool ok = false;
  const int wert = knopf->text().toInt(&ok, 16);
  return ok ? wert : -1;
}

void Frm_PalettenZu::Paletten_Click() {
  m_waechter = true;
  const int p = Palette();
  // The swatches always follow the table, which may have changed since the
  // assignment was read.
  for (int c = 1; c <= 4; ++c) {
    const QString& text = Module1.PalettenWerte[std::clamp(Module1.Tageszeit, 0, 4)][p][c];
    const std::uint32_t farbe = FarbtextZuFarbe(text);
    Lbl_Farbe[c]->setText(text);
    Lbl_Farbe[c]->setSchrift(farbe);
    Lbl_Farbe[c]->setHintergrund(farbe);
  }
  for (int i = 1; i <= Zuordnung::Tiles; ++i) m_pal[i]->setChecked(Ziffer(m_pal[i]) == p);
  m_waechter = false;
}

void Frm_PalettenZu::Pal_Click(int Index) {
  if (m_waechter) return;
  m_waechter = true;
  QPushButton* knopf = m_pal[Index];
  const int p = Palette();
  m_verlauf.Merken(Index, QStringLiteral(QT_TRANSLATE_NOOP("Verlaufsbefehle", "Palette zuordnen")));
  if (Ziffer(knopf) != p) {
    knopf->setText(QString::number(p));
    knopf->setChecked(true);
  } else if (p != 7) {
    knopf->setText(QStringLiteral("7"));
    knopf->setChecked(false);
  } else {
    knopf->setChecked(true);  // palette 7 cannot be taken away
  }
  m_verlauf.Beenden();
  m_waechter = false;
}

void Frm_PalettenZu::ZifferSetzen(int i, const QString& ziffer) {
  m_pal[i]->setText(ziffer);
  m_pal[i]->setChecked(Ziffer(m_pal[i]) == Palette());
}

QString Frm_PalettenZu::UngeschriebenText() const {
  if (m_verlauf.Sauber()) return {};
  return QCoreApplication::translate("Frm_PalettenZu",
                                     "Die Palettenzuordnung von Titelset%1 ist noch nicht gespeichert.")
      .arg(HauptAuswahlIndex() + 1);
}

void Frm_PalettenZu::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  Form_Activate();
}

void Frm_PalettenZu::Form_Activate() {
  Paletten->setCurrentIndex(0);
  Paletten_Click();
  Module1.PalettenZuAktiv = 1;
  if (Module1.ZuordnungGeladen == 0) RausLesen();
}

void Frm_PalettenZu::closeEvent(QCloseEvent* event) {
  if (!Ungeschrieben::Fragen(*this)) {
    event->ignore();
    return;
  }
  Form_Unload();
  event->accept();
}

void Frm_PalettenZu::Form_Unload() {
  Module1.PalettenZuAktiv = 0;
  Module1.ZuordnungGeladen = 0;
  Module1.PalettenZuGeladen = 0;
}
