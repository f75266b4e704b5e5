#include "cup/cupdata.h"
#include "dialogs/loeschen.h"
#include "dialogs/tbea_erg.h"
#include "editortesting.h"
#include "modalbox.h"
#include "scriptedprompt.h"
#include "ui/qtprompt.h"

#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

using namespace rzv;
using namespace rzv::test;

class TestTbeaErg : public QObject {
    Q_OBJECT

    TCupData cup;
    ScriptedPrompt prompt;

    // One evening's typing: start number, Tab, result, Tab.
    void enter(const QString& sn, const QString& result) {
        typeText(sn);
        tab();
        retype(result);
        tab();
    }

private Q_SLOTS:
    void init() {
        cup.neu();
        prompt = ScriptedPrompt();
        addRace(cup, QStringLiteral("10.05.2008"), kDistanzlauf, QStringLiteral("ja"));
        addRace(cup, QStringLiteral("10.06.2008"), kZeitlauf, QStringLiteral("ja"));
        addParticipant(cup, person(QStringLiteral("Abel"), QStringLiteral("Anna"),
                                   QStringLiteral("weiblich"), QStringLiteral("F30"),
                                   QStringLiteral("007"), QStringLiteral("A-Cup")));
        addParticipant(cup,
                       person(QStringLiteral("Berg"), QStringLiteral("Bert"),
                              QStringLiteral("männlich"), QStringLiteral("M30"),
                              QStringLiteral("042"), QStringLiteral("A-Cup")),
                       {QString(), QStringLiteral("0:40'00,0\"")});
    }
    void cleanup() { QVERIFY(prompt.allAnswered()); }

    void startNumbersAreFoundPaddedAndResultsStoredByTab() {
        Tbea_erg dialog(cup, prompt);
        QSignalSpy found(&dialog, &Tbea_erg::participantFound);
        dialog.showForRace(2);
        QVERIFY(activate(dialog));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Schnelle Ergebniseingabe"));
        QCOMPARE(dialog.findChildren<QLabel*>().last()->text(),
                 QStringLiteral("Ergebnis in Lauf 2 - Zeitlauf (fixe Distanz)"));
        QCOMPARE(focused(), field(dialog, "sn"));

        typeText(QStringLiteral("7"));
        tab();
        QCOMPARE(field(dialog, "sn")->text(), QStringLiteral("007"));
        QCOMPARE(field<QLabel>(dialog, "name")->text(), QStringLiteral("Abel, Anna"));
        QCOMPARE(found.takeFirst().at(0).toInt(), 1);
        QCOMPARE(focused(), field(dialog, "erg"));
        typeText(QStringLiteral("ol"));
        tab();
        QCOMPARE(cup.teil.cell(resultColumn(2), 1), QStringLiteral("o.L."));
        QVERIFY(cup.changed());
        // Back in the start number, the dialog is empty for the next one.
        QCOMPARE(focused(), field(dialog, "sn"));
        QCOMPARE(field(dialog, "erg")->text(), QString());
        QCOMPARE(field<QLabel>(dialog, "name")->text(), QString());

        typeText(QStringLiteral("0042"));
        tab();
        QCOMPARE(field(dialog, "sn")->text(), QStringLiteral("042"));
        QCOMPARE(field(dialog, "erg")->text(), QStringLiteral("0:40'00,0\""));
        keepScreenshot(dialog, QStringLiteral("tbea_erg"));
        // The same result again is stored without a question.
        retype(QStringLiteral("40000"));
        tab();
        QVERIFY(prompt.shown.isEmpty());
        QCOMPARE(cup.teil.cell(resultColumn(2), 2), QStringLiteral("0:40'00,0\""));
    }

    void aDifferentResultAsksBeforeOverwriting() {
        Tbea_erg dialog(cup, prompt);
        dialog.showForRace(2);
        QVERIFY(activate(dialog));
        prompt.answerAsk(false);
        enter(QStringLiteral("42"), QStringLiteral("39000"));
        QCOMPARE(prompt.shown, QStringList{QStringLiteral(
                                   "ask: Wollen Sie den alten Wert (0:40'00,0\") überschreiben?")});
        QCOMPARE(prompt.owners, QList<const QWidget*>{&dialog});
        QCOMPARE(cup.teil.cell(resultColumn(2), 2), QStringLiteral("0:40'00,0\""));
        prompt.answerAsk(true);
        enter(QStringLiteral("42"), QStringLiteral("39000"));
        QCOMPARE(cup.teil.cell(resultColumn(2), 2), QStringLiteral("0:39'00,0\""));
        // Emptying an old result needs the question too.
        prompt.answerAsk(true);
        enter(QStringLiteral("42"), QStringLiteral("abc"));
        QCOMPARE(cup.teil.cell(resultColumn(2), 2), QString());
    }

    // The desktop's question box takes the focus from the dialog while it is open; whatever the
    // answer, the dialog is empty for the next start number afterwards.
    void afterTheOverwriteQuestionTheNextNumberFollows() {
        QtPrompt boxes(nullptr);
        Tbea_erg dialog(cup, boxes);
        dialog.showForRace(2);
        QVERIFY(activate(dialog));
        for (const char* answer : {"&Nein", "&Ja"}) {
            whenBoxShows([answer](QMessageBox& box) {
                boxButton(box, QString::fromLatin1(answer))->click();
            });
            enter(QStringLiteral("42"), QStringLiteral("39000"));
            QVERIFY(activate(dialog)); // the desktop gives the dialog back its activation
            QCOMPARE(focused(), field(dialog, "sn"));
            QCOMPARE(field(dialog, "sn")->text(), QString());
            QCOMPARE(field<QLabel>(dialog, "name")->text(), QString());
            QCOMPARE(field(dialog, "erg")->text(), QString());
        }
        QCOMPARE(cup.teil.cell(resultColumn(2), 2), QStringLiteral("0:39'00,0\""));
        typeText(QStringLiteral("7"));
        tab();
        QCOMPARE(field<QLabel>(dialog, "name")->text(), QStringLiteral("Abel, Anna"));
    }

    void aDistanceRaceTakesDistances() {
        Tbea_erg dialog(cup, prompt);
        dialog.showForRace(1);
        QVERIFY(activate(dialog));
        QCOMPARE(dialog.findChildren<QLabel*>().last()->text(),
                 QStringLiteral("Ergebnis in Lauf 1 - Distanzlauf (fixe Zeit)"));
        enter(QStringLiteral("7"), QStringLiteral("12.345 m"));
        QCOMPARE(cup.teil.cell(resultColumn(1), 1), QStringLiteral("12345m"));
    }

    void unknownOrInvalidStartNumbersKeepTheFocusAndAnEmptyOneCloses() {
        Tbea_erg dialog(cup, prompt);
        dialog.showForRace(2);
        QVERIFY(activate(dialog));
        typeText(QStringLiteral("abc"));
        tab();
        QCOMPARE(focused(), field(dialog, "sn"));
        typeText(QStringLiteral("99"));
        tab();
        QCOMPARE(focused(), field(dialog, "sn"));
        QVERIFY(dialog.isVisible());
        retype(QString());
        tab();
        QVERIFY(!dialog.isVisible());
        QVERIFY(!cup.changed());
        QVERIFY(prompt.shown.isEmpty());
    }

    void theResultGoesToTheParticipantLookedUp() {
        Tbea_erg dialog(cup, prompt);
        dialog.showForRace(2);
        QVERIFY(activate(dialog));
        typeText(QStringLiteral("7"));
        tab();
        // Meanwhile the main window orders the participants the other way round and a race is
        // added before the chosen one.
        teilsort(cup, 1, kName);
        addRace(cup, QStringLiteral("01.04.2008"));
        typeText(QStringLiteral("35000"));
        tab();
        QCOMPARE(cup.teil.cell(kName, 2), QStringLiteral("Abel"));
        QCOMPARE(cup.teil.cell(resultColumn(3), 2), QStringLiteral("0:35'00,0\""));
        QCOMPARE(cup.teil.cell(resultColumn(3), 1), QStringLiteral("0:40'00,0\""));

        // A participant deleted meanwhile gets nothing, and the user is told.
        typeText(QStringLiteral("7"));
        tab();
        prompt.answerAsk(true);
        QVERIFY(teilLoeschen(cup, prompt, 2));
        prompt.answerAsk(true); // the old value 0:35'00,0" is overwritten
        typeText(QStringLiteral("1"));
        tab();
        QCOMPARE(prompt.notices,
                 QStringList{QStringLiteral("Der Teilnehmer ist nicht mehr vorhanden!\r\n"
                                            "Das Ergebnis wurde nicht gespeichert.")});
        QCOMPARE(cup.participantCount(), 1);
        QCOMPARE(cup.teil.cell(resultColumn(3), 1), QStringLiteral("0:40'00,0\""));
    }
};

QTEST_MAIN(TestTbeaErg)
#include "tst_tbea_erg.moc"
