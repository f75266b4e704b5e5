#pragma once

#include "cup/cupdata.h"

#include <initializer_list>

namespace rzv::test {

// One participant's entry in a race: age group, club and result.
struct Meldung {
    const char* altersgruppe;
    const char* verein;
    const char* ergebnis;
};

// A cup of the default age groups with `races` races; the participants' results stand in race
// `race`, the other races are left empty.
inline TCupContent cupMitMeldungen(std::initializer_list<Meldung> meldungen, int race = 1,
                                   int races = 1) {
    TCupContent cup = newCupContent();
    cup.laufe.setColCount(races + 1);
    cup.teil.resize(kTeilFixedCols + races, static_cast<int>(meldungen.size()) + 1);
    int row = 1;
    for (const Meldung& m : meldungen) {
        cup.teil.setCell(kAltersgruppe, row, QString::fromUtf8(m.altersgruppe));
        cup.teil.setCell(kVerein, row, QString::fromUtf8(m.verein));
        cup.teil.setCell(resultColumn(race), row, QString::fromUtf8(m.ergebnis));
        ++row;
    }
    return cup;
}

} // namespace rzv::test
