#include "scoring/placing.h"

#include "cup/errors.h"
#include "cup/notation.h"
#include "cup/ordering.h"
#include "cup/textorder.h"

#include <QHash>
#include <algorithm>
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

// A result cell as the better-than relation sees it when a valid result is placed: performances
// by value, best first, ahead of every cell without digits; among those (result codes, empty
// cells, text) the smaller text is the better. Two keys compare like the relation.
struct Ergebnisschluessel {
    int kategorie = 0; // 0 performance, 1 no digits
    long long wert = 0;
    std::u32string text;

    bool operator<(const Ergebnisschluessel& o) const {
        if (kategorie != o.kategorie) return kategorie < o.kategorie;
        if (kategorie == 0) return wert < o.wert;
        return text < o.text;
    }
    bool operator==(const Ergebnisschluessel& o) const { return !(*this < o) && !(o < *this); }
};

struct Zeilenschluessel {
    Ergebnisschluessel schluessel;
    QString unlesbar; // digits too long to read: the conversion message names them
    int zeile = 0;
};

Zeilenschluessel schluesselVon(const QString& cell, bool zeitlauf, int zeile) {
    Zeilenschluessel z;
    z.zeile = zeile;
    const QString digits = digitsOf(cell);
    if (!digits.isEmpty()) {
        if (const auto value = readInt(digits))
            z.schluessel.wert = zeitlauf ? *value : -static_cast<long long>(*value);
        else
            z.unlesbar = digits;
    } else {
        z.schluessel.kategorie = 1;
        z.schluessel.text = textKey(cell);
    }
    return z;
}

// Places one group: sorted best first, a row's place is 1 plus the number of rows strictly ahead.
void platziereGruppe(std::vector<Zeilenschluessel>& gruppe, const TCupContent& cup, int k,
                     std::vector<int>& plaetze) {
    // Two performances of one group are compared, so an unreadable one stops like the ordering.
    int leistungen = 0;
    const Zeilenschluessel* unlesbar = nullptr;
    for (const Zeilenschluessel& z : gruppe) {
        if (z.schluessel.kategorie != 0) continue;
        ++leistungen;
        if (!unlesbar && !z.unlesbar.isEmpty()) unlesbar = &z;
    }
    if (unlesbar && leistungen >= 2) throw conversionError(unlesbar->unlesbar);

    std::sort(gruppe.begin(), gruppe.end(),
              [](const Zeilenschluessel& x, const Zeilenschluessel& y) {
                  return x.schluessel < y.schluessel;
              });
    int platz = 1;
    for (size_t n = 0; n < gruppe.size(); ++n) {
        if (n > 0 && !(gruppe[n].schluessel == gruppe[n - 1].schluessel))
            platz = static_cast<int>(n) + 1;
        const int zeile = gruppe[n].zeile;
        if (istGueltig(cup.teil.cell(resultColumn(k), zeile)))
            plaetze[static_cast<size_t>(zeile)] = platz;
    }
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

Laufplaetze::Laufplaetze(const TCupContent& cup, int k) {
    const TCellGrid& teil = cup.teil;
    m_plaetze.assign(static_cast<size_t>(std::max(teil.rowCount(), 1)), 0);
    const bool zeitlauf = cup.laufe.cell(k, kLauftyp) == kZeitlauf;
    const bool mitCup = cup.hasCupVariations();

    // Only groups with a valid result need placing; their other rows still count against it.
    struct Gruppe {
        std::vector<Zeilenschluessel> zeilen;
        bool hatGueltige = false;
    };
    QHash<std::pair<QString, QString>, Gruppe> gruppen;
    for (int row = 1; row < teil.rowCount(); ++row) {
        Gruppe& gruppe =
            gruppen[{teil.cell(kAltersgruppe, row), mitCup ? teil.cell(kCup, row) : QString()}];
        const QString& cell = teil.cell(resultColumn(k), row);
        gruppe.zeilen.push_back(schluesselVon(cell, zeitlauf, row));
        gruppe.hatGueltige = gruppe.hatGueltige || istGueltig(cell);
    }
    for (Gruppe& gruppe : gruppen)
        if (gruppe.hatGueltige) platziereGruppe(gruppe.zeilen, cup, k, m_plaetze);
}

int PlatzCache::platz(int k, int i) {
    if (m_laeufe.size() <= static_cast<size_t>(k)) m_laeufe.resize(static_cast<size_t>(k) + 1);
    auto& lauf = m_laeufe[static_cast<size_t>(k)];
    if (!lauf) lauf.emplace(m_cup, k);
    return lauf->platz(i);
}

} // namespace rzv
