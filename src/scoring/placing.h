#pragma once

#include "cup/cupdata.h"

#include <QString>
#include <optional>
#include <vector>

namespace rzv {

// A valid result: a performance, not empty and none of the four result codes.
bool istGueltig(const QString& result);

// In race k: the lower result b is better than the upper result a (the order of the race's result
// column, best first).
bool istBesser(const TCupContent& cup, int k, const QString& a, const QString& b);

// The race place of participant row i in race k within its group (age group, and cup variation
// when the cup has any): 1 plus the number of participants of the group with a better result.
// Counts against every row; for many participants use Laufplaetze.
int laufplatz(const TCupContent& cup, int k, int i);

// The race places of every participant of race k at once, sorted once per group. Rows without a
// valid result have no place. Valid only while the participant table keeps its order.
class Laufplaetze {
public:
    Laufplaetze(const TCupContent& cup, int k);
    // The place of participant row i, or 0 when its result is not valid.
    int platz(int i) const { return m_plaetze[static_cast<size_t>(i)]; }

private:
    std::vector<int> m_plaetze;
};

// The places of all races, each race placed the first time it is asked for. One per report or
// standing: the participant table must not be reordered while it is used.
class PlatzCache {
public:
    explicit PlatzCache(const TCupContent& cup) : m_cup(cup) {}
    int platz(int k, int i);

private:
    const TCupContent& m_cup;
    std::vector<std::optional<Laufplaetze>> m_laeufe;
};

} // namespace rzv
