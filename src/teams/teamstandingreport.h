#pragma once

#include "teams/teamsettings.h"

namespace rzv {

class Ausgabe;
struct TCupContent;

// "Mannschaftsstand nach Lauf N": every team with its place, club, ranked races and total (or
// "---" below the minimum) and under it the races it was ranked in with place and points (or
// place), the races that do not count in parentheses.
void ausgabe_mannschaftsstand(Ausgabe& ausgabe, const TCupContent& cup, int n,
                              const Mannschaftseinstellungen& einstellungen);

} // namespace rzv
