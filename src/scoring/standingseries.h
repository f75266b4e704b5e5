#pragma once

#include "cup/cupdata.h"
#include "scoring/points.h"

#include <optional>
#include <vector>

namespace rzv {

class Plaetze;

// One participant's races taken in turn: the participations, the race scores and the total so
// far (the `max` highest scores when there are at least `min`, else 0).
class Teilnehmerwertung {
public:
    Teilnehmerwertung(const TCupContent& cup, const Plaetze& plaetze);
    // Starts over with participant row i.
    void beginne(int i);
    // Takes race k (races in order 1, 2, ...): a non-empty result cell, result codes included,
    // counts as a participation; a valid result gives the race score it returns.
    std::optional<long long> lauf(int k);
    int teilnahmen() const { return m_teilnahmen; }
    long long summe() const;

private:
    const Plaetze& m_plaetze;
    Punkterechner m_rechner;
    int m_min;
    int m_max;
    int m_zeile = 0;
    int m_teilnahmen = 0;
    std::vector<long long> m_wertungen; // highest first
};

// The cup standing after every race 1 to n at once: each participant's race scores are read
// once, race by race, and the totals after each race follow from the scores so far. The
// standings after all races thus cost one pass, not one computation per race.
class Standverlauf {
public:
    // The places must be those of races 1 to n (at least) of the same table order.
    Standverlauf(const TCupContent& cup, const Plaetze& plaetze, int n);

    int laeufe() const { return m_laeufe; }
    // Whether participant row i has a race score in race k, and the score.
    bool gewertet(int k, int i) const { return eintrag(k, i).gewertet; }
    long long wertung(int k, int i) const { return eintrag(k, i).wertung; }
    // After race `nach`: the participations and the total, as Teilnehmerwertung counts them.
    int teilnahmen(int nach, int i) const { return eintrag(nach, i).teilnahmen; }
    long long summe(int nach, int i) const { return eintrag(nach, i).summe; }

private:
    struct Eintrag {
        long long wertung = 0;
        long long summe = 0;
        int teilnahmen = 0;
        bool gewertet = false;
    };
    const Eintrag& eintrag(int k, int i) const {
        return m_eintraege[static_cast<size_t>(i) * static_cast<size_t>(m_laeufe) +
                           static_cast<size_t>(k - 1)];
    }

    int m_laeufe;
    std::vector<Eintrag> m_eintraege; // row by row, race by race
};

} // namespace rzv
