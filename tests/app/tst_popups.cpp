#include "app/cuppopups.h"
#include "app/cuptab.h"
#include "app/gridmodel.h"
#include "app/gridview.h"
#include "app/laufepopup.h"
#include "app/teilpopup.h"
#include "app/tw.h"
#include "dialogs/tbea_lauf.h"
#include "guitesting.h"
#include "scriptedprompt.h"
#include "testcup.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>

using namespace rzv;

namespace {

// The enabled entries of a menu as a string of 0 and 1, separators left out.
QString enabled(const QMenu* menu) {
    QString flags;
    for (const QAction* action : menu->actions())
        if (!action->isSeparator()) flags += action->isEnabled() ? u'1' : u'0';
    return flags;
}

} // namespace

class TstPopups : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void entriesAndSeparators() {
        test::ScriptedPrompt prompt;
        Tw w(&prompt);
        QCOMPARE(test::menuTexts(w.laufePopup->menu),
                 (QStringList{"Lauf &hinzufügen", "Lauf &bearbeiten", "-", "Lauf &löschen", "-",
                              "schnelle &Ergebniseingabe", "-", "&Statistik dieses Laufes",
                              "&DLV-Bericht dieses Laufes", "&Gesamtstatistik nach diesem Lauf",
                              "-", "&Urkunden drucken"}));
        QCOMPARE(test::menuTexts(w.laufePopup->laufe_pop_d),
                 (QStringList{"Version &1", "Version &2"}));
        QCOMPARE(test::menuTexts(w.laufePopup->laufe_pop_d->actions()[1]->menu()),
                 (QStringList{"&Vorschau", "&Drucken"}));
        QCOMPARE(
            test::menuTexts(w.laufePopup->laufe_pop_u),
            (QStringList{"&Siegerurkunden für diesen Lauf", "&Teilnahmeurkunde ...",
                         "Siegerurkunden für den &Gesamtcup", "Teilnehmer&urkunde Gesamtcup ..."}));
        QCOMPARE(test::menuTexts(w.teilPopup->menu),
                 (QStringList{"Teilnehmer &hinzufügen", "Teilnehmer &bearbeiten", "-",
                              "Teilnehmer &löschen", "-", "schnelle &Ergebniseingabe", "-",
                              "&Teilnehmerstatistik", "Teilnehmerstatistik - &Alle",
                              "&Statistik dieses Laufes", "&Gesamtstatistik nach diesem Lauf", "-",
                              "Sortieren nach dieser S&palte"}));
        QCOMPARE(test::menuTexts(w.teilPopup->teil_pop_g.menu),
                 (QStringList{"&Vorschau", "&Drucken", "&HTML-Export"}));
        QCOMPARE(test::menuTexts(w.teilPopup->teil_pop_p),
                 (QStringList{"auf&steigend", "ab&fallend"}));
        QCOMPARE(test::menuTexts(w.cupPopups->ag_pop),
                 (QStringList{"Altersgruppe &hinzufügen", "Altergruppe &bearbeiten", "-",
                              "Altersgruppe &löschen"}));
        QCOMPARE(test::menuTexts(w.cupPopups->cv_pop),
                 (QStringList{"Cup-Variation &hinzufügen", "Cup-Variation &bearbeiten", "-",
                              "Cup-Variation &löschen"}));
        QCOMPARE(test::menuTexts(w.cupPopups->pv_pop),
                 (QStringList{"Punktezahl &hinzufügen", "-", "Punktezahl &löschen"}));
    }

    // Order of the flags: hinzufügen, bearbeiten, löschen, Ergebniseingabe, Statistik, DLV,
    // Gesamtstatistik, Urkunden; then the four certificate entries.
    void laufeRules_data() {
        QTest::addColumn<int>("races");
        QTest::addColumn<int>("participants");
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("entries");
        QTest::addColumn<QString>("certificates");
        QTest::newRow("no race") << 0 << 0 << 0 << "10000001"
                                 << "1111";
        QTest::newRow("caption column") << 3 << 5 << 0 << "10000001"
                                        << "1111";
        QTest::newRow("race, nobody") << 3 << 0 << 2 << "11100001"
                                      << "1111";
        QTest::newRow("not the last race") << 3 << 5 << 2 << "11111111"
                                           << "1100";
        QTest::newRow("last race") << 3 << 5 << 3 << "11111111"
                                   << "1111";
    }
    void laufeRules() {
        QFETCH(int, races);
        QFETCH(int, participants);
        QFETCH(int, col);
        QFETCH(QString, entries);
        QFETCH(QString, certificates);
        test::ScriptedPrompt prompt;
        Tw w(&prompt);
        w.cup.replaceContent(test::smallCup(races, participants), {});
        w.laufe->setCurrentCell(col, 2);
        w.laufePopup->laufe_popPopup();
        QCOMPARE(enabled(w.laufePopup->menu), entries);
        QCOMPARE(enabled(w.laufePopup->laufe_pop_u), certificates);
    }

    // The rules are evaluated each time the menu opens, for the cell the pointer picked.
    void laufeRightClickChoosesTheRaceFirst() {
        test::ScriptedPrompt prompt;
        Tw w(&prompt);
        w.cup.replaceContent(test::smallCup(3, 5), {});
        w.resize(800, 600);
        w.show();
        w.pages->setCurrentWidget(w.laufe);
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const auto rightClick = [&](const QModelIndex& index) {
            const QPoint at = w.laufe->visualRect(index).center();
            QContextMenuEvent event(QContextMenuEvent::Mouse, at,
                                    w.laufe->viewport()->mapToGlobal(at));
            QApplication::sendEvent(w.laufe->viewport(), &event);
            QVERIFY(w.laufePopup->menu->isVisible());
            w.laufePopup->menu->hide();
        };
        rightClick(w.laufe->gridModel()->index(5, 1)); // race 2
        QCOMPARE(w.laufe->currentCol(), 2);
        QVERIFY(!w.laufePopup->laufe_pop_u_g->isEnabled());
        rightClick(w.laufe->gridModel()->index(5, 2)); // race 3, the last
        QVERIFY(w.laufePopup->laufe_pop_u_g->isEnabled());
    }

    // Flags: hinzufügen, bearbeiten, löschen, Ergebniseingabe, Teilnehmerstatistik, Alle,
    // Statistik, Gesamtstatistik, Sortieren.
    void teilRules_data() {
        QTest::addColumn<int>("participants");
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("entries");
        QTest::newRow("nobody, result column") << 0 << 8 << 0 << "100000001";
        QTest::newRow("personal column") << 4 << 7 << 2 << "111011001";
        QTest::newRow("result column") << 4 << 8 << 2 << "111111111";
        QTest::newRow("caption of a result") << 4 << 9 << 0 << "100100111";
        QTest::newRow("name column") << 4 << 0 << 1 << "111011001";
    }
    void teilRules() {
        QFETCH(int, participants);
        QFETCH(int, col);
        QFETCH(int, row);
        QFETCH(QString, entries);
        test::ScriptedPrompt prompt;
        Tw w(&prompt);
        w.cup.replaceContent(test::smallCup(2, participants), {});
        w.teil->setCurrentCell(col, row);
        w.teilPopup->teil_popPopup();
        QCOMPARE(enabled(w.teilPopup->menu), entries);
    }

    void cupTableRules() {
        test::ScriptedPrompt prompt;
        Tw w(&prompt);
        CupPopups& popups = *w.cupPopups;
        w.cupTab->ag->setCurrentCell(0, 0);
        popups.ag_popPopup();
        QCOMPARE(enabled(popups.ag_pop), QStringLiteral("100"));
        w.cupTab->ag->setCurrentCell(1, 3);
        popups.ag_popPopup();
        QCOMPARE(enabled(popups.ag_pop), QStringLiteral("111"));

        TCupContent cup = newCupContent();
        cup.ag.setRowCount(1 + 23);
        w.cup.replaceContent(cup, {});
        popups.ag_popPopup();
        QVERIFY(popups.ag_pop_h->isEnabled()); // 23 groups: one more may come
        cup.ag.setRowCount(1 + 24);
        w.cup.replaceContent(cup, {});
        popups.ag_popPopup();
        QVERIFY(!popups.ag_pop_h->isEnabled());

        w.cupTab->cv->setCurrentCell(0, 0);
        popups.cv_popPopup();
        QCOMPARE(enabled(popups.cv_pop), QStringLiteral("100"));
        w.cupTab->cv->setCurrentCell(2, 2);
        popups.cv_popPopup();
        QCOMPARE(enabled(popups.cv_pop), QStringLiteral("111"));
        w.cupTab->pv->setCurrentCell(1, 0);
        popups.pv_popPopup();
        QCOMPARE(enabled(popups.pv_pop), QStringLiteral("10"));
        w.cupTab->pv->setCurrentCell(1, 20);
        popups.pv_popPopup();
        QCOMPARE(enabled(popups.pv_pop), QStringLiteral("11"));
    }

    void sortingByTheCurrentColumn() {
        test::ScriptedPrompt prompt;
        Tw w(&prompt);
        w.cup.replaceContent(test::smallCup(1, 5), {});
        w.teil->setCurrentCell(kStartnummer, 2);
        w.teilPopup->teil_pop_p_f->trigger();
        QStringList numbers;
        for (int row = 1; row <= 5; ++row)
            numbers << w.cup.teil.cell(kStartnummer, row);
        QCOMPARE(numbers, (QStringList{"005", "004", "003", "002", "001"}));
        QCOMPARE(w.teil->gridModel()->data(w.teil->gridModel()->index(0, 4)).toString(),
                 QStringLiteral("005"));
        w.teilPopup->teil_pop_p_s->trigger();
        QCOMPARE(w.cup.teil.cell(kStartnummer, 1), QStringLiteral("001"));
        QVERIFY(!w.cup.changed()); // ordering is no change of the cup
        QVERIFY(prompt.shown.isEmpty());
    }

    void editorsOpenForTheCurrentEntry() {
        test::ScriptedPrompt prompt;
        Tw w(&prompt);
        w.cup.replaceContent(test::smallCup(3, 2), {});
        w.laufe->setCurrentCell(2, 4);
        w.laufePopup->laufe_pop_b->trigger();
        QVERIFY(w.dialogs.bea_lauf->isVisible());
        QCOMPARE(w.dialogs.bea_lauf->windowTitle(), QStringLiteral("Lauf bearbeiten"));
        QVERIFY(!w.dialogs.bea_lauf->isModal());

        prompt.answerAsk(false);
        w.laufePopup->laufe_pop_l->trigger();
        QCOMPARE(w.cup.raceCount(), 3);
        prompt.answerAsk(true);
        w.laufePopup->laufe_pop_l->trigger();
        QCOMPARE(w.cup.raceCount(), 2);
        QCOMPARE(w.laufe->gridModel()->columnCount(), 2);
        QCOMPARE(w.teil->gridModel()->columnCount(), 2 + 6);
        QVERIFY(prompt.allAnswered());
    }
};

QTEST_MAIN(TstPopups)
#include "tst_popups.moc"
