// The rzv tool's file commands, run as a user runs them.
#include "rzvprocess.h"

#include <QTemporaryDir>
#include <QtTest>

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
        QCOMPARE(contents(out),
                 QByteArray("||0|1|1|0|0|\r\n"
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

    void errorsAndUsage() {
        const rzv::test::RzvRun missing = rzv::test::runRzv({QStringLiteral("resave"), m_dir.filePath(QStringLiteral("nichts.rz3")),
                                 m_dir.filePath(QStringLiteral("x.rz3"))});
        QCOMPARE(missing.exitCode, 1);
        QCOMPARE(missing.err, QStringLiteral("rzv: I/O-Fehler 2\n"));

        QCOMPARE(rzv::test::runRzv({QStringLiteral("resave"), QStringLiteral("only-one")}).exitCode, 2);
        QCOMPARE(rzv::test::runRzv({QStringLiteral("frobnicate")}).exitCode, 2);
        QCOMPARE(rzv::test::runRzv({}).exitCode, 2);

        const rzv::test::RzvRun help = rzv::test::runRzv({QStringLiteral("--help")});
        QCOMPARE(help.exitCode, 0);
        QVERIFY(help.out.contains("rzv resave FILE OUT"));
    }
};

QTEST_GUILESS_MAIN(TestRzvFile)
#include "tst_rzv_file.moc"
