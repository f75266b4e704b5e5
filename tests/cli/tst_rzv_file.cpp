// The rzv tool's file commands, run as a user runs them.
#include "rzvprocess.h"

#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestRzvFile : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private Q_SLOTS:
    void newWritesTheFourLines() {
        const QString out = m_dir.filePath(QStringLiteral("neu.rz3"));
        const rzv::test::RzvRun run = rzv::test::runRzv({QStringLiteral("new"), out});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(
            contents(out),
            QByteArray(
                "||0|1|1|0|0|\r\n"
                "WK U8|MK U8|7|WK U10|MK U10|9|WK U12|MK U12|11|WJ U14|MJ U14|13|WJ U16|MJ U16|15|"
                "WJ U18|MJ U18|17|WJ U20|MJ U20|19|F U23|M U23|22|F|M|29|F30|M30|39|F40|M40|49|F50|"
                "M50|59|F60|M60|69|F70 u.\xe4.|M70 u.\xe4.|150|\r\n"
                "A-Cup|10000m|1:00'00,0\"|B-Cup|5000m|0:30'00,0\"|C-Cup|3000m|0:15'00,0\"|\r\n"
                "20|19|18|17|16|15|14|13|12|11|10|9|8|7|6|5|4|3|2|1|\r\n"));
    }

    void resaveOrdersByNameAndLeavesTheInputAlone() {
        const QString in = m_dir.filePath(QStringLiteral("in.rz3"));
        const QString out = m_dir.filePath(QStringLiteral("out.rz3"));
        const QByteArray input = "Cup||1|1|1|0|2|\r\n\r\n\r\n\r\n"
                                 "Zorn  |Eva||||||\r\n"
                                 "Adler|Jan||||||\r\n";
        QFile file(in);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(input);
        file.close();
        const rzv::test::RzvRun run = rzv::test::runRzv({QStringLiteral("resave"), in, out});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(contents(in), input);
        QCOMPARE(contents(out), QByteArray("Cup||1|1|1|0|2|\r\n\r\n\r\n\r\n"
                                           "Adler|Jan|||||||\r\n"
                                           "Zorn|Eva|||||||\r\n"));
    }

    void damagedAndShortFiles() {
        // A few bytes announcing 10,000 races are refused at once; a file that ends early loads
        // with a notice.
        const QString damaged = m_dir.filePath(QStringLiteral("damaged.rz3"));
        const QString shortFile = m_dir.filePath(QStringLiteral("short.rz3"));
        const QString out = m_dir.filePath(QStringLiteral("out.rz3"));
        for (const auto& [path, bytes] : {std::pair{damaged, QByteArray("a|b|0|1|1|10000|2990|")},
                                          std::pair{shortFile, QByteArray("Cup||0|1|1|0|3|\r\n\r\n\r\n\r\nAdler|Jan|\r\n")}}) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        }
        rzv::test::RzvRun run = rzv::test::runRzv({QStringLiteral("resave"), damaged, out});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.err, QStringLiteral("rzv: Die Cup-Datei ist beschädigt: Zeile 1 nennt 10000 Läufe und 2990 Teilnehmer.\n"));

        run = rzv::test::runRzv({QStringLiteral("resave"), shortFile, out});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, QStringLiteral("rzv: Warnung: Die Cup-Datei ist unvollständig: sie endet nach 1 von 3 Teilnehmern; "
                                         "die fehlenden wurden leer angelegt.\n"));
        QVERIFY(contents(out).endsWith("\r\nAdler|Jan|||||||\r\n||||||||\r\n||||||||\r\n"));

        // Every command that loads a cup tells of it, the import too.
        const QString csv = m_dir.filePath(QStringLiteral("leer.csv"));
        QFile table(csv);
        QVERIFY(table.open(QIODevice::WriteOnly));
        table.write("Name;Vorname\n");
        table.close();
        run = rzv::test::runRzv({QStringLiteral("import"), shortFile, csv, out});
        QVERIFY2(run.err.startsWith(QStringLiteral("rzv: Warnung: Die Cup-Datei ist unvollständig")), qPrintable(run.err));
    }

    // An output that is not a file is refused and left as it is; so is such an input.
    void onlyFilesAreReadAndWritten_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("err");
        const QString cup = m_dir.filePath(QStringLiteral("leer.rz3"));
        const QString pipe = m_dir.filePath(QStringLiteral("pipe"));
        const QString written = QStringLiteral("rzv: „%1“ ist keine Datei, sondern eine Pipe; dorthin wird nicht geschrieben.\n").arg(pipe);
        QTest::newRow("resave") << QStringList{"resave", cup, pipe} << written;
        QTest::newRow("--pdf") << QStringList{"report", "all", cup, "--pdf", pipe} << written;
        QTest::newRow("publish") << QStringList{"publish", cup, pipe}
                                 << QStringLiteral("rzv: „%1“ ist kein Ordner; dorthin wird nicht veröffentlicht.\n").arg(pipe);
        QTest::newRow("import from a device") << QStringList{"import", cup, "/dev/zero", m_dir.filePath(QStringLiteral("nie.rz3"))}
                                              << QStringLiteral("rzv: „/dev/zero“ ist keine Datei, sondern ein Gerät; daraus wird nicht gelesen.\n");
    }
    void onlyFilesAreReadAndWritten() {
        QFETCH(QStringList, args);
        QFETCH(QString, err);
        const QString pipe = m_dir.filePath(QStringLiteral("pipe"));
        ::mkfifo(qPrintable(pipe), 0600);
        QCOMPARE(rzv::test::runRzv({QStringLiteral("new"), m_dir.filePath(QStringLiteral("leer.rz3"))}).exitCode, 0);
        const rzv::test::RzvRun run = rzv::test::runRzv(args);
        QCOMPARE(run.err, err);
        QCOMPARE(run.exitCode, 1);
        struct stat info {};
        QVERIFY(::lstat(qPrintable(pipe), &info) == 0 && S_ISFIFO(info.st_mode));
        QVERIFY(!QFileInfo::exists(m_dir.filePath(QStringLiteral("nie.rz3"))));
    }

    void errorsAndUsage() {
        const rzv::test::RzvRun missing = rzv::test::runRzv(
            {QStringLiteral("resave"), m_dir.filePath(QStringLiteral("nichts.rz3")),
             m_dir.filePath(QStringLiteral("x.rz3"))});
        QCOMPARE(missing.exitCode, 1);
        QCOMPARE(missing.err, QStringLiteral("rzv: I/O-Fehler 2\n"));

        QCOMPARE(rzv::test::runRzv({QStringLiteral("resave"), QStringLiteral("only-one")}).exitCode,
                 2);
        QCOMPARE(rzv::test::runRzv({QStringLiteral("frobnicate")}).exitCode, 2);
        QCOMPARE(rzv::test::runRzv({}).exitCode, 2);

        const rzv::test::RzvRun help = rzv::test::runRzv({QStringLiteral("--help")});
        QCOMPARE(help.exitCode, 0);
        QVERIFY(help.out.startsWith("Aufruf:\n"));
        for (const char* command : {"new ZIEL", "resave DATEI ZIEL", "report race DATEI K",
                                    "certificates race-winners DATEI K"})
            QVERIFY(help.out.contains(QStringLiteral("\nrzv ") + QLatin1String(command)));
    }

    // Every sub-command explains itself, in German, whatever else stands on the line.
    void everyCommandHasItsOwnHelp_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("firstLine");
        QTest::newRow("new") << QStringList{"new", "--help"} << "rzv new ZIEL";
        QTest::newRow("resave") << QStringList{"resave", "a.rz3", "-h"} << "rzv resave DATEI ZIEL";
        QTest::newRow("report") << QStringList{"report", "race", "--help"}
                                << "rzv report race DATEI K                Statistik des Laufes K";
        QTest::newRow("certificates")
            << QStringList{"certificates", "--help"}
            << "rzv certificates race-winners DATEI K        Siegerurkunden für den Lauf K";
        QTest::newRow("publish") << QStringList{"publish", "--help"}
                                 << "rzv publish DATEI ORDNER [--style 0|1]";
    }
    void everyCommandHasItsOwnHelp() {
        QFETCH(QStringList, args);
        QFETCH(QString, firstLine);
        const rzv::test::RzvRun run = rzv::test::runRzv(args);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, QString());
        QCOMPARE(run.out.section(u'\n', 0, 1), QStringLiteral("Aufruf:\n") + firstLine);
        QCOMPARE(run.out.count(QStringLiteral("\nrzv ")),
                 run.out.count(QStringLiteral("\nrzv ") + args[0])); // its own lines only
    }

    // A wrong call names its fault in German, followed by the usage of its command.
    void wrongCallsAreExplainedInGerman_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        QTest::newRow("command") << QStringList{"frobnicate"}
                                 << "rzv: Unbekannter Befehl „frobnicate“.\nAufruf:\nrzv new ZIEL";
        QTest::newRow("count")
            << QStringList{"resave", "a.rz3"}
            << "rzv: Falsche Anzahl von Angaben: 1 statt 2.\nAufruf:\nrzv resave";
        QTest::newRow("option") << QStringList{"new", "--farbe", "rot"}
                                << "rzv: Unbekannte Option --farbe.\nAufruf:\nrzv new";
        QTest::newRow("value")
            << QStringList{"certificates", "cup-winners", "a.rz3", "--pdf"}
            << "rzv: Die Option --pdf braucht einen Wert.\nAufruf:\nrzv certificates";
        QTest::newRow("no kind") << QStringList{"report"}
                                 << "rzv: Bitte die Art angeben: race, standings, teams, "
                                    "team-standings, participant, all oder dlv.\nAufruf:\nrzv report";
        QTest::newRow("kind") << QStringList{"certificates", "podium", "a.rz3"}
                              << "rzv: Unbekannte Art „podium“; möglich sind race-winners, "
                                 "race-participant, cup-winners oder cup-participant.\nAufruf:\n";
        QTest::newRow("style") << QStringList{"certificates", "cup-winners", "a.rz3", "--style",
                                              "3"}
                               << "rzv: Die Option --style erwartet 0, 1 oder 2.\nAufruf:\n";
    }
    void wrongCallsAreExplainedInGerman() {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        const rzv::test::RzvRun run = rzv::test::runRzv(args);
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.out, QString());
        QCOMPARE(run.err.left(message.size()), message);
    }
};

QTEST_GUILESS_MAIN(TestRzvFile)
#include "tst_rzv_file.moc"
