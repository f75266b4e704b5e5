// The DLV event report, both versions, line by line.
#include "reports/dlv.h"

#include "cup/errors.h"
#include "reports/sheet.h"

#include "dlvtestcup.h"

#include <QTest>

using namespace rzv;

namespace {

// A cup with three races whose third is reported; its organisational data fill every row.
TCupContent berichtsCup(std::initializer_list<test::Meldung> meldungen) {
    TCupContent cup = test::cupMitMeldungen(meldungen, 3, 3);
    cup.name = QStringLiteral("Rundenpokal Süd");
    cup.kategorie = 2;
    const QStringList rows{QStringLiteral("3"),
                           kZeitlauf,
                           QStringLiteral("12.09.2026"),
                           QStringLiteral("10000m"),
                           QStringLiteral("LG Süd e.V."),
                           QStringLiteral("Am Sportplatz 1"),
                           QString(),
                           QStringLiteral("72070 Tübingen"),
                           QStringLiteral("07071 12345"),
                           QStringLiteral("07071 12346"),
                           QStringLiteral("Tübingen"),
                           QStringLiteral("Tübingen"),
                           QStringLiteral("Tübingen"),
                           QStringLiteral("Baden-Württemberg"),
                           QStringLiteral("Stadion Holzmarkt"),
                           QStringLiteral("Rundkurs 2,5 km"),
                           QStringLiteral("elektronisch (Transponder)"),
                           QStringLiteral("keine"),
                           QStringLiteral("geprüft"),
                           QStringLiteral("4"),
                           QStringLiteral("12"),
                           QStringLiteral("2"),
                           QStringLiteral("Erika Mustermann"),
                           QStringLiteral("0171 111"),
                           QStringLiteral("0171 222"),
                           QStringLiteral("Hans Aufsicht"),
                           QStringLiteral("0172 333"),
                           QString(),
                           QStringLiteral("keine Einsprüche"),
                           QString(),
                           QString(),
                           QStringLiteral("BW-2026-0815"),
                           QString(),
                           QString()};
    for (int row = 0; row < kLaufRows; ++row)
        cup.laufe.setCell(3, row, rows[row]);
    return cup;
}

TCupContent beispielCup() {
    return berichtsCup({{"WK U8", "LG Süd", "0:10'00,0\""},
                        {"WK U8", "LG Süd", "n.a."},
                        {"WK U8", "TSV", "v."},
                        {"MK U8", "TSV", "0:09'00,0\""},
                        {"F", "SC", "0:40'00,0\""},
                        {"M30", "SC", "n.a."},
                        {"M70 u.ä.", "Senioren", "1:00'00,0\""},
                        {"Unbekannt", "Fremd", "0:30'00,0\""}});
}

QStringList bericht(const TCupContent& cup, int version) {
    Ausgabe ausgabe;
    ausgabe.p(kSchwarz, Stil::fett, 14, QStringLiteral("vom letzten Bericht"));
    if (version == 1)
        ausgabe_dlv(ausgabe, cup, 3);
    else
        ausgabe_dlv_2(ausgabe, cup, 3);
    for (const Zeile& zeile : ausgabe.zeilen()) {
        if (zeile.farbe != kSchwarz || zeile.stil != Stile(Stil::normal) || zeile.groesse != 9)
            qWarning() << "line with other attributes:" << zeile.text;
    }
    return ausgabe.texte();
}

const QStringList kKopf{
    QStringLiteral("      D L V      | Veranstalter:"),
    QStringLiteral(" Veranstaltungs- | LG Süd e.V.                     | Datum  : 12.09.2026"),
    QStringLiteral("     bericht     | Am Sportplatz 1                 | Ort    : Tübingen"),
    QStringLiteral("                 |                                 | Kreis  : Tübingen"),
    QStringLiteral("  Veranst.-Nr.   | 72070 Tübingen                  | Bezirk : Tübingen"),
    QStringLiteral(
        " BW-2026-0815    | Tel.: 07071 12345               | Land   : Baden-Württemberg"),
    QStringLiteral("                 | Fax.: 07071 12346               |"),
    QString(82, u'-'),
    QStringLiteral(
        "Bez. der Veranst.: Rundenpokal Süd                                         3. Lauf"),
    QStringLiteral("Kategorie        : 3 - bezirksoffene Veranstaltung"),
    QStringLiteral("Ausrichter       : LG Süd e.V."),
    QStringLiteral("Wettkampfstätte  : Stadion Holzmarkt"),
    QStringLiteral("                 : Rundkurs 2,5 km"),
    QString(82, u'-'),
    QStringLiteral(
        "Zeitmessung:                    |Veranstaltungs-   | Meldung   | Teilnahme |  %  |"),
    QStringLiteral(
        "                                |statistik         |           |           |     |"),
    QStringLiteral(
        " elektronisch (Transponder)     |------------------|-----------|-----------|-----|"),
    QStringLiteral(
        "                                |A. Vereine        |      4    |      4    | 100 |"),
    QStringLiteral(
        "                                |------------------|-----------|-----------|-----|"),
    QStringLiteral(
        "--------------------------------|B. Altersklassen  |  w  |  m  |  w  |  m  |     |"),
};

const QStringList kAltersklassenV1{
    QStringLiteral(
        "Windmessung:                    | WK U8        0-7 |   3 |     |   2 |     |  67 |"),
    QStringLiteral(
        "                                | MK U8        0-7 |     |   1 |     |   1 | 100 |"),
    QStringLiteral(
        " Lauf:                          | WK U10       8-9 |   0 |     |   0 |     |   0 |"),
    QStringLiteral(
        "  keine                         | MK U10       8-9 |     |   0 |     |   0 |   0 |"),
    QStringLiteral(
        " Sprung:                        | WK U12     10-11 |   0 |     |   0 |     |   0 |"),
    QStringLiteral(
        "  keine                         | MK U12     10-11 |     |   0 |     |   0 |   0 |"),
    QStringLiteral(
        "                                | WJ U14     12-13 |   0 |     |   0 |     |   0 |"),
    QStringLiteral(
        "--------------------------------| MJ U14     12-13 |     |   0 |     |   0 |   0 |"),
    QStringLiteral(
        "Gerätekontrolle:                | WJ U16     14-15 |   0 |     |   0 |     |   0 |"),
    QStringLiteral(
        "                                | MJ U16     14-15 |     |   0 |     |   0 |   0 |"),
    QStringLiteral(
        " geprüft                        | WJ U18     16-17 |   0 |     |   0 |     |   0 |"),
    QStringLiteral(
        "                                | MJ U18     16-17 |     |   0 |     |   0 |   0 |"),
    QStringLiteral(
        "                                | WJ U20     18-19 |   0 |     |   0 |     |   0 |"),
    QStringLiteral(
        "                                | MJ U20     18-19 |     |   0 |     |   0 |   0 |"),
    QStringLiteral(
        "                                | F U23      20-22 |   0 |     |   0 |     |   0 |"),
    QStringLiteral(
        "--------------------------------| M U23      20-22 |     |   0 |     |   0 |   0 |"),
};

const QStringList kAltersklassenV2{
    QStringLiteral(
        "Windmessung:                    | WK U8/MK U8      |   3 |   1 |   2 |   1 |  75 |"),
    QStringLiteral(
        "                                | WK U10/MK U10    |   0 |   0 |   0 |   0 |   0 |"),
    QStringLiteral(
        " Lauf:                          | WK U12/MK U12    |   0 |   0 |   0 |   0 |   0 |"),
    QStringLiteral(
        "  keine                         | WJ U14/MJ U14    |   0 |   0 |   0 |   0 |   0 |"),
    QStringLiteral(
        " Sprung:                        | WJ U16/MJ U16    |   0 |   0 |   0 |   0 |   0 |"),
    QStringLiteral(
        "  keine                         | WJ U18/MJ U18    |   0 |   0 |   0 |   0 |   0 |"),
    QStringLiteral(
        "                                | WJ U20/MJ U20    |   0 |   0 |   0 |   0 |   0 |"),
    QStringLiteral(
        "--------------------------------| F U23/M U23      |   0 |   0 |   0 |   0 |   0 |"),
    QStringLiteral(
        "Gerätekontrolle:                | F/M              |   1 |   0 |   1 |   0 | 100 |"),
    QStringLiteral(
        "                                | F30/M30          |   0 |   1 |   0 |   0 |   0 |"),
    QStringLiteral(
        " geprüft                        | F40/M40          |   0 |   0 |   0 |   0 |   0 |"),
    QStringLiteral(
        "                                | F50/M50          |   0 |   0 |   0 |   0 |   0 |"),
    QStringLiteral(
        "                                | F60/M60          |   0 |   0 |   0 |   0 |   0 |"),
    QStringLiteral(
        "                                | F70 u.ä./M70 u.ä |   0 |   1 |   0 |   1 | 100 |"),
    QStringLiteral(
        "                                |                  |     |     |     |     |     |"),
    QStringLiteral(
        "--------------------------------|                  |     |     |     |     |     |"),
};

const QStringList kRest{
    QStringLiteral(
        "EDV-Wettkampfdaten-             |------------------|-----------|-----------|-----|"),
    QStringLiteral(
        "verarbeitung:                   |Summe weiblich    |   4 |     |   3 |     |  75 |"),
    QStringLiteral(
        "                                |Summe männlich    |     |   3 |     |   2 |  67 |"),
    QStringLiteral(
        " Rundenzeitverwalter            |Summe Teilnehmer  |      7    |      5    |  71 |"),
    QStringLiteral(
        " Auswertung für Laufcups        |------------------|-----------------------------|"),
    QStringLiteral(
        " rundenzeitverwalter.example.org|C. Mitarbeiter    |                             |"),
    QStringLiteral(
        "                                | Wettk.-Büro/EDV  |      2                      |"),
    QStringLiteral(
        "                                | Kampfrichter     |      4    Summe             |"),
    QStringLiteral(
        "                                | Helfer           |     12    Mitarb.   18      |"),
    QString(82, u'-'),
    QStringLiteral("Wettkampf-Leiter:      Tel.: 0171 111             Fax: 0171 222            "),
    QStringLiteral(
        "Erika Mustermann                                                                  "),
    QStringLiteral(" "),
    QString(82, u'-'),
    QStringLiteral("Verbandsaufsicht:      Tel.: 0172 333             Fax:                     "),
    QStringLiteral(
        "Hans Aufsicht                                                                     "),
    QStringLiteral(" "),
    QString(82, u'-'),
    QStringLiteral("Bemerkungen (z.B. Einspruch / nationale Rekorde):"),
    QStringLiteral(
        "keine Einsprüche                                                                  "),
    QString(82, u' '),
    QString(82, u' '),
    QStringLiteral(" "),
    QString(82, u'-'),
    QStringLiteral(" "),
    QStringLiteral(
        "Der Wettkampfleiter und die Verbandsaufsicht bestätigen für diese Veranstaltung"),
    QStringLiteral(
        "die ordnungsgemäße Anmeldung, die Einhaltung der Wettkampfbestimmungen (IWB) und"),
    QStringLiteral(
        "DLV-Veranstaltungsordnung (VAO) sowie die Richtigkeit und Vollständigkeit der im"),
    QStringLiteral("Veranstaltungsbericht und der Ergebnisliste gemachten Angaben."),
    QStringLiteral(" "),
    QStringLiteral(" "),
    QStringLiteral(" "),
    QStringLiteral("        ---------------------------          ----------------------------"),
    QStringLiteral("              Wettkampfleiter                      Verbandsaufsicht      "),
};

// The statistics block spans lines 15 to 45 of the form (indices 14 to 44).
constexpr int kStatistikAnfang = 14;
constexpr int kAltersklassenAnfang = 20;
constexpr int kStatistikEnde = 45;

} // namespace

class TestDlv : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void version1WholeForm() {
        QTest::failOnWarning(QRegularExpression(QStringLiteral("other attributes")));
        QCOMPARE(bericht(beispielCup(), 1), kKopf + kAltersklassenV1 + kRest);
    }

    void version2WholeForm() {
        QTest::failOnWarning(QRegularExpression(QStringLiteral("other attributes")));
        QCOMPARE(bericht(beispielCup(), 2), kKopf + kAltersklassenV2 + kRest);
    }

    void statisticsBlockKeepsItsColumns_data() {
        QTest::addColumn<int>("version");
        QTest::newRow("version 1") << 1;
        QTest::newRow("version 2") << 2;
    }
    void statisticsBlockKeepsItsColumns() {
        QFETCH(int, version);
        // Long texts in every cell of the form must not shift a single bar.
        TCupContent cup = beispielCup();
        for (int row = 4; row <= 31; ++row)
            cup.laufe.setCell(3, row, QString(90, u'x'));
        cup.laufe.setCell(3, 19, QStringLiteral("100"));
        cup.laufe.setCell(3, 20, QStringLiteral("100"));
        cup.laufe.setCell(3, 21, QStringLiteral("100"));
        cup.name = QString(70, u'N');
        const QStringList lines = bericht(cup, version);
        QCOMPARE(lines.size(), 70);
        QCOMPARE(lines[8], QStringLiteral("Bez. der Veranst.: ") + QString(55, u'N') +
                               QStringLiteral(" 3. Lauf"));
        for (int i = kStatistikAnfang; i < kStatistikEnde; ++i) {
            const QString& line = lines[i];
            QCOMPARE(line.size(), 82);
            const bool stafflines = i >= 40; // from the line above "C. Mitarbeiter"
            for (const int bar : {32, 51, 81})
                QCOMPARE(line[bar], u'|');
            if (!stafflines) QCOMPARE(line[63], u'|');
            if (!stafflines) QCOMPARE(line[75], u'|');
            // "B. Altersklassen", the age-class block and the sums of women and men.
            const bool withSexColumns =
                (i >= kAltersklassenAnfang - 1 && i < kAltersklassenAnfang + 16) || i == 37 ||
                i == 38;
            if (withSexColumns) QCOMPARE(line[57], u'|');
            if (withSexColumns) QCOMPARE(line[69], u'|');
        }
        QCOMPARE(lines[44], QStringLiteral("                                | Helfer           |   "
                                           " 100    Mitarb.  300      |"));
        // Values at the end of a line are written whole, values in the middle are cut.
        QCOMPARE(lines[1], QStringLiteral(" Veranstaltungs- | ") + QString(31, u'x') +
                               QStringLiteral(" | Datum  : 12.09.2026"));
        QCOMPARE(lines[10], QStringLiteral("Ausrichter       : ") + QString(90, u'x'));
        QCOMPARE(lines[46], QStringLiteral("Wettkampf-Leiter:      Tel.: ") + QString(20, u'x') +
                                QStringLiteral(" Fax: ") + QString(20, u'x'));
        QCOMPARE(lines[47], QString(82, u'x'));
    }

    void halfPercentGoesToTheEvenNeighbour() {
        // Eight women, one finisher (12.5 %); eight men, three finishers (37.5 %).
        TCupContent cup = berichtsCup({});
        cup.teil.setRowCount(17);
        for (int row = 1; row <= 16; ++row) {
            const bool frau = row <= 8;
            const bool gelaufen = frau ? row == 1 : row <= 11;
            cup.teil.setCell(kAltersgruppe, row, frau ? QStringLiteral("F") : QStringLiteral("M"));
            cup.teil.setCell(resultColumn(3), row,
                             gelaufen ? QStringLiteral("0:40'00,0\"") : QStringLiteral("n.a."));
        }
        const QStringList lines = bericht(cup, 2);
        QCOMPARE(lines[kAltersklassenAnfang + 8],
                 QStringLiteral("Gerätekontrolle:                | F/M              |   8 |   8 |  "
                                " 1 |   3 |  25 |"));
        QCOMPARE(lines[37], QStringLiteral("verarbeitung:                   |Summe weiblich    |   "
                                           "8 |     |   1 |     |  12 |"));
        QCOMPARE(lines[38], QStringLiteral("                                |Summe männlich    |   "
                                           "  |   8 |     |   3 |  38 |"));
        QCOMPARE(lines[39], QStringLiteral(" Rundenzeitverwalter            |Summe Teilnehmer  |   "
                                           "  16    |      4    |  25 |"));
        // All sixteen run for no club: the empty name counts as one club.
        QCOMPARE(lines[17], QStringLiteral("                                |A. Vereine        |   "
                                           "   1    |      1    | 100 |"));
    }

    void raceWithoutEntriesGivesZeros() {
        const QStringList lines = bericht(berichtsCup({}), 1);
        QCOMPARE(lines[17], QStringLiteral("                                |A. Vereine        |   "
                                           "   0    |      0    |   0 |"));
        QCOMPARE(lines[kAltersklassenAnfang],
                 QStringLiteral("Windmessung:                    | WK U8        0-7 |   0 |     |  "
                                " 0 |     |   0 |"));
        QCOMPARE(lines[39], QStringLiteral(" Rundenzeitverwalter            |Summe Teilnehmer  |   "
                                           "   0    |      0    |   0 |"));
    }

    void fewAgeGroupsLeaveBlankPositions() {
        TCupContent cup = beispielCup();
        cup.ag.setRowCount(3); // WK U8/MK U8 and WK U10/MK U10 remain
        const QStringList lines = bericht(cup, 1);
        QCOMPARE(lines[kAltersklassenAnfang + 3],
                 QStringLiteral("  keine                         | MK U10       8-9 |     |   0 |  "
                                "   |   0 |   0 |"));
        QCOMPARE(lines[kAltersklassenAnfang + 4],
                 QStringLiteral(" Sprung:                        |                  |     |     |  "
                                "   |     |     |"));
        QCOMPARE(lines[kAltersklassenAnfang + 15],
                 QStringLiteral("--------------------------------|                  |     |     |  "
                                "   |     |     |"));
        // Participants of removed age groups are no longer counted, not even their clubs.
        QCOMPARE(lines[38], QStringLiteral("                                |Summe männlich    |   "
                                           "  |   1 |     |   1 | 100 |"));
        QCOMPARE(lines[17], QStringLiteral("                                |A. Vereine        |   "
                                           "   2    |      2    | 100 |"));
    }

    void emptyStaffCountsCountAsNone() {
        TCupContent cup = beispielCup();
        cup.laufe.setCell(3, 19, QString());
        cup.laufe.setCell(3, 21, QString());
        const QStringList lines = bericht(cup, 1);
        QCOMPARE(lines[42], QStringLiteral("                                | Wettk.-Büro/EDV  |   "
                                           "                          |"));
        QCOMPARE(lines[44], QStringLiteral("                                | Helfer           |   "
                                           "  12    Mitarb.   12      |"));
    }

    void numbersAtTheIntegerLimitDoNotWrap() {
        // The staff total and the lower bound after a "Maximalalter" of 2147483647 go beyond a
        // whole number; the form shows their first digits, as it cuts every value in a cell.
        TCupContent cup = beispielCup();
        for (int row : {19, 20, 21}) cup.laufe.setCell(3, row, QStringLiteral("2147483647"));
        cup.ag.setCell(2, 1, QStringLiteral("2147483647"));
        cup.ag.setCell(2, 2, QStringLiteral("2147483647"));
        cup.ag.setRowCount(3);
        const QStringList lines = bericht(cup, 1);
        QCOMPARE(lines[44], QStringLiteral("                                | Helfer           |   "
                                           "2147    Mitarb. 6442      |"));
        QCOMPARE(lines[kAltersklassenAnfang + 2],
                 QStringLiteral(" Lauf:                          | WK U10   2147483 |   0 |     |  "
                                " 0 |     |   0 |"));
    }

    void unreadableNumbersStopTheReport() {
        TCupContent cup = beispielCup();
        cup.laufe.setCell(3, 20, QStringLiteral("zwölf"));
        Ausgabe ausgabe;
        QVERIFY_THROWS_EXCEPTION(RzvError, ausgabe_dlv_2(ausgabe, cup, 3));
        try {
            ausgabe_dlv(ausgabe, cup, 3);
            QFAIL("no error");
        } catch (const RzvError& error) {
            QCOMPARE(error.message(), QStringLiteral("'zwölf' ist kein gültiger Integerwert"));
        }
        cup = beispielCup();
        cup.ag.setCell(2, 1, QStringLiteral("sieben"));
        QVERIFY_THROWS_EXCEPTION(RzvError, ausgabe_dlv(ausgabe, cup, 3));
    }
};

QTEST_GUILESS_MAIN(TestDlv)
#include "tst_dlv.moc"
