// rzv certificates: the runs on a cup file, listed on standard output or printed into a PDF.
#include "filesizelimit.h"
#include "runtestcup.h"
#include "rzvprocess.h"

#include "cup/cupfile.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace rzv;
using namespace rzv::test;

namespace {

using Result = RzvRun;

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int pdfPageCount(const QString& path) {
    if (!QFile::exists(path)) return -1;
    const QByteArray bytes = fileBytes(path);
    return int(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") +
               bytes.count("/Type /Page>>") + bytes.count("/Type /Page "));
}

} // namespace

class TestCertificateCommands : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_cupFile;

    QString path(const QString& name) const { return m_dir.filePath(name); }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        m_cupFile = path(QStringLiteral("cup.rz3"));
        TCupData cup;
        cup.replaceContent(runCup(
                               {
                                   {"Adler", "Ada", "F30", "0:40'00,0\"", "A-Cup"},
                                   {"Berger", "Bea", "F30", "0:41'00,0\"", "B-Cup"},
                                   {"Cornelius", "Cleo", "F30", "0:39'00,0\"", "B-Cup"},
                                   {"Mohr", "Max", "M30", "n.a.", "B-Cup"},
                                   {"Neu", "Nina", "F30", "", "B-Cup"},
                               },
                               {"A-Cup", "B-Cup"}),
                           m_cupFile);
        speichern(cup);
    }

    void listsThePagesWithoutPdf() {
        const Result result = runRzv({"certificates", "race-winners", m_cupFile, "1", "--answer-no",
                                      "A-Cup", "--style", "1", "--unter1", "Vorsitz"});
        QCOMPARE(result.exitCode, 0);
        const QString today = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
        const QString page =
            QStringLiteral("  Testcup\n  Urkunde\n  den %1. Platz\n  im\n  1. Lauf\n"
                           "  der Altersgruppe\n  F30 - B-Cup\n  belegte\n  %2\n"
                           "  Herzlichen Glückwunsch\n  Vorsitz\n  \n  %3\n");
        QCOMPARE(result.out, QStringLiteral("Seite 1\n") + page.arg("1", "Cleo Cornelius", today) +
                                 QStringLiteral("Seite 2\n") + page.arg("2", "Bea Berger", today));
    }

    void participantStartNumberIsNormalised() {
        const Result result = runRzv({"certificates", "race-participant", m_cupFile, "1", "2"});
        QCOMPARE(result.exitCode, 0);
        QVERIFY(result.out.contains(QStringLiteral("  Bea Berger\n")));
        QVERIFY(result.out.contains(QStringLiteral("  den 2. Platz\n")));
        QCOMPARE(result.out.count(QStringLiteral("Seite")), 1);
    }

    void cupRunsUseTheStandingAfterTheLastRace() {
        const Result winners = runRzv({"certificates", "cup-winners", m_cupFile});
        QCOMPARE(winners.exitCode, 0);
        QCOMPARE(winners.out.count(QStringLiteral("Seite")), 3);
        QVERIFY(winners.out.contains(QStringLiteral("  20 Punkten\n")));
        const Result one = runRzv({"certificates", "cup-participant", m_cupFile, "004"});
        QCOMPARE(one.exitCode, 0);
        QVERIFY(one.out.contains(QStringLiteral("  Max Mohr\n  (LG Nord)\n  mit\n  0 Punkten\n")));
    }

    void printsEachStyleIntoAPdf_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("pages");
        QTest::newRow("race style 0")
            << QStringList{"race-winners", m_cupFile, "1", "--style", "0"} << 3;
        QTest::newRow("race style 1")
            << QStringList{"race-winners", m_cupFile, "1", "--style", "1"} << 3;
        QTest::newRow("race style 2")
            << QStringList{"race-winners", m_cupFile, "1", "--style", "2"} << 3;
        QTest::newRow("cup style 0") << QStringList{"cup-winners", m_cupFile, "--style", "0"} << 3;
    }
    void printsEachStyleIntoAPdf() {
        QFETCH(QStringList, args);
        QFETCH(int, pages);
        const QString pdf =
            path(QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'_') + ".pdf");
        const Result result =
            runRzv(QStringList{"certificates"} + args + QStringList{"--pdf", pdf});
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.out, QString());
        QCOMPARE(pdfPageCount(pdf), pages);
    }

    // A run that prints nothing says why and leaves no PDF; listed, it lists nothing.
    void nothingPrintedIsAFailure_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown race participant")
            << QStringList{"race-participant", m_cupFile, "1", "17"}
            << "rzv: Der Cup hat keinen Teilnehmer mit der Startnummer 017.\n";
        QTest::newRow("unknown cup participant")
            << QStringList{"cup-participant", m_cupFile, "017"}
            << "rzv: Der Cup hat keinen Teilnehmer mit der Startnummer 017.\n";
        QTest::newRow("no result") << QStringList{"race-participant", m_cupFile, "1", "4"}
                                   << "rzv: Es wurde keine Urkunde gedruckt.\n";
        QTest::newRow("all answered no")
            << QStringList{"race-winners", m_cupFile, "1", "--answer-no", "A-Cup", "--answer-no",
                           "B-Cup"}
            << "rzv: Es wurde keine Urkunde gedruckt.\n";
        QTest::newRow("below the minimum")
            << QStringList{"cup-participant", m_cupFile, "5"}
            << "rzv: Nina Neu (Startnummer 005) hat keinen Platz in der Gesamtwertung "
               "(Teilnahmen: 0, Mindestteilnahmen für Endwertung: 1). Es wurde keine Urkunde "
               "gedruckt.\n";
    }
    void nothingPrintedIsAFailure() {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        const QString pdf = path(QStringLiteral("nichts.pdf"));
        for (const QStringList& output : {QStringList{"--pdf", pdf}, QStringList{}}) {
            const Result result = runRzv(QStringList{"certificates"} + args + output);
            QCOMPARE(result.exitCode, 1);
            QCOMPARE(result.err, message);
            QCOMPARE(result.out, QString());
            QVERIFY(!QFile::exists(pdf));
        }
    }

    void answerNoNamesAreChecked() {
        const Result result = runRzv({"certificates", "race-winners", m_cupFile, "1",
                                      "--answer-no", "A-Cup", "--answer-no", "C-Cup"});
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.err, "rzv: Warnung: „C-Cup“ ist keine Cup-Variation dieses Cups.\n");
        QCOMPARE(result.out.count(QStringLiteral("Seite")), 2);
    }

    // A PDF that cannot be written whole is not written at all; the one there before stays.
    void aFullDiskLeavesNoTruncatedPdf() {
        const QString pdf = path(QStringLiteral("voll.pdf"));
        QCOMPARE(runRzv({"certificates", "cup-winners", m_cupFile, "--pdf", pdf}).exitCode, 0);
        const QByteArray before = fileBytes(pdf);
        Result result;
        {
            const FileSizeLimit full(4096);
            result = runRzv({"certificates", "race-winners", m_cupFile, "1", "--pdf", pdf});
        }
        QCOMPARE(result.exitCode, 1);
        QCOMPARE(result.err, QStringLiteral("rzv: I/O-Fehler %1\n").arg(EFBIG));
        QCOMPARE(fileBytes(pdf), before);
        QCOMPARE(QDir(m_dir.path()).entryList({QStringLiteral("voll.pdf.*")}), QStringList());
    }

    void wrongCallsAreRefused() {
        Result result = runRzv({"certificates", "race-winners", m_cupFile, "2"});
        QCOMPARE(result.exitCode, 1);
        QVERIFY(result.err.endsWith(QStringLiteral("\nrzv: Der Cup hat keinen Lauf 2.\n")) ||
                result.err == QStringLiteral("rzv: Der Cup hat keinen Lauf 2.\n"));
        QCOMPARE(runRzv({"certificates", "race-winners", m_cupFile}).exitCode, 2);
        QCOMPARE(runRzv({"certificates", "podium", m_cupFile}).exitCode, 2);
        QCOMPARE(runRzv({"certificates", "cup-winners", m_cupFile, "--style", "3"}).exitCode, 2);
        QCOMPARE(runRzv({"certificates", "cup-winners", m_cupFile, "--pdf"}).exitCode, 2);
    }
};

QTEST_GUILESS_MAIN(TestCertificateCommands)
#include "tst_certificatecommands.moc"
