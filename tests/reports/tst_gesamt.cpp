// The cup standings report: standing places with ties and the minimum, both titles, place column.
#include "reportcheck.h"
#include "reports/gesamt.h"
#include "reports/sheet.h"
#include "scoring/standing.h"
#include "testcup.h"

#include <QtTest>

using namespace rzv;
using namespace rzv::test;

namespace {

// Race 1 counts double plus 5; race 3 comes after the standing of race 2.
TestCup standingCup() {
    TestCup t(false);
    t.race(kZeitlauf, "05.01.2026", QString(), "2", "5");
    t.race(kZeitlauf, "12.01.2026");
    t.race(kZeitlauf, "19.01.2026");
    t.cup.max = 3;
    t.person("Fink", "Frida", "F30", {"n.a.", "v."});
    t.person("Eck", "Eva", "F30", {});
    t.person("Dietz", "Dora", "F30", {"0:42'00,0\""});
    t.person("Czerny", "Cora", "F30", {"0:41'00,0\"", "0:30'00,0\""});
    t.person("Berger", "Bea", "F30", {"0:40'00,0\""});
    t.person("Amsel", "Anna", "F30", {"0:40'00,0\""});
    t.person("Gross", "Gerd", "M30", {"", "", "0:30'00,0\""});
    return t;
}

} // namespace

class TestGesamt : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void standingAfterTheSecondOfThreeRaces() {
        TestCup t = standingCup();
        const int columns = t.cup.teil.colCount();
        Ausgabe ausgabe;
        fixClock(ausgabe);

        ausgabe_gesamt(ausgabe, t.cup, 2);

        const QString heading = QStringLiteral(
            "Pos. Name, Vorname                       Verein                       Läufe Punkte");
        RZV_COMPARE_LINES(
            ausgabe.texte(),
            QStringList({
                "LG Süd",
                "Winterlaufcup 2026",
                " ",
                "vorl. Gesamtergebnis nach Lauf 2",
                " ",
                heading,
                " ",
                "Altergruppe F30 (29-39)",
                "  1. Czerny, Cora ('84)                  TV Nord                          2     "
                "61",
                "  2. Amsel, Anna ('84)                   TV Nord                          1     "
                "45",
                "     Berger, Bea ('84)                   TV Nord                          1     "
                "45",
                "  4. Dietz, Dora ('84)                   TV Nord                          1     "
                "39",
                "     Eck, Eva ('84)                      TV Nord                          0    "
                "---",
                // Eck, below the minimum, left "0" as the previous total: Fink ties with it.
                "     Fink, Frida ('84)                   TV Nord                          2      "
                "0",
                " ",
                "Altergruppe M30 (29-39)",
                "     Gross, Gerd ('84)                   TV Nord                          0    "
                "---",
            }) + foot());
        QCOMPARE(ausgabe.zeile(3).stil, Stile(Stil::fett));
        QCOMPARE(ausgabe.zeile(3).groesse, 12);
        QCOMPARE(ausgabe.zeile(5).stil, Stile(Stil::unterstrichen));

        // The working columns are gone; the table stays ordered by the totals.
        QCOMPARE(t.cup.teil.colCount(), columns);
        QCOMPARE(t.cup.teil.cell(kName, 1), QStringLiteral("Czerny"));
        QCOMPARE(t.cup.teil.cell(kName, 2), QStringLiteral("Amsel"));
    }

    void placeColumnHoldsTheLastGivenPlace() {
        TestCup t = standingCup();
        Ausgabe ausgabe;
        const Gesamtstand stand(t.cup, 2);
        gesamt_vorschau(ausgabe, t.cup, 2);
        QStringList places;
        for (int row = 1; row < t.cup.teil.rowCount(); ++row)
            places.append(t.cup.teil.cell(kName, row) + u'=' +
                          t.cup.teil.cell(platzSpalte(t.cup), row));
        QCOMPARE(places, (QStringList{"Czerny=1", "Amsel=2", "Berger=2", "Dietz=4", "Eck=4",
                                      "Fink=4", "Gross=1"}));
    }

    void lastRaceAndCupVariations() {
        TestCup t(true);
        t.race(kDistanzlauf, "05.01.2026");
        t.cup.min = 2;
        t.race(kDistanzlauf, "12.01.2026");
        t.person("Adler", "Ute", "F40", {"10000m", "n.a."}, "C-Cup");
        Ausgabe ausgabe;
        fixClock(ausgabe);
        ausgabe_gesamt(ausgabe, t.cup, 2);
        // Two participations reach the minimum, but one score alone gives no total.
        RZV_COMPARE_LINES(ausgabe.texte(), QStringList({
                                               "LG Süd",
                                               "Winterlaufcup 2026",
                                               " ",
                                               "Gesamtergebnis",
                                               " ",
                                               QString(82, u'='),
                                               " ",
                                               "Ergebnisse im C-Cup",
                                               " ",
                                               "Pos. Name, Vorname                       Verein    "
                                               "                   Läufe Punkte",
                                               " ",
                                               "Altergruppe F40 (39-49)",
                                               "  1. Adler, Ute ('84)                    TV Nord   "
                                               "                       2      0",
                                           }) + foot());
    }
};

QTEST_GUILESS_MAIN(TestGesamt)
#include "tst_gesamt.moc"
