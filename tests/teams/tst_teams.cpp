// Team rankings: the race ranking and the standing as report lines of a small cup computed by
// hand, and the settings kept beside the cup file.
#include "../reports/reportcheck.h"
#include "teamtestcup.h"

#include "cup/cupfile.h"
#include "cup/errors.h"
#include "cup/fileio.h"
#include "reports/sheet.h"
#include "teams/teamrace.h"
#include "teams/teamracereport.h"
#include "teams/teamsettings.h"
#include "teams/teamstandingreport.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace rzv;
using namespace rzv::test;

Q_DECLARE_METATYPE(rzv::Mannschaftseinstellungen)

namespace {

const QString kRaceHeading = QStringLiteral(
    "Pos. Verein / Name, Vorname                                                  Summe");
const QString kPointsHeading = QStringLiteral(
    "Pos. Verein                                                       Läufe     Punkte");
const QString kPlacesHeading = QStringLiteral(
    "Pos. Verein                                                       Läufe     Plätze");

Mannschaftseinstellungen settings(int size, bool mixed = false, bool places = false) {
    Mannschaftseinstellungen e;
    e.groesse = size;
    e.gemischt = mixed;
    e.platzziffern = places;
    return e;
}

QStringList head() {
    return {"LG Süd", "Winterlaufcup 2026", " "};
}

} // namespace

// The tables hold report lines as they stand.
// clang-format off
class TestTeams : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void raceRanking_data() {
        QTest::addColumn<bool>("cupVariations");
        QTest::addColumn<int>("race");
        QTest::addColumn<Mannschaftseinstellungen>("settings");
        QTest::addColumn<QStringList>("lines"); // between the head and the foot

        // Equal sums share place 1, the next is 3; "Vereinslos" is no team; the two 41-minute
        // runners of SC Ost in name order, not table order.
        QTest::newRow("ties") << false << 1 << settings(2) << QStringList{
            "Mannschaftswertung vom 05.01.2026",
            "Lauf 1 - Zeitlauf (fixe Distanz)",
            "Wertung: die 2 besten Ergebnisse je Verein",
            " ",
            kRaceHeading,
            " ",
            "Mannschaften Frauen",
            "  1. SC Ost                                                             1:22'00,0\"",
            "         Dietz, Dora ('84)                                              0:41'00,0\"",
            "         Eck, Eva ('84)                                                 0:41'00,0\"",
            "  1. TV Nord                                                            1:22'00,0\"",
            "         Amsel, Anna ('84)                                              0:40'00,0\"",
            "         Berger, Bea ('84)                                              0:42'00,0\"",
            "  3. LG West                                                            1:29'00,0\"",
            "         Fink, Frida ('84)                                              0:39'00,0\"",
            "         Hahn, Hanna ('84)                                              0:50'00,0\"",
            " ",
            "Mannschaften Männer",
            "  1. TV Nord                                                            1:12'00,0\"",
            "         Igel, Ingo ('84)                                               0:35'00,0\"",
            "         Jung, Jan ('84)                                                0:37'00,0\"",
            "  2. SC Ost                                                             1:12'30,0\"",
            "         Kunz, Kai ('84)                                                0:36'00,0\"",
            "         Lang, Lutz ('84)                                               0:36'30,0\"",
        };
        // Longest distances first; "d." is no result, so SC Ost's men are short of two.
        QTest::newRow("distance race, short of N") << false << 2 << settings(2) << QStringList{
            "Mannschaftswertung vom 12.01.2026",
            "Lauf 2 - Distanzlauf (fixe Zeit)",
            "Wertung: die 2 besten Ergebnisse je Verein",
            " ",
            kRaceHeading,
            " ",
            "Mannschaften Frauen",
            "  1. SC Ost                                                                 19700m",
            "         Dietz, Dora ('84)                                                  10500m",
            "         Eck, Eva ('84)                                                      9200m",
            "  2. TV Nord                                                                19500m",
            "         Amsel, Anna ('84)                                                  10000m",
            "         Berger, Bea ('84)                                                   9500m",
            " ",
            "Mannschaften Männer",
            "  1. TV Nord                                                                23000m",
            "         Igel, Ingo ('84)                                                   12000m",
            "         Jung, Jan ('84)                                                    11000m",
            "     SC Ost                                               nicht gewertet (1 von 2)",
            "         Kunz, Kai ('84)                                                    11500m",
        };
        QTest::newRow("gemischt, three") << false << 1 << settings(3, true) << QStringList{
            "Mannschaftswertung vom 05.01.2026",
            "Lauf 1 - Zeitlauf (fixe Distanz)",
            "Wertung: die 3 besten Ergebnisse je Verein, Frauen und Männer gemeinsam",
            " ",
            kRaceHeading,
            " ",
            "Mannschaften gemischt",
            "  1. TV Nord                                                            1:52'00,0\"",
            "         Igel, Ingo ('84)                                               0:35'00,0\"",
            "         Jung, Jan ('84)                                                0:37'00,0\"",
            "         Amsel, Anna ('84)                                              0:40'00,0\"",
            "  2. SC Ost                                                             1:53'30,0\"",
            "         Kunz, Kai ('84)                                                0:36'00,0\"",
            "         Lang, Lutz ('84)                                               0:36'30,0\"",
            "         Dietz, Dora ('84)                                              0:41'00,0\"",
            "     LG West                                              nicht gewertet (2 von 3)",
            "         Fink, Frida ('84)                                              0:39'00,0\"",
            "         Hahn, Hanna ('84)                                              0:50'00,0\"",
        };
        // Each cup variation apart; the runner in no cup variation counts nowhere; the A-Cup has
        // no men and the C-Cup nobody.
        QTest::newRow("cup variations") << true << 1 << settings(2) << QStringList{
            "Mannschaftswertung vom 05.01.2026",
            "Lauf 1 - Zeitlauf (fixe Distanz)",
            "Wertung: die 2 besten Ergebnisse je Verein",
            " ",
            QString(82, u'='),
            " ",
            "Ergebnisse im A-Cup (10000m)",
            " ",
            kRaceHeading,
            " ",
            "Mannschaften Frauen",
            "  1. TV Nord                                                            1:22'00,0\"",
            "         Amsel, Anna ('84)                                              0:40'00,0\"",
            "         Berger, Bea ('84)                                              0:42'00,0\"",
            " ",
            QString(82, u'='),
            " ",
            "Ergebnisse im B-Cup (5000m)",
            " ",
            kRaceHeading,
            " ",
            "Mannschaften Frauen",
            "  1. TV Nord                                                            0:41'00,0\"",
            "         Czerny, Cora ('84)                                             0:20'00,0\"",
            "         Dietz, Dora ('84)                                              0:21'00,0\"",
            " ",
            "Mannschaften Männer",
            "     SC Ost                                               nicht gewertet (1 von 2)",
            "         Igel, Ingo ('84)                                               0:18'00,0\"",
        };
    }

    void raceRanking() {
        QFETCH(bool, cupVariations);
        QFETCH(int, race);
        QFETCH(Mannschaftseinstellungen, settings);
        QFETCH(QStringList, lines);
        TestCup t = cupVariations ? cupVariationCup() : clubCup();
        Ausgabe ausgabe;
        fixClock(ausgabe);
        ausgabe_mannschaftswertung(ausgabe, t.cup, race, settings);
        RZV_COMPARE_LINES(ausgabe.texte(), head() + lines + foot());
    }

    void standing_data() {
        QTest::addColumn<bool>("places");
        QTest::addColumn<QStringList>("lines"); // after the title

        // Points from the points table, race 2 counting double plus 5. TV Nord's women scored
        // 20 in races 1 and 3: the earlier one counts. LG West, ranked once, is below the
        // minimum: no place, "---".
        QTest::newRow("best two of three, minimum") << false << QStringList{
            "Gesamt: Summe der Punkte, gewertete Läufe: höchstens 2, mindestens 2",
            " ",
            kPointsHeading,
            " ",
            "Mannschaften Frauen",
            "  1. SC Ost                                                           2         65",
            "         Lauf 1 vom 05.01.2026: 1. Platz                                        20",
            "         Lauf 2 vom 12.01.2026: 1. Platz                                        45",
            "  2. TV Nord                                                          3         63",
            "         Lauf 1 vom 05.01.2026: 1. Platz                                        20",
            "         Lauf 2 vom 12.01.2026: 2. Platz                                        43",
            "         Lauf 3 vom 19.01.2026: 1. Platz                                      (20)",
            "     LG West                                                          1        ---",
            "         Lauf 1 vom 05.01.2026: 3. Platz                                        18",
            " ",
            "Mannschaften Männer",
            "  1. TV Nord                                                          2         65",
            "         Lauf 1 vom 05.01.2026: 1. Platz                                        20",
            "         Lauf 2 vom 12.01.2026: 1. Platz                                        45",
            "  2. SC Ost                                                           2         39",
            "         Lauf 1 vom 05.01.2026: 2. Platz                                        19",
            "         Lauf 3 vom 19.01.2026: 1. Platz                                        20",
        };
        // The lowest places count, without bonus; equal sums share place 1.
        QTest::newRow("Platzziffern") << true << QStringList{
            "Gesamt: Summe der Platzziffern, gewertete Läufe: höchstens 2, mindestens 2",
            " ",
            kPlacesHeading,
            " ",
            "Mannschaften Frauen",
            "  1. SC Ost                                                           2          2",
            "         Lauf 1 vom 05.01.2026: 1. Platz                                         1",
            "         Lauf 2 vom 12.01.2026: 1. Platz                                         1",
            "  1. TV Nord                                                          3          2",
            "         Lauf 1 vom 05.01.2026: 1. Platz                                         1",
            "         Lauf 2 vom 12.01.2026: 2. Platz                                       (2)",
            "         Lauf 3 vom 19.01.2026: 1. Platz                                         1",
            "     LG West                                                          1        ---",
            "         Lauf 1 vom 05.01.2026: 3. Platz                                         3",
            " ",
            "Mannschaften Männer",
            "  1. TV Nord                                                          2          2",
            "         Lauf 1 vom 05.01.2026: 1. Platz                                         1",
            "         Lauf 2 vom 12.01.2026: 1. Platz                                         1",
            "  2. SC Ost                                                           2          3",
            "         Lauf 1 vom 05.01.2026: 2. Platz                                         2",
            "         Lauf 3 vom 19.01.2026: 1. Platz                                         1",
        };
    }

    void standing() {
        QFETCH(bool, places);
        QFETCH(QStringList, lines);
        TestCup t = clubCup();
        t.cup.min = 2;
        t.cup.max = 2;
        Ausgabe ausgabe;
        fixClock(ausgabe);
        ausgabe_mannschaftsstand(ausgabe, t.cup, 3, settings(2, false, places));
        const QStringList title{"Mannschaftsstand nach Lauf 3",
                                "Wertung: die 2 besten Ergebnisse je Verein"};
        RZV_COMPARE_LINES(ausgabe.texte(), head() + title + lines + foot());
    }

    void sums_data() {
        QTest::addColumn<bool>("timeRace");
        QTest::addColumn<qlonglong>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << true << 0LL << "0:00'00,0\"";
        QTest::newRow("last tenth of a minute") << true << 599LL << "0:00'59,9\"";
        QTest::newRow("a minute") << true << 600LL << "0:01'00,0\"";
        QTest::newRow("last tenth of an hour") << true << 35999LL << "0:59'59,9\"";
        QTest::newRow("an hour") << true << 36000LL << "1:00'00,0\"";
        QTest::newRow("many hours") << true << 3600000LL << "100:00'00,0\"";
        QTest::newRow("no metres") << false << 0LL << "0m";
        QTest::newRow("metres") << false << 31500LL << "31500m";
    }
    void sums() {
        QFETCH(bool, timeRace);
        QFETCH(qlonglong, value);
        QFETCH(QString, text);
        QCOMPARE(mannschaftswert(timeRace, value), text);
    }

    void noClub_data() {
        QTest::addColumn<QString>("club");
        QTest::addColumn<bool>("none");
        QTest::newRow("empty") << "" << true;
        QTest::newRow("blanks") << "  " << true;
        QTest::newRow("vereinslos") << "vereinslos" << true;
        QTest::newRow("any case, blanks") << " VereinsLOS " << true;
        QTest::newRow("ohne Verein") << "OHNE verein" << true;
        QTest::newRow("longer word") << "vereinsloser" << false;
        QTest::newRow("ohne alone") << "ohne" << false;
        QTest::newRow("a club") << "TV Nord" << false;
    }
    void noClub() {
        QFETCH(QString, club);
        QFETCH(bool, none);
        QCOMPARE(ohneVerein(club), none);
    }

    void settingsText_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<int>("size"); // 0: refused
        QTest::addColumn<bool>("mixed");
        QTest::addColumn<bool>("places");
        QTest::newRow("empty object: defaults") << QByteArray("{}") << 3 << false << false;
        QTest::newRow("smallest size") << QByteArray(R"({"groesse": 2})") << 2 << false << false;
        QTest::newRow("largest size") << QByteArray(R"({"groesse": 10})") << 10 << false << false;
        QTest::newRow("size too small") << QByteArray(R"({"groesse": 1})") << 0 << false << false;
        QTest::newRow("size too large") << QByteArray(R"({"groesse": 11})") << 0 << false << false;
        QTest::newRow("size not whole") << QByteArray(R"({"groesse": 2.5})") << 0 << false << false;
        QTest::newRow("size as text") << QByteArray(R"({"groesse": "3"})") << 0 << false << false;
        QTest::newRow("switches") << QByteArray(R"({"gemischt": true, "platzziffern": true})") << 3
                                  << true << true;
        QTest::newRow("switch as number") << QByteArray(R"({"gemischt": 1})") << 0 << false << false;
        QTest::newRow("no object") << QByteArray("[3]") << 0 << false << false;
        QTest::newRow("broken") << QByteArray("{\"groesse\": 3") << 0 << false << false;
    }
    void settingsText() {
        QFETCH(QByteArray, json);
        QFETCH(int, size);
        QFETCH(bool, mixed);
        QFETCH(bool, places);
        if (size == 0) {
            QVERIFY_THROWS_EXCEPTION(RzvError, ausMannschaftsJson(json));
            return;
        }
        QCOMPARE(ausMannschaftsJson(json), settings(size, mixed, places));
    }

    void settingsBesideTheCupFile() {
        QTemporaryDir dir;
        TCupData cup;
        static_cast<TCupContent&>(cup) = clubCup().cup;
        cup.fileName = dir.filePath(QStringLiteral("herbst.rz3"));
        speichern(cup);
        const QByteArray cupBytes = readWholeFile(cup.fileName, kMaxCupFileSize);
        QCOMPARE(ladeMannschaftseinstellungen(cup.fileName), Mannschaftseinstellungen());
        QCOMPARE(ladeMannschaftseinstellungen(QString()), Mannschaftseinstellungen());

        speichereMannschaftseinstellungen(cup.fileName, settings(10, true, true));
        QCOMPARE(ladeMannschaftseinstellungen(cup.fileName), settings(10, true, true));
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("herbst.rz3.mannschaft.json"))));
        QCOMPARE(readWholeFile(cup.fileName, kMaxCupFileSize), cupBytes);

        // A folder in the settings file's place is refused, not taken for the defaults.
        QVERIFY(QFile::remove(mannschaftsdatei(cup.fileName)));
        QVERIFY(QDir().mkdir(mannschaftsdatei(cup.fileName)));
        QVERIFY_THROWS_EXCEPTION(RzvError, ladeMannschaftseinstellungen(cup.fileName));
    }

    // Saving under another name: the settings beside the new name are those of the saved cup.
    void settingsGoAlongToANewName_data() {
        QTest::addColumn<QByteArray>("oldSettings"); // empty: no settings file
        QTest::addColumn<QByteArray>("leftAtNewName");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray mine = mannschaftsJson(settings(5, true, false));
        const QByteArray other = mannschaftsJson(settings(2, false, true));
        QTest::newRow("taken along") << mine << QByteArray() << mine;
        QTest::newRow("replacing another cup's") << mine << other << mine;
        QTest::newRow("another cup's removed") << QByteArray() << other << QByteArray();
        QTest::newRow("none, none made") << QByteArray() << QByteArray() << QByteArray();
    }
    void settingsGoAlongToANewName() {
        QFETCH(QByteArray, oldSettings);
        QFETCH(QByteArray, leftAtNewName);
        QFETCH(QByteArray, expected);
        QTemporaryDir dir;
        const QString oldCup = dir.filePath(QStringLiteral("alt.rz3"));
        const QString newCup = dir.filePath(QStringLiteral("neu.rz3"));
        if (!oldSettings.isEmpty()) writeFileAtomically(mannschaftsdatei(oldCup), oldSettings);
        if (!leftAtNewName.isEmpty()) writeFileAtomically(mannschaftsdatei(newCup), leftAtNewName);
        mannschaftseinstellungenMitnehmen(oldCup, newCup);
        QCOMPARE(QFile::exists(mannschaftsdatei(newCup)), !expected.isEmpty());
        if (!expected.isEmpty()) QCOMPARE(readWholeFile(mannschaftsdatei(newCup), 1024), expected);
        QCOMPARE(QFile::exists(mannschaftsdatei(oldCup)), !oldSettings.isEmpty());
        // Saving under the same name leaves the settings alone.
        mannschaftseinstellungenMitnehmen(newCup, newCup);
        QCOMPARE(QFile::exists(mannschaftsdatei(newCup)), !expected.isEmpty());
    }
};

// clang-format on

QTEST_GUILESS_MAIN(TestTeams)
#include "tst_teams.moc"
