#pragma once

#include "cup/cupdata.h"

#include <vector>

namespace rzv {

// Entries ("Meldung") and participations ("Teilnahme") of one race, counted for the federation's
// event report. An entry is any non-empty result; every entry but "n.a." is a participation.
struct DlvZaehlung {
    // Per age-group row of `ag` (index 0 unused, so that index s is row s).
    struct Gruppe {
        int mw = 0; // entries, women
        int mm = 0; // entries, men
        int pw = 0; // participations, women
        int pm = 0; // participations, men
    };
    std::vector<Gruppe> gruppen;
    int summeMw = 0;
    int summeMm = 0;
    int summePw = 0;
    int summePm = 0;
    int meldeVereine = 0;     // distinct clubs with an entry
    int teilnahmeVereine = 0; // distinct clubs with a participation
};

// Counts race k. A participant whose age group is no designation of `ag` is counted nowhere,
// not even among the clubs; an empty club name counts as a club.
DlvZaehlung dlvZaehlen(const TCupContent& cup, int k);

// part / whole in whole percent, an exact half going to the even neighbour; 0 when whole is 0.
int dlvProzent(int part, int whole);

} // namespace rzv
