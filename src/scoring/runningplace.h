#pragma once

#include <QString>

namespace rzv {

// The place shown beside each result while one group's results are listed best first: equal
// results share the first one's place and the next different result takes its position in the
// list (1, tie, 3); result codes never take a place.
class LaufenderPlatz {
public:
    // The place of the next listed result, or 0 when it shows none.
    int naechster(const QString& ergebnis);

private:
    int m_zaehler = 1;
    QString m_vorher;
};

// The same for a group of the cup standing, listed by total highest first. A participant below
// the minimum shows no place but still counts in the list and becomes the previous total.
class Standplatz {
public:
    // The place shown for the next participant, or 0 (below the minimum, or a tie).
    int naechster(bool unterMinimum, const QString& summe);
    // The last place given, which the place column of the standing receives.
    int letzterPlatz() const { return m_letzter; }

private:
    int m_zaehler = 1;
    int m_letzter = 1;
    QString m_vorher;
};

} // namespace rzv
