// The orderings against a literal neighbour-exchange sort, and their edge cases.
#include "cup/errors.h"
#include "cup/ordering.h"
#include "cup/textorder.h"

#include <QtTest>
#include <random>

using namespace rzv;

namespace {

// The reference: passes with last = n .. 2 over the neighbours i, i+1, exchanging when the rule
// says so, exactly as the orderings are defined.
void exchangeSortTeil(TCupContent& cup, int direction, int column) {
    TCellGrid& teil = cup.teil;
    for (int last = teil.rowCount() - 1; last >= 2; --last)
        for (int i = 1; i < last; ++i)
            if (teilcmp(cup, direction, column, teil.cell(column, i), teil.cell(column, i + 1), i, i + 1) &&
                !teil.cell(column, i + 1).isEmpty())
                teil.swapRows(i, i + 1);
}

template <typename Exchange> void exchangeSortRows(TCellGrid& grid, Exchange exchange) {
    for (int last = grid.rowCount() - 1; last >= 2; --last)
        for (int i = 1; i < last; ++i)
            if (exchange(i)) grid.swapRows(i, i + 1);
}

QString pickFrom(std::mt19937& random, const QStringList& values) {
    return values[static_cast<qsizetype>(random() % static_cast<unsigned>(values.size()))];
}

// A cup with two races (a time race in column 8, a distance race in column 9) and participants
// whose cells repeat, are empty, or differ only in case, so that every rule gets exercised.
TCupContent randomCup(std::mt19937& random, int participants) {
    TCupContent cup = newCupContent();
    cup.laufe.setColCount(3);
    cup.laufe.setCell(1, kLauftyp, kZeitlauf);
    cup.laufe.setCell(2, kLauftyp, kDistanzlauf);
    cup.teil.resize(10, participants + 1);
    const QStringList names{"", "a", "A", "b", "Ä", "ä", "ab", "B", "Müller", "mueller", "~"};
    const QStringList dates{"", "01.02.2003", "1.2.03", "31.12.1999", "01.02.2003", "x"};
    const QStringList genders{"", "weiblich", "männlich", "Weiblich"};
    const QStringList groups{"WK U8", "MK U8", "F", "M", "F70 u.ä.", "M U23", "WJ U14"};
    const QStringList numbers{"007", "10", "0042", "999", "7", "100", "099"};
    const QStringList results{"", "", "n.a.", "v.", "d.", "o.L.", "0:38'12,4\"", "0:38'12,5\"",
                              "1:00'00,0\"", "10000m", "10500m", "x", "N.A.", "0m"};
    for (int row = 1; row <= participants; ++row) {
        for (int col : {kName, kVorname, kVerein, kCup}) cup.teil.setCell(col, row, pickFrom(random, names));
        cup.teil.setCell(kGeburtsdatum, row, pickFrom(random, dates));
        cup.teil.setCell(kGeschlecht, row, pickFrom(random, genders));
        cup.teil.setCell(kAltersgruppe, row, pickFrom(random, groups));
        cup.teil.setCell(kStartnummer, row, pickFrom(random, numbers));
        cup.teil.setCell(8, row, pickFrom(random, results));
        cup.teil.setCell(9, row, pickFrom(random, results));
    }
    return cup;
}

QStringList column(const TCellGrid& grid, int col) {
    QStringList cells;
    for (int row = 0; row < grid.rowCount(); ++row) cells.append(grid.cell(col, row));
    return cells;
}

// Rows identified by their index before the ordering.
void markRows(TCellGrid& grid) {
    grid.setColCount(grid.colCount() + 1);
    for (int row = 1; row < grid.rowCount(); ++row) grid.setCell(grid.colCount() - 1, row, QString::number(row));
}

// Orders copies of the cup both ways and tells whether they agree row for row.
bool sortsLikeTheExchangeSort(const TCupContent& cup, int direction, int col) {
    TCupContent fast = cup;
    TCupContent literal = cup;
    markRows(fast.teil);
    markRows(literal.teil);
    teilsort(fast, direction, col);
    exchangeSortTeil(literal, direction, col);
    return fast.teil == literal.teil;
}

} // namespace

class TestOrdering : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void participantsMatchTheExchangeSort() {
        std::mt19937 random(20261208);
        for (int round = 0; round < 150; ++round) {
            TCupContent cup = randomCup(random, 2 + static_cast<int>(random() % 40));
            for (int col = 0; col <= 9; ++col) {
                for (int direction : {-1, 1}) {
                    QVERIFY2(sortsLikeTheExchangeSort(cup, direction, col),
                             qPrintable(QStringLiteral("round %1 column %2 direction %3").arg(round).arg(col).arg(direction)));
                }
            }
        }
    }

    void emptyDesignationMatchesTheExchangeSort() {
        // An age group with an empty designation gives empty cells a key of their own.
        std::mt19937 random(7);
        for (int round = 0; round < 100; ++round) {
            TCupContent cup = randomCup(random, 2 + static_cast<int>(random() % 30));
            cup.ag.setCell(0, 5, QString());
            for (int row = 1; row < cup.teil.rowCount(); ++row)
                if (random() % 3 == 0) cup.teil.setCell(kAltersgruppe, row, QString());
            for (int direction : {-1, 1}) QVERIFY(sortsLikeTheExchangeSort(cup, direction, kAltersgruppe));
        }
    }

    void tablesMatchTheExchangeSort() {
        std::mt19937 random(99);
        for (int round = 0; round < 100; ++round) {
            const int rows = 1 + static_cast<int>(random() % 25);
            TCellGrid ag(3, rows + 1);
            TCellGrid pv(2, rows + 1);
            TCellGrid cv(3, rows + 1);
            for (int row = 1; row <= rows; ++row) {
                ag.setCell(2, row, QString::number(random() % 10));
                ag.setCell(0, row, QString::number(row));
                pv.setCell(1, row, QString::number(random() % 10));
                cv.setCell(0, row, pickFrom(random, {"A-Cup", "a-cup", "B", "", "Ä"}));
                cv.setCell(1, row, QString::number(row));
            }
            TCellGrid agLiteral = ag;
            exchangeSortRows(agLiteral, [&](int i) { return agLiteral.cell(2, i + 1).toInt() < agLiteral.cell(2, i).toInt(); });
            agsort(ag);
            QVERIFY(ag == agLiteral);

            TCellGrid cvLiteral = cv;
            exchangeSortRows(cvLiteral, [&](int i) { return textCompare(cvLiteral.cell(0, i), cvLiteral.cell(0, i + 1)) > 0; });
            cvsort(cv);
            QVERIFY(cv == cvLiteral);

            QStringList points = column(pv, 1).mid(1);
            std::stable_sort(points.begin(), points.end(), [](const QString& a, const QString& b) { return a.toInt() > b.toInt(); });
            pvsort(pv);
            QCOMPARE(column(pv, 1).mid(1), points);
            for (int row = 1; row <= rows; ++row) QCOMPARE(pv.cell(0, row), QString::number(row));
        }
    }

    void racesMatchTheExchangeSortAndCarryResults() {
        std::mt19937 random(5);
        const QStringList dates{"14.06.2008", "01.05.2008", "01.05.2008", "30.12.2007", "02.05.2008"};
        for (int round = 0; round < 50; ++round) {
            const int races = 1 + static_cast<int>(random() % 6);
            TCupContent cup = newCupContent();
            cup.laufe.setColCount(races + 1);
            cup.teil.resize(kTeilFixedCols + races, 3);
            for (int k = 1; k <= races; ++k) {
                cup.laufe.setCell(k, kDatum, pickFrom(random, dates));
                cup.laufe.setCell(k, kLauftyp, QString::number(k)); // identifies the race
                cup.teil.setCell(resultColumn(k), 0, cup.laufe.cell(k, kDatum));
                cup.teil.setCell(resultColumn(k), 1, QStringLiteral("r%1").arg(k));
            }
            QStringList expected; // race identities in date order, equal dates left to right
            std::vector<int> order(static_cast<size_t>(races));
            std::iota(order.begin(), order.end(), 1);
            std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
                return dateKey(cup.laufe.cell(a, kDatum)) < dateKey(cup.laufe.cell(b, kDatum));
            });
            laufesort(cup.laufe, cup.teil);
            for (int k = 1; k <= races; ++k) {
                const int from = order[static_cast<size_t>(k - 1)];
                QCOMPARE(cup.laufe.cell(k, kLaufnummer), QString::number(k));
                QCOMPARE(cup.laufe.cell(k, kLauftyp), QString::number(from));
                QCOMPARE(cup.teil.cell(resultColumn(k), 1), QStringLiteral("r%1").arg(from));
                QCOMPARE(cup.teil.cell(resultColumn(k), 0), cup.laufe.cell(k, kDatum));
            }
            QCOMPARE(cup.laufe.fixedCols, 1);
        }
    }

    void raceDatesKeepTheirText() {
        // Ordered by the date key (JJJJMMTT by character positions), whatever shape the date
        // has; ordering again, as every save does, changes nothing.
        const QStringList dates{"01.05.2008", "1.1.2024", "", "TT.MM.JJJJ", "31.12.1999"};
        const QStringList ordered{"", "31.12.1999", "01.05.2008", "1.1.2024", "TT.MM.JJJJ"};
        TCupContent cup = newCupContent();
        cup.laufe.setColCount(static_cast<int>(dates.size()) + 1);
        cup.teil.setColCount(kTeilFixedCols + static_cast<int>(dates.size()));
        for (int k = 1; k <= dates.size(); ++k) cup.laufe.setCell(k, kDatum, dates[k - 1]);
        for (int round = 0; round < 2; ++round) {
            laufesort(cup.laufe, cup.teil);
            for (int k = 1; k <= ordered.size(); ++k) QCOMPARE(cup.laufe.cell(k, kDatum), ordered[k - 1]);
        }
    }

    void lowerCaseZOrdersAsItsCapital() {
        TCupContent cup = newCupContent();
        cup.teil.setRowCount(4);
        const QStringList names{"Zorn", "zimmer", "Adler"};
        for (int row = 1; row <= 3; ++row) cup.teil.setCell(kName, row, names[row - 1]);
        teilsort(cup, -1, kName);
        QCOMPARE(column(cup.teil, kName).mid(1), (QStringList{"Adler", "zimmer", "Zorn"}));
    }

    void startNumbersAreNumeric() {
        TCupContent cup = newCupContent();
        cup.teil.setRowCount(5);
        const QStringList numbers{"100", "010", "099", "009"};
        for (int row = 1; row <= 4; ++row) cup.teil.setCell(kStartnummer, row, numbers[row - 1]);
        teilsort(cup, -1, kStartnummer);
        QCOMPARE(column(cup.teil, kStartnummer).mid(1), (QStringList{"009", "010", "099", "100"}));
        teilsort(cup, 1, kStartnummer);
        QCOMPARE(column(cup.teil, kStartnummer).mid(1), (QStringList{"100", "099", "010", "009"}));
    }

    void resultsBestFirstThenCodesThenEmpty() {
        TCupContent cup = newCupContent();
        cup.laufe.setColCount(3);
        cup.laufe.setCell(1, kLauftyp, kZeitlauf);
        cup.laufe.setCell(2, kLauftyp, kDistanzlauf);
        cup.teil.resize(10, 7);
        const QStringList times{"", "v.", "0:38'12,5\"", "n.a.", "0:38'12,4\"", "d."};
        const QStringList distances{"10000m", "", "o.L.", "10500m", "n.a.", "9000m"};
        for (int row = 1; row <= 6; ++row) {
            cup.teil.setCell(8, row, times[row - 1]);
            cup.teil.setCell(9, row, distances[row - 1]);
        }
        teilsort(cup, -1, 8);
        QCOMPARE(column(cup.teil, 8).mid(1), (QStringList{"0:38'12,4\"", "0:38'12,5\"", "d.", "n.a.", "v.", ""}));
        teilsort(cup, 1, 8);
        QCOMPARE(column(cup.teil, 8).mid(1), (QStringList{"0:38'12,5\"", "0:38'12,4\"", "v.", "n.a.", "d.", ""}));
        teilsort(cup, -1, 9);
        QCOMPARE(column(cup.teil, 9).mid(1), (QStringList{"10500m", "10000m", "9000m", "n.a.", "o.L.", ""}));
    }

    void emptyCupVariationBlocks() {
        TCupContent cup = newCupContent();
        cup.teil.setRowCount(5);
        const QStringList cups{"C-Cup", "", "B-Cup", "A-Cup"};
        for (int row = 1; row <= 4; ++row) cup.teil.setCell(kCup, row, cups[row - 1]);
        teilsort(cup, -1, kCup);
        QCOMPARE(column(cup.teil, kCup).mid(1), (QStringList{"C-Cup", "", "A-Cup", "B-Cup"}));
        teilsort(cup, 1, kCup);
        QCOMPARE(column(cup.teil, kCup).mid(1), (QStringList{"C-Cup", "B-Cup", "A-Cup", ""}));
    }

    void ageGroupsInKeyOrder() {
        TCupContent cup = newCupContent();
        const QStringList groups{"M70 u.ä.", "F60", "MK U12", "WK U12", "MK U10", "MK U8", "WK U10", "WK U8"};
        cup.teil.setRowCount(9);
        for (int row = 1; row <= 8; ++row) cup.teil.setCell(kAltersgruppe, row, groups[row - 1]);
        teilsort(cup, -1, kAltersgruppe);
        QCOMPARE(column(cup.teil, kAltersgruppe).mid(1),
                 (QStringList{"WK U8", "WK U10", "MK U8", "MK U10", "WK U12", "F60", "MK U12", "M70 u.ä."}));
        QCOMPARE(cup.teil.fixedCols, 2);
        QCOMPARE(cup.teil.fixedRows, 1);
    }

    void unreadableValueLeavesTableUnchanged() {
        TCupContent cup = newCupContent();
        cup.teil.setRowCount(4);
        const QStringList numbers{"003", "abc", "001"};
        for (int row = 1; row <= 3; ++row) cup.teil.setCell(kStartnummer, row, numbers[row - 1]);
        const TCellGrid before = cup.teil;
        try {
            teilsort(cup, -1, kStartnummer);
            QFAIL("no error");
        } catch (const RzvError& error) {
            QCOMPARE(error.message(), QStringLiteral("'abc' ist kein gültiger Integerwert"));
        }
        QVERIFY(cup.teil == before);

        cup.teil.setCell(kAltersgruppe, 1, QStringLiteral("F"));
        cup.teil.setCell(kAltersgruppe, 2, QStringLiteral("Senioren"));
        cup.teil.setCell(kAltersgruppe, 3, QStringLiteral("M"));
        const TCellGrid unknownGroup = cup.teil;
        try {
            teilsort(cup, -1, kAltersgruppe);
            QFAIL("no error");
        } catch (const RzvError& error) {
            QCOMPARE(error.message(), QStringLiteral("'' ist kein gültiger Integerwert"));
        }
        QVERIFY(cup.teil == unknownGroup);

        TCellGrid pv(2, 4);
        pv.setCell(1, 1, QStringLiteral("5"));
        pv.setCell(1, 2, QStringLiteral("zehn"));
        pv.setCell(1, 3, QStringLiteral("20"));
        const TCellGrid pvBefore = pv;
        QVERIFY_THROWS_EXCEPTION(RzvError, pvsort(pv));
        QVERIFY(pv == pvBefore);
    }

    void singleParticipantIsNotRead() {
        TCupContent cup = newCupContent();
        cup.teil.setRowCount(2);
        cup.teil.setCell(kStartnummer, 1, QStringLiteral("abc"));
        teilsort(cup, -1, kStartnummer);
        QCOMPARE(cup.teil.fixedRows, 1);
        cup.teil.setRowCount(1);
        teilsort(cup, -1, kName);
        QCOMPARE(cup.teil.fixedRows, 0);
        QCOMPARE(cup.teil.fixedCols, 0);
    }

    void pointsDescendingRenumbered() {
        TCellGrid pv(2, 4);
        pv.setCell(1, 1, QStringLiteral("5"));
        pv.setCell(1, 2, QStringLiteral("20"));
        pv.setCell(1, 3, QStringLiteral("10"));
        pvsort(pv);
        QCOMPARE(column(pv, 1).mid(1), (QStringList{"20", "10", "5"}));
        QCOMPARE(column(pv, 0).mid(1), (QStringList{"1", "2", "3"}));
    }

    void removingRowsAndColumns() {
        TCellGrid grid(3, 4);
        for (int row = 0; row < 4; ++row)
            for (int col = 0; col < 3; ++col) grid.setCell(col, row, QStringLiteral("%1/%2").arg(col).arg(row));
        deleterow(grid, 3);
        QCOMPARE(grid.rowCount(), 3);
        QCOMPARE(grid.cell(0, 2), QStringLiteral("0/2"));
        deleterow(grid, 1);
        QCOMPARE(grid.rowCount(), 2);
        QCOMPARE(grid.cell(2, 1), QStringLiteral("2/2"));
        deletecol(grid, 1);
        QCOMPARE(grid.colCount(), 2);
        QCOMPARE(grid.cell(1, 0), QStringLiteral("2/0"));
        QCOMPARE(grid.cell(2, 0), QString());
    }
};

QTEST_GUILESS_MAIN(TestOrdering)
#include "tst_ordering.moc"
