// The notation of times, distances, dates, start numbers and result codes, and the field checks.
#include "cup/errors.h"
#include "cup/notation.h"

#include <QtTest>

using namespace rzv;

class TestNotation : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void wholeNumbers() {
        QCOMPARE(readInt(u"  42"), 42);
        QCOMPARE(readInt(u"-7"), -7);
        QCOMPARE(readInt(u"+7"), 7);
        QCOMPARE(readInt(u"2147483647"), 2147483647);
        QCOMPARE(readInt(u"-2147483648"), -2147483647 - 1);
        QVERIFY(!readInt(u"2147483648"));
        QVERIFY(!readInt(u""));
        QVERIFY(!readInt(u"-"));
        QVERIFY(!readInt(u"12 "));
        QVERIFY(!readInt(u"1a"));
        QVERIFY(!readInt(u"99999999999999999999"));
        try {
            toInt(QStringLiteral("x1"));
            QFAIL("no error");
        } catch (const RzvError& error) {
            QCOMPARE(error.message(), QStringLiteral("'x1' ist kein gültiger Integerwert"));
        }
    }

    // Read without building the digit text, the value must be exactly that of the digit text.
    void digitsAsOneNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("hasDigits");
        QTest::addColumn<int>("value"); // -1: the digits exceed a whole number
        QTest::newRow("empty") << "" << false << 0;
        QTest::newRow("result code") << "n.a." << false << 0;
        QTest::newRow("time") << "0:38'12,4\"" << true << 38124;
        QTest::newRow("zeros only") << "0:00'00,0\"" << true << 0;
        QTest::newRow("leading zeros beyond ten digits") << "000000000002147483647" << true << 2147483647;
        QTest::newRow("largest") << "2147'483647" << true << 2147483647;
        QTest::newRow("one more") << "2147'483648" << true << -1;
        QTest::newRow("far too many") << "99999999999999999999m" << true << -1;
    }
    void digitsAsOneNumber() {
        QFETCH(QString, text);
        QFETCH(bool, hasDigits);
        QFETCH(int, value);
        const DigitsValue digits = digitsValue(text);
        QCOMPARE(digits.hasDigits, hasDigits);
        QCOMPARE(digits.value.value_or(-1), hasDigits ? value : -1);
        QCOMPARE(digits.value, hasDigits ? readInt(digitsOf(text)) : std::nullopt);
    }

    void times_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("tenths") << "45" << "0:00'04,5\"";
        QTest::newRow("minutes") << "6530" << "0:06'53,0\"";
        QTest::newRow("ten minutes") << "10000" << "0:10'00,0\"";
        QTest::newRow("hours") << "1234567" << "12:34'56,7\"";
        QTest::newRow("colons give tenths") << "1:00:00" << "0:10'00,0\"";
        QTest::newRow("stored stays") << "1:00'00,0\"" << "1:00'00,0\"";
        QTest::newRow("dots") << "1.23.45,6" << "1:23'45,6\"";
        QTest::newRow("95 seconds") << "5959" << "";
        QTest::newRow("65 minutes") << "1:65'00,0" << "";
        QTest::newRow("60 seconds") << "600" << "";
        QTest::newRow("60 minutes") << "60000" << "";
        QTest::newRow("59 59,9") << "59599" << "0:59'59,9\"";
        QTest::newRow("no digit") << "abc" << "";
        QTest::newRow("zero") << "0" << "0:00'00,0\"";
        QTest::newRow("78 seconds") << "123456789" << "";
        QTest::newRow("long hours") << "123455559" << "1234:55'55,9\"";
        QTest::newRow("too large") << "9999999999" << "";
        QTest::newRow("empty") << "" << "";
    }
    void times() {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QCOMPARE(checktime(typed), stored);
    }

    void distances() {
        QCOMPARE(checkdist(QStringLiteral("10.000 m")), QStringLiteral("10000m"));
        QCOMPARE(checkdist(QStringLiteral("010000")), QStringLiteral("10000m"));
        QCOMPARE(checkdist(QStringLiteral("0")), QStringLiteral("0m"));
        QCOMPARE(checkdist(QStringLiteral("5 km")), QStringLiteral("5m"));
        QCOMPARE(checkdist(QStringLiteral("km")), QString());
        QCOMPARE(checkdist(QStringLiteral("2147483648")), QString());
        QCOMPARE(checkdist(QString()), QString());
    }

    void dates() {
        QCOMPARE(checkdate(QStringLiteral("01052005")), QStringLiteral("01.05.2005"));
        QCOMPARE(checkdate(QStringLiteral("01.05.2005")), QStringLiteral("01.05.2005"));
        QCOMPARE(checkdate(QStringLiteral("31.02.2005")), QStringLiteral("31.02.2005"));
        QCOMPARE(checkdate(QStringLiteral("31.04.2005")), QStringLiteral("31.04.2005"));
        QCOMPARE(checkdate(QStringLiteral("29.02.1900")), kDatePlaceholder);
        QCOMPARE(checkdate(QStringLiteral("1.5.2005")), kDatePlaceholder);
        QCOMPARE(checkdate(QStringLiteral("32.01.2005")), kDatePlaceholder);
        QCOMPARE(checkdate(QStringLiteral("01.13.2005")), kDatePlaceholder);
        QCOMPARE(checkdate(QStringLiteral("01-05-2005")), kDatePlaceholder);
        QCOMPARE(checkdate(QString()), kDatePlaceholder);
    }

    void resultCodes() {
        QCOMPARE(abk2text(QStringLiteral("n.a.")), QStringLiteral("n. angetret"));
        QCOMPARE(abk2text(QStringLiteral("v.")), QStringLiteral("verletzt"));
        QCOMPARE(abk2text(QStringLiteral("d.")), QStringLiteral("disquali."));
        QCOMPARE(abk2text(QStringLiteral("o.L.")), QStringLiteral("o. Leistung"));
        for (const auto& [code, words] : {std::pair{"n.a.", "nicht angetreten"}, {"v.", "verletzt"},
                                          {"d.", "disqualifiziert"}, {"o.L.", "ohne Leistung"}, {"ol", "ol"}})
            QCOMPARE(abk2volltext(QString::fromUtf8(code)), QString::fromUtf8(words));
        QCOMPARE(abk2text(QStringLiteral("0:38'12,4\"")), QStringLiteral("0:38'12,4\""));
        QVERIFY(isResultCode(QStringLiteral("o.L.")));
        QVERIFY(!isResultCode(QStringLiteral("ol")));
    }

    void typedResults_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("raceType");
        QTest::addColumn<QString>("stored");
        const QString time = kZeitlauf;
        const QString distance = kDistanzlauf;
        for (const char* na : {"na", "n.a", "n.a."}) QTest::newRow(na) << na << time << "n.a.";
        for (const char* d : {"d", "d."}) QTest::newRow(d) << d << time << "d.";
        for (const char* v : {"v", "v."}) QTest::newRow(v) << v << distance << "v.";
        for (const char* o : {"o.L.", "oL", "o", "ol"}) QTest::newRow(o) << o << distance << "o.L.";
        QTest::newRow("capitals are no shorthand") << "OL" << time << "";
        QTest::newRow("N.A. is no shorthand") << "N.A." << distance << "";
        QTest::newRow("time race") << "38124" << time << "0:38'12,4\"";
        QTest::newRow("distance race") << "10.500" << distance << "10500m";
        QTest::newRow("unknown type is a distance") << "10500" << "" << "10500m";
    }
    void typedResults() {
        QFETCH(QString, typed);
        QFETCH(QString, raceType);
        QFETCH(QString, stored);
        QCOMPARE(normalizeResult(typed, raceType), stored);
    }

    void startNumbers() {
        TCupContent cup = newCupContent();
        QCOMPARE(findsn(cup), QStringLiteral("001"));
        cup.teil.setRowCount(3);
        cup.teil.setCell(kStartnummer, 1, QStringLiteral("042"));
        cup.teil.setCell(kStartnummer, 2, QStringLiteral("1000"));
        QCOMPARE(findsn(cup), QStringLiteral("1001"));

        QCOMPARE(checksn(QStringLiteral("7"), cup, 0), QStringLiteral("007"));
        QCOMPARE(checksn(QStringLiteral("1001"), cup, 0), QStringLiteral("1001"));
        QCOMPARE(checksn(QStringLiteral("0"), cup, 0), QString());
        QCOMPARE(checksn(QStringLiteral("-3"), cup, 0), QString());
        QCOMPARE(checksn(QStringLiteral("x"), cup, 0), QString());
        // Taken while adding; the edited participant's own number while editing.
        QCOMPARE(checksn(QStringLiteral("0042"), cup, 0), QString());
        QCOMPARE(checksn(QStringLiteral("0042"), cup, 1), QStringLiteral("042"));
        QCOMPARE(checksn(QStringLiteral("42"), cup, 2), QString());

        cup.teil.setCell(kStartnummer, 2, QStringLiteral("2147483646"));
        QCOMPARE(findsn(cup), QStringLiteral("2147483647"));
        cup.teil.setCell(kStartnummer, 2, QStringLiteral("2147483647"));
        QVERIFY_THROWS_EXCEPTION(RzvError, findsn(cup));
        cup.teil.setCell(kStartnummer, 2, QStringLiteral("abc"));
        QVERIFY_THROWS_EXCEPTION(RzvError, findsn(cup));
    }

    void clubList() {
        TCellGrid teil(8, 4);
        teil.setCell(kVerein, 1, QStringLiteral("TSV Zell"));
        teil.setCell(kVerein, 2, QStringLiteral("LG Öhringen"));
        teil.setCell(kVerein, 3, QStringLiteral("TSV Zell"));
        const QStringList list = vereinelesen({QStringLiteral("Altdorf")}, teil);
        QCOMPARE(list, (QStringList{QStringLiteral("Altdorf"), QStringLiteral("LG Öhringen"), QStringLiteral("TSV Zell")}));
        QCOMPARE(vereinelesen(list, teil), list);
    }

    void ageGroupProposal() {
        TCupContent cup = newCupContent();
        // Without a race every birth date gets the youngest group.
        QCOMPARE(checkaltgr(QStringLiteral("01.01.1930"), 0, cup), QStringLiteral("WK U8"));

        cup.laufe.setColCount(2);
        cup.laufe.setCell(1, kDatum, QStringLiteral("14.06.2005"));
        QCOMPARE(checkaltgr(QStringLiteral("31.12.1990"), 0, cup), QStringLiteral("WJ U16"));
        QCOMPARE(checkaltgr(QStringLiteral("01.01.1990"), 1, cup), QStringLiteral("MJ U16"));
        QCOMPARE(checkaltgr(QStringLiteral("01.01.1930"), 1, cup), QStringLiteral("M70 u.ä."));
        QCOMPARE(checkaltgr(QStringLiteral("01.01.1800"), 1, cup), std::nullopt);
        QCOMPARE(checkaltgr(kDatePlaceholder, 0, cup), std::nullopt);
        QCOMPARE(checkaltgr(QStringLiteral("01.01.1990"), -1, cup), std::nullopt);
    }
};

QTEST_GUILESS_MAIN(TestNotation)
#include "tst_notation.moc"
