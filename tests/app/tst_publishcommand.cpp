// "&Datei" → "&Veröffentlichen …" on the main window: the folder asked for through the prompt and
// remembered per cup file, the whole set written, the cup left as it was.
#include "app/mainmenu.h"
#include "app/tw.h"
#include "guitesting.h"
#include "scriptedprompt.h"
#include "testcup.h"

#include <QAction>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace rzv;

namespace {

const QString kTitel = QStringLiteral("Ordner für die Veröffentlichung wählen");

QString frage(int dateien, const QString& ordner) {
    return QStringLiteral("inform-ask: Der Cup wurde veröffentlicht: %1 Dateien im Ordner %2.\n"
                          "Wollen Sie die Übersicht im Browser ansehen?")
        .arg(dateien)
        .arg(ordner);
}

// A window with a cup of two races and four runners, loaded from the named file.
void fuelle(Tw& w, const QString& cupDatei) {
    static_cast<TCupContent&>(w.cup) = test::smallCup(2, 4);
    w.cup.fileName = cupDatei;
    w.cup.notifyTablesChanged();
}

} // namespace

class TestPublishCommand : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    void veroeffentliche(Tw& w, test::ScriptedPrompt& prompt, const QString& ordner) {
        prompt.answerFile(ordner);
        if (!ordner.isEmpty()) prompt.answerAsk(false);
        w.mainMenu->veroeffentlichen->trigger();
        QVERIFY(prompt.allAnswered());
    }

private Q_SLOTS:
    void initTestCase() {
        // The remembered folders go into the test's own settings, not the user's.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           m_dir.filePath(QStringLiteral("settings")));
    }
    void init() { QSettings(QStringLiteral("Rundenzeitverwalter"), QStringLiteral("Rundenzeitverwalter")).clear(); }

    void publishesTheOpenCupAndLeavesItAsItWas() {
        test::ScriptedPrompt prompt;
        Tw w(&prompt);
        fuelle(w, m_dir.filePath(QStringLiteral("a.rz3")));
        const TCellGrid teil = w.cup.teil;
        const QString ordner = m_dir.filePath(QStringLiteral("web/a"));
        veroeffentliche(w, prompt, ordner);
        QCOMPARE(prompt.shown, (QStringList{QStringLiteral("folder: ") + kTitel + u'|',
                                            frage(22, ordner)}));
        QCOMPARE(QDir(ordner).entryList(QDir::Files).size(), 22);
        QVERIFY(test::fileBytes(ordner + QStringLiteral("/lauf-2.html")).contains("Testcup S"));
        QVERIFY(w.cup.teil == teil);
        QVERIFY(!w.cup.changed());
        QVERIFY(prompt.errors.isEmpty());
    }

    void remembersTheFolderOfEachCupFile() {
        test::ScriptedPrompt prompt;
        Tw w(&prompt);
        const QString a = m_dir.filePath(QStringLiteral("a.rz3"));
        const QString b = m_dir.filePath(QStringLiteral("b.rz3"));
        const QString ordnerA = m_dir.filePath(QStringLiteral("web/a"));
        const QString ordnerB = m_dir.filePath(QStringLiteral("web/b"));
        fuelle(w, a);
        veroeffentliche(w, prompt, ordnerA);
        fuelle(w, b);
        veroeffentliche(w, prompt, ordnerB); // a new cup file starts at the folder chosen last
        fuelle(w, a);
        veroeffentliche(w, prompt, QString()); // cancelled
        fuelle(w, b);
        veroeffentliche(w, prompt, QString());
        const QString folder = QStringLiteral("folder: ") + kTitel + u'|';
        QCOMPARE(prompt.shown, (QStringList{folder, frage(22, ordnerA),
                                            folder + ordnerA, frage(22, ordnerB),
                                            folder + ordnerA, folder + ordnerB}));
    }

    void yesOpensTheOverviewInTheBrowser() {
        test::ScriptedPrompt prompt;
        Tw w(&prompt);
        fuelle(w, QString());
        const QString ordner = m_dir.filePath(QStringLiteral("web/neu"));
        prompt.answerFile(ordner);
        prompt.answerAsk(true);
        w.mainMenu->veroeffentlichen->trigger();
        QCOMPARE(prompt.shown.last(),
                 QStringLiteral("url: file://") + ordner + QStringLiteral("/index.html"));
    }

    void aFailureIsShown() {
        test::ScriptedPrompt prompt;
        Tw w(&prompt);
        fuelle(w, QString());
        QFile datei(m_dir.filePath(QStringLiteral("datei")));
        QVERIFY(datei.open(QIODevice::WriteOnly));
        datei.close();
        prompt.answerFile(datei.fileName() + QStringLiteral("/web"));
        w.mainMenu->veroeffentlichen->trigger();
        QCOMPARE(prompt.errors,
                 QStringList{QStringLiteral("Der Ordner %1/web kann nicht angelegt werden "
                                            "(I/O-Fehler 20).")
                                 .arg(datei.fileName())});
        QVERIFY(!w.cup.changed());
    }
};

QTEST_MAIN(TestPublishCommand)
#include "tst_publishcommand.moc"
