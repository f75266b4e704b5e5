#include "scoring/standingseries.h"

#include "scoring/placing.h"

#include <algorithm>
#include <functional>

namespace rzv {

Teilnehmerwertung::Teilnehmerwertung(const TCupContent& cup, const Plaetze& plaetze)
    : m_plaetze(plaetze), m_rechner(cup), m_min(cup.min), m_max(std::max(cup.max, 0)) {}

void Teilnehmerwertung::beginne(int i) {
    m_zeile = i;
    m_teilnahmen = 0;
    m_wertungen.clear();
}

std::optional<long long> Teilnehmerwertung::lauf(int k) {
    if (m_plaetze.belegt(k, m_zeile)) ++m_teilnahmen;
    const int platz = m_plaetze.platz(k, m_zeile);
    if (platz == 0) return std::nullopt; // not a valid result
    const long long wertung = m_rechner.laufwertung(k, platz);
    m_wertungen.insert(
        std::upper_bound(m_wertungen.begin(), m_wertungen.end(), wertung, std::greater<>()), wertung);
    return wertung;
}

long long Teilnehmerwertung::summe() const {
    if (static_cast<int>(m_wertungen.size()) < m_min) return 0;
    const auto gezaehlt = std::min(m_wertungen.size(), static_cast<size_t>(m_max));
    long long total = 0;
    for (size_t n = 0; n < gezaehlt; ++n)
        total += m_wertungen[n];
    return total;
}

Standverlauf::Standverlauf(const TCupContent& cup, const Plaetze& plaetze, int n)
    : m_laeufe(std::clamp(n, 0, cup.raceCount())) {
    const int zeilen = cup.teil.rowCount();
    m_eintraege.resize(static_cast<size_t>(std::max(zeilen, 1)) * static_cast<size_t>(m_laeufe));
    Teilnehmerwertung teilnehmer(cup, plaetze);
    for (int i = 1; i < zeilen; ++i) {
        teilnehmer.beginne(i);
        for (int k = 1; k <= m_laeufe; ++k) {
            Eintrag& e = m_eintraege[static_cast<size_t>(i) * static_cast<size_t>(m_laeufe) +
                                     static_cast<size_t>(k - 1)];
            if (const auto wertung = teilnehmer.lauf(k)) {
                e.gewertet = true;
                e.wertung = *wertung;
            }
            e.teilnahmen = teilnehmer.teilnahmen();
            e.summe = teilnehmer.summe();
        }
    }
}

} // namespace rzv
