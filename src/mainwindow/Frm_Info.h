#pragma once

#include <QDialog>

#include "Einzeln.h"

// The About window: version and credits.
class Frm_Info : public QDialog, public Einzeln<Frm_Info> {
 public:
  Frm_Info();
};
