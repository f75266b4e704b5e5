// The settings dialog "Mannschaftswertung …": kept beside the cup file, used by the reports of
// the race menu, refused for a cup without a file.
#include "../teams/teamtestcup.h"
#include "app/gridview.h"
#include "app/laufepopup.h"
#include "app/mainmenu.h"
#include "app/tw.h"
#include "cup/cupfile.h"
#include "dialogs/tmannschaft.h"
#include "scriptedprompt.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

using namespace rzv;

namespace {

// The window on the club cup, saved in a folder of its own.
struct SavedCup {
    QTemporaryDir dir;
    test::ScriptedPrompt prompt;
    Tw w{&prompt};
    const QString file = dir.filePath(QStringLiteral("herbst.rz3"));
    SavedCup() {
        w.cup.replaceContent(test::clubCup().cup, file);
        speichern(w.cup);
    }
};

} // namespace

class TestTmannschaft : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void savedBesideTheCupAndUsedByTheReports() {
        SavedCup cup;
        auto& [dir, prompt, w, file] = cup;
        Tmannschaft& dialog = *w.dialogs.mannschaft;

        w.mainMenu->m_e_m->trigger();
        QVERIFY(dialog.isVisible());
        QVERIFY(!dialog.isModal());
        QCOMPARE(dialog.einstellungen(), Mannschaftseinstellungen());
        QVERIFY(dialog.ort->text().contains(u"„herbst.rz3.mannschaft.json“"));
        QCOMPARE(dialog.groesse->maximum(), 10);
        dialog.groesse->setValue(2);
        dialog.gemischt->setChecked(true);
        dialog.platzziffern->setChecked(true);
        dialog.speichern->click();
        QVERIFY(!dialog.isVisible());

        w.laufe->setCurrentCell(3, 2);
        w.laufePopup->laufe_pop_n.vorschau->trigger();
        QCOMPARE(w.ausgabe.zeile(4).text,
                 QStringLiteral("Wertung: die 2 besten Ergebnisse je Verein, Frauen und Männer "
                                "gemeinsam"));
        QVERIFY(w.ausgabe.zeile(5).text.startsWith(u"Gesamt: Summe der Platzziffern"));

        // Shown again, the dialog reads the file; cancelling keeps it.
        dialog.zeigen();
        QCOMPARE(dialog.einstellungen().groesse, 2);
        dialog.groesse->setValue(5);
        dialog.close();
        QCOMPARE(ladeMannschaftseinstellungen(file).groesse, 2);
        QVERIFY(prompt.errors.isEmpty());
    }

    void aSettingsFileThatDoesNotReadIsNamed() {
        SavedCup cup;
        auto& [dir, prompt, w, file] = cup;
        QFile settings(mannschaftsdatei(file));
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write("{\"gemischt\": \"ja\"}");
        settings.close();

        w.laufe->setCurrentCell(1, 2);
        w.laufePopup->laufe_pop_m.vorschau->trigger();
        w.dialogs.mannschaft->zeigen();
        QCOMPARE(prompt.errors.size(), 2);
        QCOMPARE(prompt.errors[0], QStringLiteral("Die Einstellungen der Mannschaftswertung lassen "
                                                  "sich nicht lesen: „gemischt“ ist weder true "
                                                  "noch false."));
        QCOMPARE(w.dialogs.mannschaft->einstellungen(), Mannschaftseinstellungen());
    }

    void aCupWithoutFileCannotKeepThem() {
        test::ScriptedPrompt prompt;
        Tw w(&prompt);
        w.dialogs.mannschaft->zeigen();
        QVERIFY(!w.dialogs.mannschaft->speichern->isEnabled());
        QVERIFY(w.dialogs.mannschaft->ort->text().contains(u"speichern Sie den Cup zuerst"));
    }
};

QTEST_MAIN(TestTmannschaft)
#include "tst_tmannschaft.moc"
