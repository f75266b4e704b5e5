#pragma once

#include "cup/cupdata.h"

#include <optional>
#include <utility>
#include <vector>

namespace rzv {

// The points the points table gives for place h; a place beyond the table earns 0.
int punkteFuerPlatz(const TCupContent& cup, int h);

// The bonus factor and summand of race k; an empty cell counts as 1 and 0.
int bonusfaktor(const TCupContent& cup, int k);
int bonussummand(const TCupContent& cup, int k);

// Points and race scores for one report or standing, each cell read the first time it is needed
// (so a cell that does not read stops the computation only when it is used).
class Punkterechner {
public:
    explicit Punkterechner(const TCupContent& cup) : m_cup(cup) {}
    // punkteFuerPlatz, remembered.
    int punkte(int h);
    // The race score of a valid result placed h in race k: points x factor + summand, so a place
    // beyond the points table still earns the summand.
    long long laufwertung(int k, int h);

private:
    const TCupContent& m_cup;
    std::vector<std::optional<int>> m_punkte;
    std::vector<std::optional<std::pair<int, int>>> m_bonus; // factor and summand of each race
};

} // namespace rzv
