#pragma once

#include "cup/cupdata.h"

#include <QString>
#include <algorithm>
#include <vector>

namespace rzv {

// A valid result: a performance, not empty and none of the four result codes.
bool istGueltig(QStringView result);

// In race k: the lower result b is better than the upper result a (the order of the race's result
// column, best first).
bool istBesser(const TCupContent& cup, int k, const QString& a, const QString& b);

// The race place of participant row i in race k within its group (age group, and cup variation
// when the cup has any): 1 plus the number of participants of the group with a better result.
// Counts against every row; for many participants use Plaetze.
int laufplatz(const TCupContent& cup, int k, int i);

// The race places of every participant in races 1 to n at once: the participant table is read
// row by row once, and each race is sorted once per group. Rows without a valid result have no
// place. Valid only while the participant table keeps its order.
class Plaetze {
public:
    Plaetze(const TCupContent& cup, int n);
    // The place of participant row i in race k (1 to n), or 0 when its result is not valid.
    int platz(int k, int i) const { return std::max(eintrag(k, i), 0); }
    // Whether the result cell of participant row i in race k is not empty (a result code too).
    bool belegt(int k, int i) const { return eintrag(k, i) != 0; }

    // Kept for a cell that is not empty but has no place.
    static constexpr int kOhnePlatz = -1;

private:
    int eintrag(int k, int i) const {
        return m_plaetze[static_cast<size_t>(i) * static_cast<size_t>(m_laeufe) +
                         static_cast<size_t>(k - 1)];
    }

    int m_laeufe;
    std::vector<int> m_plaetze; // row by row, race by race: the place, kOhnePlatz, or 0 for empty
};

} // namespace rzv
