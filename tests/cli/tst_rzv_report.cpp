// The rzv tool's report commands, run as a user runs them on a saved cup.
#include "cup/cupfile.h"
#include "filesizelimit.h"
#include "rzvprocess.h"
#include "testcup.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace rzv;
using rzv::test::runRzv;
using Run = rzv::test::RzvRun;

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The lines of a report, with the creation time of the foot made fixed.
QStringList reportLines(const QString& out) {
    QString text = out;
    text.replace(QRegularExpression(
                     QStringLiteral("am : \\d\\d\\.\\d\\d\\.\\d{4} um \\d\\d:\\d\\d:\\d\\d\\.")),
                 QStringLiteral("am : TT.MM.JJJJ um hh:mm:ss."));
    return text.split(u'\n');
}

const QStringList kFoot{" ",
                        QString(82, u'='),
                        "Statistik erstellt am : TT.MM.JJJJ um hh:mm:ss.",
                        "                        Erstellt mit Rundenzeitverwalter",
                        "                        https://rundenzeitverwalter.example.org",
                        ""};

} // namespace

class TestRzvReport : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_cup;

private Q_SLOTS:
    void initTestCase() {
        test::TestCup t(false);
        t.race(kZeitlauf, "05.01.2026", "10000m");
        t.race(kZeitlauf, "12.01.2026", "10000m");
        t.person("Zorn", "Eva", "F30", {"0:41'00,0\"", "0:40'00,0\""});
        t.person("Adler", "Ute", "F30", {"0:40'00,0\"", ""});
        TCupData cup;
        static_cast<TCupContent&>(cup) = t.cup;
        cup.min = 1;
        cup.max = 2;
        m_cup = m_dir.filePath(QStringLiteral("cup.rz3"));
        cup.fileName = m_cup;
        speichern(cup);
    }

    void raceResults() {
        const QByteArray before = contents(m_cup);
        const Run run = runRzv({"report", "race", m_cup, "1"});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(reportLines(run.out),
                 QStringList({"LG Süd", "Winterlaufcup 2026", " ", "Ergebnisse vom 05.01.2026",
                              "Lauf 1 - Zeitlauf (fixe Distanz)", " ",
                              "Pos. Name, Vorname                       Verein                     "
                              "      Ergebnis",
                              " ", "Altergruppe F30 (29-39)",
                              "  1. Adler, Ute ('84)                    TV Nord                    "
                              "    0:40'00,0\"",
                              "  2. Zorn, Eva ('84)                     TV Nord                    "
                              "    0:41'00,0\""}) +
                     kFoot);
        QCOMPARE(contents(m_cup), before);
    }

    void standings() {
        const Run run = runRzv({"report", "standings", m_cup, "2"});
        QCOMPARE(run.exitCode, 0);
        const QStringList lines = reportLines(run.out);
        QCOMPARE(lines.mid(3, 6), QStringList({"Gesamtergebnis", " ",
                                               "Pos. Name, Vorname                       Verein    "
                                               "                   Läufe Punkte",
                                               " ", "Altergruppe F30 (29-39)",
                                               "  1. Zorn, Eva ('84)                     TV Nord   "
                                               "                       2     39"}));
    }

    void participantByTypedStartNumber() {
        const Run run = runRzv({"report", "participant", m_cup, "2"}); // stands for 002
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.contains("Teilnehmerstatistik für\nUte Adler\n"));
        QVERIFY(run.out.contains("Startnummer  : 002\n"));
    }

    void allParticipants() {
        const Run run = runRzv({"report", "all", m_cup});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out.count(QStringLiteral("Teilnehmerstatistik für")), 2);
        QVERIFY(run.out.indexOf("Ute Adler") <
                run.out.indexOf("Eva Zorn")); // name order after loading
    }

    void pdf() {
        const QString pdf = m_dir.filePath(QStringLiteral("bericht.pdf"));
        const Run run = runRzv({"report", "standings", m_cup, "1", "--pdf", pdf});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QString());
        QVERIFY(contents(pdf).startsWith("%PDF"));

        const Run failed =
            runRzv({"report", "race", m_cup, "1", "--pdf", "/nonexistent-folder/x.pdf"});
        QCOMPARE(failed.exitCode, 1);
        QCOMPARE(failed.err, QStringLiteral("rzv: I/O-Fehler %1\n").arg(ENOENT));
    }

    // Output that does not reach its file whole is a failure, and no truncated PDF is left.
    void failedWritesAreReported() {
        Run run = runRzv({"report", "all", m_cup}, QStringLiteral("/dev/full"));
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.err, QStringLiteral("rzv: I/O-Fehler %1\n").arg(ENOSPC));

        const QString pdf = m_dir.filePath(QStringLiteral("voll.pdf"));
        {
            const test::FileSizeLimit full(1000);
            run = runRzv({"report", "all", m_cup, "--pdf", pdf});
        }
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.err, QStringLiteral("rzv: I/O-Fehler %1\n").arg(EFBIG));
        QCOMPARE(QDir(m_dir.path()).entryList({QStringLiteral("voll.pdf*")}), QStringList());
    }

    void dlvForm() {
        Run run = runRzv({"report", "dlv", m_cup, "1", "--version", "1"});
        QCOMPARE(run.exitCode, 0);
        const QStringList v1 = run.out.split(u'\n');
        QCOMPARE(v1.size(), 71); // 70 lines, each ended
        QCOMPARE(v1[0], "      D L V      | Veranstalter:");
        QCOMPARE(v1[20],
                 "Windmessung:                    | WK U8        0-7 |   0 |     |   0 |     "
                 "|   0 |");
        QCOMPARE(v1[37],
                 "verarbeitung:                   |Summe weiblich    |   2 |     |   2 |     "
                 "| 100 |");
        run = runRzv({"report", "dlv", m_cup, "2", "--version", "2"});
        QCOMPARE(run.exitCode, 0);
        const QStringList v2 = run.out.split(u'\n');
        QCOMPARE(v2[29],
                 "                                | F30/M30          |   1 |   0 |   1 |   0 "
                 "| 100 |");
        QCOMPARE(v2[37],
                 "verarbeitung:                   |Summe weiblich    |   1 |     |   1 |     "
                 "| 100 |");

        run = runRzv({"report", "dlv", m_cup, "1"});
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.err.startsWith("rzv: Der DLV-Bericht braucht --version 1 oder 2.\n"));
        QCOMPARE(runRzv({"report", "dlv", m_cup, "1", "--version", "3"}).exitCode, 2);
        const QString page = m_dir.filePath(QStringLiteral("dlv.htm"));
        QCOMPARE(runRzv({"report", "dlv", m_cup, "1", "--version", "1", "--html", page}).exitCode,
                 2);
        QVERIFY(!QFile::exists(page));
        run = runRzv({"report", "dlv", m_cup, "3", "--version", "2"});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.err.contains("rzv: Der Cup hat keinen Lauf 3."));
    }

    void htmlPages() {
        const QString page = m_dir.filePath(QStringLiteral("lauf.htm"));
        Run run = runRzv({"report", "race", m_cup, "1", "--html", page, "--style", "1"});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QString());
        const QByteArray bytes = contents(page);
        QVERIFY(bytes.startsWith(
            "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r\n"));
        QVERIFY(bytes.contains("<title>Winterlaufcup 2026 - Ergebnisse</title>"));
        QVERIFY(
            bytes.contains("<td valign=\"top\"><span class=\"t14\"><b>LG S&uuml;d</b></span><br>"));
        QVERIFY(bytes.contains("    background-color: #AACCFF;"));
        QVERIFY(bytes.endsWith("</body>\r\n</html>"));

        for (const char* kind : {"standings", "participant"}) {
            run = runRzv({"report", kind, m_cup, "1", "--html", page});
            QCOMPARE(run.exitCode, 0);
            QVERIFY(contents(page).contains("    background-color: #F2F2F2;"));
        }
        QCOMPARE(runRzv({"report", "all", m_cup, "--html", page, "--style", "0"}).exitCode, 0);
        QCOMPARE(contents(page).count("Teilnehmerstatistik f&uuml;r"), 2);

        QCOMPARE(runRzv({"report", "all", m_cup, "--html", page, "--style", "2"}).exitCode, 2);
        QCOMPARE(runRzv({"report", "all", m_cup, "--html", page, "--pdf", page}).exitCode, 2);
        run = runRzv({"report", "all", m_cup, "--html", "/nonexistent-folder/x.htm"});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.err.contains("rzv: I/O-Fehler "));
    }

    void runningOutOfMemoryIsAnError() {
#if defined(__SANITIZE_ADDRESS__)
        // The sanitizer's allocator refuses every allocation above 8 MB, as a full memory would;
        // the statistics of 3,000 participants in 50 races reserve about 10 MB for their lines
        // when they are kept for a page (on standard output they go out as they are written).
        const QString cup = m_dir.filePath(QStringLiteral("gross.rz3"));
        QFile file(cup);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Gross||0|1|1|50|3000|\r\n\r\n\r\n\r\n");
        file.close();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("ASAN_OPTIONS"),
                           QStringLiteral("allocator_may_return_null=1:max_allocation_size_mb=8"));
        const QString page = m_dir.filePath(QStringLiteral("gross.htm"));
        const Run run = runRzv({"report", "all", cup, "--html", page}, {}, environment);
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.out, QString());
        QVERIFY(!QFile::exists(page));
        QVERIFY2(run.err.endsWith(QStringLiteral("rzv: Der Arbeitsspeicher reicht für diesen Vorgang "
                                                 "nicht aus; er wurde abgebrochen.\n")),
                 qPrintable(run.err));
#else
        QSKIP("only a sanitizer build can limit the memory of one allocation");
#endif
    }

    void errors() {
        Run run = runRzv({"report", "race", m_cup, "3"});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.err.contains("rzv: Der Cup hat keinen Lauf 3."));
        run = runRzv({"report", "participant", m_cup, "17"});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.err.contains("rzv: Der Cup hat keinen Teilnehmer mit der Startnummer 017."));
        TCupData shared;
        laden(shared, m_cup);
        shared.teil.setCell(kStartnummer, 2, shared.teil.cell(kStartnummer, 1));
        shared.fileName = m_dir.filePath(QStringLiteral("doppelt.rz3"));
        speichern(shared);
        for (const QStringList& words : {QStringList{"report", "participant", shared.fileName, "2"},
                                         QStringList{"certificates", "cup-participant", shared.fileName, "2"}}) {
            run = runRzv(words);
            QCOMPARE(run.exitCode, 1);
            QCOMPARE(run.err, "rzv: Die Startnummer 002 haben mehrere Teilnehmer (Adler, Ute und Zorn, Eva).\n");
        }
        run = runRzv({"report", "race", m_dir.filePath("fehlt.rz3"), "1"});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(runRzv({"report", "rennen", m_cup, "1"}).exitCode, 2);
        QCOMPARE(runRzv({"report", "race", m_cup}).exitCode, 2);
        run = runRzv({"report", "race", m_cup, "eins"});
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.err.startsWith("rzv: 'eins' ist kein gültiger Integerwert\nAufruf:\n"));
        QCOMPARE(runRzv({"report", "all", m_cup, "--farbe", "rot"}).exitCode, 2);
        QCOMPARE(runRzv({"report", "all", m_cup, "--pdf"}).exitCode, 2);
    }
};

QTEST_GUILESS_MAIN(TestRzvReport)
#include "tst_rzv_report.moc"
