// A new cup, the changed flag with its status texts, and the coupling of min and max.
#include "cup/cupdata.h"

#include <QSignalSpy>
#include <QtTest>

using namespace rzv;

class TestCupData : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void newCupDefaults() {
        TCupData cup;
        QCOMPARE(cup.raceCount(), 0);
        QCOMPARE(cup.participantCount(), 0);
        QCOMPARE(cup.ag.rowCount(), 15);
        QCOMPARE(cup.ag.cell(0, 1), QStringLiteral("WK U8"));
        QCOMPARE(cup.ag.cell(1, 14), QStringLiteral("M70 u.ä."));
        QCOMPARE(cup.ag.cell(2, 14), QStringLiteral("150"));
        QCOMPARE(cup.ag.colWidth(0), 110);
        QCOMPARE(cup.ag.colWidth(2), 70);
        QCOMPARE(cup.cv.rowCount(), 4);
        QCOMPARE(cup.cv.cell(2, 2), QStringLiteral("0:30'00,0\""));
        QCOMPARE(cup.pv.rowCount(), 21);
        QCOMPARE(cup.pv.cell(1, 1), QStringLiteral("20"));
        QCOMPARE(cup.pv.cell(0, 20), QStringLiteral("20"));
        QCOMPARE(cup.pv.cell(1, 20), QStringLiteral("1"));
        QCOMPARE(cup.laufe.rowCount(), 34);
        QCOMPARE(cup.laufe.cell(0, 31), QStringLiteral("DLV-Veranstaltungsnr.:"));
        QCOMPARE(cup.laufe.colWidth(0), 120);
        QCOMPARE(cup.laufe.fixedCols, 0);
        QCOMPARE(cup.teil.colCount(), 8);
        QCOMPARE(cup.teil.cell(7, 0), QStringLiteral("ggf. Cup"));
        QCOMPARE(cup.teil.colWidth(4), 200);
        QCOMPARE(cup.teil.colWidth(5), 75);
        QCOMPARE(cup.kategorie, 0);
        QCOMPARE(cup.min, 1);
        QCOMPARE(cup.max, 1);
        QCOMPARE(kategorieTexts()[3], QStringLiteral("4 - landessoffene Veranstaltung"));
    }

    void neuRestoresEverything() {
        TCupData cup;
        cup.pv.setRowCount(30);
        cup.name = QStringLiteral("Alt");
        cup.fileName = QStringLiteral("/tmp/alt.rz3");
        cup.htmlStyle = 1;
        cup.urkundeStyle = 2;
        cup.edit(1);
        cup.neu();
        QCOMPARE(cup.pv.rowCount(), 21);
        QVERIFY(cup.name.isEmpty());
        QVERIFY(cup.fileName.isEmpty());
        QCOMPARE(cup.htmlStyle, 0);
        QCOMPARE(cup.urkundeStyle, 0);
        QVERIFY(!cup.changed());
    }

    void statusTexts() {
        TCupData cup;
        QSignalSpy spy(&cup, &TCupData::statusChanged);
        QCOMPARE(cup.statusFileText(), QStringLiteral("unbekannt"));
        QCOMPARE(cup.statusChangedText(), QString());
        cup.edit(1);
        QVERIFY(cup.changed());
        QCOMPARE(cup.statusChangedText(), QStringLiteral("geändert"));
        cup.fileName = QStringLiteral("/daten/cup.rz3");
        cup.edit(0);
        QCOMPARE(cup.statusFileText(), QStringLiteral("/daten/cup.rz3"));
        QCOMPARE(cup.statusChangedText(), QString());
        QCOMPARE(spy.count(), 2);
    }

    void minAndMaxCoupling() {
        TCupContent cup = newCupContent();
        cup.min = 5;
        coupleMin(cup); // no race: never below 1
        QCOMPARE(cup.min, 1);

        cup.laufe.setColCount(5); // four races
        cup.min = 3;
        cup.max = 2;
        coupleMin(cup);
        QCOMPARE(cup.min, 3);
        QCOMPARE(cup.max, 3);

        cup.max = 9;
        coupleMax(cup);
        QCOMPARE(cup.max, 4);
        cup.max = 2;
        coupleMax(cup);
        QCOMPARE(cup.max, 2);
        QCOMPARE(cup.min, 2);
    }
};

QTEST_GUILESS_MAIN(TestCupData)
#include "tst_cupdata.moc"
