// Shows every window of the program over the synthesised world ("voll") or
// only a bare window with the same menu bar ("leer"), lets the event loop
// paint them, and prints its own peak and current memory from /proc:
// "VmHWM <kB> VmRSS <kB>".
#include <QAction>
#include <QApplication>
#include <QFile>
#include <cstdio>
#include <memory>

#include "Benchwelt.h"
#include "Leerfenster.h"
#include "frm_Angaben.h"

namespace {
void AlleFensterZeigen(frm_Angaben& f) {
  for (QAction* a : {f.Cmd_TilesetPal, f.Cmd_PalettenZu, f.Cmd_Kolli, f.Cmd_Block, f.Cmd_Blockuebersicht,
                     f.Cmd_Animationen, f.Cmd_Optionen, f.Cmd_Info, f.Cmd_Einfügenals, f.Cmd_BLaden})
    a->trigger();
}

qint64 Wert(const QByteArray& status, const char* name) {
  const qsizetype ab = status.indexOf(name);
  if (ab < 0) return -1;
  const qsizetype zeile = status.indexOf('\n', ab);
  return status.mid(ab + qstrlen(name), zeile - ab - qstrlen(name))
      .trimmed()
      .split(' ')
      .value(0)
      .toLongLong();
}

void Warten() {
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
}
}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const bool voll = argc > 1 && QByteArrayView(argv[1]) == "voll";
  std::unique_ptr<Benchwelt> welt;
  std::unique_ptr<Leerfenster> leer;
  if (voll) {
    welt = std::make_unique<Benchwelt>();
    AlleFensterZeigen(welt->Fenster());
  } else {
    leer = std::make_unique<Leerfenster>();
    leer->show();
  }
  Warten();
  QFile datei(QStringLiteral("/proc/self/status"));
  if (!datei.open(QIODevice::ReadOnly)) return 1;
  const QByteArray status = datei.readAll();
  std::printf("VmHWM %lld VmRSS %lld\n", Wert(status, "VmHWM:"), Wert(status, "VmRSS:"));
  return 0;
}
