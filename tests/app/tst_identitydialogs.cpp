// "&Bearbeiten" → "&Doppelte Teilnehmer suchen …" and "&Vereine vereinheitlichen …": a merge
// with a conflict chosen in the dialog and a club renamed, each one step of the history.
#include "app/mainmenu.h"
#include "app/tw.h"
#include "cup/cupfile.h"
#include "cup/ordering.h"
#include "dialogs/tdoppelte.h"
#include "dialogs/tvereine.h"
#include "scriptedprompt.h"
#include "../support/testcup.h"

#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

using namespace rzv;

namespace {

// A season of four races: one runner registered twice in two spellings (a conflict in race 2),
// namesakes that stay apart, and a club in three spellings.
TCupContent seasonCup() {
    test::TestCup t(true);
    t.race(kZeitlauf, "14.03.2026", "ja");
    t.race(kZeitlauf, "11.04.2026", "ja");
    t.race(kDistanzlauf, "09.05.2026", "ja");
    t.race(kZeitlauf, "13.06.2026", "ja");
    t.person("Müller", "Jürgen", "M50", {"0:41'12,0\"", "0:40'58,3\""}, "A-Cup", "TSV Grün-Weiß", "03.05.1975");
    t.person("Mueller", "Juergen", "M50", {{}, "0:41'30,0\"", "11820m", "0:40'41,7\""}, "A-Cup",
             "TSV Gruen-Weiss e.V.", "01.01.1975");
    t.person("Lange", "Bärbel", "F60", {"0:52'03,4\"", "0:51'47,0\""}, "B-Cup", "LG Süd", "17.09.1963");
    t.person("Lange", "Ursula", "F60", {"0:55'10,2\""}, "B-Cup", "LG Süd", "02.11.1963");
    t.person("Schäfer", "Käthe", "F40", {"0:23'40,1\"", {}, "6020m"}, "C-Cup", "TSV Grün-Weiss", "21.06.1984");
    t.person("Schaefer", "Kaethe", "F40", {{}, "0:23'12,9\""}, "C-Cup", "LG Süd e. V.", "01.01.1984");
    t.person("Öztürk", "Deniz", "M30", {"0:36'01,0\"", "0:35'48,6\"", "12400m"}, "A-Cup", "Lauftreff Bärenfels", "08.02.1990");
    t.person("Oztürk", "Deniz", "M30", {{}, {}, {}, "0:35'02,2\""}, "A-Cup", "Lauftreff Baerenfels", "08.02.1990");
    teilsort(t.cup, -1, kName);
    return t.cup;
}

} // namespace

class TestIdentityDialogs : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void mergesThePairChosen() {
        test::ScriptedPrompt prompt;
        Tw w(&prompt);
        w.cup.replaceContent(seasonCup(), {});
        const QByteArray before = cupFileBytes(w.cup);
        w.mainMenu->doppelte->trigger();
        auto* dialog = w.findChild<Tdoppelte*>();
        QVERIFY(dialog && dialog->isModal());
        QCOMPARE(dialog->paare->count(), 3);
        QVERIFY(dialog->paare->item(0)->text().startsWith(QStringLiteral("002 Mueller, Juergen  —  001 Müller, Jürgen")));
        dialog->behalten->setCurrentIndex(1); // Müller, Jürgen stays
        QVERIFY(!dialog->konflikt(1) && !dialog->konflikt(3));
        QComboBox* conflict = dialog->konflikt(2);
        QVERIFY(conflict);
        conflict->setCurrentIndex(1); // the result of the other row
        dialog->zusammenfuehren->click();

        QCOMPARE(w.cup.history().count(), 1);
        QCOMPARE(w.cup.participantCount(), 7);
        int kept = 0;
        for (int r = 1; r < w.cup.teil.rowCount(); ++r)
            if (w.cup.teil.cell(kStartnummer, r) == u"001") kept = r;
        QStringList results;
        for (int k = 1; k <= 4; ++k) results << w.cup.teil.cell(resultColumn(k), kept);
        QCOMPARE(results, (QStringList{"0:41'12,0\"", "0:41'30,0\"", "11820m", "0:40'41,7\""}));
        QCOMPARE(w.cup.teil.cell(kName, kept), QStringLiteral("Müller"));
        QCOMPARE(dialog->paare->count(), 2); // the list follows the cup
        w.cup.history().undo();
        QCOMPARE(cupFileBytes(w.cup), before);
    }

    void renamesASpellingForEveryParticipant() {
        test::ScriptedPrompt prompt;
        Tw w(&prompt);
        w.cup.replaceContent(seasonCup(), {});
        const QByteArray before = cupFileBytes(w.cup);
        w.mainMenu->vereine->trigger();
        auto* dialog = w.findChild<Tvereine*>();
        QVERIFY(dialog && dialog->isModal());
        const QTreeWidgetItem* group = dialog->schreibweisen->topLevelItem(0);
        QCOMPARE(group->text(0), QStringLiteral("Lauftreff Baerenfels"));
        QCOMPARE(group->child(0)->text(0), QStringLiteral("Lauftreff Bärenfels"));
        // A spelling chosen proposes its group's leading name.
        QCOMPARE(dialog->schreibweisen->currentItem(), group->child(0));
        QCOMPARE(dialog->neuerName->currentText(), QStringLiteral("Lauftreff Baerenfels"));
        group = dialog->schreibweisen->topLevelItem(1);
        QCOMPARE(group->text(1), QStringLiteral("2"));
        dialog->schreibweisen->setCurrentItem(group->child(0));
        QCOMPARE(dialog->neuerName->currentText(), QStringLiteral("LG Süd"));
        dialog->umbenennen->click();

        QCOMPARE(w.cup.history().count(), 1);
        QCOMPARE(w.cup.history().undoText(), QStringLiteral("Verein umbenennen (LG Süd e. V. → LG Süd)"));
        int renamed = 0;
        for (int r = 1; r < w.cup.teil.rowCount(); ++r)
            if (w.cup.teil.cell(kVerein, r) == u"LG Süd") ++renamed;
        QCOMPARE(renamed, 3);
        // The list follows the cup.
        const QList<QTreeWidgetItem*> found = dialog->schreibweisen->findItems(QStringLiteral("LG Süd"), Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        QCOMPARE(found[0]->text(1), QStringLiteral("3"));
        w.cup.history().undo();
        QCOMPARE(cupFileBytes(w.cup), before);
    }
};

QTEST_MAIN(TestIdentityDialogs)
#include "tst_identitydialogs.moc"
