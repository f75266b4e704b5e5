// rzv report teams and team-standings: the settings stored beside the cup file, overridden by the
// options, and the outputs of the other reports.
#include "../teams/teamtestcup.h"
#include "cup/cupfile.h"
#include "cup/fileio.h"
#include "rzvprocess.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace rzv;
using rzv::test::runRzv;
using Run = rzv::test::RzvRun;

class TestRzvTeams : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_cup;

private Q_SLOTS:
    void initTestCase() {
        TCupData cup;
        static_cast<TCupContent&>(cup) = test::clubCup().cup;
        m_cup = m_dir.filePath(QStringLiteral("cup.rz3"));
        cup.fileName = m_cup;
        speichern(cup);
    }

    void settings_data() {
        QTest::addColumn<QByteArray>("stored"); // empty: no settings file
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("line"); // the line of the settings, or the start of the error

        const QStringList teams{"teams"};
        QTest::newRow("defaults") << QByteArray() << teams << 0
                                  << "Wertung: die 3 besten Ergebnisse je Verein";
        QTest::newRow("stored") << QByteArray(R"({"groesse": 2, "gemischt": true})") << teams << 0
                                << "Wertung: die 2 besten Ergebnisse je Verein, Frauen und Männer "
                                   "gemeinsam";
        QTest::newRow("--size 10 over stored")
            << QByteArray(R"({"groesse": 2})") << QStringList{"teams", "--size", "10"} << 0
            << "Wertung: die 10 besten Ergebnisse je Verein";
        QTest::newRow("--size 2, --gemischt")
            << QByteArray() << QStringList{"teams", "--size", "2", "--gemischt"} << 0
            << "Wertung: die 2 besten Ergebnisse je Verein, Frauen und Männer gemeinsam";
        QTest::newRow("--platzziffern")
            << QByteArray() << QStringList{"team-standings", "--platzziffern"} << 0
            << "Gesamt: Summe der Platzziffern, gewertete Läufe: höchstens 1, mindestens 1";
        const QString sizeError = "rzv: Die Option --size erwartet eine Zahl von 2 bis 10.";
        QTest::newRow("--size 1") << QByteArray() << QStringList{"teams", "--size", "1"} << 2
                                  << sizeError;
        QTest::newRow("--size 11")
            << QByteArray() << QStringList{"team-standings", "--size", "11"} << 2 << sizeError;
        QTest::newRow("--size drei")
            << QByteArray() << QStringList{"teams", "--size", "drei"} << 2 << sizeError;
        QTest::newRow("--gemischt elsewhere")
            << QByteArray() << QStringList{"race", "--gemischt"} << 2
            << "rzv: Die Option --gemischt gilt nur für teams "
               "und team-standings.";
        QTest::newRow("broken settings")
            << QByteArray(R"({"groesse": 12})") << teams << 1
            << "rzv: Die Einstellungen der Mannschaftswertung lassen sich nicht lesen: Die "
               "Mannschaftsgröße muss eine Zahl von 2 bis 10 sein.";
    }

    void settings() {
        QFETCH(QByteArray, stored);
        QFETCH(QStringList, options);
        QFETCH(int, exitCode);
        QFETCH(QString, line);
        QFile::remove(m_cup + QStringLiteral(".mannschaft.json"));
        if (!stored.isEmpty()) writeFileAtomically(m_cup + QStringLiteral(".mannschaft.json"), stored);
        QStringList args{"report", options.takeFirst(), m_cup, "3"};
        const Run run = runRzv(args + options);
        QCOMPARE(run.exitCode, exitCode);
        if (exitCode == 0)
            QVERIFY2(run.out.split(u'\n').contains(line), qPrintable(run.out));
        else
            QVERIFY2(run.err.startsWith(line + u'\n'), qPrintable(run.err));
    }

    // The page like the other reports; the cup file stays as it was.
    void page() {
        QFile::remove(m_cup + QStringLiteral(".mannschaft.json"));
        const QByteArray cupBytes = readWholeFile(m_cup, kMaxCupFileSize);
        const QString page = m_dir.filePath(QStringLiteral("mannschaft.htm"));
        QCOMPARE(runRzv({"report", "teams", m_cup, "1", "--html", page, "--style", "1"}).exitCode, 0);
        const QByteArray bytes = readWholeFile(page, kMaxCupFileSize);
        QVERIFY(bytes.contains("<span class=\"t12\"><b>Mannschaftswertung vom 05.01.2026</b>"));
        QVERIFY(bytes.contains("    background-color: #AACCFF;"));
        QCOMPARE(readWholeFile(m_cup, kMaxCupFileSize), cupBytes);
    }
};

QTEST_GUILESS_MAIN(TestRzvTeams)
#include "tst_rzv_teams.moc"
