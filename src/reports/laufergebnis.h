#pragma once

#include "cup/cupdata.h"
#include "reports/groups.h"

namespace rzv {

class Ausgabe;

// The results of race k, grouped by cup variation (when there are any), age group and sex,
// with running places. Leaves the participant table ordered by the race's results. The reader,
// if any, is told of every listed participant.
void ausgabe_laufergebnis(Ausgabe& ausgabe, TCupContent& cup, int k,
                          const Listenleser& leser = {});

} // namespace rzv
