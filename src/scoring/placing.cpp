#include "scoring/placing.h"

#include "cup/errors.h"
#include "cup/notation.h"
#include "cup/ordering.h"
#include "cup/textorder.h"

#include <QHash>
#include <algorithm>
#include <limits>
#include <string>
#include <utility>

namespace rzv {

bool istGueltig(const QString& result) {
    return !result.isEmpty() && !isResultCode(result);
}

bool istBesser(const TCupContent& cup, int k, const QString& a, const QString& b) {
    return teilcmp(cup, -1, resultColumn(k), a, b, 0, 0);
}

namespace {

// The group a participant is placed in: the age group, and the cup variation when there are any.
bool gleicheGruppe(const TCupContent& cup, int i, int j) {
    const TCellGrid& teil = cup.teil;
    if (teil.cell(kAltersgruppe, i) != teil.cell(kAltersgruppe, j)) return false;
    return !cup.hasCupVariations() || teil.cell(kCup, i) == teil.cell(kCup, j);
}

// The value of a result's digits taken in order, without building the digit text; nothing when
// the cell has no digit, and kUnlesbar when the digits do not read as a whole number.
constexpr long long kUnlesbar = -1;
std::optional<long long> ergebniswert(QStringView cell) {
    bool ziffern = false;
    long long wert = 0;
    for (const QChar ch : cell) {
        if (ch < u'0' || ch > u'9') continue;
        ziffern = true;
        if (wert != kUnlesbar) {
            wert = wert * 10 + (ch.unicode() - u'0');
            if (wert > std::numeric_limits<int>::max()) wert = kUnlesbar;
        }
    }
    if (!ziffern) return std::nullopt;
    return wert;
}

// The cells of one group in one race, as the better-than relation sees them: performances by
// value (best first: a smaller key), then every cell without digits in text order, where the
// empty text comes first.
struct Gruppenzellen {
    std::vector<std::pair<long long, int>> leistungen;       // key, row
    std::vector<std::pair<std::u32string, int>> ohneZiffern; // text key, row (not empty)
    int leere = 0;
    int unlesbareZeile = 0; // a performance whose digits do not read, or 0
};

// Places a sorted list: a row's place is `vorne` + 1 + the number of entries strictly ahead. Only
// rows the filter accepts get their place.
template <typename Key, typename Filter, typename Setze>
void platziere(std::vector<std::pair<Key, int>>& eintraege, int vorne, Filter platzieren,
               Setze setze) {
    std::sort(eintraege.begin(), eintraege.end());
    size_t erster = 0;
    for (size_t n = 0; n < eintraege.size(); ++n) {
        if (eintraege[n].first != eintraege[erster].first) erster = n;
        const int zeile = eintraege[n].second;
        if (platzieren(zeile)) setze(zeile, vorne + static_cast<int>(erster) + 1);
    }
}

template <typename Setze>
void platziereGruppe(Gruppenzellen& g, const TCellGrid& teil, int spalte, Setze setze) {
    // Two performances of one group are compared, so an unreadable one stops like the ordering.
    if (g.unlesbareZeile != 0 && g.leistungen.size() >= 2)
        throw conversionError(digitsOf(teil.cell(spalte, g.unlesbareZeile)));
    // Every performance is a valid result (result codes have no digits).
    platziere(
        g.leistungen, 0, [](int) { return true; }, setze);
    // A valid result without digits loses to every performance and to every empty cell.
    platziere(
        g.ohneZiffern, static_cast<int>(g.leistungen.size()) + g.leere,
        [&](int zeile) { return istGueltig(teil.cell(spalte, zeile)); }, setze);
}

// The group of every participant row, numbered 0, 1, ...: equal age group and, when the cup has
// cup variations, equal cup variation.
std::vector<int> gruppenVon(const TCupContent& cup, int& anzahl) {
    const TCellGrid& teil = cup.teil;
    const bool mitCup = cup.hasCupVariations();
    std::vector<int> gruppen(static_cast<size_t>(std::max(teil.rowCount(), 1)), 0);
    QHash<std::pair<QString, QString>, int> nummern;
    anzahl = 0;
    for (int row = 1; row < teil.rowCount(); ++row) {
        const std::pair<QString, QString> schluessel{teil.cell(kAltersgruppe, row),
                                                     mitCup ? teil.cell(kCup, row) : QString()};
        auto it = nummern.find(schluessel);
        if (it == nummern.end()) it = nummern.insert(schluessel, anzahl++);
        gruppen[static_cast<size_t>(row)] = *it;
    }
    return gruppen;
}

} // namespace

int laufplatz(const TCupContent& cup, int k, int i) {
    const QString& own = cup.teil.cell(resultColumn(k), i);
    int platz = 1;
    for (int j = 1; j < cup.teil.rowCount(); ++j) {
        if (j != i && gleicheGruppe(cup, i, j) &&
            istBesser(cup, k, own, cup.teil.cell(resultColumn(k), j)))
            ++platz;
    }
    return platz;
}

Plaetze::Plaetze(const TCupContent& cup, int n) : m_laeufe(std::max(n, 0)) {
    const TCellGrid& teil = cup.teil;
    const size_t zeilen = static_cast<size_t>(std::max(teil.rowCount(), 1));
    m_plaetze.assign(zeilen * static_cast<size_t>(m_laeufe), 0);
    int gruppen = 0;
    const std::vector<int> gruppeVon = gruppenVon(cup, gruppen);
    // Keys grow with the quality of the result, so that a smaller key is the better one.
    std::vector<long long> richtung(static_cast<size_t>(m_laeufe));
    for (int k = 1; k <= m_laeufe; ++k)
        richtung[static_cast<size_t>(k - 1)] = cup.laufe.cell(k, kLauftyp) == kZeitlauf ? 1 : -1;

    // Row by row, so that each row's results are read together.
    std::vector<Gruppenzellen> zellen(static_cast<size_t>(m_laeufe) * static_cast<size_t>(gruppen));
    for (int row = 1; row < teil.rowCount(); ++row) {
        const TCellGrid::Row& zeile = teil.row(row);
        const size_t gruppe = static_cast<size_t>(gruppeVon[static_cast<size_t>(row)]);
        for (int k = 1; k <= m_laeufe; ++k) {
            Gruppenzellen& g =
                zellen[static_cast<size_t>(k - 1) * static_cast<size_t>(gruppen) + gruppe];
            const size_t spalte = static_cast<size_t>(resultColumn(k));
            const QString& cell = spalte < zeile.size() ? zeile[spalte] : QString();
            if (cell.isEmpty()) {
                ++g.leere;
            } else if (const auto wert = ergebniswert(cell)) {
                if (*wert == kUnlesbar && g.unlesbareZeile == 0) g.unlesbareZeile = row;
                g.leistungen.emplace_back(
                    *wert == kUnlesbar ? 0 : richtung[static_cast<size_t>(k - 1)] * *wert, row);
            } else {
                g.ohneZiffern.emplace_back(textKey(cell), row);
            }
        }
    }
    for (int k = 1; k <= m_laeufe; ++k) {
        const auto setze = [&](int zeile, int platz) {
            m_plaetze[static_cast<size_t>(zeile) * static_cast<size_t>(m_laeufe) +
                      static_cast<size_t>(k - 1)] = platz;
        };
        for (int gruppe = 0; gruppe < gruppen; ++gruppe)
            platziereGruppe(zellen[static_cast<size_t>(k - 1) * static_cast<size_t>(gruppen) +
                                   static_cast<size_t>(gruppe)],
                            teil, resultColumn(k), setze);
    }
}

} // namespace rzv
