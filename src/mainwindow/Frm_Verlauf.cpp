#include "Frm_Verlauf.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHeaderView>
#include <QVBoxLayout>

#include "Dunkelblau.h"
#include "Ungeschrieben.h"
#include "Verlauf.h"

namespace {
QTreeWidgetItem* Eintragszeile(const Verlauf::Eintrag& e) {
  QString beschreibung = e.beschreibung;
  if (e.zurueckgenommen) beschreibung += QCoreApplication::translate("Frm_Verlauf", " (zurückgenommen)");
  QStringList namen, pfade;
  for (const Verlauf::Datei& d : e.dateien) {
    namen << QFileInfo(d.pfad).fileName();
    pfade << d.pfad;
  }
  auto* zeile =
      new QTreeWidgetItem({e.zeit.toString(QStringLiteral("HH:mm:ss")), namen.join(QStringLiteral(", ")),
                           beschreibung, QString::number(e.Bytes())});
  zeile->setToolTip(1, pfade.join(QLatin1Char('\n')));
  zeile->setTextAlignment(3, Qt::AlignRight | Qt::AlignVCenter);
  if (e.zurueckgenommen)
    for (int s = 0; s < 4; ++s) zeile->setForeground(s, Qt::gray);
  return zeile;
}
}  // namespace

Frm_Verlauf::Frm_Verlauf() : QWidget(nullptr, Qt::Window) {
  setObjectName(QStringLiteral("Frm_Verlauf"));
  setWindowTitle(QCoreApplication::translate("Frm_Verlauf", "Änderungsverlauf"));
  Dunkelblau(*this);
  resize(640, 320);
  auto* layout = new QVBoxLayout(this);
  Lst_Verlauf = new QTreeWidget(this);
  Lst_Verlauf->setObjectName(QStringLiteral("Lst_Verlauf"));
  Lst_Verlauf->setHeaderLabels({QCoreApplication::translate("Frm_Verlauf", "Zeit"),
                                QCoreApplication::translate("Frm_Verlauf", "Datei"),
                                QCoreApplication::translate("Frm_Verlauf", "Änderung"),
                                QCoreApplication::translate("Frm_Verlauf", "Bytes")});
  Lst_Verlauf->setRootIsDecorated(false);
  Lst_Verlauf->setAutoFillBackground(true);
  Lst_Verlauf->header()->setSectionResizeMode(2, QHeaderView::Stretch);
  Lst_Verlauf->header()->setStretchLastSection(false);
  layout->addWidget(Lst_Verlauf);
  Cmd_BisHier = new QPushButton(QCoreApplication::translate("Frm_Verlauf", "Bis hierher zurücknehmen"), this);
  Cmd_BisHier->setObjectName(QStringLiteral("Cmd_BisHier"));
  layout->addWidget(Cmd_BisHier, 0, Qt::AlignRight);
  connect(Cmd_BisHier, &QPushButton::clicked, this, [this] { Cmd_BisHier_Click(); });
  connect(Lst_Verlauf, &QTreeWidget::currentItemChanged, this,
          [this] { Cmd_BisHier->setEnabled(Lst_Verlauf->currentItem() != nullptr); });
  Auffrischen();
}

void Frm_Verlauf::Auffrischen() {
  const int gewaehlt =
      Lst_Verlauf->currentItem() ? Lst_Verlauf->indexOfTopLevelItem(Lst_Verlauf->currentItem()) : -1;
  const int anzahlVorher = Lst_Verlauf->topLevelItemCount();
  Lst_Verlauf->clear();
  const auto& eintraege = Verlauf::Instanz().Eintraege();
  for (auto it = eintraege.rbegin(); it != eintraege.rend(); ++it)
    Lst_Verlauf->addTopLevelItem(Eintragszeile(*it));
  for (int s : {0, 1, 3}) Lst_Verlauf->resizeColumnToContents(s);
  // The selection stays on the same record while records are added above it.
  const int zeile = gewaehlt < 0 ? -1 : gewaehlt + Lst_Verlauf->topLevelItemCount() - anzahlVorher;
  if (zeile >= 0 && zeile < Lst_Verlauf->topLevelItemCount())
    Lst_Verlauf->setCurrentItem(Lst_Verlauf->topLevelItem(zeile));
  Cmd_BisHier->setEnabled(Lst_Verlauf->currentItem() != nullptr);
}

void Frm_Verlauf::Cmd_BisHier_Click() {
  QTreeWidgetItem* zeile = Lst_Verlauf->currentItem();
  if (!zeile || !Ungeschrieben::Fragen()) return;
  // The newest record is the first row.
  const int anzahl = static_cast<int>(Verlauf::Instanz().Eintraege().size());
  Verlauf::Instanz().BisHier(anzahl - 1 - Lst_Verlauf->indexOfTopLevelItem(zeile));
}
