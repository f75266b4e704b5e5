// Race places, points with bonus, speed and the running places of result lists.
#include "cup/errors.h"
#include "scoring/placing.h"
#include "scoring/points.h"
#include "scoring/runningplace.h"
#include "scoring/speed.h"
#include "testcup.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace rzv;
using rzv::test::TestCup;

namespace {

const QString kTag = QStringLiteral("05.01.2026");

QString zeit(int minutes, int seconds, int tenths) {
    return QStringLiteral("0:%1'%2,%3\"")
        .arg(minutes, 2, 10, QChar(u'0'))
        .arg(seconds, 2, 10, QChar(u'0'))
        .arg(tenths);
}

// Every valid result's place, counted literally and placed per group, must agree.
void compareWithLiteralCount(const TCupContent& cup, int k) {
    const Plaetze plaetze(cup, cup.raceCount());
    for (int i = 1; i < cup.teil.rowCount(); ++i) {
        const QString& cell = cup.teil.cell(resultColumn(k), i);
        const int expected = istGueltig(cell) ? laufplatz(cup, k, i) : 0;
        if (plaetze.platz(k, i) != expected)
            QFAIL(qPrintable(QStringLiteral("row %1 (%2): %3 instead of %4")
                                 .arg(i)
                                 .arg(cell)
                                 .arg(plaetze.platz(k, i))
                                 .arg(expected)));
    }
}

} // namespace

class TestPlacing : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void tiesShareAPlaceAndTheNextSkips() {
        TestCup t(false);
        const int k = t.race(kZeitlauf, kTag);
        const int a = t.person("A", "a", "F30", {zeit(38, 12, 4)});
        const int b = t.person("B", "b", "F30", {zeit(38, 12, 4)});
        const int c = t.person("C", "c", "F30", {zeit(38, 12, 5)});
        const int d = t.person("D", "d", "F30", {QStringLiteral("n.a.")});
        const int e = t.person("E", "e", "F30", {QString()});
        QCOMPARE(laufplatz(t.cup, k, a), 1);
        QCOMPARE(laufplatz(t.cup, k, b), 1);
        QCOMPARE(laufplatz(t.cup, k, c), 3);
        const Plaetze plaetze(t.cup, k);
        QCOMPARE(plaetze.platz(k, a), 1);
        QCOMPARE(plaetze.platz(k, b), 1);
        QCOMPARE(plaetze.platz(k, c), 3);
        QCOMPARE(plaetze.platz(k, d), 0); // codes and empty cells take no place
        QCOMPARE(plaetze.platz(k, e), 0);
    }

    void distanceRaceLongerIsBetter() {
        TestCup t(false);
        const int k = t.race(kDistanzlauf, kTag);
        const int shorter = t.person("A", "a", "M40", {QStringLiteral("10000m")});
        const int longer = t.person("B", "b", "M40", {QStringLiteral("10500m")});
        QVERIFY(istBesser(t.cup, k, QStringLiteral("10000m"), QStringLiteral("10500m")));
        QVERIFY(!istBesser(t.cup, k, QStringLiteral("10500m"), QStringLiteral("10000m")));
        QVERIFY(!istBesser(t.cup, k, QStringLiteral("10000m"), QStringLiteral("10000m")));
        QCOMPARE(laufplatz(t.cup, k, longer), 1);
        QCOMPARE(laufplatz(t.cup, k, shorter), 2);
    }

    void groupsAreAgeGroupAndCupVariation() {
        TestCup withCups(true);
        int k = withCups.race(kZeitlauf, kTag);
        withCups.person("A", "a", "F30", {zeit(30, 0, 0)}, "A-Cup");
        const int inB = withCups.person("B", "b", "F30", {zeit(40, 0, 0)}, "B-Cup");
        withCups.person("C", "c", "M30", {zeit(20, 0, 0)}, "B-Cup");
        QCOMPARE(laufplatz(withCups.cup, k, inB), 1);
        QCOMPARE(Plaetze(withCups.cup, k).platz(k, inB), 1);

        // Without cup variations the "ggf. Cup" cell does not matter.
        TestCup without(false);
        k = without.race(kZeitlauf, kTag);
        without.person("A", "a", "F30", {zeit(30, 0, 0)}, "A-Cup");
        const int b = without.person("B", "b", "F30", {zeit(40, 0, 0)}, "B-Cup");
        QCOMPARE(laufplatz(without.cup, k, b), 2);
        QCOMPARE(Plaetze(without.cup, k).platz(k, b), 2);
    }

    void aResultWithoutDigitsLosesToEveryPerformance() {
        TestCup t(false);
        const int k = t.race(kZeitlauf, kTag);
        t.person("A", "a", "F30", {zeit(50, 0, 0)});
        t.person("B", "b", "F30", {QStringLiteral("n.a.")});
        const int odd = t.person("C", "c", "F30", {QStringLiteral("xyz")});
        // The performance and the code, which comes first in text order, count as better.
        QCOMPARE(laufplatz(t.cup, k, odd), 3);
        compareWithLiteralCount(t.cup, k);
    }

    void placingPerGroupAgreesWithTheLiteralCount() {
        QRandomGenerator random(4711);
        const QStringList groups{"F30", "M30", "WJ U16", ""};
        const QStringList cups{"A-Cup", "B-Cup", ""};
        const QStringList odd{"n.a.", "v.", "d.", "o.L.", "", "", "abc", "N.A."};
        for (bool cupVariations : {false, true}) {
            TestCup t(cupVariations);
            for (const QString& type : {kZeitlauf, kDistanzlauf, kZeitlauf})
                t.race(type, kTag);
            for (int n = 0; n < 300; ++n) {
                QStringList results;
                for (int k = 0; k < 3; ++k) {
                    const int pick = random.bounded(12);
                    results.append(pick < 8 ? QString::number(9990 + random.bounded(12)) + u'm'
                                            : odd[random.bounded(odd.size())]);
                }
                t.person(QString::number(n), "x", groups[random.bounded(groups.size())], results,
                         cups[random.bounded(cups.size())]);
            }
            for (int k = 1; k <= 3; ++k)
                compareWithLiteralCount(t.cup, k);
        }
    }

    void placesOfSeveralRaces() {
        TestCup t(false);
        const int k1 = t.race(kZeitlauf, kTag);
        const int k2 = t.race(kDistanzlauf, kTag);
        const int a = t.person("A", "a", "F30", {zeit(30, 0, 0), QStringLiteral("3000m")});
        const int b = t.person("B", "b", "F30", {zeit(31, 0, 0), QStringLiteral("4000m")});
        const Plaetze plaetze(t.cup, 2);
        QCOMPARE(plaetze.platz(k2, a), 2);
        QCOMPARE(plaetze.platz(k1, a), 1);
        QCOMPARE(plaetze.platz(k2, b), 1);
        QCOMPARE(plaetze.platz(k1, b), 2);
    }

    void unreadablePerformancesStopWithTheConversionMessage() {
        TestCup t(false);
        const int k = t.race(kDistanzlauf, kTag);
        t.person("A", "a", "F30", {QStringLiteral("99999999999m")});
        t.person("B", "b", "F30", {QStringLiteral("100m")});
        try {
            Plaetze(t.cup, k);
            QFAIL("no error");
        } catch (const RzvError& error) {
            QCOMPARE(error.message(),
                     QStringLiteral("'99999999999' ist kein gültiger Integerwert"));
        }
    }

    void pointsWithBonus() {
        TestCup t(false);
        const int plain = t.race(kZeitlauf, kTag);
        const int bonus =
            t.race(kZeitlauf, kTag, QString(), QStringLiteral("2"), QStringLiteral("5"));
        QCOMPARE(punkteFuerPlatz(t.cup, 1), 20);
        QCOMPARE(punkteFuerPlatz(t.cup, 20), 1);
        QCOMPARE(punkteFuerPlatz(t.cup, 21), 0);
        QCOMPARE(bonusfaktor(t.cup, plain), 1);
        QCOMPARE(bonussummand(t.cup, plain), 0);
        Punkterechner rechner(t.cup);
        QCOMPARE(rechner.laufwertung(plain, 1), 20LL);
        QCOMPARE(rechner.laufwertung(bonus, 1), 45LL);
        QCOMPARE(rechner.laufwertung(bonus, 21), 5LL);
        QCOMPARE(rechner.laufwertung(bonus, 25), 5LL);

        t.cup.pv.setCell(1, 3, QStringLiteral("18x"));
        QCOMPARE(punkteFuerPlatz(t.cup, 2), 19);
        QVERIFY_THROWS_EXCEPTION(RzvError, punkteFuerPlatz(t.cup, 3));
        t.cup.laufe.setCell(bonus, kBonusfaktor, QStringLiteral("zwei"));
        try {
            Punkterechner(t.cup).laufwertung(bonus, 1);
            QFAIL("no error");
        } catch (const RzvError& error) {
            QCOMPARE(error.message(), QStringLiteral("'zwei' ist kein gültiger Integerwert"));
        }
    }

    void speed_data() {
        QTest::addColumn<QString>("x");
        QTest::addColumn<QString>("y");
        QTest::addColumn<QString>("expected");
        QTest::newRow("10 km in 40 min") << "10000m" << zeit(40, 0, 0) << "4,2 m/s";
        QTest::newRow("time first") << zeit(40, 0, 0) << "10000m"
                                    << "4,2 m/s";
        QTest::newRow("half rounds up") << "5490m" << zeit(30, 0, 0) << "3,1 m/s";
        QTest::newRow("just below half") << "5489m" << zeit(30, 0, 0) << "3,0 m/s";
        QTest::newRow("hours") << "42195m"
                               << "2:59'59,9\""
                               << "3,9 m/s";
        QTest::newRow("tenths count") << "100m"
                                      << "0:00'09,9\""
                                      << "10,1 m/s";
        QTest::newRow("standing still") << "0m" << zeit(40, 0, 0) << "0,0 m/s";
        QTest::newRow("backwards") << "-100m" << "0:00'09,9\"" << "-10,1 m/s";
        QTest::newRow("backwards, rounded to none") << "-1m" << zeit(40, 0, 0) << "0,0 m/s";
        QTest::newRow("largest distance in a tenth") << "2147483647m" << "0:00'00,1\""
                                                     << "21474836470,0 m/s";
        QTest::newRow("no parameter") << "" << zeit(40, 0, 0) << "---";
        QTest::newRow("zero time") << "10000m" << zeit(0, 0, 0) << "---";
        QTest::newRow("not a time") << "10000m"
                                    << "abc\""
                                    << "---";
        QTest::newRow("not a distance") << "zehnm" << zeit(40, 0, 0) << "---";
        QTest::newRow("both empty") << ""
                                    << ""
                                    << "---";
    }
    void speed() {
        QFETCH(QString, x);
        QFETCH(QString, y);
        QFETCH(QString, expected);
        QCOMPARE(BerechneMps(x, y), expected);
    }

    void runningPlaceOfAResultList() {
        LaufenderPlatz platz;
        QCOMPARE(platz.naechster(zeit(30, 0, 0)), 1);
        QCOMPARE(platz.naechster(zeit(30, 0, 0)), 0); // tie
        QCOMPARE(platz.naechster(zeit(31, 0, 0)), 3);
        QCOMPARE(platz.naechster(zeit(32, 0, 0)), 4);
        QCOMPARE(platz.naechster(QStringLiteral("d.")), 0);
        QCOMPARE(platz.naechster(QStringLiteral("n.a.")), 0);
    }

    void standingPlaceCountsParticipantsBelowTheMinimum() {
        Standplatz platz;
        QCOMPARE(platz.naechster(false, QStringLiteral("45")), 1);
        QCOMPARE(platz.letzterPlatz(), 1);
        QCOMPARE(platz.naechster(false, QStringLiteral("45")), 0);
        QCOMPARE(platz.letzterPlatz(), 1);
        QCOMPARE(platz.naechster(false, QStringLiteral("30")), 3);
        // Below the minimum: no place, but the counter moves on and "0" becomes the previous total.
        QCOMPARE(platz.naechster(true, QStringLiteral("0")), 0);
        QCOMPARE(platz.letzterPlatz(), 3);
        QCOMPARE(platz.naechster(false, QStringLiteral("0")), 0);
        QCOMPARE(platz.naechster(false, QStringLiteral("-1")), 6);
    }
};

QTEST_GUILESS_MAIN(TestPlacing)
#include "tst_placing.moc"
