#pragma once
// Small cups written row by row for the scoring and report tests.

#include "cup/cupdata.h"

#include <QStringList>

namespace rzv::test {

struct TestCup {
    TCupContent cup = newCupContent();

    explicit TestCup(bool cupVariations) {
        cup.veranstalter = QStringLiteral("LG Süd");
        cup.name = QStringLiteral("Winterlaufcup 2026");
        if (!cupVariations) cup.cv.setRowCount(1);
    }

    // Appends a race; returns its number k.
    int race(const QString& type, const QString& date, const QString& parameter = QString(),
             const QString& factor = QString(), const QString& summand = QString()) {
        const int k = cup.laufe.colCount();
        cup.laufe.setColCount(k + 1);
        cup.laufe.setCell(k, kLaufnummer, QString::number(k));
        cup.laufe.setCell(k, kLauftyp, type);
        cup.laufe.setCell(k, kDatum, date);
        cup.laufe.setCell(k, kCuplauf, parameter);
        cup.laufe.setCell(k, kBonusfaktor, factor);
        cup.laufe.setCell(k, kBonussummand, summand);
        cup.teil.setColCount(cup.teil.colCount() + 1);
        cup.teil.setCell(resultColumn(k), 0, date);
        return k;
    }

    // Appends a participant with its results in races 1, 2, ...; returns its row.
    int person(const QString& name, const QString& vorname, const QString& ageGroup,
               const QStringList& results, const QString& cupVariation = QString(),
               const QString& club = QStringLiteral("TV Nord"),
               const QString& birth = QStringLiteral("12.03.1984")) {
        const int row = cup.teil.rowCount();
        cup.teil.setRowCount(row + 1);
        const bool female = ageGroup.startsWith(u'W') || ageGroup.startsWith(u'F');
        const QStringList fixed{name,
                                vorname,
                                birth,
                                female ? QStringLiteral("weiblich") : QStringLiteral("männlich"),
                                club,
                                ageGroup,
                                QString::number(row).rightJustified(3, u'0'),
                                cupVariation};
        for (int c = 0; c < fixed.size(); ++c)
            cup.teil.setCell(c, row, fixed[c]);
        for (int k = 0; k < results.size(); ++k)
            cup.teil.setCell(resultColumn(k + 1), row, results[k]);
        return row;
    }

    int rowOf(const QString& name) const {
        for (int row = 1; row < cup.teil.rowCount(); ++row)
            if (cup.teil.cell(kName, row) == name) return row;
        return -1;
    }
};

} // namespace rzv::test
