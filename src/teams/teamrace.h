#pragma once

#include "cup/cupdata.h"
#include "teams/teamsettings.h"

#include <QString>
#include <vector>

namespace rzv {

// A participant whose club is empty, "vereinslos" or "ohne Verein" (any case) is in no team.
bool ohneVerein(const QString& verein);

// The teams of a cup are ranked apart by category: every cup variation (when the cup has any)
// and, unless women and men run together, every sex.
struct Mannschaftskategorie {
    enum Geschlecht { weiblich, maennlich, gemischt };
    int cvZeile;         // the cup variation's row of the cup-variation table, 0 without
    QString cupVariation;
    Geschlecht geschlecht;
};

// The categories in report order, and the category of each participant.
class Mannschaftskategorien {
public:
    Mannschaftskategorien(const TCupContent& cup, const Mannschaftseinstellungen& einstellungen);
    const std::vector<Mannschaftskategorie>& alle() const { return m_kategorien; }
    // The category of participant row i, or -1 when it is in none (no team, a sex or cup
    // variation the cup does not know).
    int von(int i) const { return m_von[static_cast<size_t>(i)]; }

private:
    std::vector<Mannschaftskategorie> m_kategorien;
    std::vector<int> m_von;
};

// One counted result of a team: the participant row and its value (tenths of a second in a time
// race, metres in a distance race).
struct Mannschaftslaeufer {
    int row;
    long long wert;
};

// A club in one race: ranked with the sum of its N best results, or not ranked ("nicht
// gewertet") when it had fewer valid results than N.
struct Mannschaftsergebnis {
    QString verein;
    int platz = 0;        // 0: not ranked
    long long summe = 0;  // ranked teams: the sum of the counted results
    std::vector<Mannschaftslaeufer> laeufer; // best first: the N counted, or all it had
};

// The teams of one category in one race: the ranked ones best first (equal sums share a place),
// then the others, most results first.
struct Kategoriewertung {
    std::vector<Mannschaftsergebnis> gewertet;
    std::vector<Mannschaftsergebnis> nichtGewertet;
};

// The team ranking of race k: one ranking per category, in the order of the categories.
struct Mannschaftslauf {
    bool zeitlauf;
    std::vector<Kategoriewertung> wertungen;
};
Mannschaftslauf mannschaftswertung(const TCupContent& cup, int k,
                                   const Mannschaftskategorien& kategorien, int groesse);

// A sum (or one result's value) in the cup's notation: h:mm'ss,z" in a time race, metres in a
// distance race.
QString mannschaftswert(bool zeitlauf, long long wert);

} // namespace rzv
