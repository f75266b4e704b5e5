// The certificate entries of the race table's menu, the settings and the chooser in the window.
#include "app/laufepopup.h"
#include "app/mainmenu.h"
#include "app/tw.h"
#include "dialogs/tteil_wahl.h"
#include "runtestcup.h"
#include "scriptedprompt.h"

#include "app/gridview.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace rzv;
using namespace rzv::test;

namespace {

int pdfPageCount(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? int(file.readAll().count("/Type /Page\n")) : -1;
}

TCupContent twoCupRace() {
    return runCup(
        {
            {"Adler", "Ada", "F30", "0:40'00,0\"", "A-Cup"},
            {"Berger", "Bea", "F30", "0:41'00,0\"", "B-Cup"},
            {"Cornelius", "Cleo", "F30", "0:39'00,0\"", "B-Cup"},
            {"Mohr", "Max", "M30", "n.a.", "B-Cup"},
        },
        {"A-Cup", "B-Cup"});
}

} // namespace

class TestCertificateMenu : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    int m_jobs = 0;

    // Every print job of the window goes into a new PDF file.
    QString printIntoPdf(Tw& w) {
        const QString path = m_dir.filePath(QStringLiteral("job%1.pdf").arg(++m_jobs));
        w.printer.setOutputFormat(QPrinter::PdfFormat);
        w.printer.setOutputFileName(path);
        return path;
    }

private Q_SLOTS:
    void raceWinnersAskPerCupVariation() {
        ScriptedPrompt prompt;
        Tw w(&prompt);
        w.cup.replaceContent(twoCupRace(), QString());
        const QString pdf = printIntoPdf(w);
        w.laufe->setCurrentCell(1, 2);
        prompt.answerAsk(false);
        prompt.answerAsk(true);
        w.laufePopup->laufe_pop_u_sl->trigger();
        QCOMPARE(prompt.shown, QStringList({"plain: Rundenzeitverwalter: A-Cup drucken?",
                                            "plain: Rundenzeitverwalter: B-Cup drucken?"}));
        QCOMPARE(pdfPageCount(pdf), 2);
        QCOMPARE(w.printer.docName(), QStringLiteral("RZV Ausdruck"));
        QVERIFY(!w.cup.changed());

        // Closing the box is no "&Nein": the A-Cup is printed.
        const QString closed = printIntoPdf(w);
        prompt.closeQuestion();
        prompt.answerAsk(false);
        w.laufePopup->laufe_pop_u_sl->trigger();
        QCOMPARE(pdfPageCount(closed), 1);
        prompt.shown.clear();

        // On the caption column nothing is asked or printed.
        const QString none = printIntoPdf(w);
        w.laufe->setCurrentCell(0, 2);
        w.laufePopup->laufe_pop_u_sl->trigger();
        QVERIFY(prompt.shown.isEmpty());
        QVERIFY(!QFile::exists(none));
    }

    void chooserPrintsOnePageOrNothingOnTheCaptionColumn() {
        ScriptedPrompt prompt;
        Tw w(&prompt);
        w.cup.replaceContent(twoCupRace(), QString());
        w.laufe->setCurrentCell(1, 2);
        w.laufePopup->laufe_pop_tl->trigger();
        Tteil_wahl& teil_wahl = *w.dialogs.teil_wahl;
        QCOMPARE(teil_wahl.teil_wahl_box->count(), 4);
        teil_wahl.teil_wahl_box->setEditText(QStringLiteral("002"));
        const QString pdf = printIntoPdf(w);
        QTest::mouseClick(teil_wahl.klick, Qt::LeftButton);
        QCOMPARE(pdfPageCount(pdf), 1);

        w.laufePopup->laufe_pop_tl->trigger();
        w.laufe->setCurrentCell(0, 2);
        const QString none = printIntoPdf(w);
        teil_wahl.klickClick();
        QVERIFY(!QFile::exists(none));
        QVERIFY(prompt.shown.isEmpty());
    }

    void cupWinnersLeaveTheStandingsReport() {
        ScriptedPrompt prompt;
        Tw w(&prompt);
        w.cup.replaceContent(twoCupRace(), QString());
        w.laufe->setCurrentCell(1, 2);
        w.laufePopup->laufe_popPopup();
        QVERIFY(w.laufePopup->laufe_pop_u_g->isEnabled());
        const QString pdf = printIntoPdf(w);
        w.laufePopup->laufe_pop_u_g->trigger();
        QCOMPARE(pdfPageCount(pdf), 3); // A-Cup: Adler; B-Cup: Cornelius, Berger
        QVERIFY(!w.ausgabe.isEmpty());
        QCOMPARE(w.cup.teil.colCount(), kTeilFixedCols + 1);

        w.laufePopup->laufe_pop_u_u->trigger();
        QCOMPARE(w.dialogs.teil_wahl->windowTitle(),
                 QStringLiteral("Teilnehmer auswählen (Gesamtcup)"));
        w.dialogs.teil_wahl->teil_wahl_box->setEditText(QStringLiteral("004"));
        const QString one = printIntoPdf(w);
        w.dialogs.teil_wahl->klickClick();
        QCOMPARE(pdfPageCount(one), 1);
        QVERIFY(prompt.errors.isEmpty());

        // Below the minimum of participations there is no place to certify.
        for (int row = 1; row < w.cup.teil.rowCount(); ++row)
            if (w.cup.teil.cell(kStartnummer, row) == u"002")
                w.cup.teil.setCell(resultColumn(1), row, QString());
        w.laufePopup->laufe_pop_u_u->trigger();
        w.dialogs.teil_wahl->teil_wahl_box->setEditText(QStringLiteral("002"));
        const QString refused = printIntoPdf(w);
        w.dialogs.teil_wahl->klickClick();
        QCOMPARE(prompt.errors,
                 QStringList{"Bea Berger (Startnummer 002) hat keinen Platz in der Gesamtwertung "
                             "(Teilnahmen: 0, Mindestteilnahmen für Endwertung: 1). Es wurde "
                             "keine Urkunde gedruckt."});
        QVERIFY(!QFile::exists(refused));
    }

    void picturesStandOnTheHiddenTab() {
        ScriptedPrompt prompt;
        Tw w(&prompt);
        const QList<QLabel*> labels = w.bilder->findChildren<QLabel*>();
        QCOMPARE(labels.size(), 10);
        QCOMPARE(labels[0]->pixmap().size(), QSize(215, 527));
        QCOMPARE(labels[9]->pixmap().size(), QSize(193, 220));
    }
};

QTEST_MAIN(TestCertificateMenu)
#include "tst_certificatemenu.moc"
