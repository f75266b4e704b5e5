// The race results report: both forms, places and ties, codes in words, removed empty groups.
#include "reportcheck.h"
#include "reports/laufergebnis.h"
#include "reports/sheet.h"
#include "testcup.h"

#include <QtTest>

using namespace rzv;
using namespace rzv::test;

namespace {

const QString kClub35 = QStringLiteral("Laufgemeinschaft Rhein-Sieg-Kreis e");

} // namespace

class TestLaufergebnis : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void withoutCupVariations() {
        TestCup t(false);
        t.race(kZeitlauf, "05.01.2026", "10000m");
        t.person("Weber", "Doris", "F30", {"0:41'00,0\""});
        t.person("Klein", "Eva", "F30", {"n.a."});
        t.person("Schmidt", "Anna", "F30", {"0:40'00,0\""});
        t.person("Bauer", "Clara", "F30", {"0:40'00,0\""});
        t.person("Zorn", "Max", "MK U10", {"0:20'00,0\""}, QString(), kClub35, "01.02.2016");
        t.person("Ohne", "Ergebnis", "F30", {""});
        t.person("Fremd", "Gruppe", "XY", {"0:30'00,0\""});
        Ausgabe ausgabe;
        fixClock(ausgabe);
        ausgabe.p(kSchwarz, Stil::normal, 9, "alter Bericht");

        ausgabe_laufergebnis(ausgabe, t.cup, 1);

        const QStringList expected =
            QStringList{
                "LG Süd",
                "Winterlaufcup 2026",
                " ",
                "Ergebnisse vom 05.01.2026",
                "Lauf 1 - Zeitlauf (fixe Distanz)",
                " ",
                "Pos. Name, Vorname                       Verein                           "
                "Ergebnis",
                " ",
                "Altergruppe MK U10 (7-9)",
                "  1. Zorn, Max ('16)                     Laufgemeinschaft Rhein-Sieg-Kr "
                "0:20'00,0\"",
                " ",
                "Pos. Name, Vorname                       Verein                           "
                "Ergebnis",
                " ",
                "Altergruppe F30 (29-39)",
                "  1. Bauer, Clara ('84)                  TV Nord                        "
                "0:40'00,0\"",
                "     Schmidt, Anna ('84)                 TV Nord                        "
                "0:40'00,0\"",
                "  3. Weber, Doris ('84)                  TV Nord                        "
                "0:41'00,0\"",
                "     Klein, Eva ('84)                    TV Nord                       n. "
                "angetret",
            } +
            foot();
        RZV_COMPARE_LINES(ausgabe.texte(), expected);

        QCOMPARE(ausgabe.zeile(0).stil, Stile(Stil::fett));
        QCOMPARE(ausgabe.zeile(0).groesse, 14);
        QCOMPARE(ausgabe.zeile(3).stil, Stile(Stil::fett));
        QCOMPARE(ausgabe.zeile(4).groesse, 12);
        QCOMPARE(ausgabe.zeile(6).stil, Stile(Stil::unterstrichen));
        QCOMPARE(ausgabe.zeile(6).groesse, 9);
        QCOMPARE(ausgabe.zeile(9).stil, Stile(Stil::normal));

        // The table stays ordered by the race's results, participants without a result last.
        QCOMPARE(t.cup.teil.cell(kName, 1), QStringLiteral("Zorn"));
        QCOMPARE(t.cup.teil.cell(kName, 7), QStringLiteral("Ohne"));
    }

    void withCupVariations() {
        TestCup t(true);
        t.race(kDistanzlauf, "12.01.2026");
        t.person("Adler", "Ute", "F40", {"10000m"}, "B-Cup");
        t.person("Berg", "Ina", "F40", {"10500m"}, "B-Cup");
        t.person("Ceder", "Tom", "M40", {"d."}, "B-Cup");
        t.person("Dorn", "Kai", "M40", {"9000m"}, "Z-Cup"); // no such cup variation
        Ausgabe ausgabe;
        fixClock(ausgabe);

        ausgabe_laufergebnis(ausgabe, t.cup, 1);

        const QStringList expected =
            QStringList{
                "LG Süd",
                "Winterlaufcup 2026",
                " ",
                "Ergebnisse vom 12.01.2026",
                "Lauf 1 - Distanzlauf (fixe Zeit)",
                " ",
                QString(82, u'='),
                " ",
                "Ergebnisse im B-Cup (0:30'00,0\")",
                " ",
                "Pos. Name, Vorname                       Verein                           "
                "Ergebnis",
                " ",
                "Altergruppe F40 (39-49)",
                "  1. Berg, Ina ('84)                     TV Nord                            "
                "10500m",
                "  2. Adler, Ute ('84)                    TV Nord                            "
                "10000m",
                " ",
                "Altergruppe M40 (39-49)",
                "     Ceder, Tom ('84)                    TV Nord                         "
                "disquali.",
            } +
            foot();
        RZV_COMPARE_LINES(ausgabe.texte(), expected);
        QCOMPARE(ausgabe.zeile(8).stil, Stile(Stil::fett));
        QCOMPARE(ausgabe.zeile(8).groesse, 10);

        // A time race names the cup variation's distance.
        t.cup.laufe.setCell(1, kLauftyp, kZeitlauf);
        t.cup.teil.setCell(resultColumn(1), 1, "0:40'00,0\"");
        ausgabe_laufergebnis(ausgabe, t.cup, 1);
        QCOMPARE(ausgabe.zeile(8).text, QStringLiteral("Ergebnisse im B-Cup (5000m)"));
    }

    void raceWithoutResults() {
        TestCup t(true);
        t.race(kZeitlauf, "05.01.2026");
        t.person("Adler", "Ute", "F40", {""}, "A-Cup");
        Ausgabe ausgabe;
        fixClock(ausgabe);
        ausgabe_laufergebnis(ausgabe, t.cup, 1);
        RZV_COMPARE_LINES(ausgabe.texte(), (QStringList{"LG Süd", "Winterlaufcup 2026", " ",
                                                        "Ergebnisse vom 05.01.2026",
                                                        "Lauf 1 - Zeitlauf (fixe Distanz)"} +
                                            foot()));
    }
};

QTEST_GUILESS_MAIN(TestLaufergebnis)
#include "tst_laufergebnis.moc"
