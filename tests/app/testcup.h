#pragma once

#include "cup/cupdata.h"
#include "cup/ordering.h"

namespace rzv::test {

// A small cup: `races` timed races in May 2026 and `participants` runners with results in every
// race (the first runner fastest), ordered as a loaded cup is.
inline TCupContent smallCup(int races, int participants) {
    TCupContent cup = newCupContent();
    cup.name = QStringLiteral("Testcup Süd");
    cup.veranstalter = QStringLiteral("LG Prüfstadt");
    cup.laufe.setColCount(1 + races);
    cup.teil.resize(kTeilFixedCols + races, 1 + participants);
    for (int k = 1; k <= races; ++k) {
        const QString date = QStringLiteral("%1.05.2026").arg(k + 9);
        cup.laufe.setCell(k, kLauftyp, kZeitlauf);
        cup.laufe.setCell(k, kDatum, date);
        cup.laufe.setCell(k, kCuplauf, QStringLiteral("5000m"));
        cup.laufe.setCell(k, 10, QStringLiteral("Prüfstadt"));
        cup.teil.setCell(resultColumn(k), 0, date);
    }
    for (int i = 1; i <= participants; ++i) {
        const bool female = i % 2 == 0;
        cup.teil.setCell(kName, i,
                         QStringLiteral("Läufer%1").arg(participants - i, 3, 10, QLatin1Char('0')));
        cup.teil.setCell(kVorname, i, QStringLiteral("Vorname%1").arg(i));
        cup.teil.setCell(kGeburtsdatum, i, QStringLiteral("01.01.1990"));
        cup.teil.setCell(kGeschlecht, i,
                         female ? QStringLiteral("weiblich") : QStringLiteral("männlich"));
        cup.teil.setCell(kVerein, i, QStringLiteral("TV Musterdorf"));
        cup.teil.setCell(kAltersgruppe, i, female ? QStringLiteral("F30") : QStringLiteral("M30"));
        cup.teil.setCell(kStartnummer, i, QStringLiteral("%1").arg(i, 3, 10, QLatin1Char('0')));
        cup.teil.setCell(kCup, i, QStringLiteral("B-Cup"));
        for (int k = 1; k <= races; ++k)
            cup.teil.setCell(resultColumn(k), i, QStringLiteral("0:%1'00,0\"").arg(19 + i));
    }
    laufesort(cup.laufe, cup.teil);
    teilsort(cup, -1, kName);
    return cup;
}

} // namespace rzv::test
