#include "Seitenordner.h"

namespace Seitenordner {
QString Waehlen(const QString& programmOrdner) { return programmOrdner; }
}  // namespace Seitenordner
