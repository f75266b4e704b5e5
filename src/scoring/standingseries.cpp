#include "scoring/standingseries.h"

#include "scoring/placing.h"
#include "scoring/points.h"

#include <algorithm>
#include <functional>

namespace rzv {

namespace {

// The total of the scores so far, kept highest first: the `max` highest when there are at least
// `min` of them.
long long bestenSumme(const std::vector<long long>& absteigend, int min, int max) {
    if (static_cast<int>(absteigend.size()) < min) return 0;
    const auto gezaehlt = std::min(absteigend.size(), static_cast<size_t>(std::max(max, 0)));
    long long total = 0;
    for (size_t n = 0; n < gezaehlt; ++n)
        total += absteigend[n];
    return total;
}

} // namespace

Standverlauf::Standverlauf(const TCupContent& cup, const Plaetze& plaetze, int n)
    : m_laeufe(std::clamp(n, 0, cup.raceCount())) {
    const TCellGrid& teil = cup.teil;
    m_eintraege.resize(static_cast<size_t>(std::max(teil.rowCount(), 1)) *
                       static_cast<size_t>(m_laeufe));
    Punkterechner rechner(cup);
    std::vector<long long> wertungen; // one participant's scores so far, highest first
    for (int i = 1; i < teil.rowCount(); ++i) {
        wertungen.clear();
        int teilnahmen = 0;
        for (int k = 1; k <= m_laeufe; ++k) {
            Eintrag& e = m_eintraege[static_cast<size_t>(i) * static_cast<size_t>(m_laeufe) +
                                     static_cast<size_t>(k - 1)];
            const QString& ergebnis = teil.cell(resultColumn(k), i);
            if (!ergebnis.isEmpty()) ++teilnahmen;
            if (istGueltig(ergebnis)) {
                e.gewertet = true;
                e.wertung = rechner.laufwertung(k, plaetze.platz(k, i));
                wertungen.insert(std::upper_bound(wertungen.begin(), wertungen.end(), e.wertung,
                                                  std::greater<>()),
                                 e.wertung);
            }
            e.teilnahmen = teilnahmen;
            e.summe = bestenSumme(wertungen, cup.min, cup.max);
        }
    }
}

} // namespace rzv
