// The race certificate runs: groups, consecutive places, the question per cup variation.
#include "certificates/printruns.h"
#include "runtestcup.h"

#include "cup/ordering.h"

#include <QtTest>

using namespace rzv;
using namespace rzv::test;

namespace {

const QString kNa = QStringLiteral("n.a.");

QString t(int minutes, int tenths = 0) {
    return QStringLiteral("0:%1'00,%2\"").arg(minutes).arg(tenths);
}

struct Run {
    explicit Run(TCupContent c, int style = 0)
        : cup(std::move(c)),
          pages(canvas, cup, {style, {}, {}}, certificatePictures(), QDate(2026, 1, 2)) {}
    RecordingCanvas canvas;
    TCupContent cup;
    CertificatePages pages;
};

} // namespace

class TestRaceRuns : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void winnersAreThreePerGroupWithConsecutivePlacesForTies() {
        Run run(runCup({
            {"Ernst", "Eva", "F30", t(45)},
            {"Berger", "Bea", "F30", t(39)},
            {"Zander", "Zoe", "F30", t(38)},
            {"Adler", "Ada", "F30", t(39)},
            {"Cornelius", "Cleo", "F30", t(40)},
            {"Mohr", "Max", "M30", t(41)},
            {"Nagel", "Nina", "F40", kNa},
        }));
        siegerurkunde(run.cup, 1, run.pages, {});
        QCOMPARE(pageSummaries(run.canvas),
                 QStringList({"den 1. Platz | Zoe Zander | F30 | 0:38'00,0\"",
                              "den 2. Platz | Ada Adler | F30 | 0:39'00,0\"",
                              "den 3. Platz | Bea Berger | F30 | 0:39'00,0\"",
                              "den 1. Platz | Max Mohr | M30 | 0:41'00,0\""}));
        QCOMPARE(run.canvas.pages.size(), 4);
        QCOMPARE(run.canvas.jobTitles, QStringList({"RZV Ausdruck"}));
        QCOMPARE(run.canvas.endedJobs, 1);
        // The table stays ordered by the result, best first, equal results by name.
        QStringList order;
        for (int row = 1; row < run.cup.teil.rowCount(); ++row)
            order << run.cup.teil.cell(kName, row);
        QCOMPARE(order,
                 QStringList({"Zander", "Adler", "Berger", "Cornelius", "Mohr", "Ernst", "Nagel"}));
    }

    void participantCertificateHasAnyPlace() {
        Run run(runCup({
            {"Ernst", "Eva", "F30", t(45)},
            {"Berger", "Bea", "F30", t(39)},
            {"Zander", "Zoe", "F30", t(38)},
            {"Adler", "Ada", "F30", t(39)},
            {"Cornelius", "Cleo", "F30", t(40)},
        }));
        teilnehmerurkunde(run.cup, 1, QStringLiteral("001"), run.pages); // Eva Ernst
        QCOMPARE(pageSummaries(run.canvas),
                 QStringList({"den 5. Platz | Eva Ernst | F30 | 0:45'00,0\""}));
    }

    void codesAndEmptyResultsGetNoPlace() {
        Run run(runCup({
            {"Adler", "Ada", "F30", kNa},
            {"Berger", "Bea", "F30", t(50)},
            {"Cornelius", "Cleo", "F30", kNa},
            {"Dorn", "Dana", "F30", QString()},
        }));
        siegerurkunde(run.cup, 1, run.pages, {});
        QCOMPARE(pageSummaries(run.canvas),
                 QStringList({"den 1. Platz | Bea Berger | F30 | 0:50'00,0\""}));

        // A participant without a result in the race: the job holds no certificate.
        Run nobody(runCup({{"Adler", "Ada", "F30", kNa}, {"Dorn", "Dana", "F30", QString()}}));
        teilnehmerurkunde(nobody.cup, 1, QStringLiteral("001"), nobody.pages);
        teilnehmerurkunde(nobody.cup, 1, QStringLiteral("002"), nobody.pages);
        QCOMPARE(nobody.canvas.jobTitles.size(), 2);
        QCOMPARE(nobody.canvas.endedJobs, 2);
        QVERIFY(pageSummaries(nobody.canvas).isEmpty());
    }

    void answeringNoSkipsACupVariation() {
        const QList<Runner> runners = {
            {"Adler", "Ada", "F30", t(40), "A-Cup"},
            {"Berger", "Bea", "F30", t(41), "B-Cup"},
            {"Cornelius", "Cleo", "F30", t(39), "B-Cup"},
            {"Dorn", "Dana", "F30", t(30), ""},
        };
        Run run(runCup(runners, {"A-Cup", "B-Cup"}));
        QStringList asked;
        siegerurkunde(run.cup, 1, run.pages, [&](const QString& variation) {
            asked << variation;
            return variation != u"A-Cup";
        });
        QCOMPARE(asked, QStringList({"A-Cup", "B-Cup"}));
        // Places count within the variation only; Dana Dorn belongs to none.
        QCOMPARE(pageSummaries(run.canvas),
                 QStringList({"den 1. Platz | Cleo Cornelius | F30 - B-Cup | 0:39'00,0\"",
                              "den 2. Platz | Bea Berger | F30 - B-Cup | 0:41'00,0\""}));

        Run none(runCup(runners, {"A-Cup", "B-Cup"}));
        siegerurkunde(none.cup, 1, none.pages, [](const QString&) { return false; });
        QCOMPARE(none.canvas.jobTitles.size(), 1);
        QCOMPARE(none.canvas.endedJobs, 1);
        QVERIFY(pageSummaries(none.canvas).isEmpty());
        QCOMPARE(printVariationQuestion(QStringLiteral("A-Cup")), QStringLiteral("A-Cup drucken?"));
    }

    void distanceComesFromTheVariation() {
        Run with(runCup({{"Adler", "Ada", "F30", t(40), "B-Cup"}}, {"A-Cup", "B-Cup"}), 2);
        siegerurkunde(with.cup, 1, with.pages, {});
        QCOMPARE(with.canvas.texts(0)[4], QStringLiteral("F30")); // the age group alone
        QCOMPARE(with.canvas.texts(0)[6], QStringLiteral("10000m"));

        Run without(runCup({{"Adler", "Ada", "F30", t(40), "B-Cup"}}), 2);
        siegerurkunde(without.cup, 1, without.pages, {});
        QCOMPARE(without.canvas.texts(0)[6], QString());
        Run frame(runCup({{"Adler", "Ada", "F30", t(40), "B-Cup"}}), 0);
        siegerurkunde(frame.cup, 1, frame.pages, {});
        QCOMPARE(frame.canvas.texts(0)[6], QStringLiteral("F30"));
    }

    void theCaptionColumnPrintsNothing() {
        Run run(runCup({{"Zander", "Zoe", "F30", t(38)}, {"Adler", "Ada", "F30", t(39)}}));
        const TCellGrid before = run.cup.teil;
        siegerurkunde(run.cup, 0, run.pages, {});
        teilnehmerurkunde(run.cup, 0, QStringLiteral("001"), run.pages);
        siegerurkunde(run.cup, 2, run.pages, {}); // no such race
        QVERIFY(run.canvas.jobTitles.isEmpty());
        QVERIFY(run.canvas.pages.isEmpty());
        QVERIFY(run.cup.teil == before);
    }
};

QTEST_GUILESS_MAIN(TestRaceRuns)
#include "tst_raceruns.moc"
