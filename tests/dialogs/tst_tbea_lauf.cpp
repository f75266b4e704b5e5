#include "cup/cupdata.h"
#include "dialogs/loeschen.h"
#include "dialogs/tbea_lauf.h"
#include "editortesting.h"
#include "scriptedprompt.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

using namespace rzv;
using namespace rzv::test;

class TestTbeaLauf : public QObject {
    Q_OBJECT

    TCupData cup;
    ScriptedPrompt prompt;

    // Chooses a race type with the arrow keys: "Distanzlauf (fixe Zeit)" first, then "Zeitlauf
    // ...".
    static void choose(const QString& type) {
        key(Qt::Key_Home);
        if (type == kZeitlauf) key(Qt::Key_Down);
    }

    // Type, date and time/distance as a user enters them, then Tab on to the save button and
    // press it.
    void enterRace(Tbea_lauf& dialog, const QString& type, const QString& date,
                   const QString& zeitdistanz) {
        field<QComboBox>(dialog, "lauftyp")->setFocus();
        choose(type);
        tab();
        retype(date);
        tab();
        if (field(dialog, "zeitdistanz")->isEnabled()) {
            retype(zeitdistanz);
            tab();
        }
        press(dialog, "speichern");
    }

private Q_SLOTS:
    void init() {
        cup.neu();
        prompt = ScriptedPrompt();
    }
    void cleanup() { QVERIFY(prompt.allAnswered()); }

    void addingTheFirstRaceGivesNumberOneAndAResultColumn() {
        deletecvs();
        Tbea_lauf dialog(cup, prompt);
        dialog.showAdd();
        QVERIFY(activate(dialog));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Lauf hinzufügen"));
        QCOMPARE(field(dialog, "datum")->text(), QStringLiteral("TT.MM.JJJJ"));
        enterRace(dialog, kZeitlauf, QStringLiteral("14062008"), QStringLiteral("10.000 m"));
        QCOMPARE(cup.raceCount(), 1);
        QCOMPARE(cup.laufe.cell(1, kLaufnummer), QStringLiteral("1"));
        QCOMPARE(cup.laufe.cell(1, kLauftyp), kZeitlauf);
        QCOMPARE(cup.laufe.cell(1, kDatum), QStringLiteral("14.06.2008"));
        QCOMPARE(cup.laufe.cell(1, kCuplauf), QStringLiteral("10000m"));
        QCOMPARE(cup.laufe.cell(1, kBonusfaktor), QStringLiteral("1"));
        QCOMPARE(cup.laufe.cell(1, kBonussummand), QStringLiteral("0"));
        QCOMPARE(cup.laufe.cell(1, 19), QStringLiteral("0"));
        QCOMPARE(cup.teil.colCount(), 9);
        QCOMPARE(cup.teil.cell(8, 0), QStringLiteral("14.06.2008"));
        QCOMPARE(cup.laufe.colWidth(0), 120);
        QVERIFY(cup.changed());
        // The dialog stays for the next race: the date is empty again, the rest is kept.
        QVERIFY(dialog.isVisible());
        QCOMPARE(field(dialog, "datum")->text(), QStringLiteral("TT.MM.JJJJ"));
        QCOMPARE(field<QComboBox>(dialog, "lauftyp")->currentText(), kZeitlauf);
        QCOMPARE(field(dialog, "zeitdistanz")->text(), QStringLiteral("10000m"));
        QCOMPARE(focused(), field<QComboBox>(dialog, "lauftyp"));
        keepScreenshot(dialog, QStringLiteral("tbea_lauf"));
    }

    void aRaceDatedBeforeTheOthersMovesToColumnOneWithItsResults() {
        deletecvs();
        addRace(cup, QStringLiteral("10.05.2008"));
        addRace(cup, QStringLiteral("10.06.2008"));
        addParticipant(cup,
                       person(QStringLiteral("Abel"), QStringLiteral("Anna"),
                              QStringLiteral("weiblich"), QStringLiteral("F30"),
                              QStringLiteral("001")),
                       {QStringLiteral("0:20'00,0\""), QStringLiteral("0:21'00,0\"")});
        Tbea_lauf dialog(cup, prompt);
        dialog.showAdd();
        QVERIFY(activate(dialog));
        enterRace(dialog, kDistanzlauf, QStringLiteral("01.04.2008"), QStringLiteral("1:00:00"));
        QCOMPARE(cup.raceCount(), 3);
        QCOMPARE(cup.laufe.cell(1, kDatum), QStringLiteral("01.04.2008"));
        QCOMPARE(cup.laufe.cell(1, kLauftyp), kDistanzlauf);
        QCOMPARE(cup.laufe.cell(1, kCuplauf), QStringLiteral("0:10'00,0\""));
        QCOMPARE(cup.laufe.cell(3, kDatum), QStringLiteral("10.06.2008"));
        for (int k = 1; k <= 3; ++k)
            QCOMPARE(cup.laufe.cell(k, kLaufnummer), QString::number(k));
        QCOMPARE(cup.teil.cell(8, 0), QStringLiteral("01.04.2008"));
        QCOMPARE(cup.teil.cell(8, 1), QString());
        QCOMPARE(cup.teil.cell(9, 1), QStringLiteral("0:20'00,0\""));
        QCOMPARE(cup.teil.cell(10, 1), QStringLiteral("0:21'00,0\""));
    }

    void anIncompleteRaceIsRefusedSilently() {
        deletecvs();
        Tbea_lauf dialog(cup, prompt);
        dialog.showAdd();
        QVERIFY(activate(dialog));
        // No type chosen.
        field<QPushButton>(dialog, "speichern")->click();
        // Type but no date: an invalid date becomes the placeholder when the field is left.
        enterRace(dialog, kZeitlauf, QStringLiteral("1.5.2008"), QStringLiteral("5000"));
        QCOMPARE(field(dialog, "datum")->text(), QStringLiteral("TT.MM.JJJJ"));
        // Without cup variations an empty time/distance is refused.
        enterRace(dialog, kZeitlauf, QStringLiteral("01.05.2008"), QStringLiteral("km"));
        QCOMPARE(field(dialog, "zeitdistanz")->text(), QString());
        QCOMPARE(cup.raceCount(), 0);
        QVERIFY(!cup.changed());
        QVERIFY(prompt.shown.isEmpty());
    }

    void changingTheTypeRenormalisesTheTimeOrDistance() {
        deletecvs();
        Tbea_lauf dialog(cup, prompt);
        dialog.showAdd();
        QVERIFY(activate(dialog));
        auto* lauftyp = field<QComboBox>(dialog, "lauftyp");
        lauftyp->setFocus();
        choose(kDistanzlauf);
        tab(2);
        typeText(QStringLiteral("3000"));
        tab();
        QCOMPARE(field(dialog, "zeitdistanz")->text(), QStringLiteral("0:03'00,0\""));
        lauftyp->setFocus();
        choose(kZeitlauf);
        QCOMPARE(field(dialog, "zeitdistanz")->text(), QStringLiteral("3000m"));
    }

    void aCupRaceShowsJaAndCanBeSavedWhenEdited() {
        addRace(cup, QStringLiteral("10.05.2008"), kZeitlauf, QStringLiteral("ja"));
        Tbea_lauf dialog(cup, prompt);
        dialog.showAdd();
        QVERIFY(activate(dialog));
        QCOMPARE(field(dialog, "zeitdistanz")->text(), QStringLiteral("ja"));
        QVERIFY(!field(dialog, "zeitdistanz")->isEnabled());
        enterRace(dialog, kZeitlauf, QStringLiteral("17.05.2008"), QString());
        QCOMPARE(cup.raceCount(), 2);
        QCOMPARE(cup.laufe.cell(2, kCuplauf), QStringLiteral("ja"));

        // A race that existed before the first cup variation has an empty time/distance row.
        cup.laufe.setCell(1, kCuplauf, QString());
        dialog.showEdit(1);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Lauf bearbeiten"));
        QCOMPARE(field(dialog, "zeitdistanz")->text(), QStringLiteral("ja"));
        QVERIFY(!field(dialog, "zeitdistanz")->isEnabled());
        field(dialog, "ort")->setText(QStringLiteral("Lindenberg"));
        field<QPushButton>(dialog, "speichern")->click();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(cup.laufe.cell(1, kCuplauf), QStringLiteral("ja"));
        QCOMPARE(cup.laufe.cell(1, 10), QStringLiteral("Lindenberg"));
    }

    void theTimeDistanceFieldFollowsTheCupVariations() {
        deletecvs();
        Tbea_lauf dialog(cup, prompt);
        dialog.showAdd();
        QVERIFY(field(dialog, "zeitdistanz")->isEnabled());
        cup.cv.setRowCount(2);
        cup.cv.setCell(0, 1, QStringLiteral("A-Cup"));
        cup.notifyTablesChanged();
        QCOMPARE(field(dialog, "zeitdistanz")->text(), QStringLiteral("ja"));
        QVERIFY(!field(dialog, "zeitdistanz")->isEnabled());
        deletecvs();
        cup.notifyTablesChanged();
        QCOMPARE(field(dialog, "zeitdistanz")->text(), QString());
        QVERIFY(field(dialog, "zeitdistanz")->isEnabled());
    }

    void editingFillsEveryFieldAndWritesIntoTheRaceItWasOpenedFor() {
        deletecvs();
        addRace(cup, QStringLiteral("10.05.2008"));
        addRace(cup, QStringLiteral("10.06.2008"), kDistanzlauf, QStringLiteral("1:00'00,0\""));
        cup.laufe.setCell(2, 4, QStringLiteral("LG Nord"));
        cup.laufe.setCell(2, 20, QStringLiteral("12"));
        Tbea_lauf dialog(cup, prompt);
        dialog.showEdit(2);
        QVERIFY(activate(dialog));
        QCOMPARE(field<QComboBox>(dialog, "lauftyp")->currentText(), kDistanzlauf);
        QCOMPARE(field(dialog, "vereinsname")->text(), QStringLiteral("LG Nord"));
        QCOMPARE(field<QSpinBox>(dialog, "helfer")->value(), 12);
        // Stored races with empty bonus cells show factor 1 and summand 0.
        QCOMPARE(field<QSpinBox>(dialog, "lauffaktor")->value(), 1);
        QCOMPARE(field<QSpinBox>(dialog, "laufsummand")->value(), 0);
        // Meanwhile a race is added before it in the main window; the edit goes to the same race.
        addRace(cup, QStringLiteral("01.04.2008"));
        field(dialog, "datum")->setFocus();
        retype(QStringLiteral("01.03.2008"));
        field<QSpinBox>(dialog, "lauffaktor")->setFocus();
        key(Qt::Key_Up);
        field<QPushButton>(dialog, "speichern")->click();
        QCOMPARE(cup.laufe.cell(1, kDatum), QStringLiteral("01.03.2008"));
        QCOMPARE(cup.laufe.cell(1, 4), QStringLiteral("LG Nord"));
        QCOMPARE(cup.laufe.cell(1, kBonusfaktor), QStringLiteral("2"));
        QCOMPARE(cup.laufe.cell(2, kDatum), QStringLiteral("01.04.2008"));
        QCOMPARE(cup.laufe.cell(3, kDatum), QStringLiteral("10.05.2008"));
        // The result column keeps the date it was added with.
        QCOMPARE(cup.teil.cell(8, 0), QStringLiteral("10.06.2008"));
    }

    void savingARaceDeletedMeanwhileWritesNothingAndSaysSo() {
        deletecvs();
        addRace(cup, QStringLiteral("10.05.2008"));
        addRace(cup, QStringLiteral("10.06.2008"));
        Tbea_lauf dialog(cup, prompt);
        dialog.showEdit(2);
        prompt.answerAsk(true);
        QVERIFY(laufLoeschen(cup, prompt, 2));
        const TCellGrid before = cup.laufe;
        field<QPushButton>(dialog, "speichern")->click();
        QCOMPARE(cup.laufe, before);
        QCOMPARE(prompt.notices.size(), 1);
        QVERIFY(prompt.notices[0].startsWith(
            QStringLiteral("Der bearbeitete Lauf ist nicht mehr vorhanden!")));
        QCOMPARE(prompt.owners.last(), &dialog); // told while the dialog still shows
        QVERIFY(!dialog.isVisible());

        // The same after "&Neu".
        dialog.showEdit(1);
        cup.neu();
        field<QPushButton>(dialog, "speichern")->click();
        QCOMPARE(cup.raceCount(), 0);
        QCOMPARE(prompt.notices.size(), 2);
    }

    void tabOrderLimitsAndRefusedCharacters() {
        Tbea_lauf dialog(cup, prompt);
        dialog.showAdd();
        QVERIFY(activate(dialog));
        const QStringList order{"lauftyp",
                                "datum",
                                "vereinsname",
                                "anschrift1",
                                "anschrift2",
                                "anschrift3",
                                "fon",
                                "fax",
                                "ort",
                                "kreis",
                                "bezirk",
                                "land",
                                "wettkampf1",
                                "wettkampf2",
                                "kampfrichter",
                                "helfer",
                                "mitarbeiter",
                                "zeitmessung",
                                "windmessung",
                                "geratekontrolle",
                                "wettkampfleiter",
                                "wlfon",
                                "wlfax",
                                "verbandsaufsicht",
                                "vafon",
                                "vafax",
                                "bemerkung1",
                                "bemerkung2",
                                "bemerkung3",
                                "dlvnr",
                                "speichern",
                                "lauffaktor",
                                "laufsummand"};
        field<QComboBox>(dialog, "lauftyp")->setFocus();
        // The time/distance field is disabled in a cup with cup variations and is skipped.
        for (const QString& name : order) {
            QCOMPARE(focused()->objectName(), name);
            tab();
        }
        QCOMPARE(field(dialog, "vereinsname")->maxLength(), 31);
        QCOMPARE(field(dialog, "wettkampf1")->maxLength(), 62);
        QCOMPARE(field(dialog, "dlvnr")->maxLength(), 15);
        QCOMPARE(field<QSpinBox>(dialog, "lauffaktor")->maximum(), 5);
        QCOMPARE(field<QSpinBox>(dialog, "laufsummand")->maximum(), 20);
        QCOMPARE(field<QSpinBox>(dialog, "kampfrichter")->maximum(), 100);

        field(dialog, "ort")->setFocus();
        typeText(QStringLiteral("Łódź Süd"));
        QCOMPARE(field(dialog, "ort")->text(), QStringLiteral("ód Süd"));
        // Spinners change by their buttons and arrow keys only.
        field<QSpinBox>(dialog, "helfer")->setFocus();
        typeText(QStringLiteral("7"));
        key(Qt::Key_Up);
        QCOMPARE(field<QSpinBox>(dialog, "helfer")->value(), 1);
    }

    void deletingAsksWithTheCountOfResults() {
        addRace(cup, QStringLiteral("10.05.2008"));
        addRace(cup, QStringLiteral("14.06.2008"));
        addRace(cup, QStringLiteral("14.07.2008"));
        addParticipant(cup,
                       person(QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("weiblich"),
                              QStringLiteral("F"), QStringLiteral("001")),
                       {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
        addParticipant(cup,
                       person(QStringLiteral("C"), QStringLiteral("D"), QStringLiteral("weiblich"),
                              QStringLiteral("F"), QStringLiteral("002")),
                       {QString(), QStringLiteral("n.a."), QString()});
        cup.min = 3;
        cup.max = 3;
        prompt.answerAsk(false);
        QVERIFY(!laufLoeschen(cup, prompt, 2));
        QCOMPARE(prompt.shown.last(),
                 QStringLiteral("ask: Es sind bereits 2 Ergebnisse in diesem Lauf eingetragen.\n\r"
                                "Sind Sie sicher, dass Sie Lauf2 (14.06.2008) löschen wollen?"));
        QCOMPARE(cup.raceCount(), 3);

        // Deleting the last race removes exactly its results.
        prompt.answerAsk(true);
        QVERIFY(laufLoeschen(cup, prompt, 3));
        QCOMPARE(cup.raceCount(), 2);
        QCOMPARE(cup.teil.colCount(), 10);
        QCOMPARE(cup.teil.cell(9, 1), QStringLiteral("2"));
        QCOMPARE(cup.min, 2);
        QCOMPARE(cup.max, 2);
        QVERIFY(cup.changed());

        prompt.answerAsk(true);
        QVERIFY(laufLoeschen(cup, prompt, 1));
        QCOMPARE(prompt.shown.last(),
                 QStringLiteral("ask: Es sind bereits 1 Ergebnisse in diesem Lauf eingetragen.\n\r"
                                "Sind Sie sicher, dass Sie Lauf1 (10.05.2008) löschen wollen?"));
        QCOMPARE(cup.laufe.cell(1, kLaufnummer), QStringLiteral("1"));
        QCOMPARE(cup.laufe.cell(1, kDatum), QStringLiteral("14.06.2008"));
        QCOMPARE(cup.teil.cell(8, 2), QStringLiteral("n.a."));
        QCOMPARE(cup.min, 1);

        cup.teil.setCell(8, 1, QString());
        cup.teil.setCell(8, 2, QString());
        prompt.answerAsk(true);
        QVERIFY(laufLoeschen(cup, prompt, 1));
        QCOMPARE(
            prompt.shown.last(),
            QStringLiteral("ask: Sind Sie sicher, dass Sie Lauf1 (14.06.2008) löschen wollen?"));
        QCOMPARE(cup.min, 1);
        QCOMPARE(cup.laufe.fixedCols, 0);
    }

    void minimumFiveWithFourRacesLeftBecomesFour() {
        for (int day = 10; day < 15; ++day)
            addRace(cup, QString::number(day) + QStringLiteral(".05.2008"));
        cup.min = 5;
        cup.max = 5;
        prompt.answerAsk(true);
        QVERIFY(laufLoeschen(cup, prompt, 3));
        QCOMPARE(cup.min, 4);
        QCOMPARE(cup.max, 4);
    }

private:
    void deletecvs() { cup.cv.setRowCount(1); }
};

QTEST_MAIN(TestTbeaLauf)
#include "tst_tbea_lauf.moc"
