// The cup certificate runs: the standing after a race, its places, the order of the pages.
#include "certificates/printruns.h"
#include "runtestcup.h"

#include "cup/errors.h"
#include "reports/sheet.h"

#include <QtTest>

using namespace rzv;
using namespace rzv::test;

namespace {

QString t(int minutes) {
    return QStringLiteral("0:%1'00,0\"").arg(minutes);
}

// Two time races; F30: Adler and Cornelius tie on 39 points, Berger 36, Dorn 17, Ernst only
// "n.a." (0 points); M30: Mohr 40.
TCupContent twoRaceCup(const QStringList& variations = {}) {
    TCupContent cup = runCup(
        {
            {"Ernst", "Eva", "F30", "n.a."},
            {"Berger", "Bea", "F30", t(40)},
            {"Mohr", "Max", "M30", t(41)},
            {"Cornelius", "Cleo", "F30", t(39)},
            {"Dorn", "Dana", "F30", t(45)},
            {"Adler", "Ada", "F30", t(38)},
        },
        variations, 2);
    const QStringList second = {"n.a.", t(41), t(41), t(38), QString(), t(39)};
    for (int row = 1; row <= second.size(); ++row)
        cup.teil.setCell(resultColumn(2), row, second[row - 1]);
    cup.min = 1;
    cup.max = 2;
    return cup;
}

struct Run {
    explicit Run(TCupContent c, int style = 0)
        : cup(std::move(c)),
          pages(canvas, cup, {style, {}, {}}, certificatePictures(), QDate(2026, 1, 2)) {}
    RecordingCanvas canvas;
    TCupContent cup;
    CertificatePages pages;
    Ausgabe sheet;

    QStringList names() const {
        QStringList names;
        for (int row = 1; row < cup.teil.rowCount(); ++row)
            names << cup.teil.cell(kName, row);
        return names;
    }
};

} // namespace

class TestCupRuns : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void winnersArePlacesOneToThreeWithPoints() {
        Run run(twoRaceCup());
        gesamtsiegerurkunde(run.cup, 2, run.pages, run.sheet);
        QCOMPARE(pageSummaries(run.canvas),
                 QStringList({"den 1. Platz | Ada Adler | F30 | 39 Punkten",
                              "den 1. Platz | Cleo Cornelius | F30 | 39 Punkten",
                              "den 3. Platz | Bea Berger | F30 | 36 Punkten",
                              "den 1. Platz | Max Mohr | M30 | 40 Punkten"}));
        QCOMPARE(run.canvas.texts(0)[3], QStringLiteral("in der"));
        QCOMPARE(run.canvas.texts(0)[4], QStringLiteral("Gesamtwertung"));
        QCOMPARE(run.canvas.jobTitles, QStringList({"RZV Ausdruck"}));
        QCOMPARE(run.canvas.endedJobs, 1);
        // Ordered by age group, then place; the working columns are gone; the report stays.
        QCOMPARE(run.names(),
                 QStringList({"Adler", "Cornelius", "Berger", "Dorn", "Ernst", "Mohr"}));
        QCOMPARE(run.cup.teil.colCount(), kTeilFixedCols + 2);
        QVERIFY(run.sheet.texte().contains(QStringLiteral("Gesamtergebnis")));
    }

    void theStandingIsTakenAfterTheGivenRace() {
        Run run(twoRaceCup());
        gesamtsiegerurkunde(run.cup, 1, run.pages, run.sheet);
        QCOMPARE(pageSummaries(run.canvas),
                 QStringList({"den 1. Platz | Ada Adler | F30 | 20 Punkten",
                              "den 2. Platz | Cleo Cornelius | F30 | 19 Punkten",
                              "den 3. Platz | Bea Berger | F30 | 18 Punkten",
                              "den 1. Platz | Max Mohr | M30 | 20 Punkten"}));
    }

    void withVariationsOnlyPlacedParticipantsGetPages() {
        TCupContent cup = twoRaceCup({"A-Cup", "B-Cup"});
        for (int row = 1; row < cup.teil.rowCount(); ++row)
            cup.teil.setCell(kCup, row, cup.teil.cell(kName, row) == u"Adler" ? "" : "B-Cup");
        Run run(cup);
        gesamtsiegerurkunde(run.cup, 2, run.pages, run.sheet);
        // Ada Adler belongs to no cup variation: the report lists her nowhere, so she has no
        // place, although her races earned points.
        QCOMPARE(pageSummaries(run.canvas),
                 QStringList({"den 1. Platz | Cleo Cornelius | F30 - B-Cup | 40 Punkten",
                              "den 2. Platz | Bea Berger | F30 - B-Cup | 38 Punkten",
                              "den 3. Platz | Dana Dorn | F30 - B-Cup | 18 Punkten",
                              "den 1. Platz | Max Mohr | M30 - B-Cup | 40 Punkten"}));
    }

    void participantCertificateWhateverThePlace() {
        Run run(twoRaceCup());
        gesamtteilnehmerurkunde(run.cup, 2, QStringLiteral("005"), run.pages, run.sheet); // Dorn
        QCOMPARE(pageSummaries(run.canvas),
                 QStringList({"den 4. Platz | Dana Dorn | F30 | 17 Punkten"}));
        // Left ordered by the standing's totals.
        QCOMPARE(run.names(),
                 QStringList({"Mohr", "Adler", "Cornelius", "Berger", "Dorn", "Ernst"}));
        QCOMPARE(run.cup.teil.colCount(), kTeilFixedCols + 2);

        Run none(twoRaceCup());
        gesamtteilnehmerurkunde(none.cup, 2, QStringLiteral("5"), none.pages, none.sheet);
        QCOMPARE(none.canvas.jobTitles.size(), 1);
        QVERIFY(pageSummaries(none.canvas).isEmpty());
    }

    // No false "den 1. Platz": a participant without a place gets no certificate, not even an
    // empty job, and the standing's working columns are gone again.
    void participantWithoutPlaceIsRefused_data() {
        QTest::addColumn<QStringList>("variations");
        QTest::addColumn<int>("min");
        QTest::addColumn<QString>("startNumber");
        QTest::addColumn<QString>("message");
        QTest::newRow("below the minimum")
            << QStringList() << 2 << "005"
            << "Dana Dorn (Startnummer 005) hat keinen Platz in der Gesamtwertung (Teilnahmen: 1, "
               "Mindestteilnahmen für Endwertung: 2). Es wurde keine Urkunde gedruckt.";
        QTest::newRow("in no group")
            << QStringList{"A-Cup"} << 1 << "006"
            << "Ada Adler (Startnummer 006) hat keinen Platz in der Gesamtwertung. Es wurde keine "
               "Urkunde gedruckt.";
    }
    void participantWithoutPlaceIsRefused() {
        QFETCH(QStringList, variations);
        QFETCH(int, min);
        QFETCH(QString, startNumber);
        QFETCH(QString, message);
        TCupContent cup = twoRaceCup(variations);
        cup.min = min;
        for (int row = 1; row < cup.teil.rowCount() && !variations.isEmpty(); ++row)
            if (cup.teil.cell(kName, row) != u"Adler") cup.teil.setCell(kCup, row, variations[0]);
        Run run(cup);
        try {
            gesamtteilnehmerurkunde(run.cup, 2, startNumber, run.pages, run.sheet);
            QFAIL("printed");
        } catch (const RzvError& error) {
            QCOMPARE(error.message(), message);
        }
        QVERIFY(run.canvas.jobTitles.isEmpty());
        QCOMPARE(run.cup.teil.colCount(), kTeilFixedCols + 2);
    }

    void style2GivesEmptyPages() {
        Run run(twoRaceCup(), 2);
        gesamtsiegerurkunde(run.cup, 2, run.pages, run.sheet);
        QCOMPARE(run.canvas.pages.size(), 4);
        for (const auto& page : run.canvas.pages)
            QVERIFY(page.isEmpty());
    }

    void theCaptionColumnPrintsNothing() {
        Run run(twoRaceCup());
        const TCellGrid before = run.cup.teil;
        gesamtsiegerurkunde(run.cup, 0, run.pages, run.sheet);
        gesamtteilnehmerurkunde(run.cup, 0, QStringLiteral("001"), run.pages, run.sheet);
        QVERIFY(run.canvas.jobTitles.isEmpty());
        QVERIFY(run.sheet.isEmpty());
        QVERIFY(run.cup.teil == before);
    }

    void aStoppedStandingLeavesNoWorkingColumns() {
        TCupContent cup = twoRaceCup();
        cup.pv.setCell(1, 1, QStringLiteral("zwanzig"));
        Run run(cup);
        QVERIFY_THROWS_EXCEPTION(RzvError, gesamtsiegerurkunde(run.cup, 2, run.pages, run.sheet));
        QCOMPARE(run.cup.teil.colCount(), kTeilFixedCols + 2);
        QVERIFY(run.canvas.jobTitles.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCupRuns)
#include "tst_cupruns.moc"
