#pragma once

#include "cup/cupdata.h"

namespace rzv {

// The points the points table gives for place h; a place beyond the table earns 0.
int punkteFuerPlatz(const TCupContent& cup, int h);

// The bonus factor and summand of race k; an empty cell counts as 1 and 0.
int bonusfaktor(const TCupContent& cup, int k);
int bonussummand(const TCupContent& cup, int k);

// The race score of a valid result placed h in race k: points x factor + summand, so a place
// beyond the points table still earns the summand.
long long laufwertung(const TCupContent& cup, int k, int h);

} // namespace rzv
