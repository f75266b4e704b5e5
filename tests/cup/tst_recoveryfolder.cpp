// The folder of recovery copies: a copy is a cup file with an INI file beside it; listing,
// reading back, removing, and what broken copies and unwritable folders do.
#include "cup/cupfile.h"
#include "cup/errors.h"
#include "cup/fileio.h"
#include "cup/recoveryfolder.h"
#include "testcup.h"
#include "testfiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace rzv;

namespace {

QDateTime at(int hour, int minute) {
    return QDateTime(QDate(2026, 5, 12), QTime(hour, minute, 7));
}

} // namespace

class TestRecoveryFolder : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void writtenCopiesReadBackAndAreListedNewestFirst() {
        QTemporaryDir dir;
        const RecoveryFolder folder(dir.filePath(QStringLiteral("neu/recovery")));
        test::TestCup cup(true);
        cup.race(kZeitlauf, QStringLiteral("12.05.2026"), QStringLiteral("5000m"));
        cup.person(QStringLiteral("Müller"), QStringLiteral("Anna"), QStringLiteral("F30"),
                   {QStringLiteral("0:21'03,4\"")});
        const QString cupFile = QStringLiteral("/home/verein/Läufe 2026/Abendcup.rz3");

        // The folder is made on the first write; a second write replaces the copy.
        folder.write({QStringLiteral("a"), cupFile, at(20, 15)}, cupFileBytes(newCupContent()));
        folder.write({QStringLiteral("a"), cupFile, at(21, 40)}, cupFileBytes(cup.cup));
        folder.write({QStringLiteral("b"), QString(), at(19, 5)}, cupFileBytes(newCupContent()));

        const std::vector<RecoveryCopy> copies = folder.copies();
        QCOMPARE(copies.size(), size_t(2));
        QCOMPARE(copies[0].id, QStringLiteral("a"));
        QCOMPARE(copies[0].cupFileName, cupFile);
        QCOMPARE(copies[0].written, at(21, 40));
        QCOMPARE(copies[1].id, QStringLiteral("b"));
        QCOMPARE(copies[1].cupFileName, QString());
        QCOMPARE(copies[1].written, at(19, 5));

        // The copy is the cup file itself.
        QVERIFY(readWholeFile(folder.copyPath(QStringLiteral("b")), kMaxCupFileSize).startsWith("||0|1|1|0|0|\r\n"));
        QCOMPARE(cupFileBytes(folder.read(QStringLiteral("a"))), cupFileBytes(cup.cup));
        QCOMPARE(folder.read(QStringLiteral("a")).teil.cell(kName, 1), QStringLiteral("Müller"));

        folder.remove(QStringLiteral("a"));
        QVERIFY(!QFile::exists(folder.copyPath(QStringLiteral("a"))));
        QVERIFY(!QFile::exists(folder.infoPath(QStringLiteral("a"))));
        QCOMPARE(folder.copies().size(), size_t(1));
        QCOMPARE(folder.copies()[0].id, QStringLiteral("b"));
    }

    void aCopyWithoutItsIniFileIsStillListed() {
        QTemporaryDir dir;
        const RecoveryFolder folder(dir.path());
        test::writeBytes(folder.copyPath(QStringLiteral("lost")), cupFileBytes(newCupContent()));
        const std::vector<RecoveryCopy> copies = folder.copies();
        QCOMPARE(copies.size(), size_t(1));
        QCOMPARE(copies[0].cupFileName, QString());
        QVERIFY(copies[0].written.isValid());
        QCOMPARE(QFileInfo(folder.lockPath(QStringLiteral("lost"))).fileName(),
                 QStringLiteral("lost.lock"));
    }

    void brokenCopiesAndUnwritableFoldersStopWithAMessage() {
        QTemporaryDir dir;
        const RecoveryFolder folder(dir.path());
        test::writeBytes(folder.copyPath(QStringLiteral("kaputt")), "x|y|0|1|1|-4|0|\r\n");
        QVERIFY_THROWS_EXCEPTION(RzvError, folder.read(QStringLiteral("kaputt")));
        try {
            folder.read(QStringLiteral("fehlt"));
            QFAIL("a missing copy was read");
        } catch (const RzvError& error) {
            QCOMPARE(error.message(), QStringLiteral("I/O-Fehler 2"));
        }

        // A regular file where the folder should be.
        test::writeBytes(dir.filePath(QStringLiteral("datei")), "x");
        const RecoveryFolder blocked(dir.filePath(QStringLiteral("datei/recovery")));
        try {
            blocked.write({QStringLiteral("a"), QString(), at(20, 0)}, "||");
            QFAIL("a copy was written into a file");
        } catch (const RzvError& error) {
            QCOMPARE(error.message(), QStringLiteral("Der Ordner „%1“ lässt sich nicht anlegen.")
                                          .arg(blocked.path()));
        }
    }
};

QTEST_GUILESS_MAIN(TestRecoveryFolder)
#include "tst_recoveryfolder.moc"
