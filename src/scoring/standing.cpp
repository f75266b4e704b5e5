#include "scoring/standing.h"

#include "cup/ordering.h"
#include "scoring/placing.h"
#include "scoring/points.h"

#include <algorithm>
#include <functional>
#include <vector>

namespace rzv {

namespace {

constexpr int kArbeitsspalten = 3;
static_assert(kArbeitsspalten <= TCellGrid::kSpareCols, "participant rows keep room for them");

// The total of one participant: the `max` highest race scores by value, when there are at least
// `min` of them.
long long summe(std::vector<long long>& wertungen, int min, int max) {
    if (static_cast<int>(wertungen.size()) < min) return 0;
    const auto gezaehlt = std::min(wertungen.size(), static_cast<size_t>(std::max(max, 0)));
    std::partial_sort(wertungen.begin(), wertungen.begin() + static_cast<std::ptrdiff_t>(gezaehlt),
                      wertungen.end(), std::greater<>());
    long long total = 0;
    for (size_t n = 0; n < gezaehlt; ++n)
        total += wertungen[n];
    return total;
}

void fuelle(TCupContent& cup, int n) {
    TCellGrid& teil = cup.teil;
    n = std::clamp(n, 0, cup.raceCount()); // never count the working columns as races
    const Plaetze plaetze(cup, n);
    Punkterechner rechner(cup);
    std::vector<long long> wertungen; // the score list of one participant
    for (int i = 1; i < teil.rowCount(); ++i) {
        wertungen.clear();
        int teilnahmen = 0;
        for (int k = 1; k <= n; ++k) {
            const QString& ergebnis = teil.cell(resultColumn(k), i);
            if (ergebnis.isEmpty()) continue;
            ++teilnahmen;
            if (istGueltig(ergebnis))
                wertungen.push_back(rechner.laufwertung(k, plaetze.platz(k, i)));
        }
        teil.setCell(teilnahmenSpalte(cup), i, QString::number(teilnahmen));
        teil.setCell(summenSpalte(cup), i, QString::number(summe(wertungen, cup.min, cup.max)));
    }
}

} // namespace

int platzSpalte(const TCupContent& cup) {
    return cup.teil.colCount() - 3;
}
int teilnahmenSpalte(const TCupContent& cup) {
    return cup.teil.colCount() - 2;
}
int summenSpalte(const TCupContent& cup) {
    return cup.teil.colCount() - 1;
}

void gesamt_berechnen(TCupContent& cup, int n) {
    TCellGrid& teil = cup.teil;
    teil.setColCount(teil.colCount() + kArbeitsspalten);
    try {
        for (int i = 1; i < teil.rowCount(); ++i)
            for (int c = platzSpalte(cup); c < teil.colCount(); ++c)
                teil.setCell(c, i, QStringLiteral("0"));
        fuelle(cup, n);
        teilsort(cup, -1, kName);
        teilsort(cup, -1, summenSpalte(cup));
    } catch (...) {
        gesamt_reset(cup);
        throw;
    }
}

void gesamt_reset(TCupContent& cup) {
    TCellGrid& teil = cup.teil;
    teil.setColCount(std::max(teil.colCount() - kArbeitsspalten, 0));
}

Gesamtstand::Gesamtstand(TCupContent& cup, int n) : m_cup(cup) {
    gesamt_berechnen(cup, n);
}

Gesamtstand::~Gesamtstand() {
    gesamt_reset(m_cup);
}

} // namespace rzv
