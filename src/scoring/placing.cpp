#include "scoring/placing.h"

#include "cup/errors.h"
#include "cup/notation.h"
#include "cup/ordering.h"
#include "cup/textorder.h"
#include "scoring/groupnumbers.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>
#include <utility>

namespace rzv {

bool istGueltig(QStringView result) {
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

// The cells of one group in one race, as the better-than relation sees them: performances by
// value (best first: a smaller key), then every cell without digits in text order, where the
// empty text comes first.
struct Gruppenzellen {
    // A performance's key and row in one number, so that sorting orders by key (see eintrag).
    std::vector<std::uint64_t> leistungen;
    std::vector<int> ohneZiffern; // rows of result codes and of valid results without digits
    int leere = 0;
    int unlesbareZeile = 0;          // a performance whose digits do not read, or 0
    bool gueltigOhneZiffern = false; // a valid result without digits is among ohneZiffern

    // Keys lie within +-INT_MAX; shifted by INT_MAX they fit the upper 32 bits.
    static std::uint64_t eintrag(long long schluessel, int row) {
        const auto verschoben = static_cast<std::uint64_t>(schluessel + std::numeric_limits<int>::max());
        return (verschoben << 32) | static_cast<std::uint32_t>(row);
    }
    static long long schluessel(std::uint64_t eintrag) { return static_cast<long long>(eintrag >> 32); }
    static int zeile(std::uint64_t eintrag) { return static_cast<int>(eintrag & 0xffffffffU); }
};

// Gives each entry of a list sorted best first its place: `vorne` + 1 + the number of entries
// with a smaller key.
template <typename Eintrag, typename Schluessel, typename Setze>
void platziereSortiert(const std::vector<Eintrag>& sortiert, int vorne, Schluessel schluessel,
                       Setze setze) {
    size_t erster = 0;
    for (size_t n = 0; n < sortiert.size(); ++n) {
        if (schluessel(sortiert[n]) != schluessel(sortiert[erster])) erster = n;
        setze(sortiert[n], vorne + static_cast<int>(erster) + 1);
    }
}

template <typename Setze>
void platziereGruppe(Gruppenzellen& g, const TCellGrid& teil, int spalte, Setze setze) {
    // Two performances of one group are compared, so an unreadable one stops like the ordering.
    if (g.unlesbareZeile != 0 && g.leistungen.size() >= 2)
        throw conversionError(digitsOf(teil.cell(spalte, g.unlesbareZeile)));
    // Every performance is a valid result (result codes have no digits).
    std::sort(g.leistungen.begin(), g.leistungen.end());
    platziereSortiert(g.leistungen, 0, Gruppenzellen::schluessel,
                      [&](std::uint64_t e, int platz) { setze(Gruppenzellen::zeile(e), platz); });
    // A valid result without digits loses to every performance, to every empty cell and to the
    // texts before it. Without one the texts need no order: result codes get no place.
    if (!g.gueltigOhneZiffern) return;
    std::vector<std::pair<std::u32string, int>> texte;
    texte.reserve(g.ohneZiffern.size());
    for (const int row : g.ohneZiffern) texte.emplace_back(textKey(teil.cell(spalte, row)), row);
    std::sort(texte.begin(), texte.end());
    platziereSortiert(
        texte, static_cast<int>(g.leistungen.size()) + g.leere,
        [](const auto& e) -> const std::u32string& { return e.first; },
        [&](const auto& e, int platz) {
            if (istGueltig(teil.cell(spalte, e.second))) setze(e.second, platz);
        });
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
    const Gruppennummern gruppeVon(cup);
    const auto gruppen = static_cast<size_t>(gruppeVon.anzahl());
    // Keys grow with the quality of the result, so that a smaller key is the better one.
    std::vector<long long> richtung(static_cast<size_t>(m_laeufe));
    for (int k = 1; k <= m_laeufe; ++k)
        richtung[static_cast<size_t>(k - 1)] = cup.laufe.cell(k, kLauftyp) == kZeitlauf ? 1 : -1;

    // Row by row, so that each row's results are read together.
    std::vector<Gruppenzellen> zellen(static_cast<size_t>(m_laeufe) * gruppen);
    for (int row = 1; row < teil.rowCount(); ++row) {
        const TCellGrid::Row& zeile = teil.row(row);
        const auto gruppe = static_cast<size_t>(gruppeVon.von(row));
        for (int k = 1; k <= m_laeufe; ++k) {
            Gruppenzellen& g = zellen[static_cast<size_t>(k - 1) * gruppen + gruppe];
            const auto spalte = static_cast<size_t>(resultColumn(k));
            // A view, not a copy: copying would count a reference on every cell.
            const QStringView cell = spalte < zeile.size() ? QStringView(zeile[spalte]) : QStringView();
            if (cell.isEmpty()) {
                ++g.leere;
                continue;
            }
            m_plaetze[static_cast<size_t>(row) * static_cast<size_t>(m_laeufe) +
                      static_cast<size_t>(k - 1)] = kOhnePlatz;
            if (const DigitsValue ziffern = digitsValue(cell); ziffern.hasDigits) {
                if (!ziffern.value && g.unlesbareZeile == 0) g.unlesbareZeile = row;
                g.leistungen.push_back(Gruppenzellen::eintrag(
                    richtung[static_cast<size_t>(k - 1)] * ziffern.value.value_or(0), row));
            } else {
                g.ohneZiffern.push_back(row);
                if (!isResultCode(cell)) g.gueltigOhneZiffern = true;
            }
        }
    }
    for (int k = 1; k <= m_laeufe; ++k) {
        const auto setze = [&](int zeile, int platz) {
            m_plaetze[static_cast<size_t>(zeile) * static_cast<size_t>(m_laeufe) +
                      static_cast<size_t>(k - 1)] = platz;
        };
        for (size_t gruppe = 0; gruppe < gruppen; ++gruppe)
            platziereGruppe(zellen[static_cast<size_t>(k - 1) * gruppen + gruppe], teil,
                            resultColumn(k), setze);
    }
}

} // namespace rzv
