// The import as the desktop offers it: "&Datei" → "&Importieren …" and the participant table's
// "Ergebnisse &importieren …", the dialog's mapping and choices, "Prüfen", "Übernehmen" and
// "Abbrechen".
#include "app/mainmenu.h"
#include "app/teilpopup.h"
#include "app/gridview.h"
#include "app/tw.h"
#include "cup/cupfile.h"
#include "dialogs/timport.h"
#include "scriptedprompt.h"
#include "testcup.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace rzv;

namespace {

QString writeFile(const QTemporaryDir& dir, const char* name, const QByteArray& bytes) {
    const QString path = dir.filePath(QString::fromUtf8(name));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
    return path;
}

QStringList choices(const Timport& dialog, int columns) {
    QStringList texts;
    for (int column = 0; column < columns; ++column) texts << dialog.fieldChoice(column)->currentText();
    return texts;
}

const QString kOpen = QStringLiteral("open: Importieren|CSV-Dateien (*.csv *.txt)|csv");

} // namespace

class TestImport : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private Q_SLOTS:
    void initTestCase() {
        // The remembered choices go into the test's own settings, not the user's.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           m_dir.filePath(QStringLiteral("settings")));
    }
    void init() {
        QSettings(QStringLiteral("Rundenzeitverwalter"), QStringLiteral("Rundenzeitverwalter"))
            .clear();
    }

    void registrationThroughTheFileMenu() {
        test::ScriptedPrompt prompt;
        Tw w(&prompt);
        w.cup.replaceContent(test::smallCup(1, 0), {});
        prompt.answerFile(writeFile(m_dir, "anmeldung.csv",
                                    "Nachname;Vorname;Jg.;m/w;Verein\r\n"
                                    "M\xFCller;J\xF6rg;1984;m;TV Nord\r\n"
                                    "Sch\xE4" "fer;Anna;1990;w;LG S\xFC" "d\r\n"));
        w.mainMenu->importieren->trigger();
        QCOMPARE(prompt.shown, QStringList{kOpen});
        QPointer<Timport> dialog = w.findChild<Timport*>();
        QVERIFY(dialog && dialog->isVisible() && dialog->isModal());
        QCOMPARE(choices(*dialog, 5), (QStringList{"Name", "Vorname", "Jahrgang", "Geschlecht", "Verein"}));
        QCOMPARE(dialog->ziel->currentText(), "nur Teilnehmer");
        QCOMPARE(dialog->abgleich->currentText(), "über Name, Vorname und Jahrgang");

        // The cup has cup variations and the file names none: nothing can be imported yet.
        QTest::mouseClick(dialog->pruefen, Qt::LeftButton);
        QVERIFY(dialog->zusammenfassung->toPlainText().startsWith(
            "Aus dieser Datei kann nichts importiert werden.\nNeue Teilnehmer: 0\n"));
        QVERIFY(!dialog->uebernehmen->isEnabled());

        dialog->cup->setCurrentText(QStringLiteral("A-Cup"));
        QTest::mouseClick(dialog->pruefen, Qt::LeftButton);
        QCOMPARE(dialog->zusammenfassung->toPlainText(),
                 "Neue Teilnehmer: 2\n  Startnummern vergeben: 001 bis 002\nAbgelehnte Zeilen: 0\n"
                 "Vorgeschlagene Altersgruppen: 2\n  Zeile 2: Müller, Jörg: M40\n"
                 "  Zeile 3: Schäfer, Anna: F30");
        QCOMPARE(w.cup.participantCount(), 0);
        QVERIFY(!w.cup.changed());

        // A changed choice needs a new check before anything can be applied.
        dialog->fieldChoice(4)->setCurrentText(QStringLiteral("nicht übernehmen"));
        QVERIFY(!dialog->uebernehmen->isEnabled());
        dialog->fieldChoice(4)->setCurrentText(QStringLiteral("Verein"));
        QTest::mouseClick(dialog->pruefen, Qt::LeftButton);
        const QByteArray before = cupFileBytes(w.cup);
        QTest::mouseClick(dialog->uebernehmen, Qt::LeftButton);
        QCOMPARE(prompt.shown.last(), "inform: Der Import wurde übernommen.\nNeue Teilnehmer: 2\n"
                                      "Abgelehnte Zeilen: 0\nVorgeschlagene Altersgruppen: 2");
        QCOMPARE(prompt.owners.last(), dialog.data());
        QCOMPARE(w.cup.participantCount(), 2);
        QCOMPARE(w.cup.teil.row(1), (TCellGrid::Row{"Müller", "Jörg", "01.01.1984", "männlich", "TV Nord",
                                                    "M40", "001", "A-Cup", ""}));
        QVERIFY(w.cup.changed());
        QTRY_VERIFY(dialog.isNull());

        // The whole import is one step of the history.
        const QByteArray after = cupFileBytes(w.cup);
        QCOMPARE(w.cup.history().count(), 1);
        QCOMPARE(w.cup.history().undoText(), "Import (2 neue Teilnehmer, 0 Ergebnisse)");
        w.cup.history().undo();
        QCOMPARE(cupFileBytes(w.cup), before);
        QVERIFY(!w.cup.changed());
        w.cup.history().redo();
        QCOMPARE(cupFileBytes(w.cup), after);
    }

    void resultsFromTheRaceColumnAndCancel() {
        test::ScriptedPrompt prompt;
        Tw w(&prompt);
        w.cup.replaceContent(test::smallCup(2, 3), {});
        const TCupContent before = w.cup;
        w.teil->setCurrentCell(resultColumn(2), 1);
        w.teilPopup->teil_popPopup();
        QVERIFY(w.teilPopup->teil_pop_i->isEnabled());
        prompt.answerFile(writeFile(m_dir, "zeiten.csv", "\xEF\xBB\xBF" "Bib,Time,Status\n1,0:19:30.0,\n2,,DNF\n"));
        w.teilPopup->teil_pop_i->trigger();
        QPointer<Timport> dialog = w.findChild<Timport*>();
        QVERIFY(dialog);
        QCOMPARE(dialog->ziel->currentIndex(), 2);
        QCOMPARE(dialog->abgleich->currentText(), "über die Startnummer");
        QTest::mouseClick(dialog->pruefen, Qt::LeftButton);
        QVERIFY(dialog->zusammenfassung->toPlainText().contains("Ergebnisse gesetzt in Lauf 2: 2\n"));
        QVERIFY(dialog->uebernehmen->isEnabled());
        QTest::mouseClick(dialog->abbrechen, Qt::LeftButton);
        QTRY_VERIFY(dialog.isNull());
        QVERIFY(w.cup.teil == before.teil);
        QVERIFY(!w.cup.changed());
    }

    // A row only similar to a participant becomes a new participant unless it is ticked; ticked,
    // its result goes to that participant.
    void similarRowsAreTicked() {
        test::ScriptedPrompt prompt;
        Tw w(&prompt);
        w.cup.replaceContent(test::smallCup(1, 2), {});
        prompt.answerFile(writeFile(m_dir, "liste.csv", "Name;Vorname;Jg;m/w;Zeit\nLaeufer01;Vorname1;1990;m;0:21:00\n"));
        w.mainMenu->importieren->trigger();
        QPointer<Timport> dialog = w.findChild<Timport*>();
        QVERIFY(dialog);
        dialog->ziel->setCurrentIndex(1);
        dialog->cup->setCurrentText(QStringLiteral("B-Cup"));
        QCOMPARE(dialog->verein->text(), QStringLiteral("vereinslos"));
        QTest::mouseClick(dialog->pruefen, Qt::LeftButton);
        QCOMPARE(dialog->aehnliche->count(), 1);
        QCOMPARE(dialog->aehnliche->item(0)->checkState(), Qt::Unchecked);
        QVERIFY(dialog->zusammenfassung->toPlainText().startsWith("Neue Teilnehmer: 1\n"));
        QVERIFY(dialog->zusammenfassung->toPlainText().contains("ähnelt Läufer001, Vorname1 (001)"));

        dialog->aehnliche->item(0)->setCheckState(Qt::Checked);
        QVERIFY(dialog->zusammenfassung->toPlainText().startsWith("Neue Teilnehmer: 0\nErgebnisse gesetzt in Lauf 1: 1\n"));
        QCOMPARE(dialog->aehnliche->item(0)->checkState(), Qt::Checked);
        QTest::mouseClick(dialog->uebernehmen, Qt::LeftButton);
        QCOMPARE(w.cup.participantCount(), 2);
        QCOMPARE(w.cup.teil.cell(resultColumn(1), w.cup.teil.rowCount() - 1), "0:21'00,0\"");
        QCOMPARE(w.cup.history().count(), 1);
    }

    // The next import starts in the folder of the last one and, for the same cup file, offers
    // the cup chosen last for rows without one.
    void remembersTheFolderAndPerCupFileTheCup() {
        test::ScriptedPrompt prompt;
        Tw w(&prompt);
        w.cup.replaceContent(test::smallCup(1, 0), m_dir.filePath(QStringLiteral("a.rz3")));
        const QString csv = writeFile(m_dir, "liste.csv",
                                      "Name;Vorname;Jg.;m/w;Verein\r\nKern;Ina;1983;w;SV Ost\r\n");
        const auto open = [&] {
            prompt.answerFile(csv);
            w.mainMenu->importieren->trigger();
            return w.findChild<Timport*>();
        };
        Timport* dialog = open();
        QCOMPARE(dialog->cup->currentText(), QString());
        dialog->cup->setCurrentText(QStringLiteral("B-Cup"));
        QTest::mouseClick(dialog->pruefen, Qt::LeftButton);
        QTest::mouseClick(dialog->uebernehmen, Qt::LeftButton);
        QTRY_VERIFY(!w.findChild<Timport*>());
        dialog = open();
        QCOMPARE(prompt.shown.last(), kOpen + u'|' + m_dir.path());
        QCOMPARE(dialog->cup->currentText(), QStringLiteral("B-Cup"));
        delete dialog;
        w.cup.replaceContent(test::smallCup(1, 0), m_dir.filePath(QStringLiteral("b.rz3")));
        dialog = open();
        QCOMPARE(prompt.shown.last(), kOpen + u'|' + m_dir.path());
        QCOMPARE(dialog->cup->currentText(), QString());
        delete dialog;
        QVERIFY(prompt.allAnswered());
    }

    void fileProblems() {
        test::ScriptedPrompt prompt;
        Tw w(&prompt);
        prompt.answerFile(QString()); // cancelled
        w.mainMenu->importieren->trigger();
        prompt.answerFile(writeFile(m_dir, "bild.csv", QByteArray("\x89PNG\r\n\x1A\n\0\0", 10)));
        w.mainMenu->importieren->trigger();
        QCOMPARE(prompt.shown, (QStringList{kOpen, kOpen,
                                            "error: Die Datei ist keine Textdatei (sie enthält Steuerzeichen)."}));
        QVERIFY(!w.findChild<Timport*>());
    }
};

QTEST_MAIN(TestImport)
#include "tst_import.moc"
