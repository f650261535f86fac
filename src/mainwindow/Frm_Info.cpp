#include "Frm_Info.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "Dunkelblau.h"

Frm_Info::Frm_Info() {
  setObjectName(QStringLiteral("Frm_Info"));
  setWindowTitle(QStringLiteral("Info"));
  Dunkelblau(*this);
  auto* layout = new QVBoxLayout(this);
  auto* text = new QLabel(QStringLiteral("<h2>Tessaron</h2>"
                                         "<p>Version " TESSARON_VERSION "</p>"
                                         "<p>Ein Tileset-Editor für Game Boy Color Roms.</p>"
                                         "<p>Programmiert vom Tessaron-Team.<br>"
                                         "Gebaut mit C++20 und Qt 6.</p>"),
                          this);
  text->setObjectName(QStringLiteral("Lbl_Info"));
  layout->addWidget(text);
  auto* ok = new QPushButton(QStringLiteral("&OK"), this);
  ok->setObjectName(QStringLiteral("Cmd_OK"));
  connect(ok, &QPushButton::clicked, this, &QDialog::hide);
  layout->addWidget(ok);
}
