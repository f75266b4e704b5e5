#include "app/gridview.h"
#include "app/laufepopup.h"
#include "app/mainmenu.h"
#include "app/tw.h"
#include "dialogs/tteil_wahl.h"
#include "dialogs/turkunden.h"
#include "guitesting.h"
#include "scriptedprompt.h"
#include "testcup.h"

#include <QComboBox>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace rzv;

// The certificate entries of the race table print on the window's printer.
class TstWindowCertificates : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void raceWinnersAskForEachCupVariation() {
        QTemporaryDir dir;
        test::ScriptedPrompt prompt;
        Tw w(&prompt);
        w.cup.replaceContent(test::smallCup(2, 6), {});
        const QString pdf = dir.filePath(QStringLiteral("sieger.pdf"));
        w.printer.setOutputFormat(QPrinter::PdfFormat);
        w.printer.setOutputFileName(pdf);
        w.laufe->setCurrentCell(1, 3);
        prompt.answerAsk(false);
        prompt.answerAsk(true);
        prompt.answerAsk(false);
        w.laufePopup->laufe_pop_u_sl->trigger();
        QCOMPARE(prompt.shown, (QStringList{"plain: Rundenzeitverwalter: A-Cup drucken?",
                                            "plain: Rundenzeitverwalter: B-Cup drucken?",
                                            "plain: Rundenzeitverwalter: C-Cup drucken?"}));
        QVERIFY(test::fileBytes(pdf).startsWith("%PDF"));
        QVERIFY(prompt.errors.isEmpty());
        QVERIFY(!w.cup.changed());
    }

    void chooserPrintsForTheRaceSelectedWhenChosen() {
        QTemporaryDir dir;
        test::ScriptedPrompt prompt;
        Tw w(&prompt);
        w.cup.replaceContent(test::smallCup(2, 6), {});
        const QString pdf = dir.filePath(QStringLiteral("teilnehmer.pdf"));
        w.printer.setOutputFormat(QPrinter::PdfFormat);
        w.printer.setOutputFileName(pdf);
        w.laufe->setCurrentCell(1, 3);
        w.laufePopup->laufe_pop_tl->trigger();
        Tteil_wahl& chooser = *w.dialogs.teil_wahl;
        QVERIFY(chooser.isVisible());
        QCOMPARE(chooser.windowTitle(), Tteil_wahl::kRaceCaption);
        QVERIFY(!chooser.isModal());
        chooser.teil_wahl_box->setEditText(QStringLiteral("004"));
        w.laufe->setCurrentCell(2, 3); // the race may change while the chooser is open
        chooser.klickClick();
        QVERIFY(!chooser.isVisible());
        QVERIFY(test::fileBytes(pdf).startsWith("%PDF"));

        // The cup certificate of the last race leaves the standing in the sheet.
        w.laufePopup->laufe_pop_u_u->trigger();
        QCOMPARE(chooser.windowTitle(), Tteil_wahl::kCupCaption);
        chooser.teil_wahl_box->setEditText(QStringLiteral("004"));
        chooser.klickClick();
        QVERIFY(w.ausgabe.count() > 5);
        QCOMPARE(w.cup.teil.colCount(), kTeilFixedCols + 2); // working columns gone
        QVERIFY(prompt.shown.isEmpty());
    }

    void settingsDialogFromTheMainMenu() {
        test::ScriptedPrompt prompt;
        Tw w(&prompt);
        w.mainMenu->m_e_u->trigger();
        QVERIFY(w.dialogs.urkunden->isVisible());
        QVERIFY(!w.dialogs.urkunden->isModal());
    }
};

QTEST_MAIN(TstWindowCertificates)
#include "tst_windowcertificates.moc"
