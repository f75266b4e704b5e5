#include "app/cuppopups.h"
#include "app/cuptab.h"
#include "app/gridmodel.h"
#include "app/gridview.h"
#include "app/laufepopup.h"
#include "app/teilpopup.h"
#include "app/tw.h"
#include "cup/cupfile.h"
#include "dialogs/tbea_ag.h"
#include "dialogs/tbea_cup.h"
#include "dialogs/tbea_erg.h"
#include "dialogs/tbea_lauf.h"
#include "dialogs/tbea_pv.h"
#include "dialogs/tbea_teil.h"
#include "editortesting.h"
#include "scriptedprompt.h"

#include <QComboBox>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

using namespace rzv;
using namespace rzv::test;

// A whole cup built from an empty program through the context menus and the editors, saved and
// loaded back.
class TestWholeCup : public QObject {
    Q_OBJECT

    static void typeRace(Tbea_lauf& dialog, bool zeitlauf, const QString& date) {
        field<QComboBox>(dialog, "lauftyp")->setFocus();
        key(Qt::Key_Home);
        if (zeitlauf) key(Qt::Key_Down);
        tab();
        retype(date);
        tab();
        field(dialog, "ort")->setFocus();
        retype(QStringLiteral("Süderbrarup"));
        press(dialog, "speichern");
    }

    // Name, first name, birth date, gender (arrow keys from "weiblich"), club, the proposed
    // age group, the cup variation by its place in the list, the proposed start number.
    static void typeParticipant(Tbea_teil& dialog, const QString& name, const QString& vorname,
                                const QString& geb, int gesDown, int cupDown) {
        field(dialog, "name")->setFocus();
        typeText(name);
        tab();
        typeText(vorname);
        tab();
        retype(geb);
        tab();
        key(Qt::Key_Home);
        for (int i = 0; i < gesDown; ++i)
            key(Qt::Key_Down);
        tab(2);
        typeText(QStringLiteral("LG Süd"));
        tab(2);
        key(Qt::Key_Home);
        for (int i = 0; i < cupDown; ++i)
            key(Qt::Key_Down);
        tab(2);
        press(dialog, "speichern");
    }

private Q_SLOTS:
    void aWholeCupFromAnEmptyProgram() {
        ScriptedPrompt prompt;
        Tw w(&prompt);
        w.show();

        // An age group, a fourth cup variation and a points value.
        w.cupTab->ag->setCurrentCell(0, 0);
        w.cupPopups->ag_pop_h->trigger();
        Tbea_ag& ag = *w.dialogs.bea_ag;
        QVERIFY(activate(ag));
        field(ag, "weib")->setFocus();
        typeText(QStringLiteral("W35"));
        tab();
        typeText(QStringLiteral("M35"));
        tab();
        for (int i = 20; i < 34; ++i)
            key(Qt::Key_Up);
        press(ag, "speichern");
        QCOMPARE(w.cup.ag.rowCount(), 16);

        w.cupPopups->cv_pop_h->trigger();
        Tbea_cup& cv = *w.dialogs.bea_cup;
        QVERIFY(activate(cv));
        field(cv, "name")->setFocus();
        typeText(QStringLiteral("D-Cup"));
        tab();
        typeText(QStringLiteral("1000"));
        tab();
        typeText(QStringLiteral("5000"));
        press(cv, "speichern");
        QCOMPARE(w.cup.cv.cell(2, 4), QStringLiteral("0:05'00,0\""));

        w.cupPopups->pv_pop_h->trigger();
        Tbea_pv& pv = *w.dialogs.bea_pv;
        QVERIFY(activate(pv));
        field<QSpinBox>(pv, "pzW")->setFocus();
        for (int i = 1; i < 25; ++i)
            key(Qt::Key_Up);
        press(pv, "hinzufugen");
        pv.hide();
        QCOMPARE(w.cup.pv.cell(1, 1), QStringLiteral("25"));

        // Two races, the second dated before the first.
        w.laufePopup->laufe_pop_h->trigger();
        Tbea_lauf& lauf = *w.dialogs.bea_lauf;
        QVERIFY(activate(lauf));
        typeRace(lauf, true, QStringLiteral("14062026"));
        typeRace(lauf, false, QStringLiteral("10052026"));
        keepScreenshot(lauf, QStringLiteral("window-tbea_lauf"));
        lauf.hide();
        QCOMPARE(w.cup.laufe.cell(1, kDatum), QStringLiteral("10.05.2026"));
        QCOMPARE(w.laufe->gridModel()->columnCount(), 2);

        // Two participants.
        w.teilPopup->teil_pop_h->trigger();
        Tbea_teil& teil = *w.dialogs.bea_teil;
        QVERIFY(activate(teil));
        typeParticipant(teil, QStringLiteral("Özdemir"), QStringLiteral("Ayşe"),
                        QStringLiteral("02.02.1992"), 0, 3);
        // "ş" has no place in the cup file and is refused as it is typed.
        QCOMPARE(w.cup.teil.cell(kVorname, 1), QStringLiteral("Aye"));
        typeParticipant(teil, QStringLiteral("Berger"), QStringLiteral("Jörg"),
                        QStringLiteral("17.11.1950"), 1, 0);
        keepScreenshot(teil, QStringLiteral("window-tbea_teil"));
        teil.hide();
        QCOMPARE(w.cup.participantCount(), 2);
        QCOMPARE(w.cup.teil.cell(kStartnummer, 2), QStringLiteral("001"));
        QCOMPARE(w.cup.teil.cell(kAltersgruppe, 2), QStringLiteral("W35"));
        QCOMPARE(w.cup.teil.cell(kCup, 2), QStringLiteral("D-Cup"));
        QCOMPARE(w.cup.teil.cell(kAltersgruppe, 1), QStringLiteral("M70 u.ä."));

        // Results typed by start number for the time race; the participant found is selected.
        w.teil->setCurrentCell(resultColumn(2), 1);
        w.teilPopup->teil_pop_e->trigger();
        Tbea_erg& erg = *w.dialogs.bea_erg;
        QVERIFY(activate(erg));
        typeText(QStringLiteral("1"));
        tab();
        QCOMPARE(w.teil->currentRow(), 2);
        typeText(QStringLiteral("21034"));
        tab();
        typeText(QStringLiteral("2"));
        tab();
        QCOMPARE(w.teil->currentRow(), 1);
        typeText(QStringLiteral("v"));
        tab();
        tab(); // an empty start number closes the entry
        QVERIFY(!erg.isVisible());
        QCOMPARE(w.cup.teil.cell(resultColumn(2), 2), QStringLiteral("0:21'03,4\""));
        QCOMPARE(w.cup.teil.cell(resultColumn(2), 1), QStringLiteral("v."));
        QVERIFY(prompt.shown.isEmpty());

        // Saved and loaded back, the file is the same.
        QTemporaryDir dir;
        w.cup.fileName = dir.filePath(QStringLiteral("cup.rz3"));
        speichern(w.cup);
        const QByteArray saved = readWholeFile(w.cup.fileName, kMaxCupFileSize);
        TCupData loaded;
        laden(loaded, w.cup.fileName);
        QCOMPARE(cupFileBytes(loaded), saved);
        QVERIFY(saved.contains("S\xFC"
                               "derbrarup"));
    }
};

QTEST_MAIN(TestWholeCup)
#include "tst_wholecup.moc"
