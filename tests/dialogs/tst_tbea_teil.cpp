#include "cup/cupdata.h"
#include "dialogs/loeschen.h"
#include "dialogs/tbea_teil.h"
#include "editortesting.h"
#include "scriptedprompt.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

using namespace rzv;
using namespace rzv::test;

class TestTbeaTeil : public QObject {
    Q_OBJECT

    TCupData cup;
    ScriptedPrompt prompt;

    QTableWidget* grid(Tbea_teil& dialog) { return field<QTableWidget>(dialog, "erg"); }

    // Name to start number as a user types them, tabbing from field to field; the lists are
    // chosen with the arrow keys (Home: first item).
    void typePerson(Tbea_teil& dialog, const QString& name, const QString& vorname,
                    const QString& geb, int cupDown = -1) {
        field(dialog, "name")->setFocus();
        typeText(name);
        tab();
        typeText(vorname);
        tab();
        retype(geb);
        tab(); // ges: "weiblich" is chosen already
        tab(); // vereinS
        tab();
        typeText(QStringLiteral("LG Lauf"));
        tab(); // alt: proposed from the birth date
        tab();
        if (field<QComboBox>(dialog, "cup")->isEnabled()) {
            if (cupDown >= 0) key(Qt::Key_Home);
            for (int i = 0; i < cupDown; ++i)
                key(Qt::Key_Down);
            tab();
        }
        QCOMPARE(focused(), field(dialog, "sn"));
    }

private Q_SLOTS:
    void init() {
        cup.neu();
        prompt = ScriptedPrompt();
    }
    void cleanup() { QVERIFY(prompt.allAnswered()); }

    void addingTypesAParticipantWithResultsAndEmptiesForTheNext() {
        addRace(cup, QStringLiteral("14.06.2008"), kZeitlauf, QStringLiteral("ja"));
        addRace(cup, QStringLiteral("21.06.2008"), kDistanzlauf, QStringLiteral("ja"));
        addParticipant(cup, person(QStringLiteral("Zeh"), QStringLiteral("Zora"),
                                   QStringLiteral("weiblich"), QStringLiteral("F"),
                                   QStringLiteral("041"), QStringLiteral("A-Cup")));
        Tbea_teil dialog(cup, prompt);
        dialog.showAdd();
        QVERIFY(activate(dialog));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Teilnehmer hinzufügen"));
        QCOMPARE(field<QComboBox>(dialog, "ges")->currentText(), QStringLiteral("weiblich"));
        QCOMPARE(field<QComboBox>(dialog, "alt")->itemText(0), QStringLiteral("WK U8"));
        QCOMPARE(field<QComboBox>(dialog, "alt")->itemText(1), QStringLiteral("MK U8"));
        QCOMPARE(grid(dialog)->rowCount(), 2);
        QCOMPARE(grid(dialog)->item(0, 0)->text(), QStringLiteral("1) 14.06.2008 (ZL)"));
        QCOMPARE(grid(dialog)->item(1, 0)->text(), QStringLiteral("2) 21.06.2008 (DL)"));

        typePerson(dialog, QStringLiteral("Abel"), QStringLiteral("Anna"),
                   QStringLiteral("03041975"), 1);
        // Entering the empty start number proposes the largest one plus one.
        QCOMPARE(field(dialog, "sn")->text(), QStringLiteral("042"));
        QCOMPARE(field(dialog, "geb")->text(), QStringLiteral("03.04.1975"));
        // Born 1975, last race 2008: 33 years, "F30".
        QCOMPARE(field<QComboBox>(dialog, "alt")->currentText(), QStringLiteral("F30"));
        tab();
        QCOMPARE(focused(), grid(dialog));
        QCOMPARE(grid(dialog)->currentColumn(), 1);
        typeText(QStringLiteral("o"));
        key(Qt::Key_Down);
        typeText(QStringLiteral("12.345 m"));
        key(Qt::Key_Up);
        QCOMPARE(grid(dialog)->item(0, 1)->text(), QStringLiteral("o.L."));
        QCOMPARE(grid(dialog)->item(1, 1)->text(), QStringLiteral("12345m"));
        keepScreenshot(dialog, QStringLiteral("tbea_teil"));
        press(dialog, "speichern");

        QCOMPARE(cup.participantCount(), 2);
        // Ordered by name: Abel comes first.
        const QStringList stored{QStringLiteral("Abel"),       QStringLiteral("Anna"),
                                 QStringLiteral("03.04.1975"), QStringLiteral("weiblich"),
                                 QStringLiteral("LG Lauf"),    QStringLiteral("F30"),
                                 QStringLiteral("042"),        QStringLiteral("B-Cup"),
                                 QStringLiteral("o.L."),       QStringLiteral("12345m")};
        for (int c = 0; c < stored.size(); ++c)
            QCOMPARE(cup.teil.cell(c, 1), stored[c]);
        QVERIFY(cup.changed());
        // The dialog stays and is empty for the next participant; "weiblich" is not chosen again.
        QVERIFY(dialog.isVisible());
        QCOMPARE(focused(), field(dialog, "name"));
        QCOMPARE(field(dialog, "name")->text(), QString());
        QCOMPARE(field(dialog, "geb")->text(), QStringLiteral("TT.MM.JJJJ"));
        QCOMPARE(field<QComboBox>(dialog, "ges")->currentIndex(), -1);
        QCOMPARE(field<QComboBox>(dialog, "cup")->currentIndex(), -1);
        QCOMPARE(grid(dialog)->item(0, 1)->text(), QString());
    }

    void anIncompleteFormIsRefusedSilently() {
        Tbea_teil dialog(cup, prompt);
        dialog.showAdd();
        QVERIFY(activate(dialog));
        // A cup with cup variations needs one chosen.
        typePerson(dialog, QStringLiteral("Abel"), QStringLiteral("Anna"),
                   QStringLiteral("03041975"));
        tab();
        press(dialog, "speichern");
        QCOMPARE(cup.participantCount(), 0);
        // A birth date that is no date blocks the save too.
        field<QComboBox>(dialog, "cup")->setCurrentIndex(0);
        field(dialog, "geb")->setFocus();
        retype(QStringLiteral("1.4.1975"));
        press(dialog, "speichern");
        QCOMPARE(field(dialog, "geb")->text(), QStringLiteral("TT.MM.JJJJ"));
        QCOMPARE(cup.participantCount(), 0);
        QVERIFY(!cup.changed());
        QVERIFY(prompt.shown.isEmpty());
    }

    void withoutRacesOrCupVariationsTheGridAndCupAreDisabled() {
        cup.cv.setRowCount(1);
        Tbea_teil dialog(cup, prompt);
        dialog.showAdd();
        QVERIFY(activate(dialog));
        QVERIFY(!grid(dialog)->isEnabled());
        QCOMPARE(grid(dialog)->rowCount(), 0);
        QVERIFY(!field<QComboBox>(dialog, "cup")->isEnabled());
        typePerson(dialog, QStringLiteral("Abel"), QStringLiteral("Anna"),
                   QStringLiteral("03041975"));
        retype(QStringLiteral("7"));
        press(dialog, "speichern");
        QCOMPARE(cup.participantCount(), 1);
        QCOMPARE(cup.teil.colCount(), 8);
        QCOMPARE(cup.teil.cell(kStartnummer, 1), QStringLiteral("007"));
        QCOMPARE(cup.teil.cell(kCup, 1), QString());
        // Without races the age group is the youngest one.
        QCOMPARE(cup.teil.cell(kAltersgruppe, 1), QStringLiteral("WK U8"));
    }

    void aStartNumberTakenByAnotherIsEmptiedButOnesOwnIsKept() {
        cup.cv.setRowCount(1);
        addParticipant(cup, person(QStringLiteral("Abel"), QStringLiteral("Anna"),
                                   QStringLiteral("weiblich"), QStringLiteral("F"),
                                   QStringLiteral("007")));
        addParticipant(cup, person(QStringLiteral("Berg"), QStringLiteral("Bea"),
                                   QStringLiteral("weiblich"), QStringLiteral("F"),
                                   QStringLiteral("008")));
        Tbea_teil dialog(cup, prompt);
        dialog.showAdd();
        QVERIFY(activate(dialog));
        field(dialog, "sn")->setFocus();
        retype(QStringLiteral("7"));
        tab();
        QCOMPARE(field(dialog, "sn")->text(), QString());

        dialog.showEdit(1);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Teilnehmer bearbeiten"));
        field(dialog, "sn")->setFocus();
        retype(QStringLiteral("0007"));
        tab();
        QCOMPARE(field(dialog, "sn")->text(), QStringLiteral("007"));
        field(dialog, "sn")->setFocus();
        retype(QStringLiteral("8"));
        tab();
        QCOMPARE(field(dialog, "sn")->text(), QString());
    }

    void editingCopiesTheResultsIntoTheSameRacesAndTheSameParticipant() {
        addRace(cup, QStringLiteral("10.05.2008"), kZeitlauf, QStringLiteral("ja"));
        addRace(cup, QStringLiteral("10.06.2008"), kDistanzlauf, QStringLiteral("ja"));
        addParticipant(cup,
                       person(QStringLiteral("Berg"), QStringLiteral("Bea"),
                              QStringLiteral("weiblich"), QStringLiteral("F30"),
                              QStringLiteral("002"), QStringLiteral("A-Cup")),
                       {QStringLiteral("0:20'00,0\""), QStringLiteral("5000m")});
        addParticipant(cup, person(QStringLiteral("Abel"), QStringLiteral("Anna"),
                                   QStringLiteral("weiblich"), QStringLiteral("F30"),
                                   QStringLiteral("001"), QStringLiteral("A-Cup")));
        Tbea_teil dialog(cup, prompt);
        dialog.showEdit(1);
        QVERIFY(activate(dialog));
        QCOMPARE(field(dialog, "name")->text(), QStringLiteral("Berg"));
        QCOMPARE(field<QComboBox>(dialog, "alt")->currentText(), QStringLiteral("F30"));
        QCOMPARE(field<QComboBox>(dialog, "cup")->currentText(), QStringLiteral("A-Cup"));
        QCOMPARE(grid(dialog)->item(0, 1)->text(), QStringLiteral("0:20'00,0\""));
        QCOMPARE(grid(dialog)->item(1, 1)->text(), QStringLiteral("5000m"));

        // Meanwhile, in the main window: a race is added before both, the participants are
        // ordered by name, another row is selected.
        addRace(cup, QStringLiteral("01.04.2008"));
        teilsort(cup, -1, kName);
        QCOMPARE(cup.teil.cell(kName, 2), QStringLiteral("Berg"));

        grid(dialog)->setFocus();
        grid(dialog)->setCurrentCell(1, 1);
        typeText(QStringLiteral("6000"));
        field(dialog, "vorname")->setFocus();
        retype(QStringLiteral("Beate"));
        press(dialog, "speichern");
        QVERIFY(!dialog.isVisible());
        QCOMPARE(cup.teil.cell(kVorname, 2), QStringLiteral("Beate"));
        QCOMPARE(cup.teil.cell(resultColumn(1), 2), QString());
        QCOMPARE(cup.teil.cell(resultColumn(2), 2), QStringLiteral("0:20'00,0\""));
        QCOMPARE(cup.teil.cell(resultColumn(3), 2), QStringLiteral("6000m"));
        QCOMPARE(cup.teil.cell(kVorname, 1), QStringLiteral("Anna"));
        QCOMPARE(cup.teil.cell(resultColumn(3), 1), QString());
    }

    void resultsOfARaceDeletedMeanwhileAreDropped() {
        cup.cv.setRowCount(1);
        addRace(cup, QStringLiteral("10.05.2008"));
        addRace(cup, QStringLiteral("10.06.2008"));
        addParticipant(cup,
                       person(QStringLiteral("Abel"), QStringLiteral("Anna"),
                              QStringLiteral("weiblich"), QStringLiteral("F30"),
                              QStringLiteral("001")),
                       {QStringLiteral("0:20'00,0\""), QStringLiteral("0:21'00,0\"")});
        Tbea_teil dialog(cup, prompt);
        dialog.showEdit(1);
        prompt.answerAsk(true);
        QVERIFY(laufLoeschen(cup, prompt, 1));
        grid(dialog)->item(0, 1)->setText(QStringLiteral("0:19'00,0\""));
        dialog.speichernClick();
        QCOMPARE(cup.teil.colCount(), 9);
        QCOMPARE(cup.teil.cell(resultColumn(1), 1), QStringLiteral("0:21'00,0\""));
    }

    void whileAddingTheListsAndRacesFollowTheCup() {
        addRace(cup, QStringLiteral("10.05.2008"), kZeitlauf, QStringLiteral("ja"));
        Tbea_teil dialog(cup, prompt);
        dialog.showAdd();
        field<QComboBox>(dialog, "alt")->setCurrentIndex(3);
        grid(dialog)->item(0, 1)->setText(QStringLiteral("0:20'00,0\""));
        addRace(cup, QStringLiteral("01.04.2008"));
        cup.notifyTablesChanged();
        QCOMPARE(grid(dialog)->rowCount(), 2);
        QCOMPARE(grid(dialog)->item(0, 0)->text(), QStringLiteral("1) 01.04.2008 (ZL)"));
        QCOMPARE(grid(dialog)->item(0, 1)->text(), QString());
        QCOMPARE(grid(dialog)->item(1, 1)->text(), QStringLiteral("0:20'00,0\""));
        QCOMPARE(field<QComboBox>(dialog, "alt")->currentText(), QStringLiteral("MK U10"));

        cup.neu();
        cup.cv.setRowCount(1);
        cup.notifyTablesChanged();
        QCOMPARE(grid(dialog)->rowCount(), 0);
        QVERIFY(!field<QComboBox>(dialog, "cup")->isEnabled());
    }

    void savingAParticipantDeletedMeanwhileWritesNothingAndSaysSo() {
        cup.cv.setRowCount(1);
        addParticipant(cup, person(QStringLiteral("Abel"), QStringLiteral("Anna"),
                                   QStringLiteral("weiblich"), QStringLiteral("F30"),
                                   QStringLiteral("001")));
        addParticipant(cup, person(QStringLiteral("Berg"), QStringLiteral("Bea"),
                                   QStringLiteral("weiblich"), QStringLiteral("F30"),
                                   QStringLiteral("002")));
        Tbea_teil dialog(cup, prompt);
        dialog.showEdit(1);
        prompt.answerAsk(true);
        QVERIFY(teilLoeschen(cup, prompt, 1));
        QCOMPARE(prompt.shown.last(),
                 QStringLiteral(
                     "ask: Sind Sie sicher, dass Sie den Teilnehmer (Abel, Anna) löschen wollen?"));
        const TCellGrid before = cup.teil;
        dialog.speichernClick();
        QCOMPARE(cup.teil, before);
        QCOMPARE(prompt.notices, QStringList{QStringLiteral(
                                     "Der bearbeitete Teilnehmer ist nicht mehr vorhanden!\r\n"
                                     "Die Änderungen wurden nicht gespeichert.")});
        QVERIFY(!dialog.isVisible());
    }

    void deletingAsksAndNoKeepsTheParticipant() {
        addParticipant(cup, person(QStringLiteral("Abel"), QStringLiteral("Anna"),
                                   QStringLiteral("weiblich"), QStringLiteral("F30"),
                                   QStringLiteral("001")));
        prompt.answerAsk(false);
        QVERIFY(!teilLoeschen(cup, prompt, 1));
        QCOMPARE(cup.participantCount(), 1);
        QVERIFY(!cup.changed());
        prompt.answerAsk(true);
        QVERIFY(teilLoeschen(cup, prompt, 1));
        QCOMPARE(cup.participantCount(), 0);
        QCOMPARE(cup.teil.fixedRows, 0);
        QVERIFY(cup.changed());
    }

    void theClubListCollectsTheClubsOfAllParticipants() {
        addParticipant(cup, {QStringLiteral("A"), QStringLiteral("B"), QString(), QString(),
                             QStringLiteral("TV Zell")});
        addParticipant(cup, {QStringLiteral("C"), QStringLiteral("D"), QString(), QString(),
                             QStringLiteral("ASV Au")});
        Tbea_teil dialog(cup, prompt);
        dialog.showAdd();
        QVERIFY(activate(dialog));
        auto* vereinS = field<QComboBox>(dialog, "vereinS");
        vereinS->setFocus();
        QCOMPARE(vereinS->count(), 2);
        QCOMPARE(vereinS->itemText(0), QStringLiteral("ASV Au"));
        key(Qt::Key_End);
        QCOMPARE(field(dialog, "verein")->text(), QStringLiteral("TV Zell"));
    }

    // Names and clubs take what the cup file holds and an import takes: no control character.
    void namesRefuseControlCharacters_data() {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("kept");
        QTest::newRow("letters the file holds") << "Zoë Müller-Œ" << "Zoë Müller-Œ";
        for (const char* refused : {"Zoë|Müller", "Zoë\tMüller", "Zoë\n", "Zoë\fMüller", "Zoë\u0081", "Łukasz"})
            QTest::newRow(refused) << QString::fromUtf8(refused) << QString();
    }

    void namesRefuseControlCharacters() {
        QFETCH(QString, pasted);
        QFETCH(QString, kept);
        Tbea_teil dialog(cup, prompt);
        for (const char* name : {"name", "vorname", "verein"}) {
            field(dialog, name)->insert(pasted);
            QCOMPARE(field(dialog, name)->text(), kept);
        }
    }

    // An older cup file may hold a control character in a name: the name can still be edited and
    // the character removed, but no other one added.
    void aControlCharacterFromTheFileDoesNotLockTheField() {
        Tbea_teil dialog(cup, prompt);
        QLineEdit* name = field(dialog, "name");
        name->setText(QStringLiteral("Ab\u0081el"));
        name->end(false);
        name->insert(QStringLiteral("s"));
        QCOMPARE(name->text(), QStringLiteral("Ab\u0081els"));
        name->insert(QStringLiteral("\t"));
        QCOMPARE(name->text(), QStringLiteral("Ab\u0081els"));
        name->setCursorPosition(3);
        name->backspace();
        QCOMPARE(name->text(), QStringLiteral("Abels"));
        name->insert(QStringLiteral("\u0081"));
        QCOMPARE(name->text(), QStringLiteral("Abels"));
    }

    void shorthandsAreCaseSensitive() {
        addRace(cup, QStringLiteral("10.05.2008"), kZeitlauf, QStringLiteral("ja"));
        Tbea_teil dialog(cup, prompt);
        dialog.showAdd();
        QVERIFY(activate(dialog));
        grid(dialog)->setFocus();
        grid(dialog)->setCurrentCell(0, 1);
        typeText(QStringLiteral("2015"));
        key(Qt::Key_Return);
        QCOMPARE(grid(dialog)->item(0, 1)->text(), QStringLiteral("0:02'01,5\""));
        typeText(QStringLiteral("N.A."));
        key(Qt::Key_Return);
        QCOMPARE(grid(dialog)->item(0, 1)->text(), QString());
        typeText(QStringLiteral("n.a"));
        key(Qt::Key_Return);
        QCOMPARE(grid(dialog)->item(0, 1)->text(), QStringLiteral("n.a."));
        typeText(QStringLiteral("ol"));
        field(dialog, "name")->setFocus(); // leaving the grid
        QCOMPARE(grid(dialog)->item(0, 1)->text(), QStringLiteral("o.L."));
    }
};

QTEST_MAIN(TestTbeaTeil)
#include "tst_tbea_teil.moc"
