// Pages of every report kind, in both styles, through the W3C validator's SGML check: names,
// clubs and organisers with umlauts, "&", "<" and quotes must neither break a page nor add
// markup to it.
#include "reports/gesamt.h"
#include "reports/htmlexport.h"
#include "reports/laufergebnis.h"
#include "reports/sheet.h"
#include "reports/teilnehmer.h"

#include "htmlvalidator.h"
#include "reportcheck.h"
#include "testcup.h"

#include <QTest>
#include <functional>

using namespace rzv;

namespace {

// Two races (a timed one and a distance one) and runners whose texts hold every character the
// page must escape. With cup variations when `mitCups`.
TCupContent schwierigerCup(bool mitCups) {
    test::TestCup t(mitCups);
    t.cup.name = QStringLiteral("Rundenpokal Süd & Nord \"2026\" <Jubiläum>");
    t.cup.veranstalter = QStringLiteral("LG \"Süd\" & <Co> Rot&Weiß");
    t.cup.max = 2;
    t.race(kZeitlauf, QStringLiteral("07.03.2026"), QStringLiteral("10000m"));
    t.race(kDistanzlauf, QStringLiteral("21.03.2026"), QStringLiteral("1:00'00,0\""));
    const auto cupName = [&](const char* name) {
        return mitCups ? QString::fromUtf8(name) : QString();
    };
    t.person(QStringLiteral("Müller \"Blitz\""), QStringLiteral("Jörg"), QStringLiteral("M30"),
             {QStringLiteral("0:38'12,4\""), QStringLiteral("12000m")}, cupName("A-Cup"),
             QStringLiteral("Rot&Weiß"));
    t.person(QStringLiteral("<Öztürk>"), QStringLiteral("Ülkü"), QStringLiteral("F30"),
             {QStringLiteral("0:41'00,0\""), QStringLiteral("n.a.")}, cupName("A-Cup"),
             QStringLiteral("TSV <1860> \"Süd\""));
    t.person(QStringLiteral("Groß & Klein"), QStringLiteral("Käthe"), QStringLiteral("F30"),
             {QStringLiteral("0:41'00,0\""), QStringLiteral("11000m")}, cupName("A-Cup"),
             QStringLiteral("&nbsp;&amp;"));
    t.person(QStringLiteral("Weiß"), QStringLiteral("Sören"), QStringLiteral("M30"),
             {QStringLiteral("v."), QStringLiteral("10500m")}, cupName("B-Cup"),
             QStringLiteral("LG Süd"));
    t.person(QStringLiteral("Bäcker"), QStringLiteral("Anna"), QStringLiteral("WK U10"),
             {QString(), QStringLiteral("d.")}, cupName("B-Cup"), QString());
    t.person(QStringLiteral("Jäger"), QStringLiteral("Max"), QStringLiteral("M"),
             {QStringLiteral("o.L.")}, cupName("A-Cup"), QStringLiteral("SC Föhr"));
    return t.cup;
}

QString nbsp(int pairs) {
    return QStringLiteral("&nbsp;&nbsp;").repeated(pairs);
}

using Bericht = std::function<void(Ausgabe&, TCupContent&)>;

Ausgabe geschrieben(const Bericht& bericht, TCupContent& cup) {
    Ausgabe ausgabe;
    test::fixClock(ausgabe);
    bericht(ausgabe, cup);
    return ausgabe;
}

} // namespace

class TestHtmlPages : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyReportGivesAValidPage_data() {
        QTest::addColumn<Bericht>("bericht");
        QTest::addColumn<bool>("mitCups");
        QTest::addColumn<int>("stil");
        const QList<std::pair<const char*, Bericht>> berichte{
            {"race", [](Ausgabe& a, TCupContent& c) { ausgabe_laufergebnis(a, c, 1); }},
            {"distance race", [](Ausgabe& a, TCupContent& c) { ausgabe_laufergebnis(a, c, 2); }},
            {"standings", [](Ausgabe& a, TCupContent& c) { ausgabe_gesamt(a, c, 2); }},
            {"participant", [](Ausgabe& a, TCupContent& c) { ausgabe_teilnehmer(a, c, 2); }},
            {"all", [](Ausgabe& a, TCupContent& c) { ausgabe_teilnehmeralle(a, c); }},
        };
        for (const auto& [name, bericht] : berichte) {
            for (const bool mitCups : {false, true}) {
                for (const int stil : {int(kStandardStil), int(kWeissBlauStil)}) {
                    QTest::addRow("%s, %s, style %d", name,
                                  mitCups ? "cup variations" : "no cup variations", stil)
                        << bericht << mitCups << stil;
                }
            }
        }
    }
    void everyReportGivesAValidPage() {
        if (!test::validatorAvailable()) QSKIP("onsgmls or w3c-sgml-lib is not installed");
        QFETCH(Bericht, bericht);
        QFETCH(bool, mitCups);
        QFETCH(int, stil);
        TCupContent cup = schwierigerCup(mitCups);
        const Ausgabe ausgabe = geschrieben(bericht, cup);
        QVERIFY(ausgabe.count() > 10);
        const QString seite = htmlSeite(ausgabe, cup.veranstalter, stil);
        QCOMPARE(test::sgmlErrors(seite.toUtf8()), QString());
        // No text of the cup comes through as markup.
        QVERIFY(!seite.contains(QStringLiteral("<Co>")));
        QVERIFY(!seite.contains(QStringLiteral("<1860>")));
        QVERIFY(!seite.contains(QStringLiteral("<Jubil")));
    }

    void racePageLines() {
        TCupContent cup = schwierigerCup(false);
        const Ausgabe ausgabe =
            geschrieben([](Ausgabe& a, TCupContent& c) { ausgabe_laufergebnis(a, c, 1); }, cup);
        const QStringList seite =
            htmlSeite(ausgabe, cup.veranstalter, kStandardStil).split(QStringLiteral("\r\n"));
        const auto enthaelt = [&](const QString& zeile) { return seite.contains(zeile); };
        QVERIFY(seite.contains(QStringLiteral(
            "<title>Rundenpokal S&uuml;d &amp; Nord \"2026\" &lt;Jubil&auml;um&gt; - "
            "Ergebnisse</title>")));
        QVERIFY(enthaelt(QStringLiteral(
            "<td valign=\"top\"><span class=\"t14\"><b>LG \"S&uuml;d\" &amp; &lt;Co&gt; "
            "Rot&amp;Wei&szlig;</b></span><br>")));
        QVERIFY(enthaelt(QStringLiteral(" <br>")));
        // The underlined column heading: 23 blanks after "Vorname", 27 before "Ergebnis".
        QVERIFY(enthaelt(QStringLiteral("<span class=\"t9\"><u>Pos. Name, Vorname") + nbsp(11) +
                         QStringLiteral(" Verein") + nbsp(13) +
                         QStringLiteral(" Ergebnis</u></span><br>")));
        QVERIFY(enthaelt(QStringLiteral("<span class=\"t9\">") + nbsp(12) +
                         QStringLiteral("<a href=\"") + kWebAdresse +
                         QStringLiteral("\" target=\"_blank\">") + kWebAdresse +
                         QStringLiteral("</a></span><br>")));
        QCOMPARE(seite.last(), QStringLiteral("</html>"));
    }
};

QTEST_GUILESS_MAIN(TestHtmlPages)
#include "tst_htmlpages.moc"
