#include "app/germanqt.h"
#include "modalbox.h"
#include "ui/qtprompt.h"

#include <QAbstractButton>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

using namespace rzv;
using namespace rzv::test;

namespace {

QStringList buttonTexts(const QMessageBox& box) {
    QStringList texts;
    for (const QAbstractButton* button : box.buttons())
        texts << button->text();
    texts.sort();
    return texts;
}

} // namespace

// The desktop's boxes: questions titled "Warnung" with "&Ja" and "&Nein", notices with "OK".
class TstQtPrompt : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void questionsAnswerOnlyJaWithTrue() {
        QWidget window;
        QtPrompt prompt(&window);
        for (const bool yes : {true, false}) {
            whenBoxShows([yes](QMessageBox& box) {
                QCOMPARE(box.windowTitle(), QStringLiteral("Warnung"));
                QCOMPARE(box.icon(), QMessageBox::Warning);
                QCOMPARE(box.text(), QStringLiteral("Sie haben noch ungesicherte Daten!\nWeiter?"));
                QCOMPARE(buttonTexts(box), (QStringList{"&Ja", "&Nein"}));
                boxButton(box, yes ? QStringLiteral("&Ja") : QStringLiteral("&Nein"))->click();
            });
            QCOMPARE(prompt.ask(QStringLiteral("Sie haben noch ungesicherte Daten!\nWeiter?")),
                     yes);
        }
        whenBoxShows([](QMessageBox& box) { box.close(); }); // the close box is no "&Ja"
        QVERIFY(!prompt.ask(QStringLiteral("Löschen?")));
        whenBoxShows([](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); });
        QVERIFY(!prompt.ask(QStringLiteral("Löschen?")));
    }

    // The plain question stops only on "&Nein": Escape and the close box go on.
    void plainQuestionGoesOnUnlessNein_data() {
        QTest::addColumn<QString>("way"); // a button's text, "Escape" or "close"
        QTest::addColumn<bool>("goesOn");
        QTest::newRow("Ja") << "&Ja" << true;
        QTest::newRow("Nein") << "&Nein" << false;
        QTest::newRow("Escape") << "Escape" << true;
        QTest::newRow("close box") << "close" << true;
    }
    void plainQuestionGoesOnUnlessNein() {
        QFETCH(QString, way);
        QFETCH(bool, goesOn);
        QWidget window;
        QtPrompt prompt(&window);
        whenBoxShows([way](QMessageBox& box) {
            QCOMPARE(box.windowTitle(), QStringLiteral("Rundenzeitverwalter"));
            QCOMPARE(box.icon(), QMessageBox::NoIcon);
            QCOMPARE(buttonTexts(box), (QStringList{"&Ja", "&Nein"}));
            if (way == u"Escape")
                QTest::keyClick(&box, Qt::Key_Escape);
            else if (way == u"close")
                box.close();
            else
                boxButton(box, way)->click();
        });
        QCOMPARE(prompt.askPlain(QStringLiteral("Rundenzeitverwalter"),
                                 QStringLiteral("A-Cup drucken?")),
                 goesOn);
    }

    // Notices warn; a success is an information.
    void eachKindOfBoxLooksItsPart_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("icon");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("buttons");
        QTest::newRow("notice") << "notice" << int(QMessageBox::Warning) << "Warnung"
                                << QStringList{"OK"};
        QTest::newRow("success") << "inform" << int(QMessageBox::Information) << "Information"
                                 << QStringList{"OK"};
        QTest::newRow("success with a question") << "informAndAsk" << int(QMessageBox::Information)
                                                 << "Information" << QStringList{"&Ja", "&Nein"};
    }
    void eachKindOfBoxLooksItsPart() {
        QFETCH(QString, kind);
        QFETCH(int, icon);
        QFETCH(QString, title);
        QFETCH(QStringList, buttons);
        QWidget window;
        QtPrompt prompt(&window);
        whenBoxShows([&](QMessageBox& box) {
            QCOMPARE(int(box.icon()), icon);
            QCOMPARE(box.windowTitle(), title);
            QCOMPARE(buttonTexts(box), buttons);
            boxButton(box, buttons.first())->click();
        });
        if (kind == u"notice")
            prompt.notice(QStringLiteral("Hinweis"));
        else if (kind == u"inform")
            prompt.inform(QStringLiteral("Erledigt"));
        else
            QVERIFY(prompt.informAndAsk(QStringLiteral("Erledigt. Ansehen?")));
    }

    // A box belongs to the dialog that asks while the dialog shows, otherwise to the main window.
    void boxesBelongToTheAskingDialog_data() {
        QTest::addColumn<QString>("owner"); // none, shown or hidden
        QTest::addColumn<bool>("toDialog");
        QTest::newRow("main window asks") << "none" << false;
        QTest::newRow("dialog asks") << "shown" << true;
        QTest::newRow("hidden dialog asks") << "hidden" << false;
    }
    void boxesBelongToTheAskingDialog() {
        QFETCH(QString, owner);
        QFETCH(bool, toDialog);
        QWidget window;
        QDialog dialog(&window);
        dialog.setVisible(owner == u"shown");
        QtPrompt prompt(&window);
        std::optional<Prompt::Owner> asking;
        if (owner != u"none") asking.emplace(prompt, &dialog);
        const QWidget* parent = nullptr;
        whenBoxShows([&](QMessageBox& box) {
            parent = box.parentWidget();
            box.buttons().constFirst()->click();
        });
        prompt.ask(QStringLiteral("Weiter?"));
        QCOMPARE(parent, toDialog ? static_cast<QWidget*>(&dialog) : &window);
    }

    // The printer settings confirm with "OK": nothing is printed there.
    void printerSetupConfirmsWithOk() {
        QVERIFY(speakGerman(*QCoreApplication::instance()));
        QWidget window;
        QtPrompt prompt(&window);
        QPrinter printer;
        QStringList buttons;
        whenBoxShows<QDialog>([&](QDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Druckereinstellungen"));
            for (const QPushButton* button : dialog.findChildren<QPushButton*>())
                if (button->isVisible()) buttons << button->text().remove(u'&');
            dialog.reject();
        });
        prompt.printerSetup(printer);
        QVERIFY2(buttons.contains(QStringLiteral("OK")), qPrintable(buttons.join(u'|')));
        QVERIFY(!buttons.contains(QStringLiteral("Drucken")));
    }

    // The folder dialog opens where it is told, offers folders only and gives the chosen one.
    void folderDialog() {
        QWidget window;
        QtPrompt prompt(&window);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("web")));
        for (const bool choose : {true, false}) {
            QTimer::singleShot(0, [&, choose] {
                auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                QCOMPARE(dialog->windowTitle(), QStringLiteral("Ordner wählen"));
                QCOMPARE(dialog->fileMode(), QFileDialog::Directory);
                QCOMPARE(dialog->directory().absolutePath(), dir.path());
                if (!choose) return dialog->reject();
                dialog->selectFile(dir.filePath(QStringLiteral("web")));
                static_cast<QDialog*>(dialog)->accept(); // QFileDialog hides it, QDialog does not
            });
            QCOMPARE(prompt.folderName(QStringLiteral("Ordner wählen"), dir.path()),
                     choose ? dir.filePath(QStringLiteral("web")) : QString());
        }
    }

    void qtDialogsSpeakGerman() {
        QVERIFY(speakGerman(*QCoreApplication::instance()));
        QCOMPARE(QCoreApplication::translate("QFileDialog", "&Save"), QStringLiteral("S&peichern"));
    }
};

QTEST_MAIN(TstQtPrompt)
#include "tst_qtprompt.moc"
