#include "cup/cupdata.h"
#include "dialogs/loeschen.h"
#include "dialogs/tbea_ag.h"
#include "dialogs/tbea_cup.h"
#include "dialogs/tbea_pv.h"
#include "editortesting.h"
#include "scriptedprompt.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

using namespace rzv;
using namespace rzv::test;

// The editors of the age groups, cup variations and points, and deleting their entries.
class TestSettingsEditors : public QObject {
    Q_OBJECT

    TCupData cup;
    ScriptedPrompt prompt;

    int agRowOf(const QString& weib) {
        for (int row = 1; row < cup.ag.rowCount(); ++row)
            if (cup.ag.cell(0, row) == weib) return row;
        return -1;
    }
    // Types the designations and sets the maximum age with the arrow keys.
    void typeGroup(Tbea_ag& dialog, const QString& weib, const QString& mann, int alter) {
        field(dialog, "weib")->setFocus();
        retype(weib);
        tab();
        retype(mann);
        tab();
        auto* alterW = field<QSpinBox>(dialog, "alterW");
        QCOMPARE(focused(), alterW);
        while (alterW->value() < alter)
            key(Qt::Key_Up);
        while (alterW->value() > alter)
            key(Qt::Key_Down);
    }

private Q_SLOTS:
    void init() {
        cup.neu();
        prompt = ScriptedPrompt();
    }
    void cleanup() { QVERIFY(prompt.allAnswered()); }

    void aDuplicateAgeGroupIsRefusedAndTheDialogKeepsItsContents() {
        Tbea_ag dialog(cup, prompt);
        dialog.showAdd();
        QVERIFY(activate(dialog));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Altersgruppe hinzufügen"));
        QCOMPARE(field<QSpinBox>(dialog, "alterW")->value(), 20);
        typeGroup(dialog, QStringLiteral("W30"), QStringLiteral("M30"), 39);
        press(dialog, "speichern");
        QCOMPARE(prompt.notices, QStringList{QStringLiteral(
                                     "Es besteht eine Dopplung mit einer anderen Altersgruppe!")});
        QCOMPARE(prompt.owners, QList<const QWidget*>{&dialog}); // the dialog's own notice
        QVERIFY(dialog.isVisible());
        QCOMPARE(field(dialog, "weib")->text(), QStringLiteral("W30"));
        QCOMPARE(cup.ag.rowCount(), 15);

        typeGroup(dialog, QStringLiteral("W35"), QStringLiteral("M35"), 34);
        keepScreenshot(dialog, QStringLiteral("tbea_ag"));
        press(dialog, "speichern");
        QVERIFY(!dialog.isVisible());
        QCOMPARE(cup.ag.rowCount(), 16);
        // Ordered by maximum age: between F (29) and F30 (39).
        QCOMPARE(agRowOf(QStringLiteral("W35")), agRowOf(QStringLiteral("F")) + 1);
        QCOMPARE(cup.ag.cell(2, agRowOf(QStringLiteral("W35"))), QStringLiteral("34"));
        QVERIFY(cup.changed());
        QCOMPARE(field(dialog, "weib")->maxLength(), 9);
    }

    void renamingF30ToW30RenamesOnlyTheWomen() {
        addParticipant(cup,
                       person(QStringLiteral("A"), QStringLiteral("A"), QStringLiteral("weiblich"),
                              QStringLiteral("F30"), QStringLiteral("001")));
        addParticipant(cup,
                       person(QStringLiteral("B"), QStringLiteral("B"), QStringLiteral("männlich"),
                              QStringLiteral("M30"), QStringLiteral("002")));
        Tbea_ag dialog(cup, prompt);
        dialog.showEdit(agRowOf(QStringLiteral("F30")));
        QVERIFY(activate(dialog));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Altersgruppe bearbeiten"));
        QCOMPARE(field(dialog, "mann")->text(), QStringLiteral("M30"));
        QCOMPARE(field<QSpinBox>(dialog, "alterW")->value(), 39);
        // Editing is not compared with the other groups: the maximum age 39 stays.
        typeGroup(dialog, QStringLiteral("W30"), QStringLiteral("M30"), 39);
        press(dialog, "speichern");
        QVERIFY(prompt.notices.isEmpty());
        QCOMPARE(cup.teil.cell(kAltersgruppe, 1), QStringLiteral("W30"));
        QCOMPARE(cup.teil.cell(kAltersgruppe, 2), QStringLiteral("M30"));
        QCOMPARE(agRowOf(QStringLiteral("F30")), -1);
        QCOMPARE(cup.ag.cell(1, agRowOf(QStringLiteral("W30"))), QStringLiteral("M30"));
    }

    void anEditedGroupDeletedMeanwhileIsNotWritten() {
        Tbea_ag dialog(cup, prompt);
        const int R = agRowOf(QStringLiteral("F30"));
        dialog.showEdit(R);
        // Another group is deleted above it: the edit still goes to F30/M30.
        prompt.answerAsk(true);
        QVERIFY(agLoeschen(cup, prompt, 1));
        field(dialog, "weib")->setText(QStringLiteral("W30"));
        field<QPushButton>(dialog, "speichern")->click();
        QCOMPARE(cup.ag.cell(0, R - 1), QStringLiteral("W30"));
        QCOMPARE(cup.ag.cell(1, R - 1), QStringLiteral("M30"));

        dialog.showEdit(R - 1);
        prompt.answerAsk(true);
        QVERIFY(agLoeschen(cup, prompt, R - 1));
        const TCellGrid before = cup.ag;
        field<QPushButton>(dialog, "speichern")->click();
        QCOMPARE(cup.ag, before);
        QCOMPARE(prompt.notices, QStringList{QStringLiteral(
                                     "Die bearbeitete Altersgruppe ist nicht mehr "
                                     "vorhanden!\r\nDie Änderungen wurden nicht gespeichert.")});
    }

    void ageGroupsInUseAndTheLastOneAreNotDeleted() {
        addParticipant(cup,
                       person(QStringLiteral("B"), QStringLiteral("B"), QStringLiteral("männlich"),
                              QStringLiteral("M30"), QStringLiteral("002")));
        QVERIFY(!agLoeschen(cup, prompt, agRowOf(QStringLiteral("F30"))));
        QCOMPARE(prompt.notices.last(),
                 QStringLiteral(
                     "Es sind noch Teilnehmer in der Altersgruppe!\r\n"
                     "Sie müssen diese erst löschen bevor Sie Altersgruppen löschen können!"));
        prompt.answerAsk(false);
        QVERIFY(!agLoeschen(cup, prompt, 1));
        QCOMPARE(
            prompt.shown.last(),
            QStringLiteral("ask: Sind Sie sicher, dass Sie diese Altersgruppe löschen wollen?"));
        cup.ag.setRowCount(2);
        QVERIFY(!agLoeschen(cup, prompt, 1));
        QCOMPARE(prompt.notices.last(),
                 QStringLiteral("Sie müssen wenigstens eine Altersgruppe eingetragen lassen!"));
        QCOMPARE(cup.ag.rowCount(), 2);
        QVERIFY(!cup.changed());
    }

    void theFirstCupVariationInACupWithRacesAsksAndEmptiesTheirTimesOrDistances() {
        cup.cv.setRowCount(1);
        addRace(cup, QStringLiteral("10.05.2008"), kZeitlauf, QStringLiteral("5000m"));
        addRace(cup, QStringLiteral("10.06.2008"), kDistanzlauf, QStringLiteral("1:00'00,0\""));
        Tbea_cup dialog(cup, prompt);
        dialog.showAdd();
        QVERIFY(activate(dialog));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Cup-Variation hinzufügen"));
        field(dialog, "name")->setFocus();
        typeText(QStringLiteral("Kurz"));
        tab();
        typeText(QStringLiteral("5.000 m"));
        tab();
        typeText(QStringLiteral("30000"));
        tab();
        QCOMPARE(field(dialog, "strecke")->text(), QStringLiteral("5000m"));
        QCOMPARE(field(dialog, "zeit")->text(), QStringLiteral("0:30'00,0\""));
        QCOMPARE(focused(), field<QPushButton>(dialog, "speichern"));
        keepScreenshot(dialog, QStringLiteral("tbea_cup"));
        prompt.answerAsk(false);
        key(Qt::Key_Space);
        QCOMPARE(prompt.shown.last(),
                 QStringLiteral("ask: Es sind bereits Läufe eingetragen!\n\r"
                                "Sollen die Zeit/Distanz-Eintragungen gelöscht werden!"));
        QCOMPARE(prompt.owners.last(), &dialog);
        QVERIFY(dialog.isVisible());
        QCOMPARE(cup.cv.rowCount(), 1);
        QCOMPARE(cup.laufe.cell(1, kCuplauf), QStringLiteral("5000m"));

        prompt.answerAsk(true);
        key(Qt::Key_Space);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(cup.cv.rowCount(), 2);
        QCOMPARE(cup.cv.cell(0, 1), QStringLiteral("Kurz"));
        QCOMPARE(cup.laufe.cell(1, kCuplauf), QString());
        QCOMPARE(cup.laufe.cell(2, kCuplauf), QString());
        QVERIFY(cup.changed());

        // The second one is added without a question.
        dialog.showAdd();
        field(dialog, "name")->setText(QStringLiteral("Lang"));
        field<QPushButton>(dialog, "speichern")->click();
        QCOMPARE(cup.cv.rowCount(), 3);
    }

    void renamingACupVariationRenamesItsParticipants() {
        addParticipant(cup, person(QStringLiteral("A"), QStringLiteral("A"),
                                   QStringLiteral("weiblich"), QStringLiteral("F30"),
                                   QStringLiteral("001"), QStringLiteral("A-Cup")));
        addParticipant(cup, person(QStringLiteral("B"), QStringLiteral("B"),
                                   QStringLiteral("weiblich"), QStringLiteral("F30"),
                                   QStringLiteral("002"), QStringLiteral("B-Cup")));
        Tbea_cup dialog(cup, prompt);
        dialog.showEdit(1);
        QCOMPARE(field(dialog, "strecke")->text(), QStringLiteral("10000m"));
        field(dialog, "name")->setText(QStringLiteral("Cup A"));
        field<QPushButton>(dialog, "speichern")->click();
        QCOMPARE(cup.teil.cell(kCup, 1), QStringLiteral("Cup A"));
        QCOMPARE(cup.teil.cell(kCup, 2), QStringLiteral("B-Cup"));
        // Ordered by name: "B-Cup", "C-Cup", "Cup A".
        QCOMPARE(cup.cv.cell(0, 3), QStringLiteral("Cup A"));
        QVERIFY(!dialog.isVisible());
    }

    void cupVariationsNeededByRacesOrParticipantsAreNotDeleted() {
        addParticipant(cup, person(QStringLiteral("A"), QStringLiteral("A"),
                                   QStringLiteral("weiblich"), QStringLiteral("F30"),
                                   QStringLiteral("001"), QStringLiteral("A-Cup")));
        QVERIFY(!cvLoeschen(cup, prompt, 1));
        QCOMPARE(prompt.notices.last(),
                 QStringLiteral(
                     "Es sind noch Teilnehmer in der Cup-Variation (A-Cup)!\r\n"
                     "Sie müssen diese erst löschen bevor Sie Cup-Variationen löschen können!"));
        addRace(cup, QStringLiteral("10.05.2008"), kZeitlauf, QStringLiteral("ja"));
        // Three variations and a race: one that nobody uses may go.
        prompt.answerAsk(true);
        QVERIFY(cvLoeschen(cup, prompt, 3));
        QCOMPARE(prompt.shown.last(),
                 QStringLiteral(
                     "ask: Sind Sie sicher, dass Sie die Cup-Variation (C-Cup) löschen wollen?"));
        QVERIFY(!cvLoeschen(cup, prompt, 2));
        QCOMPARE(
            prompt.notices.last(),
            QStringLiteral(
                "Es sind bereits Cup-Läufe eingetragen!\r\n"
                "Sie müssen wenigstens zwei Cup-Variationen beibehalten oder die Läufe löschen!"));
        QCOMPARE(cup.cv.rowCount(), 3);
        // Without races the last variation may go, leaving a cup without variations.
        cup.neu();
        for (int i = 0; i < 3; ++i) {
            prompt.answerAsk(true);
            QVERIFY(cvLoeschen(cup, prompt, 1));
        }
        QVERIFY(!cup.hasCupVariations());
        QCOMPARE(cup.cv.fixedRows, 0);
    }

    void pointsAreAddedOnceAndTheLastRowStays() {
        Tbea_pv dialog(cup, prompt);
        dialog.showAdd();
        QVERIFY(activate(dialog));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Punktezahl hinzufügen"));
        auto* pzW = field<QSpinBox>(dialog, "pzW");
        QCOMPARE(pzW->maximum(), 1000);
        pzW->setFocus();
        while (pzW->value() < 20)
            key(Qt::Key_Up);
        keepScreenshot(dialog, QStringLiteral("tbea_pv"));
        press(dialog, "hinzufugen");
        QCOMPARE(cup.pv.rowCount(), 21);
        QVERIFY(!cup.changed());
        QVERIFY(prompt.shown.isEmpty());

        pzW->setFocus();
        while (pzW->value() < 25)
            key(Qt::Key_Up);
        press(dialog, "hinzufugen");
        QVERIFY(dialog.isVisible());
        QCOMPARE(cup.pv.rowCount(), 22);
        QCOMPARE(cup.pv.cell(1, 1), QStringLiteral("25"));
        QCOMPARE(cup.pv.cell(1, 2), QStringLiteral("20"));
        QCOMPARE(cup.pv.cell(0, 21), QStringLiteral("21"));
        QCOMPARE(cup.pv.cell(1, 21), QStringLiteral("1"));
        QVERIFY(cup.changed());

        prompt.answerAsk(false);
        QVERIFY(!pvLoeschen(cup, prompt, 2));
        QCOMPARE(
            prompt.shown.last(),
            QStringLiteral("ask: Sind Sie sicher, dass Sie diese Punktezahl (20) löschen wollen?"));
        prompt.answerAsk(true);
        QVERIFY(pvLoeschen(cup, prompt, 1));
        QCOMPARE(cup.pv.cell(1, 1), QStringLiteral("20"));
        QCOMPARE(cup.pv.cell(0, 20), QStringLiteral("20"));

        cup.pv.setRowCount(2);
        QVERIFY(!pvLoeschen(cup, prompt, 1));
        QCOMPARE(prompt.notices.last(),
                 QStringLiteral("Sind müssen wenigstens eine Punktezahl vergeben?"));
        QCOMPARE(cup.pv.rowCount(), 2);
    }

    void aStoredValueThatIsNoNumberStopsWithTheConversionMessage() {
        cup.pv.setCell(1, 3, QStringLiteral("x"));
        Tbea_pv dialog(cup, prompt);
        dialog.showAdd();
        field<QPushButton>(dialog, "hinzufugen")->click();
        QCOMPARE(prompt.errors, QStringList{QStringLiteral("'x' ist kein gültiger Integerwert")});
        QCOMPARE(cup.pv.rowCount(), 21);
    }
};

QTEST_MAIN(TestSettingsEditors)
#include "tst_settingseditors.moc"
