#include "app/gridmodel.h"
#include "app/gridview.h"
#include "app/laufepopup.h"
#include "app/sheetview.h"
#include "app/teilpopup.h"
#include "app/tw.h"
#include "guitesting.h"
#include "reports/dlv.h"
#include "reports/gesamt.h"
#include "reports/laufergebnis.h"
#include "reports/teilnehmer.h"
#include "scriptedprompt.h"
#include "testcup.h"

#include <QAction>
#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <map>

using namespace rzv;

namespace {

const QDateTime kClock(QDate(2026, 12, 7), QTime(9, 14, 5));

// A window with a filled cup and a fixed clock for the report foot.
struct Window {
    test::ScriptedPrompt prompt;
    Tw w{&prompt};
    Window() {
        w.cup.replaceContent(test::smallCup(3, 6), {});
        w.ausgabe.setUhr([] { return kClock; });
    }
    // The report the core writes for the cup as it is now.
    QStringList expected(const std::function<void(Ausgabe&, TCupContent&)>& write) const {
        TCupContent copy = w.cup;
        Ausgabe ausgabe;
        ausgabe.setUhr([] { return kClock; });
        write(ausgabe, copy);
        return ausgabe.texte();
    }
};

} // namespace

class TstReportCommands : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Each preview writes the report of the current cell's race or participant and shows it.
    void previewOfEachReport_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("row");
        QTest::newRow("race results") << "laufe_pop_s.vorschau" << 2 << 1;
        QTest::newRow("DLV 1") << "laufe_pop_d_1.vorschau" << 3 << 1;
        QTest::newRow("DLV 2") << "laufe_pop_d_2.vorschau" << 1 << 1;
        QTest::newRow("standings") << "laufe_pop_g.vorschau" << 2 << 1;
        QTest::newRow("participant race results") << "teil_pop_s.vorschau" << 10 << 3;
        QTest::newRow("participant standings") << "teil_pop_g.vorschau" << 9 << 3;
        QTest::newRow("one participant") << "teil_pop_t.vorschau" << 1 << 4;
        QTest::newRow("all participants") << "teil_pop_a.vorschau" << 1 << 4;
    }
    void previewOfEachReport() {
        QFETCH(QString, entry);
        QFETCH(int, col);
        QFETCH(int, row);
        Window win;
        Tw& w = win.w;
        const bool race = entry.startsWith(QStringLiteral("laufe"));
        (race ? w.laufe : w.teil)->setCurrentCell(col, row);
        const int k = race ? col : col - 7;
        const std::map<QString, std::function<void(Ausgabe&, TCupContent&)>> reports{
            {"laufe_pop_s.vorschau",
             [k](Ausgabe& a, TCupContent& c) { ausgabe_laufergebnis(a, c, k); }},
            {"laufe_pop_d_1.vorschau", [k](Ausgabe& a, TCupContent& c) { ausgabe_dlv(a, c, k); }},
            {"laufe_pop_d_2.vorschau", [k](Ausgabe& a, TCupContent& c) { ausgabe_dlv_2(a, c, k); }},
            {"laufe_pop_g.vorschau", [k](Ausgabe& a, TCupContent& c) { ausgabe_gesamt(a, c, k); }},
            {"teil_pop_s.vorschau",
             [k](Ausgabe& a, TCupContent& c) { ausgabe_laufergebnis(a, c, k); }},
            {"teil_pop_g.vorschau", [k](Ausgabe& a, TCupContent& c) { ausgabe_gesamt(a, c, k); }},
            {"teil_pop_t.vorschau",
             [row](Ausgabe& a, TCupContent& c) { ausgabe_teilnehmer(a, c, row); }},
            {"teil_pop_a.vorschau",
             [](Ausgabe& a, TCupContent& c) { ausgabe_teilnehmeralle(a, c); }},
        };
        const QStringList expected = win.expected(reports.at(entry));
        const std::map<QString, QAction*> actions{
            {"laufe_pop_s.vorschau", w.laufePopup->laufe_pop_s.vorschau},
            {"laufe_pop_d_1.vorschau", w.laufePopup->laufe_pop_d_1.vorschau},
            {"laufe_pop_d_2.vorschau", w.laufePopup->laufe_pop_d_2.vorschau},
            {"laufe_pop_g.vorschau", w.laufePopup->laufe_pop_g.vorschau},
            {"teil_pop_s.vorschau", w.teilPopup->teil_pop_s.vorschau},
            {"teil_pop_g.vorschau", w.teilPopup->teil_pop_g.vorschau},
            {"teil_pop_t.vorschau", w.teilPopup->teil_pop_t.vorschau},
            {"teil_pop_a.vorschau", w.teilPopup->teil_pop_a.vorschau},
        };
        QAction* action = actions.at(entry);
        QVERIFY2(action, qPrintable(entry));
        action->trigger();
        QVERIFY(expected.size() > 3);
        QCOMPARE(w.ausgabe.texte(), expected);
        QCOMPARE(w.pages->currentWidget(), w.ausgabeView);
        QVERIFY(w.ausgabeView->contentHeight() > expected.size() * 10);
        QVERIFY(win.prompt.shown.isEmpty());
    }

    void htmlExportThroughTheSaveDialog() {
        QTemporaryDir dir;
        Window win;
        Tw& w = win.w;
        w.laufe->setCurrentCell(2, 1);
        const QString path = dir.filePath(QStringLiteral("ergebnis.htm"));
        win.prompt.answerFile(path);
        w.laufePopup->laufe_pop_s.html->trigger();
        QCOMPARE(win.prompt.shown,
                 QStringList{"save: HTML-Export speichern unter|HTML-Dateien (*.htm *.html);;alle "
                             "Dateien (*.*)|htm"});
        const QByteArray page = test::fileBytes(path);
        QVERIFY(page.startsWith(
            "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r\n"));
        QVERIFY(page.contains("<title>Testcup S&uuml;d - Ergebnisse</title>"));
        QVERIFY(page.contains("background-color: #F2F2F2;"));
        QVERIFY(w.ausgabe.isEmpty()); // the export clears the sheet
        QCOMPARE(w.ausgabeView->contentHeight(), SheetView(w.ausgabe).contentHeight());

        // The other style; cancelling keeps the report in the sheet and writes nothing.
        w.cup.htmlStyle = 1;
        win.prompt.answerFile(path);
        w.teil->setCurrentCell(1, 2);
        w.teilPopup->teil_pop_t.html->trigger();
        QVERIFY(test::fileBytes(path).contains("background-color: #AACCFF;"));
        QFile::remove(path);
        win.prompt.answerFile({});
        w.teilPopup->teil_pop_a.html->trigger();
        QVERIFY(!QFile::exists(path));
        QVERIFY(w.ausgabe.count() > 10);
        QVERIFY(win.prompt.allAnswered());
    }

    void printCancelWritesNothing() {
        Window win;
        Tw& w = win.w;
        w.laufe->setCurrentCell(1, 1);
        w.laufePopup->laufe_pop_d_1.vorschau->trigger();
        const QStringList preview = w.ausgabe.texte();
        w.pages->setCurrentIndex(0);
        win.prompt.cancelPrint();
        w.laufe->setCurrentCell(2, 1);
        w.laufePopup->laufe_pop_g.drucken->trigger();
        QCOMPARE(win.prompt.shown, QStringList{QStringLiteral("print")});
        QCOMPARE(w.ausgabe.texte(), preview);
        QCOMPARE(w.pages->currentIndex(), 0);
        QVERIFY(win.prompt.allAnswered());
    }

    void printIntoAPdf() {
        QTemporaryDir dir;
        Window win;
        Tw& w = win.w;
        const QString pdf = dir.filePath(QStringLiteral("bericht.pdf"));
        win.prompt.answerPrint(pdf);
        w.teil->setCurrentCell(8, 2);
        w.teilPopup->teil_pop_s.drucken->trigger();
        QVERIFY(test::fileBytes(pdf).startsWith("%PDF"));
        QVERIFY(w.ausgabe.isEmpty()); // printing clears the sheet
        QVERIFY(win.prompt.errors.isEmpty());
    }

    void reportErrorsAreShown() {
        Window win;
        Tw& w = win.w;
        w.cup.pv.setCell(1, 3, QStringLiteral("achtzehn"));
        w.laufe->setCurrentCell(2, 1);
        w.laufePopup->laufe_pop_g.vorschau->trigger();
        QCOMPARE(win.prompt.errors,
                 QStringList{QStringLiteral("'achtzehn' ist kein gültiger Integerwert")});
        // The participants are shown as the stopped report left them.
        QCOMPARE(w.teil->gridModel()->rowCount(), w.cup.participantCount());
    }
};

QTEST_MAIN(TstReportCommands)
#include "tst_reportcommands.moc"
