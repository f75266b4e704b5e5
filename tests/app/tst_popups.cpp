#include "app/cuppopups.h"
#include "app/cuptab.h"
#include "app/gridmodel.h"
#include "app/gridview.h"
#include "app/laufepopup.h"
#include "app/teilpopup.h"
#include "app/tw.h"
#include "dialogs/tbea_erg.h"
#include "dialogs/tbea_lauf.h"
#include "dialogs/tbea_teil.h"
#include "guitesting.h"
#include "scriptedprompt.h"
#include "testcup.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabBar>
#include <QTabWidget>
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

// Where a grid shows one of its caption cells: the frozen corner, caption row or caption
// columns, and the point within it. The grid is scrolled so that the cell is in view.
std::pair<QWidget*, QPoint> captionOnScreen(GridView& view, int col, int row) {
    const CellGridModel& model = *view.gridModel();
    view.scrollTo(model.indexOfCell(std::max(col, model.fixedCols()), std::max(row, 1)));
    int left = 5;
    for (int c = 0; c < std::min(col, model.fixedCols()); ++c)
        left += view.grid().colWidth(c);
    if (col < model.fixedCols() && row == 0)
        return {view.childAt(view.frameWidth() + 1, view.frameWidth() + 1), {left, 5}};
    if (row == 0) {
        const QHeaderView* captions = view.horizontalHeader();
        return {captions->viewport(),
                {captions->sectionViewportPosition(col - model.fixedCols()) + 5, 5}};
    }
    const QHeaderView* rows = view.verticalHeader();
    return {rows->viewport(), {left, rows->sectionViewportPosition(row - model.fixedRows()) + 5}};
}

// A right click as the window system delivers it: press, release, then the menu request.
void rightClick(QWidget* widget, const QPoint& at) {
    QTest::mouseClick(widget, Qt::RightButton, {}, at);
    QContextMenuEvent request(QContextMenuEvent::Mouse, at, widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &request);
}

// Chooses a menu entry by the keys of its underlined letters, through the open submenus.
void chooseByKeys(const QString& keys) {
    for (const QChar key : keys) {
        QWidget* menu = QApplication::activePopupWidget();
        QVERIFY2(menu, "no menu open");
        QTest::keyClick(menu, key.toLatin1());
    }
    QVERIFY(!QApplication::activePopupWidget());
}

// What a command showed: the questions, the texts of the open editors, the output sheet and the
// first participant row.
QString whatTheUserSees(Tw& w, const test::ScriptedPrompt& prompt) {
    QStringList seen = prompt.shown;
    for (const QDialog* editor : std::initializer_list<const QDialog*>{
             w.dialogs.bea_lauf, w.dialogs.bea_teil, w.dialogs.bea_erg}) {
        if (!editor->isVisible()) continue;
        seen << editor->windowTitle();
        for (const QLineEdit* field : editor->findChildren<QLineEdit*>())
            seen << field->text();
        for (const QLabel* label : editor->findChildren<QLabel*>())
            seen << label->text();
    }
    seen << w.ausgabe.texte();
    const TCellGrid& teil = w.cup.teil;
    seen << QStringLiteral("erste Zeile: %1, %2, %3")
                .arg(teil.cell(kName, 1), teil.cell(kVorname, 1), teil.cell(kStartnummer, 1));
    return seen.join(u'\n');
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
                              "&Mannschaftswertung dieses Laufes",
                              "Ma&nnschaftsstand nach diesem Lauf", "-", "&Urkunden drucken"}));
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
                              "Teilnehmer &löschen", "-", "schnelle &Ergebniseingabe",
                              "Ergebnisse &importieren …", "-",
                              "&Teilnehmerstatistik", "Teilnehmerstatistik - &Alle",
                              "&Statistik dieses Laufes", "&Gesamtstatistik nach diesem Lauf",
                              "&Mannschaftswertung dieses Laufes",
                              "Ma&nnschaftsstand nach diesem Lauf", "-",
                              "Sortieren nach dieser S&palte"}));
        QCOMPARE(test::menuTexts(w.laufePopup->laufe_pop_n.menu),
                 (QStringList{"&Vorschau", "&Drucken", "&HTML-Export"}));
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
    // Gesamtstatistik, Mannschaftswertung, Mannschaftsstand, Urkunden; then the four certificate
    // entries.
    void laufeRules_data() {
        QTest::addColumn<int>("races");
        QTest::addColumn<int>("participants");
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("entries");
        QTest::addColumn<QString>("certificates");
        QTest::newRow("no race") << 0 << 0 << 0 << "1000000001"
                                 << "1111";
        QTest::newRow("caption column") << 3 << 5 << 0 << "1000000001"
                                        << "1111";
        QTest::newRow("race, nobody") << 3 << 0 << 2 << "1110000001"
                                      << "1111";
        QTest::newRow("not the last race") << 3 << 5 << 2 << "1111111111"
                                           << "1100";
        QTest::newRow("last race") << 3 << 5 << 3 << "1111111111"
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
    // Statistik, Gesamtstatistik, Mannschaftswertung, Mannschaftsstand, Sortieren.
    void teilRules_data() {
        QTest::addColumn<int>("participants");
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("entries");
        QTest::newRow("nobody, result column") << 0 << 8 << 0 << "100010000001";
        QTest::newRow("personal column") << 4 << 7 << 2 << "111001100001";
        QTest::newRow("result column") << 4 << 8 << 2 << "111111111111";
        QTest::newRow("caption of a result") << 4 << 9 << 0 << "100110011111";
        QTest::newRow("name column") << 4 << 0 << 1 << "111001100001";
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

    // A right click on a caption cell (frozen row, frozen columns, corner) makes it the current
    // cell, and the command chosen from the menu acts on it, whether or not the grid had the
    // keyboard focus before (the focus comes back to the grid when the menu closes).
    void commandsActOnTheClickedCaptionCell_data() {
        QTest::addColumn<bool>("onLaufe");
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("expected");
        struct Case {
            const char* name;
            bool onLaufe;
            int col;
            int row;
            const char* keys;
            const char* expected;
        };
        const Case cases[] = {
            {"Name: bearbeiten", false, kName, 30, "b", "Teilnehmer bearbeiten\nLäufer029"},
            {"Vorname: löschen", false, kVorname, 30, "l",
             "Sind Sie sicher, dass Sie den Teilnehmer (Läufer029, Vorname11) löschen wollen?"},
            {"Name: Teilnehmerstatistik", false, kName, 30, "tv", "Läufer029"},
            {"race date: Ergebniseingabe", false, resultColumn(3), 0, "e", "Ergebnis in Lauf 3 -"},
            {"race date: Statistik", false, resultColumn(3), 0, "sv", "Ergebnisse vom 12.05.2026"},
            {"race date: Gesamtstatistik", false, resultColumn(3), 0, "gv",
             "Gesamtergebnis nach Lauf 3"},
            {"race date: Mannschaftsstand", false, resultColumn(3), 0, "nv",
             "Mannschaftsstand nach Lauf 3"},
            {"Startnummer: sortieren", false, kStartnummer, 0, "pf",
             "erste Zeile: Läufer000, Vorname40, 040"},
            {"corner Vorname: sortieren", false, kVorname, 0, "pf", ", Vorname9, "},
            {"race number: bearbeiten", true, 3, 0, "b", "Lauf bearbeiten\n12.05.2026"},
            {"race number: löschen", true, 3, 0, "l", "Lauf3 (12.05.2026) löschen wollen?"},
            {"race number: Ergebniseingabe", true, 3, 0, "e", "Ergebnis in Lauf 3 -"},
            {"race number: Statistik", true, 3, 0, "sv", "Ergebnisse vom 12.05.2026"},
            {"race number: DLV", true, 3, 0, "d2v", "12.05.2026"},
            {"race number: Gesamtstatistik", true, 3, 0, "gv", "Gesamtergebnis nach Lauf 3"},
            {"race number: Mannschaftswertung", true, 3, 0, "mv", "Mannschaftswertung vom 12.05.2026"},
            {"row caption: hinzufügen", true, 0, kDatum, "h", "Lauf hinzufügen"},
            {"corner: hinzufügen", true, 0, 0, "h", "Lauf hinzufügen"},
        };
        for (const Case& c : cases)
            for (const bool focused : {true, false})
                QTest::addRow("%s, %s", c.name, focused ? "focused" : "not focused")
                    << c.onLaufe << c.col << c.row << QString::fromUtf8(c.keys)
                    << QString::fromUtf8(c.expected);
    }
    void commandsActOnTheClickedCaptionCell() {
        QFETCH(bool, onLaufe);
        QFETCH(int, col);
        QFETCH(int, row);
        QFETCH(QString, keys);
        QFETCH(QString, expected);
        const bool focused = QByteArray(QTest::currentDataTag()).endsWith(", focused");
        test::ScriptedPrompt prompt;
        Tw w(&prompt);
        w.cup.replaceContent(test::smallCup(4, 40), {});
        GridView& grid = onLaufe ? *w.laufe : *w.teil;
        w.pages->setCurrentWidget(&grid);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        if (focused)
            grid.setFocus();
        else
            w.pages->tabBar()->setFocus();
        QCOMPARE(grid.hasFocus(), focused);

        if (keys == u"l") prompt.answerAsk(false);
        const auto [part, at] = captionOnScreen(grid, col, row);
        rightClick(part, at);
        QCOMPARE(grid.currentCol(), col);
        QCOMPARE(grid.currentRow(), row);
        chooseByKeys(keys);
        const QString seen = whatTheUserSees(w, prompt);
        QVERIFY2(seen.contains(expected), qPrintable(seen));
        QCOMPARE(grid.currentCol(), col);
        QCOMPARE(grid.currentRow(), row);
        QVERIFY(prompt.allAnswered());
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
