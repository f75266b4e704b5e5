// Recovery copies of unsaved changes: written a moment after a change, removed when the changes
// are saved or given up, and offered again by the next start after the program was killed.
#include "app/cuptab.h"
#include "app/mainmenu.h"
#include "app/recovery.h"
#include "app/tw.h"
#include "cup/cupfile.h"
#include "cup/errors.h"
#include "cup/fileio.h"
#include "cup/product.h"
#include "scriptedprompt.h"
#include "testcup.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <optional>

using namespace rzv;

namespace {

constexpr std::chrono::milliseconds kShortDelay{20};

// The cup name in the newest copy; empty while there is none (a removal may be under way).
QString copiedName(const RecoveryFolder& folder) {
    const std::vector<RecoveryCopy> copies = folder.copies();
    if (copies.empty()) return {};
    try {
        return folder.read(copies[0].id).name;
    } catch (const RzvError&) {
        return {};
    }
}

// Types into the cup's name field and waits for the copy of the change.
void typeAndWaitForCopy(Tw& w, const RecoveryFolder& folder, const QString& text) {
    QTest::keyClicks(w.cupTab->name, text);
    QTRY_COMPARE(copiedName(folder), w.cup.name);
}

QString question(const QString& file, const QString& date, const QString& time) {
    return QStringLiteral("ask: Der Rundenzeitverwalter wurde nicht ordnungsgemäß beendet.\n"
                          "Wollen Sie die ungesicherten Änderungen an „%1“ vom %2 um %3 Uhr "
                          "wiederherstellen?")
        .arg(file, date, time);
}

// A program started on the folder of recovery copies, with the answers to its questions queued.
struct StartedProgram {
    StartedProgram(const RecoveryFolder& folder, const QList<bool>& answers)
        : recovery(w.cup, prompt, folder.path(), kShortDelay) {
        for (const bool answer : answers) prompt.answerAsk(answer);
    }
    test::ScriptedPrompt prompt;
    Tw w{&prompt};
    Recovery recovery;
};

const QString kDeleteQuestion = QStringLiteral(
    "ask: Soll die Wiederherstellungskopie gelöscht werden?\nSonst wird beim nächsten Start "
    "wieder gefragt.");

} // namespace

class TstRecovery : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { QVERIFY(m_dir.isValid()); }

    void changesAreCopiedUntilSaved() {
        test::ScriptedPrompt prompt;
        Tw w(&prompt);
        w.show();
        const RecoveryFolder folder(m_dir.filePath(QStringLiteral("copied")));
        Recovery recovery(w.cup, prompt, folder.path(), kShortDelay);

        // Every change while the cup stays changed is copied, not only the first.
        typeAndWaitForCopy(w, folder, QStringLiteral("Abend"));
        typeAndWaitForCopy(w, folder, QStringLiteral("lauf"));
        const RecoveryCopy copy = folder.copies()[0];
        QCOMPARE(folder.read(copy.id).name, QStringLiteral("Abendlauf"));
        QCOMPARE(copy.cupFileName, QString());
        QVERIFY(QFile::exists(folder.lockPath(copy.id)));

        // Later changes replace the copy; a copy belongs to the file the cup is saved in.
        const QString path = m_dir.filePath(QStringLiteral("abend.rz3"));
        prompt.answerFile(path);
        w.mainMenu->speichernunter->trigger();
        typeAndWaitForCopy(w, folder, QStringLiteral(" 2026"));
        QCOMPARE(folder.copies().size(), size_t(1));
        QCOMPARE(folder.copies()[0].cupFileName, path);
        QCOMPARE(folder.read(copy.id).name, QStringLiteral("Abendlauf 2026"));

        w.mainMenu->speichern->trigger();
        recovery.finishWriting();
        QVERIFY(folder.copies().empty());
        QVERIFY(QFile::exists(folder.lockPath(copy.id))); // kept while the program runs
        QVERIFY(prompt.errors.isEmpty());
    }

    void givingTheChangesUpRemovesTheCopy_data() {
        QTest::addColumn<std::function<void(Tw&, test::ScriptedPrompt&)>>("command");
        QTest::addColumn<bool>("kept");
        using Command = std::function<void(Tw&, test::ScriptedPrompt&)>;
        // The menu entry, the answer to the question, and the file chosen in the open dialog
        // (none: no dialog; empty: cancelled).
        const auto command = [](QAction* MainMenu::*entry, bool agreed,
                                std::optional<QString> file = std::nullopt) {
            return Command([=](Tw& w, test::ScriptedPrompt& prompt) {
                prompt.answerAsk(agreed);
                if (file) prompt.answerFile(*file);
                (w.mainMenu->*entry)->trigger();
            });
        };
        const QString other = m_dir.filePath(QStringLiteral("other.rz3"));
        test::writeBytes(other, cupFileBytes(test::smallCup(1, 2)));
        const QString broken = m_dir.filePath(QStringLiteral("broken.rz3"));
        test::writeBytes(broken, "x|y|z|");

        QTest::newRow("&Neu") << command(&MainMenu::neu, true) << false;
        QTest::newRow("&Neu, not agreed") << command(&MainMenu::neu, false) << true;
        QTest::newRow("&Laden") << command(&MainMenu::laden, true, other) << false;
        QTest::newRow("&Laden, cancelled") << command(&MainMenu::laden, true, QString()) << true;
        QTest::newRow("&Laden, broken file") << command(&MainMenu::laden, true, broken) << true;
        QTest::newRow("E&xit, not agreed") << command(&MainMenu::beenden, false) << true;
    }

    void givingTheChangesUpRemovesTheCopy() {
        QFETCH(const std::function<void(Tw&, test::ScriptedPrompt&)>, command);
        QFETCH(const bool, kept);
        test::ScriptedPrompt prompt;
        Tw w(&prompt);
        w.show();
        const RecoveryFolder folder(m_dir.filePath(QString::fromUtf8(QTest::currentDataTag())));
        Recovery recovery(w.cup, prompt, folder.path(), kShortDelay);
        typeAndWaitForCopy(w, folder, QStringLiteral("Abendlauf"));

        command(w, prompt);
        recovery.finishWriting();
        QCOMPARE(folder.copies().size(), size_t(kept ? 1 : 0));
        QVERIFY(prompt.allAnswered());
    }

    void theProgramEndingNormallyRemovesTheCopy() {
        test::ScriptedPrompt prompt;
        Tw w(&prompt);
        w.show();
        const RecoveryFolder folder(m_dir.filePath(QStringLiteral("exit")));
        auto recovery = std::make_unique<Recovery>(w.cup, prompt, folder.path(), kShortDelay);
        typeAndWaitForCopy(w, folder, QStringLiteral("Abendlauf"));
        const QString id = folder.copies()[0].id;

        prompt.answerAsk(true);
        QVERIFY(w.close());
        recovery.reset(); // the program ends
        QVERIFY(folder.copies().empty());
        QVERIFY(!QFile::exists(folder.lockPath(id)));
    }

    void aCopyThatCannotBeWrittenIsReportedOnce_data() {
        QTest::addColumn<bool>("folderBlocked");
        QTest::addColumn<QString>("reason");
        QTest::newRow("folder") << true
                                << QStringLiteral("Der Ordner „%1/recovery“ lässt sich nicht "
                                                  "anlegen.")
                                       .arg(m_dir.filePath(QStringLiteral("folder")));
        QTest::newRow("character") << false
                                   << QStringLiteral("Der Wert „AΩ“ (Bezeichnung des "
                                                     "Rundenpokals) enthält das "
                                                     "Zeichen „Ω“, das die Cup-Datei nicht "
                                                     "speichern kann. Es wurde nichts gespeichert.");
    }

    void aCopyThatCannotBeWrittenIsReportedOnce() {
        QFETCH(const bool, folderBlocked);
        QFETCH(const QString, reason);
        test::ScriptedPrompt prompt;
        Tw w(&prompt);
        const QString blocker = m_dir.filePath(QString::fromUtf8(QTest::currentDataTag()));
        if (folderBlocked) test::writeBytes(blocker, "x");
        Recovery recovery(w.cup, prompt, blocker + QStringLiteral("/recovery"), kShortDelay);

        w.cup.name = QStringLiteral("A");
        if (!folderBlocked) w.cup.name += QStringLiteral("Ω"); // slipped past the fields' checks
        w.cup.edit(1);
        QTRY_COMPARE(prompt.errors.size(), 1);
        w.cup.edit(1);
        QTest::qWait(5 * kShortDelay.count());
        recovery.finishWriting();
        QCoreApplication::processEvents();
        QCOMPARE(prompt.errors, QStringList{QStringLiteral("Die Wiederherstellungskopie der "
                                                           "ungesicherten Änderungen lässt sich "
                                                           "nicht schreiben:\n%1\nBitte "
                                                           "speichern Sie den Cup.")
                                                .arg(reason)});
    }

    void startOffersTheCopiesNoRunningProgramKeeps_data() {
        QTest::addColumn<QList<bool>>("answers");
        QTest::addColumn<bool>("restored");
        QTest::addColumn<bool>("kept");
        QTest::newRow("restore") << QList<bool>{true} << true << true;
        QTest::newRow("delete") << QList<bool>{false, true} << false << false;
        QTest::newRow("keep") << QList<bool>{false, false} << false << true;
    }

    void startOffersTheCopiesNoRunningProgramKeeps() {
        QFETCH(const QList<bool>, answers);
        QFETCH(const bool, restored);
        QFETCH(const bool, kept);
        const RecoveryFolder folder(m_dir.filePath(QString::fromUtf8(QTest::currentDataTag())));
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("Läufe")));
        const QString cupFile = m_dir.filePath(QStringLiteral("Läufe/abend.rz3"));
        TCupContent changed = test::smallCup(2, 3);
        changed.name = QStringLiteral("Abendlauf geändert");
        const QDateTime written(QDate(2026, 5, 12), QTime(21, 40, 7));
        folder.write({QStringLiteral("left"), cupFile, written}, cupFileBytes(changed));

        test::ScriptedPrompt prompt;
        Tw w(&prompt);
        Recovery recovery(w.cup, prompt, folder.path(), kShortDelay);
        for (const bool answer : answers) prompt.answerAsk(answer);
        QCOMPARE(recovery.offerAtStart(), restored);
        QStringList asked{question(cupFile, QStringLiteral("12.05.2026"),
                                   QStringLiteral("21:40:07"))};
        if (answers.size() > 1) asked << kDeleteQuestion;
        QCOMPARE(prompt.shown, asked);
        QCOMPARE(folder.copies().size(), size_t(kept ? 1 : 0));
        if (restored) {
            QCOMPARE(cupFileBytes(w.cup), cupFileBytes(changed));
            QCOMPARE(w.cup.fileName, cupFile);
            QCOMPARE(w.statusChanged->text(), QStringLiteral("geändert"));
        } else {
            QCOMPARE(w.cup.name, QString());
            QVERIFY(!w.cup.changed());
        }

        // A second program started now offers the copy only when no running program keeps it.
        test::ScriptedPrompt otherPrompt;
        Tw other(&otherPrompt);
        Recovery otherRecovery(other.cup, otherPrompt, folder.path(), kShortDelay);
        if (kept && !restored) {
            otherPrompt.answerAsk(false);
            otherPrompt.answerAsk(false);
        }
        QVERIFY(!otherRecovery.offerAtStart());
        QCOMPARE(otherPrompt.shown.size(), kept && !restored ? 2 : 0);

        if (restored) {
            // The restored changes keep their copy until they are saved.
            w.mainMenu->speichern->trigger();
            recovery.finishWriting();
            QVERIFY(folder.copies().empty());
            QCOMPARE(readWholeFile(cupFile, kMaxCupFileSize), cupFileBytes(changed));
            QVERIFY(prompt.errors.isEmpty());
        }
    }

    void leftoverCopiesGiveOneQuestion_data() {
        QTest::addColumn<QStringList>("cupFiles"); // newest first, a minute apart
        QTest::addColumn<QString>("asked");
        QTest::addColumn<QString>("deleteAsked");
        const QString one = QStringLiteral(
            "Der Rundenzeitverwalter wurde nicht ordnungsgemäß beendet.\nWollen Sie die "
            "ungesicherten Änderungen an „%1“ vom 12.05.2026 um 21:40:00 Uhr wiederherstellen?");
        const QString several = QStringLiteral(
            "Der Rundenzeitverwalter wurde nicht ordnungsgemäß beendet.\nEs gibt ungesicherte "
            "Änderungen an\n%1Wollen Sie die neuesten davon wiederherstellen? Die anderen werden "
            "beim nächsten Start wieder angeboten.");
        const QString deleteOne = QStringLiteral(
            "Soll die Wiederherstellungskopie gelöscht werden?\nSonst wird beim nächsten Start "
            "wieder gefragt.");
        const QString deleteSeveral = QStringLiteral(
            "Sollen die %1 Wiederherstellungskopien gelöscht werden?\nSonst wird beim nächsten "
            "Start wieder gefragt.");
        const QString a63 = QString(63, u'a');

        QTest::newRow("1 copy, 80 characters")
            << QStringList{QStringLiteral("/daten/") + a63 + QStringLiteral("/abend.rz3")}
            << one.arg(QStringLiteral("/daten/") + a63 + QStringLiteral("/abend.rz3"))
            << deleteOne;
        QTest::newRow("81 characters")
            << QStringList{QStringLiteral("/daten/a") + a63 + QStringLiteral("/abend.rz3")}
            << one.arg(QStringLiteral("/daten/") + QString(32, u'a') + QStringLiteral("…") +
                       QString(30, u'a') + QStringLiteral("/abend.rz3"))
            << deleteOne;
        QTest::newRow("a character on each cut")
            << QStringList{QStringLiteral("/daten/") + QString(31, u'a') + QStringLiteral("😀") +
                           QString(20, u'b') + QStringLiteral("😀") + QString(39, u'c')}
            << one.arg(QStringLiteral("/daten/") + QString(31, u'a') + QStringLiteral("…") +
                       QString(39, u'c'))
            << deleteOne;
        QTest::newRow("2 copies")
            << QStringList{QStringLiteral("/daten/abend.rz3"), QString()}
            << several.arg(QStringLiteral("„/daten/abend.rz3“ vom 12.05.2026 um 21:40:00 Uhr\n"
                                          "„unbekannt“ vom 12.05.2026 um 21:39:00 Uhr\n"))
            << deleteSeveral.arg(2);
        QStringList eleven;
        QString listed;
        for (int i = 0; i < 11; ++i) {
            eleven << QStringLiteral("/daten/lauf-%1.rz3").arg(i);
            if (i < 10)
                listed += QStringLiteral("„/daten/lauf-%1.rz3“ vom 12.05.2026 um 21:%2:00 Uhr\n")
                              .arg(i)
                              .arg(40 - i);
        }
        QTest::newRow("11 copies") << eleven << several.arg(listed + QStringLiteral("… und 1 weitere\n"))
                                   << deleteSeveral.arg(11);
    }

    // However many programs were killed, the next start asks once, and once more to delete.
    void leftoverCopiesGiveOneQuestion() {
        QFETCH(const QStringList, cupFiles);
        QFETCH(const QString, asked);
        QFETCH(const QString, deleteAsked);
        const RecoveryFolder folder(m_dir.filePath(QString::fromUtf8(QTest::currentDataTag())));
        for (int i = 0; i < cupFiles.size(); ++i)
            folder.write({QStringLiteral("copy%1").arg(i), cupFiles[i],
                          QDateTime(QDate(2026, 5, 12), QTime(21, 40 - i))},
                         cupFileBytes(test::smallCup(1, 1)));

        StartedProgram program(folder, {false, true});
        QVERIFY(!program.recovery.offerAtStart());
        QCOMPARE(program.prompt.shown, (QStringList{QStringLiteral("ask: ") + asked,
                                                    QStringLiteral("ask: ") + deleteAsked}));
        QVERIFY(folder.copies().empty());
    }

    // "&Ja" restores the newest copy that loads; a broken one is reported and the rest offered
    // again, and the copies not restored wait for the next start.
    void theNewestCopyThatLoadsIsRestored() {
        const RecoveryFolder folder(m_dir.filePath(QStringLiteral("several")));
        const QDate day(2026, 5, 12);
        folder.write({QStringLiteral("broken"), QStringLiteral("/daten/kaputt.rz3"),
                      QDateTime(day, QTime(22, 0))},
                     "x|y|0|1|1|zwei|0|\r\n");
        TCupContent changed = test::smallCup(1, 2);
        changed.name = QStringLiteral("Abendlauf geändert");
        folder.write({QStringLiteral("middle"), QStringLiteral("/daten/abend.rz3"),
                      QDateTime(day, QTime(21, 0))},
                     cupFileBytes(changed));
        folder.write({QStringLiteral("oldest"), QString(), QDateTime(day, QTime(20, 0))},
                     cupFileBytes(test::smallCup(1, 1)));

        StartedProgram program(folder, {true, true});
        QVERIFY(program.recovery.offerAtStart());
        const QStringList& shown = program.prompt.shown;
        QCOMPARE(shown.size(), 3);
        QVERIFY(shown[0].contains(QStringLiteral("„/daten/kaputt.rz3“")));
        QVERIFY(shown[1].startsWith(QStringLiteral("error: ")));
        QVERIFY(shown[2].contains(QStringLiteral("„/daten/abend.rz3“ vom 12.05.2026 um "
                                                        "21:00:00 Uhr\n„unbekannt“")));
        QCOMPARE(program.w.cup.name, changed.name);
        QCOMPARE(program.w.cup.fileName, QStringLiteral("/daten/abend.rz3"));
        QCOMPARE(folder.copies().size(), size_t(3));

        // The next program offers the two copies this one does not keep.
        StartedProgram next(folder, {false, false});
        QVERIFY(!next.recovery.offerAtStart());
        QVERIFY(next.prompt.shown[0].contains(QStringLiteral("„/daten/kaputt.rz3“")));
        QVERIFY(!next.prompt.shown[0].contains(QStringLiteral("abend")));
        QCOMPARE(next.prompt.shown[1], QStringLiteral("ask: Sollen die 2 Wiederherstellungskopien "
                                                      "gelöscht werden?\nSonst wird beim nächsten "
                                                      "Start wieder gefragt."));
    }

    void aCopyThatDoesNotLoadIsReportedAndKept() {
        const RecoveryFolder folder(m_dir.filePath(QStringLiteral("broken")));
        folder.write({QStringLiteral("broken"), QString(), QDateTime(QDate(2026, 5, 1), QTime(8, 0))},
                     "x|y|0|1|1|zwei|0|\r\n");
        test::ScriptedPrompt prompt;
        Tw w(&prompt);
        Recovery recovery(w.cup, prompt, folder.path(), kShortDelay);
        prompt.answerAsk(true);
        QVERIFY(!recovery.offerAtStart());
        QCOMPARE(prompt.shown.first(),
                 question(QStringLiteral("unbekannt"), QStringLiteral("01.05.2026"),
                          QStringLiteral("08:00:00")));
        QCOMPARE(prompt.errors,
                 QStringList{QStringLiteral("Die Wiederherstellungskopie „%1“ lässt sich nicht "
                                            "laden:\n'zwei' ist kein gültiger Integerwert\n"
                                            "Sie bleibt erhalten.")
                                 .arg(folder.copyPath(QStringLiteral("broken")))});
        QCOMPARE(folder.copies().size(), size_t(1));
        QVERIFY(!w.cup.changed());
    }

    // The whole program, killed while it holds unsaved changes, gives them back on the next
    // start.
    void aKilledProgramGivesItsChangesBack() {
        const QString cupFile = m_dir.filePath(QStringLiteral("killed.rz3"));
        test::writeBytes(cupFile, cupFileBytes(test::smallCup(1, 2)));
        const QString dataHome = m_dir.filePath(QStringLiteral("data"));
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("RZV_TEST_TYPE_NAME"), QStringLiteral(" Nachtlauf"));
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(RZV_BINARY_DIR "/src/app/rundenzeitverwalter"), {cupFile});
        QVERIFY(program.waitForStarted());

        const RecoveryFolder folder(dataHome + QStringLiteral("/Rundenzeitverwalter/recovery"));
        QTRY_VERIFY_WITH_TIMEOUT(folder.copies().size() == 1 &&
                                     QFile::exists(folder.infoPath(folder.copies()[0].id)),
                                 60000);
        program.kill();
        QVERIFY(program.waitForFinished());
        QCOMPARE(program.exitStatus(), QProcess::CrashExit);

        // The next start looks in the same data folder.
        qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome));
        QCoreApplication::setApplicationName(kProduktname);
        QCOMPARE(Recovery::defaultFolder(), folder.path());
        test::ScriptedPrompt prompt;
        Tw w(&prompt);
        Recovery recovery(w.cup, prompt, Recovery::defaultFolder());
        prompt.answerAsk(true);
        QVERIFY(recovery.offerAtStart());
        QVERIFY(prompt.shown.first().contains(QStringLiteral("„%1“").arg(cupFile)));
        QCOMPARE(w.cup.name, QStringLiteral("Testcup Süd Nachtlauf"));
        QCOMPARE(w.cupTab->name->text(), QStringLiteral("Testcup Süd Nachtlauf"));
        QCOMPARE(w.cup.fileName, cupFile);
        QVERIFY(w.cup.changed());
        QCOMPARE(w.cup.participantCount(), 2);
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(TstRecovery)
#include "tst_recovery.moc"
