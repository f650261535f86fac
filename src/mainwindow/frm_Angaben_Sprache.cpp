#include <QActionGroup>
#include <QCoreApplication>
#include <QMenuBar>

#include "Sprache.h"
#include "frm_Angaben.h"

// Each language is named in itself, so a user who cannot read the current one
// still finds their own.
void frm_Angaben::SpracheAufbauen(QMenuBar* leiste) {
  Mnu_Sprache = leiste->addMenu(QCoreApplication::translate("frm_Angaben", "&Sprache"));
  Mnu_Sprache->setObjectName(QStringLiteral("Mnu_Sprache"));
  auto* gruppe = new QActionGroup(Mnu_Sprache);
  auto eintrag = [this, gruppe](const char* name, const QString& text, const QString& code) {
    QAction* a = Mnu_Sprache->addAction(text);
    a->setObjectName(QString::fromUtf8(name));
    a->setCheckable(true);
    a->setChecked(Sprache::Aktuell() == code);
    gruppe->addAction(a);
    connect(a, &QAction::triggered, this, [code] {
      if (Sprache::Aktuell() != code) Sprache::Waehlen(code);
    });
    return a;
  };
  Cmd_Deutsch = eintrag("Cmd_Deutsch", QStringLiteral("Deutsch"), QStringLiteral("de"));
  Cmd_Englisch = eintrag("Cmd_Englisch", QStringLiteral("English"), QStringLiteral("en"));
}
