// Focus and activation as a window manager (openbox) hands them out: a question that a dialog
// asks belongs to the dialog, so that the dialog is active again when the box closes.
#include "app/gridview.h"
#include "app/laufepopup.h"
#include "app/tw.h"
#include "dialogs/tbea_erg.h"
#include "editortesting.h"
#include "modalbox.h"

#include <QLabel>
#include <QTest>
#include <QWindow>

using namespace rzv;
using namespace rzv::test;

class TstWindowManager : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Fast entry: a start number that has a result, Tab, another time, Tab, the answer; the
    // next start number typed goes to the dialog, whatever the answer was.
    void fastEntryGoesOnAfterTheOverwriteQuestion_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("stored");
        QTest::newRow("Nein") << "&Nein"
                              << "0:40'00,0\"";
        QTest::newRow("Ja") << "&Ja"
                            << "0:39'00,0\"";
    }
    void fastEntryGoesOnAfterTheOverwriteQuestion() {
        QFETCH(QString, answer);
        QFETCH(QString, stored);
        TCupContent cup = newCupContent();
        addRace(cup, QStringLiteral("10.06.2008"), kZeitlauf, QStringLiteral("ja"));
        const int berg = addParticipant(cup,
                                        person(QStringLiteral("Berg"), QStringLiteral("Bert"),
                                               QStringLiteral("männlich"), QStringLiteral("M30"),
                                               QStringLiteral("042")),
                                        {QStringLiteral("0:40'00,0\"")});
        addParticipant(cup, person(QStringLiteral("Abel"), QStringLiteral("Anna"),
                                   QStringLiteral("weiblich"), QStringLiteral("F30"),
                                   QStringLiteral("007")));
        Tw w; // with the desktop's own boxes
        w.cup.replaceContent(cup, {});
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.laufe->setCurrentCell(1, 1);
        w.laufePopup->laufe_pop_e->trigger();
        Tbea_erg& dialog = *w.dialogs.bea_erg;
        QLineEdit* sn = field(dialog, "sn");
        QTRY_VERIFY(dialog.isActiveWindow() && focused() == sn);

        const QWindow* boxOwner = nullptr; // what the window manager sees: WM_TRANSIENT_FOR
        whenBoxShows([&](QMessageBox& box) {
            boxOwner = box.windowHandle()->transientParent();
            boxButton(box, answer)->click();
        });
        typeText(QStringLiteral("42"));
        tab();
        retype(QStringLiteral("39000"));
        tab();
        QCOMPARE(w.cup.teil.cell(resultColumn(1), berg), stored);
        QCOMPARE(boxOwner, dialog.windowHandle());
        QTRY_VERIFY(dialog.isActiveWindow() && focused() == sn);
        QCOMPARE(sn->text(), QString());
        typeText(QStringLiteral("7"));
        tab();
        QCOMPARE(field<QLabel>(dialog, "name")->text(), QStringLiteral("Abel, Anna"));
    }
};

QTEST_MAIN(TstWindowManager)
#include "tst_windowmanager.moc"
