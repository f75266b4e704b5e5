// The certificate settings dialog and the participant chooser.
#include "cup/cupdata.h"
#include "dialogs/tteil_wahl.h"
#include "dialogs/turkunden.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using namespace rzv;

class TestCertificateDialogs : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void settingsShowAndSetTheStyle() {
        TCupData cup;
        Turkunden urkunden(cup, nullptr);
        QCOMPARE(urkunden.windowTitle(), QStringLiteral("Urkunden Einstellungen"));
        QCOMPARE(urkunden.stil->count(), 3);
        QCOMPARE(urkunden.stil->itemText(2),
                 QStringLiteral("Standard Stil - 2. Kranichseer Wiesenlauf"));
        QVERIFY(urkunden.unter1->text().isEmpty());
        QCOMPARE(urkunden.unter1->maxLength(), 32767); // no limit of its own

        cup.urkundeStyle = 1;
        urkunden.zeigen();
        QCOMPARE(urkunden.stil->currentIndex(), 1);
        QCOMPARE(cup.urkundeStyle, 1);

        urkunden.stil->setCurrentIndex(2);
        QCOMPARE(cup.urkundeStyle, 2);
        urkunden.stil->setEditText(QStringLiteral("Mein Stil"));
        QCOMPARE(cup.urkundeStyle, -1);
        urkunden.stil->setEditText(QStringLiteral("Standard Stil - frei"));
        QCOMPARE(cup.urkundeStyle, 1);
        urkunden.stil->setEditText(QStringLiteral("Mein Stil"));
        QTest::keyClick(urkunden.stil, Qt::Key_Return); // a typed text adds no entry
        QCOMPARE(urkunden.stil->count(), 3);

        // A new cup goes back to the first style, and so does the list when shown next.
        cup.neu();
        urkunden.zeigen();
        QCOMPARE(urkunden.stil->currentIndex(), 0);
    }

    void chooserListsStartNumbersAsText() {
        TCellGrid teil(kTeilFixedCols, 5);
        const QStringList numbers = {"2", "10", "1", "11"};
        for (int i = 0; i < numbers.size(); ++i)
            teil.setCell(kStartnummer, i + 1, numbers[i]);
        Tteil_wahl teil_wahl(nullptr);
        QCOMPARE(teil_wahl.teil_wahl_box->currentText(), QStringLiteral("bitte wählen ..."));
        QCOMPARE(teil_wahl.klick->text(), QStringLiteral("Auswählen"));

        teil_wahl.oeffnen(Tteil_wahl::kRaceCaption, teil);
        QVERIFY(teil_wahl.isVisible());
        QCOMPARE(teil_wahl.windowTitle(), QStringLiteral("Teilnehmer auswählen"));
        QStringList listed;
        for (int i = 0; i < teil_wahl.teil_wahl_box->count(); ++i)
            listed << teil_wahl.teil_wahl_box->itemText(i);
        QCOMPARE(listed, QStringList({"1", "10", "11", "2"}));
        QCOMPARE(teil_wahl.teil_wahl_box->currentText(), QStringLiteral("bitte wählen ..."));

        // Opening again refills the list and keeps what was typed.
        teil_wahl.teil_wahl_box->setEditText(QStringLiteral("10"));
        teil.setRowCount(2);
        teil_wahl.oeffnen(Tteil_wahl::kCupCaption, teil);
        QCOMPARE(teil_wahl.teil_wahl_box->count(), 1);
        QCOMPARE(teil_wahl.teil_wahl_box->currentText(), QStringLiteral("10"));
    }

    void chooserCaptionDecidesTheRun() {
        Tteil_wahl teil_wahl(nullptr);
        QSignalSpy race(&teil_wahl, &Tteil_wahl::raceCertificateChosen);
        QSignalSpy cup(&teil_wahl, &Tteil_wahl::cupCertificateChosen);
        TCellGrid teil(kTeilFixedCols, 1);

        teil_wahl.oeffnen(Tteil_wahl::kRaceCaption, teil);
        teil_wahl.teil_wahl_box->setEditText(QStringLiteral("007"));
        QTest::mouseClick(teil_wahl.klick, Qt::LeftButton);
        QVERIFY(!teil_wahl.isVisible());
        QCOMPARE(race.size(), 1);
        QCOMPARE(race[0][0].toString(), QStringLiteral("007"));
        QCOMPARE(cup.size(), 0);

        teil_wahl.oeffnen(Tteil_wahl::kCupCaption, teil);
        teil_wahl.teil_wahl_box->setEditText(QStringLiteral("8"));
        teil_wahl.klickClick();
        QCOMPARE(cup.size(), 1);
        QCOMPARE(cup[0][0].toString(), QStringLiteral("8"));
        QCOMPARE(race.size(), 1);
    }
};

QTEST_MAIN(TestCertificateDialogs)
#include "tst_certificatedialogs.moc"
