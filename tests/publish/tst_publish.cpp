// Publishing a whole cup into a folder: the set of files, their exact contents, valid pages with
// links that all resolve, and a folder that only ever loses its previous files to complete new
// ones.
#include "publish/publish.h"

#include "cup/errors.h"
#include "publish/sitepages.h"
#include "reports/gesamt.h"
#include "reports/htmlexport.h"
#include "reports/laufergebnis.h"
#include "reports/sheet.h"
#include "teams/teamracereport.h"

#include "../teams/teamtestcup.h"
#include "htmlvalidator.h"
#include "publishcup.h"
#include "reportcheck.h"
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
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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

// Every href of a page that names a file (not an address or an anchor).
QStringList dateiLinks(const QString& seite) {
    QStringList links;
    static const QRegularExpression href(QStringLiteral("href=\"([^\"#:]+)\""));
    for (const QRegularExpressionMatch& m : href.globalMatch(seite))
        links << m.captured(1);
    return links;
}

const QStringList kKleinerCupDateien{"gesamt-nach-lauf-1.html", "gesamt-nach-lauf-2.html",
                                     "gesamtwertung.csv",       "gesamtwertung.html",
                                     "index.html",              "lauf-1.csv",
                                     "lauf-1.html",             "lauf-2.csv",
                                     "lauf-2.html",             "mannschaft-lauf-1.csv",
                                     "mannschaft-lauf-1.html",  "mannschaft-lauf-2.csv",
                                     "mannschaft-lauf-2.html",  "mannschaftswertung.csv",
                                     "mannschaftswertung.html", "teilnehmer.html"};

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

    void pagesAreTheReportsWithANavigationLine() {
        QTemporaryDir dir;
        const TCupContent original = kleinerCup();
        veroeffentlichen(original, dir.path(), 1, kZeitpunkt);
        TCupContent cup = original;
        Ausgabe ausgabe;
        test::fixClock(ausgabe);
        ausgabe_laufergebnis(ausgabe, cup, 1);
        QCOMPARE(QString::fromUtf8(inhalt(dir.filePath(QStringLiteral("lauf-1.html")))),
                 htmlSeite(ausgabe, cup.veranstalter, 1,
                           "<span class=\"t9\"><a href=\"index.html\">&Uuml;bersicht</a> | "
                           "<a href=\"lauf-2.html\">Lauf 2 &raquo;</a> | "
                           "<a href=\"gesamt-nach-lauf-1.html\">Gesamtstand nach Lauf 1</a>"
                           "</span><br>"));
        ausgabe_gesamt(ausgabe, cup, 2);
        const QString stand = htmlSeite(
            ausgabe, cup.veranstalter, 1,
            "<span class=\"t9\"><a href=\"index.html\">&Uuml;bersicht</a> | "
            "<a href=\"gesamt-nach-lauf-1.html\">&laquo; Stand nach Lauf 1</a> | "
            "<a href=\"lauf-2.html\">Ergebnisse Lauf 2</a></span><br>");
        QCOMPARE(QString::fromUtf8(inhalt(dir.filePath(QStringLiteral("gesamt-nach-lauf-2.html")))),
                 stand);
        QCOMPARE(QString::fromUtf8(inhalt(dir.filePath(QStringLiteral("gesamtwertung.html")))),
                 htmlSeite(ausgabe, cup.veranstalter, 1,
                           "<span class=\"t9\"><a href=\"index.html\">&Uuml;bersicht</a></span><br>"));
    }

    void overviewPage() {
        QTemporaryDir dir;
        const TCupContent cup = kleinerCup();
        veroeffentlichen(cup, dir.path(), 0, kZeitpunkt);
        const QString kopf =
            htmlSeitenkopf(QStringLiteral("Winterlaufcup 2026"), cup.veranstalter, 0);
        const QStringList zeilen{
                       "<span class=\"t14\"><b>LG S&uuml;d</b></span><br>",
                       "<span class=\"t14\">Winterlaufcup 2026</span><br>",
                       " <br>",
                       "<span class=\"t12\"><b>L&auml;ufe</b></span><br>",
                       "<table border=\"1\" cellpadding=\"3\" cellspacing=\"0\">",
                       "<tr><th>Lauf</th><th>Datum</th><th>Art</th><th>Strecke/Zeit</th>"
                       "<th>im Ziel</th><th>Ergebnisse</th><th>Gesamtstand</th></tr>",
                       "<tr><td align=\"right\">1</td><td>05.01.2026</td>"
                       "<td>Zeitlauf (fixe Distanz)</td><td>5000m</td><td align=\"right\">3</td>"
                       "<td><a href=\"lauf-1.html\">Ergebnisse</a> (<a href=\"lauf-1.csv\">CSV</a>)"
                       "</td><td><a href=\"gesamt-nach-lauf-1.html\">nach Lauf 1</a></td></tr>",
                       "<tr><td align=\"right\">2</td><td>12.01.2026</td>"
                       "<td>Zeitlauf (fixe Distanz)</td><td>5000m</td><td align=\"right\">1</td>"
                       "<td><a href=\"lauf-2.html\">Ergebnisse</a> (<a href=\"lauf-2.csv\">CSV</a>)"
                       "</td><td><a href=\"gesamt-nach-lauf-2.html\">nach Lauf 2</a></td></tr>",
                       "</table>",
                       " <br>",
                       "<span class=\"t10\"><a href=\"gesamtwertung.html\">Aktueller Gesamtstand</a>"
                       " (<a href=\"gesamtwertung.csv\">CSV</a>)</span><br>",
                       "<span class=\"t10\">Mannschaftswertung: <a href=\"mannschaft-lauf-1.html\">"
                       "Lauf 1</a> (<a href=\"mannschaft-lauf-1.csv\">CSV</a>) | "
                       "<a href=\"mannschaft-lauf-2.html\">Lauf 2</a> "
                       "(<a href=\"mannschaft-lauf-2.csv\">CSV</a>)</span><br>",
                       "<span class=\"t10\"><a href=\"mannschaftswertung.html\">Aktueller "
                       "Mannschaftsstand</a> (<a href=\"mannschaftswertung.csv\">CSV</a>)</span><br>",
                       "<span class=\"t10\"><a href=\"teilnehmer.html\">Statistik aller "
                       "Teilnehmer</a></span><br>",
                       " <br>",
                       "<span class=\"t9\">Ver&ouml;ffentlicht am 07.12.2026 um 09:14 Uhr.</span><br>",
                       ""};
        QCOMPARE(QString::fromUtf8(inhalt(dir.filePath(QStringLiteral("index.html")))),
                 kopf + zeilen.join(QStringLiteral("\r\n")) + htmlSeitenfuss());
    }

    // With cup variations the overview names each one's distance or time.
    void distanceOrTimeOfEveryCupVariation() {
        QTemporaryDir dir;
        veroeffentlichen(test::feindlicherCup(true, QString()), dir.path(), 0, kZeitpunkt);
        const QString seite = QString::fromUtf8(inhalt(dir.filePath(QStringLiteral("index.html"))));
        QVERIFY(seite.contains(QStringLiteral("<td>A-Cup 10000m, B-Cup 5000m, C-Cup 3000m</td>")));
        QVERIFY(seite.contains(QStringLiteral("<td>A-Cup 1:00'00,0\", B-Cup 0:30'00,0\", C-Cup 0:15'00,0\"</td>")));
    }

    void validPagesWhoseLinksResolve_data() {
        QTest::addColumn<TCupContent>("cup");
        QTest::addColumn<int>("stil");
        const QString umbrueche = QStringLiteral("\r\n\v\f\x1c\u0085\u2028\u2029");
        QTest::addRow("small cup") << kleinerCup() << 0;
        QTest::addRow("hostile, no cup variations") << test::feindlicherCup(false, umbrueche) << 0;
        QTest::addRow("hostile, cup variations, style 1") << test::feindlicherCup(true, umbrueche) << 1;
        QTest::addRow("no races") << test::TestCup(false).cup << 0;
    }
    void validPagesWhoseLinksResolve() {
        QFETCH(TCupContent, cup);
        QFETCH(int, stil);
        QTemporaryDir dir;
        const QStringList dateien = veroeffentlichen(cup, dir.path(), stil, kZeitpunkt);
        for (const QString& datei : dateien) {
            if (!datei.endsWith(QStringLiteral(".html"))) continue;
            const QByteArray seite = inhalt(dir.filePath(datei));
            if (test::validatorAvailable())
                QVERIFY2(test::sgmlErrors(seite).isEmpty(), qPrintable(datei + u' ' + test::sgmlErrors(seite)));
            // No text of the cup comes through as markup.
            QVERIFY(!seite.contains("<b>S&uuml;d</b>"));
            QVERIFY(!seite.contains("<Nord>"));
            for (const QString& link : dateiLinks(QString::fromUtf8(seite)))
                QVERIFY2(dateien.contains(link), qPrintable(datei + QStringLiteral(" -> ") + link));
        }
        if (!test::validatorAvailable()) QSKIP("onsgmls or w3c-sgml-lib is not installed");
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

    // The team pages are the team reports with the given settings; the tables hold their values
    // (computed by hand in the team tests). A cup without teams has neither pages nor links.
    void teamPagesAndTables() {
        QTemporaryDir dir;
        test::TestCup t = test::clubCup();
        t.cup.min = 2;
        t.cup.max = 2;
        Mannschaftseinstellungen zwei;
        zwei.groesse = 2;
        veroeffentlichen(t.cup, dir.path(), 0, kZeitpunkt, zwei);
        Ausgabe ausgabe;
        test::fixClock(ausgabe);
        ausgabe_mannschaftswertung(ausgabe, t.cup, 2, zwei);
        QCOMPARE(QString::fromUtf8(inhalt(dir.filePath(QStringLiteral("mannschaft-lauf-2.html")))),
                 htmlSeite(ausgabe, t.cup.veranstalter, 0,
                           "<span class=\"t9\"><a href=\"index.html\">&Uuml;bersicht</a> | "
                           "<a href=\"mannschaft-lauf-1.html\">&laquo; Mannschaften Lauf 1</a> | "
                           "<a href=\"mannschaft-lauf-3.html\">Mannschaften Lauf 3 &raquo;</a> | "
                           "<a href=\"lauf-2.html\">Ergebnisse Lauf 2</a></span><br>"));
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
