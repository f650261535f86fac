#include "Frm_Info.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "Dunkelblau.h"
#include "Uebersetzung.h"

Frm_Info::Frm_Info() {
  setObjectName(QStringLiteral("Frm_Info"));
  setWindowTitle(QCoreApplication::translate("Frm_Info", "Info"));
  Dunkelblau(*this);
  auto* layout = new QVBoxLayout(this);
  auto* text = new QLabel(this);
  text->setObjectName(QStringLiteral("Lbl_Info"));
  auto schreiben = [text] {
    text->setText(QStringLiteral("<h2>Tessaron</h2><p>Version " TESSARON_VERSION "</p>") +
                  QCoreApplication::translate("Frm_Info",
                                              "<p>Ein Tileset-Editor für Game Boy Color Roms.</p>"
                                              "<p>Programmiert vom Tessaron-Team.<br>"
                                              "Gebaut mit C++20 und Qt 6.</p>"));
  };
  schreiben();
  BeiSprachwechsel(text, schreiben);
  layout->addWidget(text);
  auto* ok = new QPushButton(QCoreApplication::translate("Frm_Info", "&OK"), this);
  ok->setObjectName(QStringLiteral("Cmd_OK"));
  connect(ok, &QPushButton::clicked, this, &QDialog::hide);
  layout->addWidget(ok);
}
