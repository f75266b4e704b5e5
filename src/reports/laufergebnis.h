#pragma once

#include "cup/cupdata.h"

namespace rzv {

class Ausgabe;

// The results of race k, grouped by cup variation (when there are any), age group and sex,
// with running places. Leaves the participant table ordered by the race's results.
void ausgabe_laufergebnis(Ausgabe& ausgabe, TCupContent& cup, int k);

} // namespace rzv
