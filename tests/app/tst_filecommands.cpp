#include "app/filecommands.h"
#include "app/gridmodel.h"
#include "app/gridview.h"
#include "app/mainmenu.h"
#include "app/tw.h"
#include "cup/cupfile.h"
#include "teams/teamsettings.h"
#include "guitesting.h"
#include "scriptedprompt.h"
#include "testcup.h"
#include "testfiles.h"

#include <QCloseEvent>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

using namespace rzv;

namespace {

const QString kQuestion = QStringLiteral("ask: Sie haben noch ungesicherte Daten!\n");
const QString kFilter = QStringLiteral("Rundenzeitverwalter 3.*.* (*.rz3)");

using test::writeBytes;

} // namespace

class TstFileCommands : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { QVERIFY(m_dir.isValid()); }

    void saveAsAskForTheFileAndSave() {
        test::ScriptedPrompt prompt;
        Tw w(&prompt);
        const QString path = m_dir.filePath(QStringLiteral("neu.rz3"));
        prompt.answerFile(path);
        w.mainMenu->speichern->trigger(); // no file name yet: the save dialog first
        QCOMPARE(prompt.shown,
                 QStringList{"save: Rundenpokal-Daten speichern unter|" + kFilter + "|rz3"});
        QCOMPARE(test::fileBytes(path).left(20), QByteArray("||0|1|1|0|0|\r\nWK U8|"));
        QCOMPARE(w.statusFile->text(), path);
        QCOMPARE(w.statusChanged->text(), QString());

        // With a file name "&Speichern" asks nothing; "Speichern &unter" always asks.
        w.cup.name = QStringLiteral("Abendlauf");
        w.cup.edit(1);
        QCOMPARE(w.statusChanged->text(), QStringLiteral("geändert"));
        w.mainMenu->speichern->trigger();
        QCOMPARE(prompt.shown.size(), 1);
        QVERIFY(test::fileBytes(path).startsWith("Abendlauf||0|"));
        QVERIFY(!w.cup.changed());
        prompt.answerFile({});
        w.mainMenu->speichernunter->trigger();
        QCOMPARE(prompt.shown.size(), 2);
        QCOMPARE(w.cup.fileName, path);

        // The copy keeps the cup's team settings.
        speichereMannschaftseinstellungen(path, {4, true, false});
        const QString copy = m_dir.filePath(QStringLiteral("kopie.rz3"));
        prompt.answerFile(copy);
        w.mainMenu->speichernunter->trigger();
        QCOMPARE(w.cup.fileName, copy);
        QCOMPARE(ladeMannschaftseinstellungen(copy), (Mannschaftseinstellungen{4, true, false}));
        QVERIFY(prompt.allAnswered());
    }

    void savingOrdersTheParticipantsByName() {
        test::ScriptedPrompt prompt;
        Tw w(&prompt);
        TCupContent cup = test::smallCup(1, 3);
        cup.teil.swapRows(1, 3);
        w.cup.replaceContent(cup, m_dir.filePath(QStringLiteral("order.rz3")));
        QCOMPARE(w.teil->model()->data(w.teil->model()->index(0, 4)).toString(),
                 QStringLiteral("001"));
        w.mainMenu->speichern->trigger();
        QCOMPARE(w.cup.teil.cell(kName, 1), QStringLiteral("Läufer000"));
        // The view shows the new order.
        QCOMPARE(w.teil->model()->headerData(0, Qt::Vertical).toString(),
                 QStringLiteral("Läufer000"));
    }

    void failedSaveKeepsTheChangedMarkAndTheFileName() {
        test::ScriptedPrompt prompt;
        Tw w(&prompt);
        w.cup.edit(1);
        prompt.answerFile(m_dir.filePath(QStringLiteral("missing/dir/x.rz3")));
        w.mainMenu->speichernunter->trigger();
        QCOMPARE(prompt.errors.size(), 1);
        QVERIFY(prompt.errors[0].startsWith(QStringLiteral("I/O-Fehler ")));
        QVERIFY(w.cup.changed());
        QCOMPARE(w.statusFile->text(), QStringLiteral("unbekannt"));
        QCOMPARE(w.cup.fileName, QString());
    }

    void loadAsksFirstWhenChanged_data() {
        QTest::addColumn<bool>("answer");
        QTest::newRow("Ja") << true;
        QTest::newRow("Nein") << false;
    }
    void loadAsksFirstWhenChanged() {
        QFETCH(bool, answer);
        const QString path = m_dir.filePath(QStringLiteral("cup.rz3"));
        writeBytes(path, cupFileBytes(test::smallCup(2, 3)));
        test::ScriptedPrompt prompt;
        Tw w(&prompt);
        w.cup.name = QStringLiteral("ungesichert");
        w.cup.edit(1);
        prompt.answerAsk(answer);
        if (answer) prompt.answerFile(path);
        w.mainMenu->laden->trigger();
        QCOMPARE(prompt.shown[0],
                 kQuestion + QStringLiteral("Wollen Sie trotzdem einen Cup laden?"));
        QVERIFY(prompt.allAnswered());
        if (answer) {
            QCOMPARE(prompt.shown[1], "open: Rundenpokal-Daten laden|" + kFilter + "|rz3");
            QCOMPARE(w.cup.name, QStringLiteral("Testcup Süd"));
            QCOMPARE(w.cup.participantCount(), 3);
            QCOMPARE(w.teil->gridModel()->rowCount(), 3);
            QCOMPARE(w.statusFile->text(), path);
            QCOMPARE(w.statusChanged->text(), QString());
        } else {
            QCOMPARE(prompt.shown.size(), 1);
            QCOMPARE(w.cup.name, QStringLiteral("ungesichert"));
        }
    }

    void loadErrorsKeepTheOpenCup_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::newRow("count") << QByteArray("a|b|0|1|1|zwei|0|\r\n\r\n\r\n\r\n")
                               << QStringLiteral("'zwei' ist kein gültiger Integerwert");
        QTest::newRow("points") << QByteArray("a|b|0|1|1|0|0|\r\n\r\n\r\n20|x9|\r\n")
                                << QStringLiteral("'x9' ist kein gültiger Integerwert");
        QTest::newRow("missing file") << QByteArray() << QStringLiteral("I/O-Fehler 2");
    }
    void loadErrorsKeepTheOpenCup() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        const QString path = m_dir.filePath(QStringLiteral("bad.rz3"));
        QFile::remove(path);
        if (!bytes.isEmpty()) writeBytes(path, bytes);
        test::ScriptedPrompt prompt;
        Tw w(&prompt);
        const TCupContent before = test::smallCup(2, 4);
        w.cup.replaceContent(before, m_dir.filePath(QStringLiteral("open.rz3")));
        prompt.answerFile(path);
        w.mainMenu->laden->trigger();
        QCOMPARE(prompt.errors, QStringList{message});
        QCOMPARE(w.cup.name, before.name);
        QVERIFY(w.cup.teil == before.teil);
        QVERIFY(w.cup.laufe == before.laufe);
        QCOMPARE(w.statusFile->text(), m_dir.filePath(QStringLiteral("open.rz3")));
        QCOMPARE(w.teil->gridModel()->rowCount(), 4);
    }

    void shortFileLoadsWithANotice() {
        const QString path = m_dir.filePath(QStringLiteral("kurz.rz3"));
        writeBytes(path, "Kurz||0|1|1|0|3|\r\n\r\n\r\n\r\nAdler|Jan|\r\n");
        test::ScriptedPrompt prompt;
        Tw w(&prompt);
        prompt.answerFile(path);
        w.mainMenu->laden->trigger();
        QCOMPARE(prompt.shown.mid(1),
                 QStringList{QStringLiteral("notice: Die Cup-Datei ist unvollständig: sie endet nach 1 "
                                            "von 3 Teilnehmern; die fehlenden wurden leer angelegt.")});
        QCOMPARE(w.cup.participantCount(), 3);
        QCOMPARE(w.statusFile->text(), path);
    }

    void newAsksFirstWhenChanged() {
        test::ScriptedPrompt prompt;
        Tw w(&prompt);
        w.cup.replaceContent(test::smallCup(2, 4), QStringLiteral("/tmp/x.rz3"));
        w.mainMenu->neu->trigger(); // unchanged: no question
        QVERIFY(prompt.shown.isEmpty());
        QCOMPARE(w.cup.raceCount(), 0);
        QCOMPARE(w.statusFile->text(), QStringLiteral("unbekannt"));

        w.cup.replaceContent(test::smallCup(2, 4), QStringLiteral("/tmp/x.rz3"));
        w.cup.edit(1);
        prompt.answerAsk(false);
        w.mainMenu->neu->trigger();
        QCOMPARE(prompt.shown,
                 QStringList{kQuestion + "Wollen Sie trotzdem einen neuen Cup anlegen?"});
        QCOMPARE(w.cup.raceCount(), 2);
        prompt.answerAsk(true);
        w.mainMenu->neu->trigger();
        QCOMPARE(w.cup.raceCount(), 0);
        QCOMPARE(w.cup.pv.rowCount(), 21);
        QCOMPARE(w.laufe->gridModel()->columnCount(), 1);
        QVERIFY(!w.cup.changed());
    }

    void closingAsksWhenChanged() {
        test::ScriptedPrompt prompt;
        Tw w(&prompt);
        w.show();
        w.cup.edit(1);
        prompt.answerAsk(false);
        w.mainMenu->beenden->trigger();
        QCOMPARE(prompt.shown, QStringList{kQuestion + "Wollen Sie trotzdem beenden?"});
        QVERIFY(w.isVisible());
        prompt.answerAsk(true);
        QVERIFY(w.close());
        QVERIFY(!w.isVisible());

        Tw saved(&prompt);
        saved.show();
        QVERIFY(saved.close()); // nothing unsaved: no question
        QCOMPARE(prompt.shown.size(), 2);
    }

    void commandLineFileIsLoaded() {
        const QString path = m_dir.filePath(QStringLiteral("arg.rz3"));
        writeBytes(path, cupFileBytes(test::smallCup(1, 2)));
        test::ScriptedPrompt prompt;
        Tw w(&prompt);
        QVERIFY(w.files->ladenDatei(path));
        QCOMPARE(w.cup.participantCount(), 2);
        QVERIFY(prompt.shown.isEmpty());
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(TstFileCommands)
#include "tst_filecommands.moc"
