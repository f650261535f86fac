// Pictures of the program's windows in one language, made without a screen
// (offscreen platform), so that a reviewer sees both layouts side by side:
// tessaron_schnappschuss ROM ZIELORDNER de|en
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

#include "Sprache.h"
#include "frm_Angaben.h"

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc != 4) {
    std::fprintf(stderr, "Aufruf: tessaron_schnappschuss ROM ZIELORDNER de|en\n");
    return 1;
  }
  const QString rom = QString::fromLocal8Bit(argv[1]);
  const QDir ziel(QString::fromLocal8Bit(argv[2]));
  ziel.mkpath(QStringLiteral("."));
  frm_Angaben fenster(QFileInfo(rom).absolutePath());
  Sprache::Laden(QString::fromLatin1(argv[3]));
  fenster.show();
  fenster.RomÖffnen(rom);
  for (QAction* a : {fenster.Cmd_TilesetPal, fenster.Cmd_PalettenZu, fenster.Cmd_Kolli, fenster.Cmd_Block,
                     fenster.Cmd_Animationen, fenster.Cmd_Optionen, fenster.Cmd_Einfügenals,
                     fenster.Cmd_BLaden, fenster.Cmd_Blockuebersicht})
    a->trigger();
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (!w->isVisible() || w->objectName().isEmpty() || w->objectName() == QLatin1String("Meldung")) continue;
    QString name = w->objectName();  // file names stay ASCII
    name.replace(QStringLiteral("ä"), QStringLiteral("ae"))
        .replace(QStringLiteral("ü"), QStringLiteral("ue"));
    const QString datei =
        ziel.filePath(name.replace(QStringLiteral("ö"), QStringLiteral("oe")) + QStringLiteral(".png"));
    if (!w->grab().save(datei)) {
      std::fprintf(stderr, "%s konnte nicht geschrieben werden.\n", qPrintable(datei));
      return 1;
    }
  }
  return 0;
}
