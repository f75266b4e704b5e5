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
    int cvZeile; // the cup variation's row of the cup-variation table, 0 without
    QString cupVariation;
    Geschlecht geschlecht;
};

// "Frauen", "Männer" or "gemischt".
QString wertungsname(Mannschaftskategorie::Geschlecht geschlecht);

// The teams of a cup, found once for all its races: the categories in report order, the team of
// each participant (a club within a category) and each participant's rank in name order, which
// decides between equal results.
class Mannschaften {
public:
    Mannschaften(const TCupContent& cup, const Mannschaftseinstellungen& einstellungen);
    const std::vector<Mannschaftskategorie>& kategorien() const { return m_kategorien; }
    int anzahl() const { return static_cast<int>(m_mannschaften.size()); }
    // The team of participant row i, or -1 when it is in none (no club, a sex or cup variation
    // the cup does not know).
    int von(int i) const { return m_von[static_cast<size_t>(i)]; }
    int kategorie(int mannschaft) const {
        return m_mannschaften[static_cast<size_t>(mannschaft)].first;
    }
    const QString& verein(int mannschaft) const {
        return m_mannschaften[static_cast<size_t>(mannschaft)].second;
    }
    int namensrang(int i) const { return m_namensrang[static_cast<size_t>(i)]; }

private:
    std::vector<Mannschaftskategorie> m_kategorien;
    std::vector<std::pair<int, QString>> m_mannschaften; // category and club
    std::vector<int> m_von;
    std::vector<int> m_namensrang;
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
    int mannschaft;
    int platz = 0;                           // 0: not ranked
    long long summe = 0;                     // ranked teams: the sum of the counted results
    std::vector<Mannschaftslaeufer> laeufer; // best first: the N counted, or all it had
};

// The teams of one category in one race: the ranked ones best first (equal sums share a place),
// then the others, most results first.
struct Kategoriewertung {
    std::vector<Mannschaftsergebnis> gewertet;
    std::vector<Mannschaftsergebnis> nichtGewertet;
};

// The team ranking of a race: one ranking per category, in the order of the categories.
struct Mannschaftslauf {
    bool zeitlauf;
    std::vector<Kategoriewertung> wertungen;
};
// The team rankings of races von to bis, the participant table read row by row once.
std::vector<Mannschaftslauf> mannschaftswertungen(const TCupContent& cup, int von, int bis,
                                                  const Mannschaften& mannschaften, int groesse);

// A sum (or one result's value) in the cup's notation: h:mm'ss,z" in a time race, metres in a
// distance race.
QString mannschaftswert(bool zeitlauf, long long wert);

} // namespace rzv
