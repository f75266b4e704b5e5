#include "cup/cellgrid.h"
#include "cup/cupdata.h"
#include "cup/ordering.h"
#include "editortesting.h"

#include <QTest>

using namespace rzv;

// The editors find the entry they were opened for by the identity of its row or column.
class TestGridIdentity : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void identitiesTravelWithRowsAndColumns() {
        TCellGrid grid(3, 4);
        const auto r1 = grid.rowId(1), r2 = grid.rowId(2), r3 = grid.rowId(3);
        const auto c0 = grid.colId(0), c2 = grid.colId(2);
        QVERIFY(r1 && r2 && r3 && r1 != r2 && r2 != r3);
        grid.swapRows(1, 3);
        QCOMPARE(grid.findRow(r1), 3);
        QCOMPARE(grid.findRow(r3), 1);
        grid.permuteRows(1, {2, 3, 1}); // rows 1..3 become old rows 2, 3, 1
        QCOMPARE(grid.findRow(r2), 1);
        QCOMPARE(grid.findRow(r1), 2);
        grid.removeRow(1);
        QCOMPARE(grid.findRow(r2), -1);
        QCOMPARE(grid.findRow(r1), 1);
        grid.permuteCols({2, 1, 0});
        QCOMPARE(grid.findCol(c2), 0);
        grid.removeCol(0);
        QCOMPARE(grid.findCol(c2), -1);
        QCOMPARE(grid.findCol(c0), 1);
    }

    void newRowsAndColumnsAreNeverKnownBefore() {
        TCellGrid grid(2, 3);
        const auto last = grid.rowId(2);
        grid.setRowCount(2);
        grid.setRowCount(3);
        QVERIFY(grid.rowId(2) != last);
        QCOMPARE(grid.findRow(last), -1);
        QCOMPARE(grid.findRow(0), -1);
        TCellGrid other(2, 3);
        QVERIFY(other.rowId(1) != grid.rowId(1));
        // A copy is the same table: the same entries.
        const TCellGrid copy = grid;
        QCOMPARE(copy.rowId(1), grid.rowId(1));
    }

    void resultColumnsKeepTheirRaceThroughOrdering() {
        TCupContent cup = newCupContent();
        test::addRace(cup, QStringLiteral("10.06.2008"));
        const auto june = cup.teil.colId(resultColumn(1));
        test::addRace(cup, QStringLiteral("10.05.2008"));
        QCOMPARE(cup.teil.findCol(june), resultColumn(2));
        deletecol(cup.teil, resultColumn(1));
        QCOMPARE(cup.teil.findCol(june), resultColumn(1));
        cup = newCupContent(); // a new cup knows none of the old entries
        QCOMPARE(cup.teil.findCol(june), -1);
    }
};

QTEST_MAIN(TestGridIdentity)
#include "tst_grididentity.moc"
