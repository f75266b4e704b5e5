#pragma once

#include "cup/cupdata.h"
#include "teams/teamrace.h"
#include "teams/teamsettings.h"

#include <QString>
#include <vector>

namespace rzv {

// What one race gave a team towards the standing: its place and the points for that place from
// the points table with the race's bonus (or the place itself when places are added up).
struct Mannschaftslaufwert {
    int k;
    int platz;
    long long wert;
    bool gezaehlt; // among the best races that make the total
};

// A team in the standing: placed when it was ranked in at least `min` races.
struct Mannschaftsstandeintrag {
    int mannschaft;
    int platz = 0; // 0: below the minimum
    long long summe = 0;
    std::vector<Mannschaftslaufwert> laeufe; // the races it was ranked in, in race order
};

// The team standing after race n, one list per category: the placed teams best first (highest
// points, or lowest sum of places; equal totals share a place), then those below the minimum,
// most ranked races first. Teams that were never ranked are not listed.
struct Mannschaftsstand {
    std::vector<std::vector<Mannschaftsstandeintrag>> kategorien;
};
Mannschaftsstand mannschaftsstand(const TCupContent& cup, int n, const Mannschaften& mannschaften,
                                  const Mannschaftseinstellungen& einstellungen);

} // namespace rzv
