#pragma once

#include <QByteArray>
#include <QMap>
#include <QObject>
#include <QRegion>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

#include "Testumgebung.h"

class Fläche;
class frm_Angaben;

// The steps and checks the window tests share: one way to open the test ROM,
// choose a tileset, read the view and compare files.
namespace Welt {

// The display colours the options promise, pinned here rather than taken
// from the code they check.
constexpr std::array<std::uint32_t, 4> Festfarben = {0u, 6607460u, 16724540u, 16777180u};
constexpr std::array<std::uint32_t, 4> Grau = {16777215u, 12632256u, 8421504u, 0u};

// Zeros in the test ROM, far from every stored copy.
constexpr qint64 Frei = 0x1C4000;

// The display colours of palette p at time t of the plan's palette table.
std::array<std::uint32_t, 4> PlanFarben(const Rombau::Plan& plan, int t, int p);
// The options text as the program stores it; "" for none (a first start).
void Optionen(const QString& text);
QString Optionen();

// The regions each watched widget repainted.
struct Malzeuge : QObject {
  QMap<QObject*, QRegion> bereiche;
  bool eventFilter(QObject* o, QEvent* e) override;
};

Fläche& Tile(int i);
// The colour-number texts of the 96 tiles in the view.
QStringList Ansicht();
// The colour-number texts of the 96 tiles of a stored tileset block.
QStringList Gelesen(const QByteArray& block);
// Paints tiles 1, 64 and 96 so that the view differs from every stored copy.
void Bemalen();

void Waehlen(frm_Angaben& f, int n);
// The main window over the opened test ROM with tileset n chosen.
frm_Angaben& Offen(Testumgebung& u, int n = 1);

QByteArray Rom(const Testumgebung& u);
// Some message said "erfolgreich".
bool HatErfolg(const Testumgebung& u);

}  // namespace Welt
