#include "app/germanqt.h"
#include "modalbox.h"
#include "ui/qtprompt.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTest>

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
        whenBoxShows([](QMessageBox& box) { box.reject(); }); // the close box is no "&Ja"
        QVERIFY(!prompt.ask(QStringLiteral("Löschen?")));
    }

    void plainQuestionAndNotice() {
        QWidget window;
        QtPrompt prompt(&window);
        whenBoxShows([](QMessageBox& box) {
            QCOMPARE(box.windowTitle(), QStringLiteral("Rundenzeitverwalter"));
            QCOMPARE(box.icon(), QMessageBox::NoIcon);
            boxButton(box, QStringLiteral("&Ja"))->click();
        });
        QVERIFY(prompt.askPlain(QStringLiteral("Rundenzeitverwalter"),
                                QStringLiteral("A-Cup drucken?")));
        whenBoxShows([](QMessageBox& box) {
            QCOMPARE(box.windowTitle(), QStringLiteral("Warnung"));
            QCOMPARE(buttonTexts(box), QStringList{QStringLiteral("OK")});
            box.buttons().constFirst()->click();
        });
        prompt.notice(QStringLiteral("Hinweis"));
    }

    void qtDialogsSpeakGerman() {
        QVERIFY(speakGerman(*QCoreApplication::instance()));
        QCOMPARE(QCoreApplication::translate("QFileDialog", "&Save"), QStringLiteral("S&peichern"));
    }
};

QTEST_MAIN(TstQtPrompt)
#include "tst_qtprompt.moc"
