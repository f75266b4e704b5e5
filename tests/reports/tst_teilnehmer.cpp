// The participant statistics: race lines with speed, place and points, the statistic, all
// participants.
#include "reportcheck.h"
#include "reports/sheet.h"
#include "reports/teilnehmer.h"
#include "testcup.h"

#include <QtTest>

using namespace rzv;
using namespace rzv::test;

namespace {

// Anna runs races 1, 3 and 4 (places 1, 2 and 4), skips race 2 and is disqualified in race 5.
TestCup statisticsCup() {
    TestCup t(false);
    t.race(kZeitlauf, "05.01.2026", "10000m", "2", "5"); // the report shows the single points
    t.race(kZeitlauf, "12.01.2026", "10000m");
    t.race(kDistanzlauf, "19.01.2026", "1:00'00,0\"");
    t.race(kZeitlauf, "26.01.2026"); // no distance: no speed
    t.race(kZeitlauf, "02.02.2026", "10000m");
    t.person("Schmidt", "Anna", "F30", {"0:40'00,0\"", "", "15000m", "0:20'00,0\"", "d."},
             QString(), "TV Nord", "12.03.1984");
    t.person("Berg", "Ina", "F30", {"0:41'00,0\"", "0:50'00,0\"", "16000m", "0:19'00,0\"", "n.a."});
    t.person("Corn", "Uta", "F30", {"", "", "", "0:19'00,0\"", ""});
    t.person("Dorn", "Ute", "F30", {"", "", "", "0:19'30,0\"", ""});
    t.person("Ernst", "Max", "M30", {"0:30'00,0\"", "", "", "0:10'00,0\"", ""});
    return t;
}

const QStringList kAnnaResults{
    "Ergebnisse:",
    "  1. Lauf (05.01.2026) über      10000m:  0:40'00,0\" ( 4,2 m/s) =   1 .Platz =  20 Punkte",
    "  2. Lauf (12.01.2026) über      10000m: nicht gemeldet",
    "  3. Lauf (19.01.2026) über  1:00'00,0\":      15000m ( 4,2 m/s) =   2 .Platz =  19 Punkte",
    "  4. Lauf (26.01.2026) über            :  0:20'00,0\" (     ---) =   4 .Platz =  17 Punkte",
    "  5. Lauf (02.02.2026) über      10000m:   disquali.",
    " ",
    "Statistik:",
    "beste Platzierung        : 1",
    "schlechteste Platzierung : 4",
    "Durchschnittsplatzierung : 2",
    "Punktesumme              : 56",
    "Punktedurchschnitt       : 18",
};

} // namespace

class TestTeilnehmer : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void oneParticipant() {
        TestCup t = statisticsCup();
        Ausgabe ausgabe;
        fixClock(ausgabe);
        ausgabe_teilnehmer(ausgabe, t.cup, t.rowOf("Schmidt"));
        RZV_COMPARE_LINES(ausgabe.texte(), (QStringList{
                                                "LG Süd",
                                                "Winterlaufcup 2026",
                                                " ",
                                                "Teilnehmerstatistik für",
                                                "Anna Schmidt",
                                                " ",
                                                "Teilnehmerdaten:",
                                                "Geburtsdatum : 12.03.1984",
                                                "Geschlecht   : weiblich",
                                                "Verein       : TV Nord",
                                                "Altersgruppe : F30",
                                                "Startnummer  : 001",
                                                "ggf. Cup     : ",
                                                " ",
                                            } +
                                            kAnnaResults + foot()));
        QCOMPARE(ausgabe.zeile(3).stil, Stile(Stil::fett));
        QCOMPARE(ausgabe.zeile(4).groesse, 12);
        QCOMPARE(ausgabe.zeile(6).groesse, 10);
        QCOMPARE(ausgabe.zeile(7).groesse, 9);
        QCOMPARE(ausgabe.zeile(14).groesse, 10);
        QCOMPARE(ausgabe.zeile(21).text, QStringLiteral("Statistik:"));
        QCOMPARE(ausgabe.zeile(21).groesse, 10);
        QCOMPARE(ausgabe.zeile(22).groesse, 9);
    }

    void cupVariationGivesTheRaceParameter() {
        TestCup t(true);
        t.race(kZeitlauf, "05.01.2026", "Cup-Variation");
        t.person("Adler", "Ute", "F40", {"0:25'00,0\""}, "B-Cup");
        t.person("Berg", "Ina", "F40", {"0:25'00,0\""}, "Z-Cup");
        Ausgabe ausgabe;
        ausgabe_teilnehmer(ausgabe, t.cup, 1);
        QCOMPARE(ausgabe.zeile(15).text,
                 QStringLiteral("  1. Lauf (05.01.2026) über       5000m:  0:25'00,0\" ( 3,3 m/s) "
                                "=   1 .Platz =  20 Punkte"));
        ausgabe_teilnehmer(ausgabe, t.cup, 2); // a cup variation the cup does not have
        QCOMPARE(ausgabe.zeile(15).text,
                 QStringLiteral("  1. Lauf (05.01.2026) über            :  0:25'00,0\" (     ---) "
                                "=   1 .Platz =  20 Punkte"));
    }

    void allParticipants() {
        TestCup t = statisticsCup();
        Ausgabe ausgabe;
        fixClock(ausgabe);
        ausgabe_teilnehmeralle(ausgabe, t.cup);
        const QStringList lines = ausgabe.texte();
        RZV_COMPARE_LINES(lines.mid(0, 27),
                          (QStringList{
                               "LG Süd",
                               "Winterlaufcup 2026",
                               " ",
                               "Teilnehmerstatistik für",
                               "Anna Schmidt",
                               " ",
                               "Teilnehmerdaten:",
                               "Startnummer  : 001",
                               "ggf. Cup     : ",
                               " ",
                           } +
                           kAnnaResults + QStringList{" ", "Teilnehmerstatistik für", "Ina Berg"} +
                           QStringList{" "}));
        QCOMPARE(lines.mid(lines.size() - 5), foot());

        // Every participant's places agree with the single report's.
        for (int row = 1; row < t.cup.teil.rowCount(); ++row) {
            Ausgabe single;
            ausgabe_teilnehmer(single, t.cup, row);
            const QStringList raceLines = single.texte().mid(15, t.cup.raceCount());
            QVERIFY(lines.join(u'\n').contains(raceLines.join(u'\n')));
        }
    }

    void averagesAreCutOff() {
        // Places 1 and 2 average 1.5, points 20 and 19 average 19.5: both are cut off.
        TestCup t(false);
        t.race(kZeitlauf, "05.01.2026", "10000m");
        t.race(kZeitlauf, "12.01.2026", "10000m");
        t.person("Adler", "Ute", "F40", {"0:40'00,0\"", "0:41'00,0\""});
        t.person("Berg", "Ina", "F40", {"", "0:40'00,0\""});
        Ausgabe ausgabe;
        ausgabe_teilnehmer(ausgabe, t.cup, t.rowOf("Adler"));
        const QStringList lines = ausgabe.texte();
        QVERIFY(lines.contains(QStringLiteral("Durchschnittsplatzierung : 1")));
        QVERIFY(lines.contains(QStringLiteral("Punktedurchschnitt       : 19")));
    }

    void onlyResultCodesGiveNoStatistic() {
        TestCup t(false);
        t.race(kZeitlauf, "05.01.2026", "10000m");
        t.person("Adler", "Ute", "F40", {"o.L."});
        Ausgabe ausgabe;
        fixClock(ausgabe);
        ausgabe_teilnehmer(ausgabe, t.cup, 1);
        RZV_COMPARE_LINES(
            ausgabe.texte().mid(14),
            (QStringList{"Ergebnisse:", "  1. Lauf (05.01.2026) über      10000m: o. Leistung",
                         " "} +
             foot()));
    }
};

QTEST_GUILESS_MAIN(TestTeilnehmer)
#include "tst_teilnehmer.moc"
