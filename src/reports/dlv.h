#pragma once

#include "cup/cupdata.h"

namespace rzv {

class Ausgabe;

// The event report form of the German athletics federation (DLV) for race column k, written
// into the cleared output sheet as 82-column lines. Version 1 shows the first 8 age groups on a
// female and a male line each, labelled with their age range; version 2 the first 16 on one
// line each. Stops with the conversion message when a "Maximalalter" (version 1) or a staff
// count does not read as a whole number.
void ausgabe_dlv(Ausgabe& ausgabe, const TCupContent& cup, int k);
void ausgabe_dlv_2(Ausgabe& ausgabe, const TCupContent& cup, int k);

} // namespace rzv
