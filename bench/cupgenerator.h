#pragma once

#include "cup/cupdata.h"

namespace rzv::bench {

// A large, realistic cup for benchmarks: the default age groups, `subCups` cup variations (0 for
// none), `races` races of both types through one season, and `participants` runners with German
// names (umlauts included), clubs, birth dates of all ages, and results with ties, result codes
// and races they skipped. The same seed gives the same cup.
TCupContent generateCup(int participants, int races, int subCups, unsigned seed = 1);

} // namespace rzv::bench
