// The menu "&Bearbeiten" in the main window: entries naming their steps, enabled only with a step
// to undo or redo, the changed mark following the history, and a step repainting only what it
// changed.
#include "app/filecommands.h"
#include "app/gridmodel.h"
#include "app/gridview.h"
#include "app/historyactions.h"
#include "app/mainmenu.h"
#include "app/teilpopup.h"
#include "app/tw.h"
#include "app/cuptab.h"
#include "commands/setresult.h"
#include "guitesting.h"
#include "scriptedprompt.h"
#include "testcup.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>

using namespace rzv;

class TstHistory : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void menuNamesStepsAndFollowsTheSavedState() {
        test::ScriptedPrompt prompt;
        Tw w(&prompt);
        w.cup.replaceContent(test::smallCup(2, 4), QStringLiteral("/tmp/cup.rz3"));
        const HistoryActions& history = *w.mainMenu->bearbeiten;
        QCOMPARE(test::menuTexts(w.menuBar()->actions()[1]->menu()),
                 (QStringList{"&Rückgängig", "&Wiederholen", "-", "&Doppelte Teilnehmer suchen …",
                              "&Vereine vereinheitlichen …"}));
        QVERIFY(!history.undo->isEnabled());
        QVERIFY(!history.redo->isEnabled());
        QCOMPARE(history.undo->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
        QCOMPARE(history.redo->shortcuts(),
                 (QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+Y")),
                                      QKeySequence(QStringLiteral("Ctrl+Shift+Z"))}));

        const QString name = w.cup.teil.cell(kName, 2) + QStringLiteral(", ") +
                             w.cup.teil.cell(kVorname, 2);
        w.teil->setCurrentCell(0, 2);
        prompt.answerAsk(true);
        w.teilPopup->teil_pop_l->trigger();
        QCOMPARE(w.cup.participantCount(), 3);
        QCOMPARE(history.undo->text(), QStringLiteral("&Rückgängig: Teilnehmer löschen (") + name + u')');
        QVERIFY(history.undo->isEnabled());
        QCOMPARE(w.statusChanged->text(), QStringLiteral("geändert"));

        history.undo->trigger();
        QCOMPARE(w.cup.participantCount(), 4);
        QCOMPARE(w.teil->model()->rowCount(), 4);
        QCOMPARE(w.statusChanged->text(), QString()); // back at the loaded state
        QVERIFY(!history.undo->isEnabled());
        QCOMPARE(history.redo->text(), QStringLiteral("&Wiederholen: Teilnehmer löschen (") + name + u')');
        history.redo->trigger();
        QCOMPARE(w.cup.participantCount(), 3);
        QCOMPARE(w.statusChanged->text(), QStringLiteral("geändert"));

        // Typing in one header field is one step; undoing it shows the old text again.
        QTest::keyClicks(w.cupTab->name, QStringLiteral("XY"));
        QCOMPARE(history.undo->text(),
                 QStringLiteral("&Rückgängig: Bezeichnung des Rundenpokals ändern"));
        history.undo->trigger();
        QCOMPARE(w.cupTab->name->text(), QStringLiteral("Testcup Süd"));
        QCOMPARE(history.undo->text(), QStringLiteral("&Rückgängig: Teilnehmer löschen (") + name + u')');

        prompt.answerAsk(true); // discard the changes
        w.files->neu();
        QVERIFY(!history.undo->isEnabled());
        QVERIFY(!history.redo->isEnabled());
        QCOMPARE(history.undo->text(), QStringLiteral("&Rückgängig"));
        QVERIFY(prompt.allAnswered());
    }

    // A stored result and its undo tell the participant view about one cell, without a reset.
    void stepRepaintsOnlyItsCell() {
        test::ScriptedPrompt prompt;
        Tw w(&prompt);
        w.cup.replaceContent(test::smallCup(3, 5), {});
        QSignalSpy resets(w.teil->model(), &QAbstractItemModel::modelReset);
        QSignalSpy cells(w.teil->model(), &QAbstractItemModel::dataChanged);
        const int row = 3;
        runCommand(w.cup, std::make_unique<SetResultCommand>(
                              w.cup, w.cup.teil.rowId(row), w.cup.teil.colId(resultColumn(2)),
                              QStringLiteral("0:42'31,4\"")));
        QCOMPARE(w.mainMenu->bearbeiten->undo->text(),
                 QStringLiteral("&Rückgängig: Ergebnis 0:42'31,4\" in Lauf 2 für ") +
                     w.cup.teil.cell(kName, row) + QStringLiteral(", ") +
                     w.cup.teil.cell(kVorname, row));
        w.mainMenu->bearbeiten->undo->trigger();
        QCOMPARE(resets.count(), 0);
        QCOMPARE(cells.count(), 2);
        const QModelIndex cell = cells.at(1).at(0).toModelIndex();
        QCOMPARE(cell.data().toString(), w.cup.teil.cell(resultColumn(2), row));
        QCOMPARE(cell, w.teil->gridModel()->indexOfCell(resultColumn(2), row));

        // The open menu with a named step, for a look at it.
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QMenu* menu = w.menuBar()->actions()[1]->menu();
        menu->popup(w.mapToGlobal(QPoint(40, 20)));
        QDir().mkpath(QStringLiteral(RZV_BINARY_DIR "/screens"));
        QVERIFY(menu->grab().save(QStringLiteral(RZV_BINARY_DIR "/screens/bearbeiten.png")));
        menu->hide();
    }
};

QTEST_MAIN(TstHistory)
#include "tst_history.moc"
