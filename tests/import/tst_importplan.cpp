// Checking an import against a cup and applying it: new participants by the participant
// editor's rules, results set and overwritten, refused rows, proposed age groups and characters,
// and the whole road from a registration and a timing file to the race results report.
#include "commands/participantbatch.h"
#include "cup/cupfile.h"
#include "cup/errors.h"
#include "import/csvreader.h"
#include "import/importfields.h"
#include "import/importplan.h"
#include "../reports/reportcheck.h"
#include "reports/laufergebnis.h"
#include "reports/sheet.h"
#include "testcup.h"

#include <QtTest>

using namespace rzv;
using namespace rzv::test;

namespace {

// Two races (a timed one, then a distance one), two participants, the cup variations of a new cup.
TestCup smallCup() {
    TestCup t(true);
    t.race(kZeitlauf, "05.01.2026", "10000m");
    t.race(kDistanzlauf, "12.01.2026", "1:00'00,0\"");
    t.person("Adler", "Ute", "F30", {"0:40'00,0\"", ""}, "A-Cup");
    t.person("Zorn", "Max", "M40", {"", "5000m"}, "B-Cup", "TV Nord", "01.01.1980");
    return t;
}

// Options written as "race=1 match=name cup=C-Cup"; "sn=059,059" gives the cup's participants
// these start numbers.
ImportOptions optionsOf(const QString& text) {
    ImportOptions options;
    for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
        const QString value = word.section(u'=', 1);
        if (word.startsWith(u"race=")) options.race = value.toInt();
        if (word.startsWith(u"match=")) options.matchByName = value == u"name";
        if (word.startsWith(u"cup=")) options.defaultCup = value;
        if (word.startsWith(u"club=")) options.defaultClub = value;
        if (word.startsWith(u"similar=")) options.similar = value == u"same" ? SimilarRows::Same : SimilarRows::New;
        if (word.startsWith(u"sameline=")) options.sameLines.insert(value.toInt());
    }
    return options;
}

void setStartNumbers(TCupContent& cup, const QString& options) {
    for (const QString& word : options.split(u' ', Qt::SkipEmptyParts)) {
        if (!word.startsWith(u"sn=")) continue;
        const QStringList numbers = word.mid(3).split(u',');
        for (int row = 1; row <= numbers.size(); ++row) cup.teil.setCell(kStartnummer, row, numbers[row - 1]);
    }
}

ImportPlan planOf(const TCupContent& cup, const QByteArray& csv, const QString& options) {
    const CsvTable table = parseCsv(csv);
    return checkImport(cup, table, detectMapping(table), optionsOf(options));
}

} // namespace

class TestImportPlan : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void check_data() {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QString>("options");
        QTest::addColumn<QStringList>("summary");

        QTest::newRow("registrations without start numbers")
            << QByteArray("Name,Vorname,Jg,Geschlecht,Verein,Cup\n"
                          "Berg,Anna,1990,w,LG Ost,A-Cup\n"
                          "Kurz,Kai,2015,m,TV Nord,c-cup\n"
                          "Adler,Ute,1984,w,TV Nord,A-Cup\n"
                          "Lang,Lea,1990,x,LG Ost,A-Cup\n"
                          "Berg,Anna,1990,w,LG West,A-Cup\n")
            << ""
            << QStringList{"Neue Teilnehmer: 2",
                           "  Startnummern vergeben: 003 bis 004",
                           "Abgelehnte Zeilen: 3",
                           "  Zeile 4: „Adler, Ute“ (1984) ist schon im Cup",
                           "  Zeile 5: Geschlecht „x“ unbekannt",
                           "  Zeile 6: „Berg, Anna“ (1990) kommt in der Datei schon in Zeile 2 vor",
                           "Vorgeschlagene Altersgruppen: 2",
                           "  Zeile 2: Berg, Anna: F30",
                           "  Zeile 3: Kurz, Kai: MK U12"};

        QTest::newRow("times by start number")
            << QByteArray("StNr;Zeit\n1;0:39:00.0\n2;42:00\n2;43:00\n9;40:00\n;41:00\n1x;40:00\n")
            << "race=1"
            << QStringList{"Neue Teilnehmer: 0",
                           "Ergebnisse gesetzt in Lauf 1: 2",
                           "Ergebnisse, die ein anderes überschreiben: 1",
                           "  Zeile 2: Adler, Ute (001): 0:40'00,0\" → 0:39'00,0\"",
                           "Abgelehnte Zeilen: 4",
                           "  Zeile 4: Startnummer 002 kommt in der Datei schon in Zeile 3 vor",
                           "  Zeile 5: Startnummer 009 gibt es im Cup nicht",
                           "  Zeile 6: Startnummer fehlt",
                           "  Zeile 7: Startnummer „1x“ ungültig",
                           "Vorgeschlagene Altersgruppen: 0"};

        QTest::newRow("distances and status words by name")
            << QByteArray("Name\tVorname\tJahrgang\tStrecke\tStatus\n"
                          "Zorn\tMax\t1980\t\tDNF\n"
                          "adler\tUte\t1984\t12,345 km\tok\n"
                          "Adler\tUte\t1985\t1000\t\n"
                          "Zorn\tMax\t1980\t0:40:00\t\n"
                          "Zorn\tMax\t80\t\t\n")
            << "race=2 match=name"
            << QStringList{"Neue Teilnehmer: 0",
                           "Ergebnisse gesetzt in Lauf 2: 2",
                           "Ergebnisse, die ein anderes überschreiben: 1",
                           "  Zeile 2: Zorn, Max (002): 5000m → o.L.",
                           "Gleiche Teilnehmer in anderer Schreibweise: 1",
                           "  Zeile 3: „adler, Ute“ ist Adler, Ute (001)",
                           "Ähnliche Teilnehmer: 1",
                           "  Zeile 4: „Adler, Ute“ (1985) ähnelt Adler, Ute (001) (gleicher Name, Jahrgang 1985 "
                           "und 1984): offen",
                           "Abgelehnte Zeilen: 2",
                           "  Zeile 5: „Zorn, Max“ (1980) kommt in der Datei schon in Zeile 2 vor",
                           "  Zeile 6: „Zorn, Max“ (1980) kommt in der Datei schon in Zeile 2 vor",
                           "Vorgeschlagene Altersgruppen: 0"};

        QTest::newRow("two spellings of one runner")
            << QByteArray("Name;Vorname;Jg;m/w;Zeit\nZörn;Max;1980;m;0:41:00\nZorn;Max;1980;m;0:42:00\n")
            << "race=1 match=name similar=same"
            << QStringList{"Neue Teilnehmer: 0", "Ergebnisse gesetzt in Lauf 1: 1",
                           "Ergebnisse, die ein anderes überschreiben: 0", "Ähnliche Teilnehmer: 1",
                           "  Zeile 2: „Zörn, Max“ (1980) ähnelt Zorn, Max (002) (ähnlicher Name (1 Buchstabe "
                           "anders), gleicher Jahrgang und Geschlecht): als derselbe Teilnehmer übernommen",
                           "Abgelehnte Zeilen: 1", "  Zeile 3: Zorn, Max (002) hat schon das Ergebnis aus Zeile 2",
                           "Vorgeschlagene Altersgruppen: 0"};
        QTest::newRow("a time in a distance race, results already so")
            << QByteArray("Bib,Time\n1,0:40:00\n2,5000\n")
            << "race=2"
            << QStringList{"Neue Teilnehmer: 0",
                           "Ergebnisse gesetzt in Lauf 2: 0",
                           "Ergebnisse, die ein anderes überschreiben: 0",
                           "Ergebnisse schon so im Cup: 1",
                           "Abgelehnte Zeilen: 1",
                           "  Zeile 2: Zeit „0:40:00“ in einem Distanzlauf",
                           "Vorgeschlagene Altersgruppen: 0"};

        QTest::newRow("the rules of the participant editor")
            << QByteArray("Startnr;Name;Vorname;Geburtsdatum;m/w;Verein;AK;Cup\n"
                          "1;Neu;Nina;1990-02-03;w;LG Ost;F30;A-Cup\n"
                          "5;Wróbel;Łukasz;3.4.91;m;Klub|Nord;;B-Cup\n"
                          "5;Żak;Ola;3.4.91;w;KS Łódź;;b-cup\n"
                          "5;Kim;Li;1991;w;X;;B-Cup\n"
                          "6;Ohne;Cup;1991;w;X;;\n"
                          "7;Alt;Gruppe;1991;w;X;W99;A-Cup\n"
                          "8;" + QByteArray(101, 'x') + ";x;1991;w;X;;A-Cup\n"
                          "9;Li;李;1991;w;X;;A-Cup\n"
                          "10;Ohne;Verein;1991;w;;;A-Cup\n"
                          "11;Sehr;Alt;1850;m;X;;A-Cup\n"
                          "12;Jung;Jan;2010;m;X;M40;Z-Cup\n"
                          "13;\"Zwei\nZeilen\";Eva;1991;w;X;;A-Cup\n"
                          "14;Form\ffeed;Eva;1991;w;X;;A-Cup\n"
                          "15;Nel;Eva;1991;w;TV\xC2\x85Nord;;A-Cup\n"
                          "16;Mu\xCC\x88ller;Le\xCC\x8Ana;1991;w;X;;A-Cup\n")
            << ""
            << QStringList{"Neue Teilnehmer: 3",
                           "Abgelehnte Zeilen: 12",
                           "  Zeile 2: Startnummer 001 ist schon vergeben (Adler, Ute)",
                           "  Zeile 3: Verein „Klub|Nord“ enthält das Zeichen „|“, das die Cup-Datei "
                           "nicht speichern kann",
                           "  Zeile 5: Startnummer 005 kommt in der Datei schon in Zeile 4 vor",
                           "  Zeile 6: Cup fehlt (der Cup hat Cup-Variationen)",
                           "  Zeile 7: Altersgruppe „W99“ gibt es im Cup nicht",
                           "  Zeile 8: „xxxxxxxxxxxxxxxxxxxxxxxxxxxxxx…“ ist länger als 100 Zeichen",
                           "  Zeile 9: Vorname „李“ enthält ein Zeichen, das die Cup-Datei nicht "
                           "speichern kann",
                           "  Zeile 11: Geburtsdatum „1850“ ungültig",
                           "  Zeile 12: Cup „Z-Cup“ gibt es im Cup nicht",
                           "  Zeile 13: Name enthält ein Steuerzeichen (Zeilenumbruch, Tabulator, "
                           "Seitenvorschub o. Ä.)",
                           "  Zeile 15: Name enthält ein Steuerzeichen (Zeilenumbruch, Tabulator, "
                           "Seitenvorschub o. Ä.)",
                           "  Zeile 16: Verein enthält ein Steuerzeichen (Zeilenumbruch, Tabulator, "
                           "Seitenvorschub o. Ä.)",
                           "Vorgeschlagene Altersgruppen: 3",
                           "  Zeile 4: Zak, Ola: F30",
                           "  Zeile 10: Ohne, Verein: F30",
                           "  Zeile 17: Müller, Lena: F30",
                           "Zeichen, die die Cup-Datei nicht speichern kann, werden mit „Übernehmen“ "
                           "ersetzt: 3",
                           "  Zeile 4: „Żak“ → „Zak“",
                           "  Zeile 4: „KS Łódź“ → „KS Lódz“",
                           "  Zeile 17: „Le\u030Ana“ → „Lena“"};

        QTest::newRow("a start number held by two")
            << QByteArray("StNr;Zeit\n59;0:39:00\n") << "race=1 sn=059,059"
            << QStringList{"Neue Teilnehmer: 0", "Ergebnisse gesetzt in Lauf 1: 0",
                           "Ergebnisse, die ein anderes überschreiben: 0", "Abgelehnte Zeilen: 1",
                           "  Zeile 2: Startnummer 059 gibt es im Cup mehrmals: Adler, Ute (059); Zorn, Max (059)",
                           "Vorgeschlagene Altersgruppen: 0"};
        QTest::newRow("a start number that is no number")
            << QByteArray("StNr;Name;Vorname;Jg;m/w;Verein\n2;Neu;Nina;1990;w;X\n;Neu;Nina;1990;w;X\n")
            << "cup=A-Cup sn=abc,2"
            << QStringList{"Neue Teilnehmer: 1", "  Startnummern vergeben: 003 bis 003", "Abgelehnte Zeilen: 1",
                           "  Zeile 2: Startnummer 002 ist schon vergeben (Zorn, Max)",
                           "Teilnehmer, deren Startnummer keine Zahl ist (über sie nicht zu finden): 1",
                           "  Adler, Ute: „abc“", "Vorgeschlagene Altersgruppen: 1", "  Zeile 3: Neu, Nina: F30"};
        QTest::newRow("an empty start number is none, not one that is no number")
            << QByteArray("Name;Vorname;Jg;m/w;Verein\nNeu;Nina;1990;w;X\n") << "cup=A-Cup sn=,2"
            << QStringList{"Neue Teilnehmer: 1", "  Startnummern vergeben: 003 bis 003", "Abgelehnte Zeilen: 0",
                           "Vorgeschlagene Altersgruppen: 1", "  Zeile 2: Neu, Nina: F30"};
        const QByteArray twoNew("Name;Vorname;Jg;m/w;Verein\nNeu;Nina;1990;w;X\nNeu;Nora;1990;w;X\n");
        QTest::newRow("the last start number but one")
            << twoNew << "cup=A-Cup sn=2147483646"
            << QStringList{"Neue Teilnehmer: 1", "  Startnummern vergeben: 2147483647 bis 2147483647",
                           "Abgelehnte Zeilen: 1", "  Zeile 3: Nach der Startnummer 2147483647 gibt es keine weitere.",
                           "Vorgeschlagene Altersgruppen: 1", "  Zeile 2: Neu, Nina: F30"};
        QTest::newRow("the last start number")
            << twoNew << "cup=A-Cup sn=2147483647"
            << QStringList{"Neue Teilnehmer: 0", "Abgelehnte Zeilen: 2",
                           "  Zeile 2: Nach der Startnummer 2147483647 gibt es keine weitere.",
                           "  Zeile 3: Nach der Startnummer 2147483647 gibt es keine weitere.",
                           "Vorgeschlagene Altersgruppen: 0"};

        QTest::newRow("new participants with results, the cup for rows naming none")
            << QByteArray("Bib;Teilnehmer;Jg.;Sex;Club;Zeit\n"
                          "2;Zorn, Max;1980;m;TV Nord;0:41:00\n"
                          "30;Eva Maria Klein;1956;f;LG Ost;0:50:00,05\n"
                          "31;Groß, Tim;1901;m;LG Ost;\n")
            << "race=1 cup=C-Cup"
            << QStringList{"Neue Teilnehmer: 2",
                           "Ergebnisse gesetzt in Lauf 1: 2",
                           "Ergebnisse, die ein anderes überschreiben: 0",
                           "Abgelehnte Zeilen: 0",
                           "Vorgeschlagene Altersgruppen: 2",
                           "  Zeile 3: Klein, Eva Maria: F70 u.ä.",
                           "  Zeile 4: Groß, Tim: M70 u.ä."};
    }

    void check() {
        QFETCH(QByteArray, csv);
        QFETCH(QString, options);
        QFETCH(QStringList, summary);
        TestCup t = smallCup();
        setStartNumbers(t.cup, options);
        const TCupContent before = t.cup;
        const ImportPlan plan = planOf(t.cup, csv, options);
        RZV_COMPARE_LINES(importSummary(plan, false), summary);
        QVERIFY(t.cup.teil == before.teil);
    }

    // One row by name against Zorn, Max (1980, männlich, 002) and Adler, Ute (12.03.1984): taken as him only when it is the
    // same person or confirmed; a similar row otherwise stays open or becomes new, never attached
    // silently.
    void matchesByName_data() {
        QTest::addColumn<QByteArray>("row");
        QTest::addColumn<QString>("options");
        QTest::addColumn<bool>("open");
        QTest::addColumn<bool>("toZorn");
        QTest::addColumn<QString>("newClub"); // of the new participant; empty: none
        QTest::newRow("same spelling") << QByteArray("Zorn;Max;1980;m;;0:41:00") << "" << false << true << "";
        QTest::newRow("case") << QByteArray("ZORN;Max;1980;m;;0:41:00") << "" << false << true << "";
        QTest::newRow("names swapped") << QByteArray("Max;Zorn;1980;m;;0:41:00") << "" << false << true << "";
        QTest::newRow("one letter: open") << QByteArray("Zörn;Max;1980;m;;0:41:00") << "" << true << false << "";
        QTest::newRow("one letter, taken as same") << QByteArray("Zörn;Max;1980;m;;0:41:00") << "similar=same" << false << true << "";
        QTest::newRow("one letter, new") << QByteArray("Zörn;Max;1980;m;;0:41:00") << "similar=new" << false << false << "vereinslos";
        QTest::newRow("one letter, this line confirmed") << QByteArray("Zörn;Max;1980;m;;0:41:00") << "similar=new sameline=2"
                                                         << false << true << "";
        QTest::newRow("one letter, no gender") << QByteArray("Zörn;Max;1980;;;0:41:00") << "" << true << false << "";
        QTest::newRow("one letter, other gender") << QByteArray("Zörn;Max;1980;w;LG Ost;0:41:00") << "" << false << false << "LG Ost";
        QTest::newRow("two letters") << QByteArray("Zorn;Maxim;1980;m;;0:41:00") << "" << true << false << "";
        QTest::newRow("three letters") << QByteArray("Zorn;Maximi;1980;m;;0:41:00") << "" << false << false << "vereinslos";
        QTest::newRow("year after") << QByteArray("Zorn;Max;1981;m;;0:41:00") << "" << true << false << "";
        QTest::newRow("two years after") << QByteArray("Zorn;Max;1982;m;;0:41:00") << "club=LG" << false << false << "LG";
        QTest::newRow("full date against a year alone") << QByteArray("Zorn;Max;02.01.1980;m;;0:41:00") << "" << false << true << "";
        QTest::newRow("namesake by full dates") << QByteArray("Adler;Ute;13.03.1984;w;;0:41:00") << "" << false << false << "vereinslos";
    }
    void matchesByName() {
        QFETCH(QByteArray, row);
        QFETCH(QString, options);
        QFETCH(bool, open);
        QFETCH(bool, toZorn);
        QFETCH(QString, newClub);
        TestCup t = smallCup();
        const QByteArray csv = "Name;Vorname;" + QByteArray(row.count('.') == 2 ? "Geburtsdatum" : "Jg") +
                               ";m/w;Verein;Zeit\n" + row + "\n";
        const ImportPlan plan = planOf(t.cup, csv, "race=1 match=name cup=A-Cup " + options);
        QCOMPARE(plan.hasOpenSimilar(), open);
        QCOMPARE(plan.results.size(), size_t(toZorn ? 1 : 0));
        if (toZorn) QCOMPARE(plan.results.front().who, QStringLiteral("Zorn, Max (002)"));
        QCOMPARE(plan.newParticipants.size(), size_t(newClub.isEmpty() ? 0 : 1));
        if (!newClub.isEmpty()) QCOMPARE(plan.newParticipants.front().fixed[kVerein], newClub);
        QVERIFY(plan.refused.empty());
    }

    void nothingToCheck() {
        const TestCup t = smallCup();
        QVERIFY_THROWS_EXCEPTION(RzvError, planOf(t.cup, "Bib,Time\r\n", "race=1"));
        QVERIFY_THROWS_EXCEPTION(RzvError, planOf(t.cup, "Bib,Time\r\n1,0:40:00\r\n", "race=3"));
        // A file without any recognised column imports nothing, each row naming why.
        const ImportPlan plan = planOf(t.cup, "a;b\n1;2\n", "race=1");
        QVERIFY(plan.changesNothing());
        QCOMPARE(plan.refused.size(), size_t(2));
    }

    // Never more participants than a cup file can hold and load again.
    void asManyAsTheCupFileHolds() {
        TestCup t(false);
        for (int k = 1; k <= 500; ++k) t.race(kZeitlauf, "05.01.2026");
        const int room = maxParticipants(500);
        QCOMPARE(room, 5904);
        QByteArray csv = "Name;Vorname;Jg;m/w;Verein\n";
        for (int i = 0; i <= room; ++i) csv += "N" + QByteArray::number(i) + ";V;1990;w;X\n";
        const ImportPlan plan = planOf(t.cup, csv, "");
        QCOMPARE(plan.newParticipants.size(), size_t(room));
        QCOMPARE(plan.refused.size(), size_t(1));
        QCOMPARE(plan.refused.front().text, "Mehr als 5904 Teilnehmer kann die Cup-Datei nicht halten");
    }

    // Each list of the summary names a hundred items, then how many more there are.
    void summaryListsAHundred_data() {
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("afterTheHundredth");
        QTest::newRow("100") << 100 << "Vorgeschlagene Altersgruppen: 0";
        QTest::newRow("101") << 101 << "  … und 1 weitere";
    }

    void summaryListsAHundred() {
        QFETCH(int, rows);
        QFETCH(QString, afterTheHundredth);
        const QStringList lines = importSummary(planOf(smallCup().cup, "Name\n" + QByteArray("x\n").repeated(rows), ""), false);
        QCOMPARE(lines.mid(1, 1), QStringList{QStringLiteral("Abgelehnte Zeilen: %1").arg(rows)});
        QCOMPARE(lines[101], "  Zeile 101: Vorname fehlt");
        QCOMPARE(lines[102], afterTheHundredth);
    }

    // Applying a plan: results set, new participants with their numbers, and the participants in
    // name order afterwards (the new ones come in as "Ott", "Beck", "Mai").
    void apply_data() {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QString>("options");
        QTest::addColumn<QStringList>("participants");
        const QString adler = "Adler|Ute|12.03.1984|weiblich|TV Nord|F30|001|A-Cup|";
        const QString zorn = "Zorn|Max|01.01.1980|männlich|TV Nord|M40|002|B-Cup||5000m";
        QTest::newRow("results and a new participant")
            << QByteArray("Bib;Name;Vorname;Jg;m/w;Verein;Zeit\n1;;;;;;0:39:00\n30;Żak;Ola;1990;w;KS Łódź;0:45:00\n")
            << "race=1 cup=B-Cup"
            << QStringList{adler + "0:39'00,0\"|", "Zak|Ola|01.01.1990|weiblich|KS Lódz|F30|030|B-Cup|0:45'00,0\"|",
                           zorn};
        QTest::newRow("start numbers given and missing")
            << QByteArray("Name;Vorname;Jg;m/w;Verein;StNr\nOtt;A;1990;w;X;\nBeck;B;1990;w;X;30\nMai;C;1990;w;X;\n")
            << "cup=A-Cup"
            << QStringList{adler + "0:40'00,0\"|", "Beck|B|01.01.1990|weiblich|X|F30|030|A-Cup||",
                           "Mai|C|01.01.1990|weiblich|X|F30|032|A-Cup||", "Ott|A|01.01.1990|weiblich|X|F30|031|A-Cup||",
                           zorn};
    }

    void apply() {
        QFETCH(QByteArray, csv);
        QFETCH(QString, options);
        QFETCH(QStringList, participants);
        TCupData cup;
        cup.replaceContent(smallCup().cup, QStringLiteral("cup.rz3"));
        applyImport(cup, planOf(cup, csv, options));
        QStringList rows;
        for (int row = 1; row < cup.teil.rowCount(); ++row) rows << QStringList(cup.teil.row(row).begin(), cup.teil.row(row).end()).join(u'|');
        RZV_COMPARE_LINES(rows, participants);
        QCOMPARE(cup.history().count(), 1);
    }

    void applyChangesNothingWhenAParticipantIsGone() {
        TCupData cup;
        cup.replaceContent(smallCup().cup, QStringLiteral("cup.rz3"));
        const ImportPlan plan =
            planOf(cup, "Bib,Name,Vorname,Jg,Sex,Club,Time\n1,,,,,,0:39:00\n2,,,,,,0:50:00\n"
                        "40,Neu,Nina,1990,w,X,0:45:00\n", "race=1 cup=A-Cup");
        cup.teil.removeRow(2);
        const TCellGrid before = cup.teil;
        QVERIFY_THROWS_EXCEPTION(RzvError, applyImport(cup, plan));
        QVERIFY(cup.teil == before);
        QCOMPARE(cup.history().count(), 0);
    }

    // A registration exported from a spreadsheet and a timing system's export into a new cup, up
    // to the race results report, without typing one result.
    void registrationAndTimingIntoANewCup() {
        TestCup t(true);
        t.race(kZeitlauf, "14.06.2026", "10000m");
        TCupData cup;
        cup.replaceContent(t.cup, QStringLiteral("cup.rz3"));
        const QByteArray registration("Nachname;Vorname;Jg.;m/w;Verein\r\n"
                                      "M\xFCller;J\xF6rg;1984;m;TV Nord\r\n"
                                      "Sch\xE4" "fer;Anna;1990;w;LG S\xFC" "d\r\n"
                                      "Wei\xDF;Eva;1988;w;LG S\xFC" "d\r\n");
        const QByteArray timing("\xEF\xBB\xBF" "Bib,Time,Status\r\n1,0:42:31.45,\r\n2,0:45:10.0,\r\n3,,DNS\r\n");
        applyImport(cup, planOf(cup, registration, "cup=A-Cup"));
        applyImport(cup, planOf(cup, timing, "race=1"));

        Ausgabe ausgabe;
        fixClock(ausgabe);
        ausgabe_laufergebnis(ausgabe, cup, 1);
        const QString head = QStringLiteral("Pos. Name, Vorname                       Verein       "
                                            "                    Ergebnis");
        RZV_COMPARE_LINES(ausgabe.texte(),
                          QStringList({"LG Süd", "Winterlaufcup 2026", " ", "Ergebnisse vom 14.06.2026",
                                       "Lauf 1 - Zeitlauf (fixe Distanz)", " ", QString(82, u'='), " ",
                                       "Ergebnisse im A-Cup (10000m)", " ", head, " ",
                                       "Altergruppe F30 (29-39)",
                                       "  1. Schäfer, Anna ('90)                 LG Süd                  "
                                       "       0:45'10,0\"",
                                       "     Weiß, Eva ('88)                     LG Süd                  "
                                       "      n. angetret",
                                       " ", head, " ", "Altergruppe M40 (39-49)",
                                       "  1. Müller, Jörg ('84)                  TV Nord                 "
                                       "       0:42'31,5\""}) +
                              foot());
    }
};

QTEST_GUILESS_MAIN(TestImportPlan)
#include "tst_importplan.moc"
