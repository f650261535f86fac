#include <QApplication>

#include "Seitenordner.h"
#include "frm_Angaben.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  app.setApplicationName(QStringLiteral("Tessaron"));
  app.setOrganizationName(QStringLiteral("ZERAN"));
  frm_Angaben fenster(Seitenordner::Waehlen(QCoreApplication::applicationDirPath()));
  fenster.show();
  const QStringList argumente = QCoreApplication::arguments();
  if (argumente.size() > 1) fenster.RomÖffnen(argumente.at(1));
  return app.exec();
}
