#include "Frm_Bearbeiten.h"

void Frm_Bearbeiten::Position(int, int, double, double, int, int) {}
void Frm_Bearbeiten::Fläche_MouseDown(int, int, int, double, double) {}
void Frm_Bearbeiten::Fläche_MouseMove(int, int, int, double, double) {}
void Frm_Bearbeiten::Fläche_MouseUp(int, int, int, double, double) {}
