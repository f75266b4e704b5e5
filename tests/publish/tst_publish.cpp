// Publishing a whole cup into a folder: the set of files, their exact contents, valid pages with
// links that all resolve, standings equal to the report's after every race, and a folder that
// only ever loses its previous files to complete new ones.
#include "publish/publish.h"

#include "cup/errors.h"
#include "publish/sitedata.h"
#include "publish/sitepages.h"
#include "reports/gesamt.h"
#include "reports/laufergebnis.h"
#include "reports/sheet.h"
#include "scoring/standing.h"

#include "../teams/teamtestcup.h"
#include "publishcup.h"
#include "sitecheck.h"
#include "testcup.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace rzv;

Q_DECLARE_METATYPE(rzv::TCupContent)

namespace {

const QDateTime kZeitpunkt(QDate(2026, 12, 7), QTime(9, 14, 5));

// Two timed races; in F30 a tie for first place and a runner who did not start.
TCupContent kleinerCup() {
    test::TestCup t(false);
    t.cup.max = 2;
    t.race(kZeitlauf, QStringLiteral("05.01.2026"), QStringLiteral("5000m"));
    t.race(kZeitlauf, QStringLiteral("12.01.2026"), QStringLiteral("5000m"), "2");
    t.person(QStringLiteral("Zorn"), QStringLiteral("Eva"), QStringLiteral("F30"),
             {QStringLiteral("0:21'00,0\""), QStringLiteral("0:20'00,0\"")});
    t.person(QStringLiteral("Adler"), QStringLiteral("Ute"), QStringLiteral("F30"),
             {QStringLiteral("0:21'00,0\""), QStringLiteral("n.a.")});
    t.person(QStringLiteral("Özdemir"), QStringLiteral("Jörg"), QStringLiteral("M30"),
             {QStringLiteral("0:19'30,0\"")}, QString(), QStringLiteral("LG Süd; Abt. Lauf"));
    return t.cup;
}

QByteArray inhalt(const QString& path) {
    return test::dateiBytes(path);
}

void schreibe(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The files a reader sees; the publishing's own hidden entries are tested with the folder.
QStringList dateienIn(const QString& ordner) {
    return QDir(ordner).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
}

const QStringList kKleinerCupDateien{
    "gesamt-nach-lauf-1.html", "gesamt-nach-lauf-2.html", "gesamtwertung.csv",
    "gesamtwertung.html",      "index.html",              "lauf-1.csv",
    "lauf-1.html",             "lauf-2.csv",              "lauf-2.html",
    "mannschaft-lauf-1.csv",   "mannschaft-lauf-1.html",  "mannschaft-lauf-2.csv",
    "mannschaft-lauf-2.html",  "mannschaftswertung.csv",  "mannschaftswertung.html",
    "stil.css",                "suche.js",                "teilnehmer-001.html",
    "teilnehmer-002.html",     "teilnehmer-003.html",     "teilnehmer.html"};

// The main part of a page, between its search field and its foot.
QString hauptteil(const QString& path) {
    const QString seite = QString::fromUtf8(inhalt(path));
    const qsizetype anfang = seite.indexOf(QStringLiteral("<main>\n")) + 7;
    return seite.mid(anfang, seite.indexOf(QStringLiteral("<p id=\"keine-treffer\"")) - anfang);
}

} // namespace

class TestPublish : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void writesTheWholeSet() {
        QTemporaryDir dir;
        const QString ordner = dir.filePath(QStringLiteral("web/cup"));
        const QStringList geschrieben = veroeffentlichen(kleinerCup(), ordner, 0, kZeitpunkt);
        QCOMPARE(dateienIn(ordner), kKleinerCupDateien);
        QCOMPARE(geschrieben.size(), kKleinerCupDateien.size());
        // Nothing is left beside the folder.
        QCOMPARE(dateienIn(dir.filePath(QStringLiteral("web"))), QStringList{"cup"});
    }

    void tablesHoldTheReportsValues() {
        QTemporaryDir dir;
        veroeffentlichen(kleinerCup(), dir.path(), 0, kZeitpunkt);
        // A tie shows one place, as in the report; both earn the points of place 1.
        QCOMPARE(inhalt(dir.filePath(QStringLiteral("lauf-1.csv"))),
                 QByteArray("\xEF\xBB\xBF"
                            "Altersgruppe;Platz;Name;Vorname;Verein;Ergebnis;Punkte\r\n"
                            "F30;1;Adler;Ute;TV Nord;\"0:21'00,0\"\"\";20\r\n"
                            "F30;;Zorn;Eva;TV Nord;\"0:21'00,0\"\"\";20\r\n"
                            "M30;1;\xC3\x96zdemir;J\xC3\xB6rg;\"LG S\xC3\xBC"
                            "d; Abt. Lauf\";\"0:19'30,0\"\"\";20\r\n"));
        // Race 2 counts twice; a participant who did not start has the full words and no points.
        QCOMPARE(inhalt(dir.filePath(QStringLiteral("lauf-2.csv"))),
                 QByteArray("\xEF\xBB\xBF"
                            "Altersgruppe;Platz;Name;Vorname;Verein;Ergebnis;Punkte\r\n"
                            "F30;1;Zorn;Eva;TV Nord;\"0:20'00,0\"\"\";40\r\n"
                            "F30;;Adler;Ute;TV Nord;nicht angetreten;\r\n"));
        QCOMPARE(inhalt(dir.filePath(QStringLiteral("gesamtwertung.csv"))),
                 QByteArray("\xEF\xBB\xBF"
                            "Altersgruppe;Platz;Name;Vorname;Jahrgang;Verein;Lauf 1;Lauf 2;Gesamt\r\n"
                            "F30;1;Zorn;Eva;1984;TV Nord;20;40;60\r\n"
                            "F30;2;Adler;Ute;1984;TV Nord;20;;20\r\n"
                            "M30;1;\xC3\x96zdemir;J\xC3\xB6rg;1984;\"LG S\xC3\xBC"
                            "d; Abt. Lauf\";20;;20\r\n"));
    }

    // The tables hold what the reports show: a tie shows its place once in the lists, while the
    // runner's page gives the place both share; a result code is written in full words.
    void pagesOfTheSmallCup() {
        QTemporaryDir dir;
        veroeffentlichen(kleinerCup(), dir.path(), 0, kZeitpunkt);
        const QString kopf =
            "<div class=\"tabelle\"><table class=\"liste\"><caption>Altersgruppe F30 (29-39)</caption>"
            "<thead><tr><th scope=\"col\" class=\"z\">Platz</th><th scope=\"col\">Name</th>"
            "<th scope=\"col\" class=\"z jg\">Jahrgang</th><th scope=\"col\">Verein</th>";
        const QString adler = "<th scope=\"row\"><a href=\"teilnehmer-002.html\">Adler, Ute</a></th>"
                              "<td class=\"z jg\">1984</td><td class=\"v\">TV Nord</td>";
        const QString zorn = "<th scope=\"row\"><a href=\"teilnehmer-001.html\">Zorn, Eva</a></th>"
                             "<td class=\"z jg\">1984</td><td class=\"v\">TV Nord</td>";
        QVERIFY(hauptteil(dir.filePath("lauf-1.html")).startsWith(
            "<h1>Ergebnisse Lauf 1 am 05.01.2026</h1>\n<p>Winterlaufcup 2026 – Zeitlauf (fixe Distanz)</p>\n" + kopf +
            "<th scope=\"col\" class=\"z\">Ergebnis</th><th scope=\"col\" class=\"z\">Punkte</th>"
            "</tr></thead>\n<tbody>\n"
            "<tr><td class=\"z\">1</td>" + adler + "<td class=\"z\">0:21'00,0&quot;</td><td class=\"z\">20</td></tr>\n"
            "<tr><td class=\"z\"></td>" + zorn + "<td class=\"z\">0:21'00,0&quot;</td><td class=\"z\">20</td></tr>\n"
            "</tbody></table></div>\n"));
        QVERIFY(hauptteil(dir.filePath("gesamt-nach-lauf-1.html")).startsWith(
            "<h1>vorl. Gesamtergebnis nach Lauf 1</h1>\n<p>Winterlaufcup 2026</p>\n" + kopf +
            "<th scope=\"col\" class=\"z\"><abbr title=\"Lauf 1\">L1</abbr></th>"
            "<th scope=\"col\" class=\"z\">Gesamt</th></tr></thead>\n<tbody>\n"
            "<tr><td class=\"z\">1</td>" + adler + "<td class=\"z\">20</td><td class=\"z\">20</td></tr>\n"
            "<tr><td class=\"z\"></td>" + zorn + "<td class=\"z\">20</td><td class=\"z\">20</td></tr>\n"
            "</tbody></table></div>\n"));
        QCOMPARE(hauptteil(dir.filePath("teilnehmer-002.html")),
                 "<h1>Ute Adler</h1>\n<dl>\n<dt>Verein</dt><dd>TV Nord</dd>\n"
                 "<dt>Jahrgang</dt><dd>1984</dd>\n<dt>Altersgruppe</dt><dd>F30</dd>\n"
                 "<dt>Startnummer</dt><dd>002</dd>\n</dl>\n<h2>Gesamtstand</h2>\n"
                 "<p>Platz 2 im <a href=\"gesamtwertung.html?suche=Adler%2C%20Ute\">Gesamtstand</a>"
                 " mit 20 Punkten.</p>\n<h2>Ergebnisse</h2>\n"
                 "<div class=\"tabelle\"><table class=\"laeufe\"><thead><tr>"
                 "<th scope=\"col\" class=\"z\">Lauf</th><th scope=\"col\">Datum</th>"
                 "<th scope=\"col\" class=\"z\">Ergebnis</th><th scope=\"col\" class=\"z\">Platz</th>"
                 "<th scope=\"col\" class=\"z\">Punkte</th></tr></thead>\n<tbody>\n"
                 "<tr><td class=\"z\"><a href=\"lauf-1.html?suche=Adler%2C%20Ute\">1</a></td>"
                 "<td>05.01.2026</td><td class=\"z\">0:21'00,0&quot;</td><td class=\"z\">1</td>"
                 "<td class=\"z\">20</td></tr>\n"
                 "<tr><td class=\"z\"><a href=\"lauf-2.html?suche=Adler%2C%20Ute\">2</a></td>"
                 "<td>12.01.2026</td><td class=\"z\">nicht angetreten</td>"
                 "<td colspan=\"2\">ohne Platz und Punkte</td></tr>\n</tbody></table></div>\n");
        QVERIFY(hauptteil(dir.filePath("lauf-2.html"))
                    .contains("<td class=\"z\">nicht angetreten</td><td class=\"z\"></td></tr>\n"));
        QVERIFY(hauptteil(dir.filePath("teilnehmer-003.html"))
                    .contains("<td>12.01.2026</td><td class=\"z\">nicht gemeldet</td>"
                              "<td colspan=\"2\">ohne Platz und Punkte</td>"));
        const QString seite = QString::fromUtf8(inhalt(dir.filePath("index.html")));
        QVERIFY(seite.startsWith(
            "<!DOCTYPE html>\n<html lang=\"de\">\n<head>\n<meta charset=\"utf-8\">\n"
            "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
            "<title>Winterlaufcup 2026</title>\n<link rel=\"stylesheet\" href=\"stil.css\">\n"
            "<script src=\"suche.js\" defer></script>\n</head>\n<body>\n<header>\n"
            "<nav><a href=\"index.html\">Übersicht</a> <a href=\"gesamtwertung.html\">Gesamtstand</a>"
            " <a href=\"teilnehmer.html\">Teilnehmer</a></nav>\n"
            "<form class=\"suche\" role=\"search\" action=\"teilnehmer.html\"><label for=\"suche\">"
            "Läufer suchen</label> <input type=\"search\" id=\"suche\" name=\"suche\" "
            "placeholder=\"Name oder Verein\"></form>\n</header>\n<main>\n<h1>Winterlaufcup 2026</h1>\n"
            "<p>LG Süd</p>\n<h2>Läufe</h2>\n"));
        QVERIFY(seite.contains(
            "<tr><td class=\"z\">2</td><td>12.01.2026</td><td><a href=\"lauf-2.html\">Ergebnisse</a> "
            "(<a href=\"lauf-2.csv\">CSV</a>)</td><td><a href=\"gesamt-nach-lauf-2.html\">nach Lauf 2"
            "</a></td><td><a href=\"mannschaft-lauf-2.html\">Mannschaften</a> "
            "(<a href=\"mannschaft-lauf-2.csv\">CSV</a>)</td><td class=\"z\">1</td><td>Zeitlauf (fixe Distanz)</td><td>5000m</td></tr>\n"));
        QVERIFY(seite.endsWith("<footer>Veröffentlicht am 07.12.2026 um 09:14 Uhr.</footer>\n"
                               "</body>\n</html>\n"));
    }

    // With cup variations the overview names each one's distance or time.
    void distanceOrTimeOfEveryCupVariation() {
        QTemporaryDir dir;
        veroeffentlichen(test::feindlicherCup(true, QString()), dir.path(), 0, kZeitpunkt);
        const QString seite = QString::fromUtf8(inhalt(dir.filePath(QStringLiteral("index.html"))));
        QVERIFY(seite.contains(QStringLiteral("<td>A-Cup 10000m, B-Cup 5000m, C-Cup 3000m</td>")));
        QVERIFY(seite.contains(QStringLiteral("<td>A-Cup 1:00'00,0&quot;, B-Cup 0:30'00,0&quot;, C-Cup 0:15'00,0&quot;</td>")));
    }

    // The results of every race and the standing after it, all computed at once, list what the
    // reports list: the same people in the same groups and order, with the same places and
    // results or totals.
    void listsAreTheReports_data() {
        QTest::addColumn<TCupContent>("cup");
        QTest::addRow("hostile, cup variations") << test::feindlicherCup(true, QString());
        test::TestCup t(false);
        t.cup.min = 2;
        t.cup.max = 2;
        t.race(kZeitlauf, "05.01.2026", "5000m");
        t.race(kDistanzlauf, "12.01.2026", "1:00'00,0\"", "2", "5");
        t.race(kZeitlauf, "19.01.2026", "5000m");
        t.person("Zorn", "Eva", "F30", {"0:21'00,0\"", "12000m", "0:20'00,0\""});
        t.person("Adler", "Ute", "F30", {"0:21'00,0\"", "n.a.", "0:19'00,0\""});
        t.person("Berg", "Ina", "F30", {"", "12000m", "0:22'00,0\""});
        t.person("Kurz", "Kai", "M30", {"v.", "11000m"});
        t.person("Lang", "Leo", "M30", {"0:18'00,0\""});
        t.person("Ohne", "Gruppe", "X99", {"0:18'00,0\""});
        QTest::addRow("min 2, max 2, bonus, codes, ties") << t.cup;
    }
    void listsAreTheReports() {
        QFETCH(TCupContent, cup);
        TCupContent kopie = cup;
        const Seitendaten daten(kopie, 0, kZeitpunkt);
        const auto zeilen = [&](const Listen& listen) {
            QStringList text;
            for (const Gruppenliste& liste : listen) {
                const int v = liste.gruppe->cvZeile;
                for (const Listenzeile& z : liste.zeilen)
                    text << QStringLiteral("%1|%2|%3|%4|%5")
                                .arg(v > 0 ? cup.cv.cell(0, v) : QString(), liste.gruppe->bezeichnung,
                                     kopie.teil.cell(kName, z.p), QString::number(z.platz), z.wert);
            }
            return text;
        };
        for (int n = 1; n <= cup.raceCount(); ++n) {
            QStringList lauf;
            QStringList stand;
            TCupContent bericht = cup;
            const auto leser = [&](QStringList& text) {
                return [&](const Listeneintrag& e) {
                    text << QStringLiteral("%1|%2|%3|%4|%5")
                                .arg(e.cupVariation, e.bezeichnung, bericht.teil.cell(kName, e.row),
                                     QString::number(e.platz), e.wert);
                };
            };
            Ausgabe ausgabe;
            ausgabe_laufergebnis(ausgabe, bericht, n, leser(lauf));
            QCOMPARE(zeilen(daten.laufergebnis(n)), lauf);
            bericht = cup;
            const Gesamtstand gesamt(bericht, n);
            gesamt_vorschau(ausgabe, bericht, n, leser(stand));
            QCOMPARE(zeilen(daten.gesamtstand(n)), stand);
        }
    }

    // A runner's page is named by the start number, kept to letters and digits.
    void runnerFileNames() {
        QSet<QString> vergeben;
        QCOMPARE(datei::laeufer("007", vergeben), QStringLiteral("teilnehmer-007.html"));
        QCOMPARE(datei::laeufer("007", vergeben), QStringLiteral("teilnehmer-007-2.html"));
        QCOMPARE(datei::laeufer("007", vergeben), QStringLiteral("teilnehmer-007-3.html"));
        QCOMPARE(datei::laeufer("", vergeben), QStringLiteral("teilnehmer-ohne-nummer.html"));
        QCOMPARE(datei::laeufer("../ä b", vergeben), QStringLiteral("teilnehmer-_____b.html"));
        QCOMPARE(datei::laeufer("A9z", vergeben), QStringLiteral("teilnehmer-A9z.html"));
    }

    void validPagesWhoseLinksResolve_data() {
        QTest::addColumn<TCupContent>("cup");
        QTest::addColumn<int>("stil");
        const QString umbrueche = QStringLiteral("\r\n\v\f\x1c\u0085\u2028\u2029");
        QTest::addRow("small cup") << kleinerCup() << 0;
        QTest::addRow("hostile, no cup variations") << test::feindlicherCup(false, umbrueche) << 0;
        QTest::addRow("hostile, cup variations, style 1") << test::feindlicherCup(true, umbrueche) << 1;
        QTest::addRow("no races") << test::TestCup(false).cup << 0;
        QTest::addRow("teams") << test::clubCup().cup << 0;
    }
    void validPagesWhoseLinksResolve() {
        QFETCH(TCupContent, cup);
        QFETCH(int, stil);
        QTemporaryDir dir;
        const QStringList dateien = veroeffentlichen(cup, dir.path(), stil, kZeitpunkt);
        QCOMPARE(dateienIn(dir.path()).size(), dateien.size());
        for (const QString& datei : dateien) {
            if (!datei.endsWith(QStringLiteral(".html"))) continue;
            const QString seite = QString::fromUtf8(inhalt(dir.filePath(datei)));
            QVERIFY2(test::strukturfehler(seite).isEmpty(),
                     qPrintable(datei + u' ' + test::strukturfehler(seite)));
            // No text of the cup comes through as markup.
            QVERIFY(!seite.contains(QStringLiteral("<b>S")));
            QVERIFY(!seite.contains(QStringLiteral("<Nord>")));
            for (const QString& ziel : test::verweise(seite))
                QVERIFY2(dateien.contains(ziel), qPrintable(datei + QStringLiteral(" -> ") + ziel));
        }
        if (test::nuChecker().isEmpty()) QSKIP("the Nu HTML checker (npm vnu-jar) is not installed");
        QCOMPARE(test::nuFehler(dir.path()), QString());
    }

    void openCupStaysAsItWas() {
        const TCupContent cup = test::feindlicherCup(true, QString());
        const TCupContent vorher = cup;
        QTemporaryDir dir;
        veroeffentlichen(cup, dir.path(), 0, kZeitpunkt);
        QVERIFY(cup.teil == vorher.teil);
        QVERIFY(cup.laufe == vorher.laufe);
    }

    // Files of the same names are replaced, everything else in the folder stays.
    void replacesOnlyItsOwnFiles() {
        QTemporaryDir dir;
        schreibe(dir.filePath(QStringLiteral("lauf-1.html")), "alt");
        schreibe(dir.filePath(QStringLiteral("lauf-9.html")), "alt");
        schreibe(dir.filePath(QStringLiteral("logo.png")), "Bild");
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("bilder")));
        veroeffentlichen(kleinerCup(), dir.path(), 0, kZeitpunkt);
        QVERIFY(inhalt(dir.filePath(QStringLiteral("lauf-1.html"))).startsWith("<!DOCTYPE"));
        QCOMPARE(inhalt(dir.filePath(QStringLiteral("lauf-9.html"))), QByteArray("alt"));
        QCOMPARE(inhalt(dir.filePath(QStringLiteral("logo.png"))), QByteArray("Bild"));
        QStringList erwartet = kKleinerCupDateien + QStringList{"bilder", "lauf-9.html", "logo.png"};
        erwartet.sort();
        QCOMPARE(dateienIn(dir.path()), erwartet);
    }

    // A report that stops replaces nothing, nor does a folder in the place of a page.
    void failuresKeepThePreviousFiles() {
        QTemporaryDir dir;
        const QString ordner = dir.filePath(QStringLiteral("cup"));
        veroeffentlichen(kleinerCup(), ordner, 0, kZeitpunkt);
        const QByteArray alt = inhalt(ordner + QStringLiteral("/lauf-1.html"));
        TCupContent kaputt = kleinerCup();
        kaputt.teil.setCell(kName, 1, QStringLiteral("Neu"));
        kaputt.pv.setCell(1, 1, QStringLiteral("x"));
        try {
            veroeffentlichen(kaputt, ordner, 0, kZeitpunkt);
            QFAIL("a points cell that does not read must stop publishing");
        } catch (const RzvError& error) {
            QCOMPARE(error.message(), QStringLiteral("'x' ist kein gültiger Integerwert"));
        }
        QCOMPARE(inhalt(ordner + QStringLiteral("/lauf-1.html")), alt);
        QCOMPARE(dateienIn(dir.path()), QStringList{"cup"});

        const QByteArray index = inhalt(ordner + QStringLiteral("/index.html"));
        QVERIFY(QFile::remove(ordner + QStringLiteral("/teilnehmer.html")));
        QVERIFY(QDir(ordner).mkpath(QStringLiteral("teilnehmer.html/belegt")));
        try {
            kaputt.pv.setCell(1, 1, QStringLiteral("20"));
            veroeffentlichen(kaputt, ordner, 0, kZeitpunkt.addDays(1));
            QFAIL("a folder in the place of a page must stop publishing");
        } catch (const RzvError& error) {
            QCOMPARE(error.message(),
                     QStringLiteral("„%1/teilnehmer.html“ ist keine Datei, sondern ein Ordner; "
                                    "dorthin wird nicht geschrieben.")
                         .arg(ordner));
        }
        QCOMPARE(inhalt(ordner + QStringLiteral("/lauf-1.html")), alt);
        QCOMPARE(inhalt(ordner + QStringLiteral("/index.html")), index);
        QCOMPARE(dateienIn(dir.path()), QStringList{"cup"});
    }

    // The team pages show the team reports' rankings with the given settings, linked to the
    // runners' pages; the tables hold their values (computed by hand in the team tests). A cup
    // without teams has neither pages nor links.
    void teamPagesAndTables() {
        QTemporaryDir dir;
        test::TestCup t = test::clubCup();
        t.cup.min = 2;
        t.cup.max = 2;
        Mannschaftseinstellungen zwei;
        zwei.groesse = 2;
        veroeffentlichen(t.cup, dir.path(), 0, kZeitpunkt, zwei);
        const QString kopf =
            "<thead><tr><th scope=\"col\" class=\"z\">Platz</th><th scope=\"col\">Verein</th>"
            "<th scope=\"col\" class=\"z\">Summe</th><th scope=\"col\">Läufer</th></tr></thead>\n<tbody>\n";
        QCOMPARE(hauptteil(dir.filePath(QStringLiteral("mannschaft-lauf-2.html"))),
                 "<h1>Mannschaftswertung Lauf 2 am 12.01.2026</h1>\n"
                 "<p>Winterlaufcup 2026 – Distanzlauf (fixe Zeit)</p>\n"
                 "<p>Wertung: die 2 besten Ergebnisse je Verein</p>\n"
                 "<div class=\"tabelle\"><table class=\"liste\"><caption>Mannschaften Frauen</caption>" + kopf +
                 "<tr><td class=\"z\">1</td><th scope=\"row\">SC Ost</th><td class=\"z\">19700m</td>"
                 "<td class=\"n\"><a href=\"teilnehmer-005.html\">Dietz, Dora</a> 10500m<br>"
                 "<a href=\"teilnehmer-004.html\">Eck, Eva</a> 9200m</td></tr>\n"
                 "<tr><td class=\"z\">2</td><th scope=\"row\">TV Nord</th><td class=\"z\">19500m</td>"
                 "<td class=\"n\"><a href=\"teilnehmer-001.html\">Amsel, Anna</a> 10000m<br>"
                 "<a href=\"teilnehmer-002.html\">Berger, Bea</a> 9500m</td></tr>\n"
                 "</tbody></table></div>\n"
                 "<div class=\"tabelle\"><table class=\"liste\"><caption>Mannschaften Männer</caption>" + kopf +
                 "<tr><td class=\"z\">1</td><th scope=\"row\">TV Nord</th><td class=\"z\">23000m</td>"
                 "<td class=\"n\"><a href=\"teilnehmer-009.html\">Igel, Ingo</a> 12000m<br>"
                 "<a href=\"teilnehmer-010.html\">Jung, Jan</a> 11000m</td></tr>\n"
                 "<tr><td class=\"z\"></td><th scope=\"row\">SC Ost</th><td class=\"z\">nicht gewertet (1 von 2)</td>"
                 "<td class=\"n\"><a href=\"teilnehmer-012.html\">Kunz, Kai</a> 11500m</td></tr>\n"
                 "</tbody></table></div>\n");
        QCOMPARE(inhalt(dir.filePath(QStringLiteral("mannschaft-lauf-2.csv"))),
                 QByteArray("\xEF\xBB\xBFWertung;Platz;Verein;Summe;Name;Vorname;Ergebnis\r\n"
                            "Frauen;1;SC Ost;19700m;Dietz;Dora;10500m\r\n"
                            "Frauen;1;SC Ost;19700m;Eck;Eva;9200m\r\n"
                            "Frauen;2;TV Nord;19500m;Amsel;Anna;10000m\r\n"
                            "Frauen;2;TV Nord;19500m;Berger;Bea;9500m\r\n"
                            "M\xC3\xA4nner;1;TV Nord;23000m;Igel;Ingo;12000m\r\n"
                            "M\xC3\xA4nner;1;TV Nord;23000m;Jung;Jan;11000m\r\n"
                            "M\xC3\xA4nner;;SC Ost;nicht gewertet;Kunz;Kai;11500m\r\n"));
        QCOMPARE(inhalt(dir.filePath(QStringLiteral("mannschaftswertung.csv"))),
                 QByteArray("\xEF\xBB\xBFWertung;Platz;Verein;L\xC3\xA4ufe;Lauf 1;Lauf 2;Lauf 3;Gesamt\r\n"
                            "Frauen;1;SC Ost;2;20;45;;65\r\n"
                            "Frauen;2;TV Nord;3;20;43;20;63\r\n"
                            "Frauen;;LG West;1;18;;;---\r\n"
                            "M\xC3\xA4nner;1;TV Nord;2;20;45;;65\r\n"
                            "M\xC3\xA4nner;2;SC Ost;2;19;;20;39\r\n"));
        QVERIFY(hauptteil(dir.filePath(QStringLiteral("mannschaftswertung.html")))
                    .contains("<tr><td class=\"z\">2</td><th scope=\"row\">TV Nord</th>"
                              "<td class=\"z\">3</td><td class=\"z\">20</td><td class=\"z\">43</td>"
                              "<td class=\"z\">(20)</td><td class=\"z\">63</td></tr>\n"));

        QTemporaryDir ohne;
        for (int row = 1; row < t.cup.teil.rowCount(); ++row)
            t.cup.teil.setCell(kVerein, row, QStringLiteral("ohne Verein"));
        const QStringList dateien = veroeffentlichen(t.cup, ohne.path(), 0, kZeitpunkt, zwei);
        QVERIFY(dateien.filter(QStringLiteral("mannschaft")).isEmpty());
        QVERIFY(!inhalt(ohne.filePath(QStringLiteral("index.html"))).contains("Mannschaft"));
    }

    void folderThatCannotBeMade() {
        QTemporaryDir dir;
        schreibe(dir.filePath(QStringLiteral("datei")), "x");
        try {
            veroeffentlichen(kleinerCup(), dir.filePath(QStringLiteral("datei/cup")), 0, kZeitpunkt);
            QFAIL("publishing below a file must fail");
        } catch (const RzvError& error) {
            QCOMPARE(error.message(),
                     QStringLiteral("Der Ordner %1 kann nicht angelegt werden (I/O-Fehler 20).")
                         .arg(dir.filePath(QStringLiteral("datei/cup"))));
        }
    }
};

QTEST_GUILESS_MAIN(TestPublish)
#include "tst_publish.moc"
