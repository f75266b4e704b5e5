// Counting entries, participations and clubs of one race for the federation's event report.
#include "reports/dlvcounts.h"

#include "dlvtestcup.h"

#include <QTest>

using namespace rzv;

namespace {

TCupContent cupMit(std::initializer_list<test::Meldung> meldungen) {
    return test::cupMitMeldungen(meldungen);
}

} // namespace

class TestDlvCounts : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void prozent_data() {
        QTest::addColumn<int>("part");
        QTest::addColumn<int>("whole");
        QTest::addColumn<int>("expected");
        QTest::newRow("1 of 8 is 12.5, to the even 12") << 1 << 8 << 12;
        QTest::newRow("3 of 8 is 37.5, to the even 38") << 3 << 8 << 38;
        QTest::newRow("5 of 8 is 62.5, to the even 62") << 5 << 8 << 62;
        QTest::newRow("1 of 40 is 2.5, to the even 2") << 1 << 40 << 2;
        QTest::newRow("3 of 40 is 7.5, to the even 8") << 3 << 40 << 8;
        QTest::newRow("2 of 3 rounds up") << 2 << 3 << 67;
        QTest::newRow("1 of 3 rounds down") << 1 << 3 << 33;
        QTest::newRow("1 of 200 is 0.5, to the even 0") << 1 << 200 << 0;
        QTest::newRow("3 of 200 is 1.5, to the even 2") << 3 << 200 << 2;
        QTest::newRow("all") << 7 << 7 << 100;
        QTest::newRow("none of nothing") << 0 << 0 << 0;
        QTest::newRow("large counts stay exact") << 99999 << 100000 << 100;
    }
    void prozent() {
        QFETCH(int, part);
        QFETCH(int, whole);
        QFETCH(int, expected);
        QCOMPARE(dlvProzent(part, whole), expected);
    }

    void entriesAndParticipationsBySexAndGroup() {
        const TCupContent cup = cupMit({{"WK U8", "LG Süd", "0:10'00,0\""},
                                        {"WK U8", "LG Süd", "n.a."},
                                        {"WK U8", "TSV", "v."},
                                        {"MK U8", "TSV", "d."},
                                        {"M30", "SC", "o.L."},
                                        {"M30", "SC", ""},
                                        {"F", "SC", "10000m"}});
        const DlvZaehlung z = dlvZaehlen(cup, 1);
        const auto& u8 = z.gruppen[1];
        QCOMPARE(u8.mw, 3);
        QCOMPARE(u8.pw, 2);
        QCOMPARE(dlvProzent(u8.pw, u8.mw), 67);
        QCOMPARE(u8.mm, 1);
        QCOMPARE(u8.pm, 1);
        QCOMPARE(z.gruppen[10].mm, 1); // M30: "o.L." is a participation, an empty cell no entry
        QCOMPARE(z.gruppen[10].pm, 1);
        QCOMPARE(z.gruppen[9].mw, 1);
        QCOMPARE(z.summeMw, 4);
        QCOMPARE(z.summePw, 3);
        QCOMPARE(z.summeMm, 2);
        QCOMPARE(z.summePm, 2);
    }

    void clubsCountedOnceEach() {
        const TCupContent cup = cupMit({{"WK U8", "LG Süd", "0:10'00,0\""},
                                        {"MK U8", "LG Süd", "0:11'00,0\""},
                                        {"F", "Nur n.a.", "n.a."},
                                        {"M", "", "0:40'00,0\""},
                                        {"M", "lg süd", "0:41'00,0\""},
                                        {"M", "Nicht gestartet", ""}});
        const DlvZaehlung z = dlvZaehlen(cup, 1);
        QCOMPARE(z.meldeVereine, 4);     // LG Süd, Nur n.a., the empty name, lg süd
        QCOMPARE(z.teilnahmeVereine, 3); // not the club whose only entry is "n.a."
    }

    void unknownAgeGroupCountsNowhere() {
        const TCupContent cup =
            cupMit({{"Senioren", "Fremd", "0:10'00,0\""}, {"", "Leer", "n.a."}});
        const DlvZaehlung z = dlvZaehlen(cup, 1);
        QCOMPARE(z.summeMw + z.summeMm + z.summePw + z.summePm, 0);
        QCOMPARE(z.meldeVereine, 0);
        QCOMPARE(z.teilnahmeVereine, 0);
    }

    void designationInTwoRowsCountsInBoth() {
        TCupContent cup = cupMit({{"F", "SC", "10000m"}});
        cup.ag.setCell(0, 10, QStringLiteral("F")); // row 10 normally holds "F30"
        const DlvZaehlung z = dlvZaehlen(cup, 1);
        QCOMPARE(z.gruppen[9].mw, 1);
        QCOMPARE(z.gruppen[10].mw, 1);
        QCOMPARE(z.summeMw, 2);
    }

    void otherRacesAreIgnored() {
        TCupContent cup = cupMit({{"F", "SC", ""}});
        cup.laufe.setColCount(3);
        cup.teil.setColCount(kTeilFixedCols + 2);
        cup.teil.setCell(resultColumn(2), 1, QStringLiteral("10000m"));
        QCOMPARE(dlvZaehlen(cup, 1).summeMw, 0);
        QCOMPARE(dlvZaehlen(cup, 2).summeMw, 1);
    }
};

QTEST_GUILESS_MAIN(TestDlvCounts)
#include "tst_dlvcounts.moc"
