// The cup standing: participations, totals with minimum and maximum, order, working columns.
#include "cup/errors.h"
#include "scoring/numbertexts.h"
#include "scoring/standing.h"
#include "testcup.h"

#include <QtTest>

using namespace rzv;
using rzv::test::TestCup;

namespace {

const QString kTag = QStringLiteral("05.01.2026");

QString cell(const TCupContent& cup, int col, const QString& name) {
    for (int row = 1; row < cup.teil.rowCount(); ++row)
        if (cup.teil.cell(kName, row) == name) return cup.teil.cell(col, row);
    return QStringLiteral("(missing)");
}

QStringList names(const TCupContent& cup) {
    QStringList result;
    for (int row = 1; row < cup.teil.rowCount(); ++row)
        result.append(cup.teil.cell(kName, row));
    return result;
}

} // namespace

class TestStanding : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void totalsParticipationsAndOrder() {
        TestCup t(false);
        t.cup.min = 2;
        t.cup.max = 2;
        t.race(kDistanzlauf, kTag);
        t.race(kDistanzlauf, kTag);
        t.race(kDistanzlauf, kTag);
        t.person("Zander", "z", "F30", {"5000m", "n.a.", "4000m"}); // 20 + 19
        t.person("Amsel", "a", "F30", {"4000m", "5000m", "5000m"}); // 19, 20, 20: best two 40
        t.person("Berger", "b", "F30", {"3000m", "n.a.", ""});      // one score only
        t.person("Meise", "m", "M30", {"", "", ""});
        const int columns = t.cup.teil.colCount();

        gesamt_berechnen(t.cup, 3);
        QCOMPARE(t.cup.teil.colCount(), columns + 3);
        const int teilnahmen = teilnahmenSpalte(t.cup);
        const int summe = summenSpalte(t.cup);
        QCOMPARE(cell(t.cup, teilnahmen, "Zander"), QStringLiteral("3"));
        QCOMPARE(cell(t.cup, summe, "Zander"), QStringLiteral("39"));
        QCOMPARE(cell(t.cup, summe, "Amsel"), QStringLiteral("40"));
        // "n.a." counts as a participation but earns no score, so the minimum is missed.
        QCOMPARE(cell(t.cup, teilnahmen, "Berger"), QStringLiteral("2"));
        QCOMPARE(cell(t.cup, summe, "Berger"), QStringLiteral("0"));
        QCOMPARE(cell(t.cup, teilnahmen, "Meise"), QStringLiteral("0"));
        QCOMPARE(cell(t.cup, platzSpalte(t.cup), "Meise"), QStringLiteral("0"));
        // Highest total first; equal totals keep name order.
        QCOMPARE(names(t.cup), (QStringList{"Amsel", "Zander", "Berger", "Meise"}));

        gesamt_reset(t.cup);
        QCOMPARE(t.cup.teil.colCount(), columns);
    }

    void maximumTakesTheHighestScoresByValue() {
        TestCup t(false);
        t.cup.max = 2;
        t.race(kZeitlauf, kTag, QString(), "0", "9");  // 0 x 20 + 9
        t.race(kZeitlauf, kTag, QString(), "0", "10"); // 0 x 20 + 10
        t.race(kZeitlauf, kTag);                       // 20
        t.person("Solo", "s", "M40", {"0:40'00,0\"", "0:40'00,0\"", "0:40'00,0\""});
        const Gesamtstand stand(t.cup, 3);
        QCOMPARE(cell(t.cup, summenSpalte(t.cup), "Solo"), QStringLiteral("30"));
    }

    void laterRacesAreIgnoredAndTheMinimumApplies() {
        TestCup t(false);
        t.cup.min = 3;
        t.cup.max = 3;
        t.race(kDistanzlauf, kTag);
        t.race(kDistanzlauf, kTag);
        t.race(kDistanzlauf, kTag);
        t.person("Eins", "e", "F30", {"5000m", "5000m", ""});
        t.person("Zwei", "z", "F30", {"4000m", "4000m", "4000m"});
        {
            const Gesamtstand stand(t.cup, 2);
            QCOMPARE(cell(t.cup, teilnahmenSpalte(t.cup), "Zwei"), QStringLiteral("2"));
            QCOMPARE(cell(t.cup, summenSpalte(t.cup), "Zwei"), QStringLiteral("0"));
        }
        t.cup.min = 2;
        const Gesamtstand stand(t.cup, 2);
        QCOMPARE(cell(t.cup, summenSpalte(t.cup), "Eins"), QStringLiteral("40"));
        QCOMPARE(cell(t.cup, summenSpalte(t.cup), "Zwei"), QStringLiteral("38"));
    }

    void workingColumnsGoWhateverHappens() {
        TestCup t(false);
        t.race(kDistanzlauf, kTag, QString(), "zwei");
        t.person("Eins", "e", "F30", {"5000m"});
        const TCellGrid before = t.cup.teil;
        try {
            gesamt_berechnen(t.cup, 1);
            QFAIL("no error");
        } catch (const RzvError& error) {
            QCOMPARE(error.message(), QStringLiteral("'zwei' ist kein gültiger Integerwert"));
        }
        QCOMPARE(t.cup.teil, before);

        t.cup.laufe.setCell(1, kBonusfaktor, "2");
        try {
            const Gesamtstand stand(t.cup, 1);
            QCOMPARE(t.cup.teil.colCount(), before.colCount() + 3);
            throw RzvError(QStringLiteral("Abbruch"));
        } catch (const RzvError&) {
        }
        QCOMPARE(t.cup.teil.colCount(), before.colCount());
    }

    void cupWithoutParticipants() {
        TestCup t(true);
        t.race(kDistanzlauf, kTag);
        const Gesamtstand stand(t.cup, 1);
        QCOMPARE(t.cup.teil.colCount(), 12);
        QCOMPARE(t.cup.teil.rowCount(), 1);
    }

    // Shared number texts are those of the numbers, kept or not, also after other numbers.
    void numberTexts() {
        Zahltexte zahlen;
        for (const long long zahl : {7LL, 0LL, 65535LL, 65536LL, -3LL, 4294967296LL, 7LL, 65535LL})
            QCOMPARE(zahlen.text(zahl), QString::number(zahl));
    }
};

QTEST_GUILESS_MAIN(TestStanding)
#include "tst_standing.moc"
