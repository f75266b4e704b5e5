#include "scoring/standing.h"

#include "cup/ordering.h"
#include "scoring/numbertexts.h"
#include "scoring/placing.h"
#include "scoring/standingseries.h"

#include <algorithm>

namespace rzv {

namespace {

constexpr int kArbeitsspalten = 3;
static_assert(kArbeitsspalten <= TCellGrid::kSpareCols, "participant rows keep room for them");

void fuelle(TCupContent& cup, int n) {
    TCellGrid& teil = cup.teil;
    n = std::clamp(n, 0, cup.raceCount()); // never count the working columns as races
    const Plaetze plaetze(cup, n);
    Teilnehmerwertung teilnehmer(cup, plaetze);
    Zahltexte zahlen;
    const int teilnahmenSp = teilnahmenSpalte(cup);
    const int summenSp = summenSpalte(cup);
    for (int i = 1; i < teil.rowCount(); ++i) {
        teilnehmer.beginne(i);
        for (int k = 1; k <= n; ++k) teilnehmer.lauf(k);
        teil.setCell(teilnahmenSp, i, zahlen.text(teilnehmer.teilnahmen()));
        teil.setCell(summenSp, i, zahlen.text(teilnehmer.summe()));
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
