// The HTML export: the conversion of sheet lines, the page around them, and writing the file.
#include "reports/htmlexport.h"
#include "reports/htmltext.h"

#include "cup/cupdata.h"
#include "cup/errors.h"
#include "reports/sheet.h"

#include "htmlvalidator.h"

#include <QTemporaryDir>
#include <QTest>

using namespace rzv;

namespace {

const QString kTopLink = QStringLiteral("<a href=\"#top\" target=\"_self\">oben</a>");

QString nbsp(int pairs) {
    return QStringLiteral("&nbsp;&nbsp;").repeated(pairs);
}

// A sheet with every kind of line: head, blank line, rules, all style combinations, and text
// that must neither break the page nor add markup to it.
Ausgabe beispielAusgabe() {
    Ausgabe a;
    a.p(kSchwarz, Stil::fett, 14, QStringLiteral("Rot&Weiß <Lauftreff> \"Die Schnellen\""));
    a.p(kSchwarz, Stil::normal, 14, QStringLiteral("Rundenpokal Süd-Württemberg"));
    a.leerzeile();
    a.p(kSchwarz, Stil::unterstrichen, 9, QStringLiteral("Pos. Name,   Verein"));
    a.p(kSchwarz, Stil::fett | Stil::kursiv | Stil::unterstrichen, 12,
        QStringLiteral("Ärger & Öl"));
    a.p(kSchwarz, Stil::kursiv, 10, QStringLiteral("</span></td><script>alert(1)</script>"));
    a.linie();
    a.doppellinie();
    a.p(kSchwarz, Stil::normal, 9, QString(24, u' ') + kWebAdresse);
    return a;
}

} // namespace

class TestHtml : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void lineConversion_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("umlauts") << QStringLiteral("Müller, Jörg; Äpfel, Öfen, Übung, Käse, Groß")
                                 << QStringLiteral("M&uuml;ller, J&ouml;rg; &Auml;pfel, &Ouml;fen, "
                                                   "&Uuml;bung, K&auml;se, Gro&szlig;");
        QTest::newRow("ampersand before all")
            << QStringLiteral("Rot&Weiß &auml; &amp;")
            << QStringLiteral("Rot&amp;Wei&szlig; &amp;auml; &amp;amp;");
        QTest::newRow("angle brackets") << QStringLiteral("a<b>c") << QStringLiteral("a&lt;b&gt;c");
        QTest::newRow("quote stays")
            << QStringLiteral("LG \"Die Schnellen\"") << QStringLiteral("LG \"Die Schnellen\"");
        QTest::newRow("single blanks stay") << QStringLiteral("a b c") << QStringLiteral("a b c");
        QTest::newRow("pairs from the left")
            << QStringLiteral("a   b    c")
            << QStringLiteral("a&nbsp;&nbsp; b&nbsp;&nbsp;&nbsp;&nbsp;c");
        QTest::newRow("blank line alone") << QStringLiteral(" ") << QStringLiteral(" ");
        QTest::newRow("rule") << QString(82, u'-') << QString(78, u'-') + kTopLink;
        QTest::newRow("rule inside a longer run")
            << QStringLiteral("x") + QString(84, u'-')
            << QStringLiteral("x") + QString(78, u'-') + kTopLink + QStringLiteral("--");
        QTest::newRow("two rules")
            << QString(164, u'-') << QString(78, u'-') + kTopLink + QString(78, u'-') + kTopLink;
        QTest::newRow("shorter dashes stay") << QString(81, u'-') << QString(81, u'-');
        QTest::newRow("double rule stays") << QString(82, u'=') << QString(82, u'=');
        QTest::newRow("foot with the web address")
            << QString(24, u' ') + kWebAdresse
            << nbsp(12) + QStringLiteral("<a href=\"") + kWebAdresse +
                   QStringLiteral("\" target=\"_blank\">") + kWebAdresse + QStringLiteral("</a>");
        QTest::newRow("only the first address is linked")
            << kWebAdresse + u' ' + kWebAdresse
            << QStringLiteral("<a href=\"") + kWebAdresse +
                   QStringLiteral("\" target=\"_blank\">") + kWebAdresse + QStringLiteral("</a> ") +
                   kWebAdresse;
        QTest::newRow("control characters become blanks")
            << QStringLiteral("a\tb\x01\x7f") + QChar(0x85) << QStringLiteral("a b&nbsp;&nbsp; ");
    }
    void lineConversion() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(htmlZeile(text), expected);
    }

    void attributeValues() {
        QCOMPARE(htmlAttribute(QStringLiteral("Rot&Weiß \"Die <Besten>\"")),
                 QStringLiteral("Rot&amp;Weiß &quot;Die &lt;Besten&gt;&quot;"));
    }

    void styleBlocks() {
        const QStringList standard = htmlStilblock(kStandardStil);
        QCOMPARE(standard.size(), 28);
        QCOMPARE(standard[3], QStringLiteral("    background-color: #F2F2F2;"));
        QCOMPARE(standard[24], QStringLiteral("    font-size: 150%"));
        const QStringList blau = htmlStilblock(kWeissBlauStil);
        QStringList erwartet = standard;
        erwartet[3] = QStringLiteral("    background-color: #AACCFF;");
        erwartet[24] = QStringLiteral("    font-size: 200%");
        erwartet.insert(10, QStringLiteral("    border: #006699;"));
        QCOMPARE(blau, erwartet);
    }

    void wholePage() {
        const QStringList lines{
            QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">"),
            QStringLiteral("<html>"),
            QStringLiteral("<head>"),
            QStringLiteral("<title>Rundenpokal S&uuml;d-W&uuml;rttemberg - Ergebnisse</title>"),
            QStringLiteral(
                "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\">"),
            QStringLiteral("<meta name=\"Generator\" content=\"Rundenzeitverwalter "
                           "https://rundenzeitverwalter.example.org3.1.7\">"),
            QStringLiteral("<meta name=\"Publisher\" content=\"Rot&amp;Weiß &lt;Lauftreff&gt; "
                           "&quot;Die Schnellen&quot;\">"),
            QStringLiteral(
                "<meta name=\"Copyright\" content=\"Erstellt mit Rundenzeitverwalter\">"),
            QStringLiteral("<meta name=\"Robots\" content=\"INDEX,FOLLOW\">"),
            QStringLiteral("<meta name=\"Language\" content=\"German, Deutsch, de, at, ch\">"),
            QStringLiteral("<style type=\"text/css\">"),
            QStringLiteral("<!--"),
            QStringLiteral("body {"),
            QStringLiteral("    background-color: #F2F2F2;"),
            QStringLiteral("    margin-left: 0px;"),
            QStringLiteral("    margin-top: 0px;"),
            QStringLiteral("    margin-right: 0px;"),
            QStringLiteral("    margin-bottom: 0px;"),
            QStringLiteral("}"),
            QStringLiteral("table {"),
            QStringLiteral("    background-color: #FFFFFF;"),
            QStringLiteral("    font-family: \"Courier New\", Courier, mono;"),
            QStringLiteral("    font-size:14px;"),
            QStringLiteral("}"),
            QStringLiteral(".t9 {"),
            QStringLiteral("    font-size: 100%"),
            QStringLiteral("}"),
            QStringLiteral(".t10 {"),
            QStringLiteral("    font-size: 110%"),
            QStringLiteral("}"),
            QStringLiteral(".t12 {"),
            QStringLiteral("    font-size: 130%"),
            QStringLiteral("}"),
            QStringLiteral(".t14 {"),
            QStringLiteral("    font-size: 150%"),
            QStringLiteral("}"),
            QStringLiteral("-->"),
            QStringLiteral("</style>"),
            QStringLiteral("</head>"),
            QStringLiteral("<body>"),
            QStringLiteral("<a name=\"top\"></a>"),
            QStringLiteral(
                "<table align=\"center\" border=\"1\" cellpadding=\"3\" cellspacing=\"0\">"),
            QStringLiteral("<tr>"),
            QStringLiteral(
                "<td valign=\"top\"><span class=\"t14\"><b>Rot&amp;Wei&szlig; &lt;Lauftreff&gt; "
                "\"Die Schnellen\"</b></span><br>"),
            QStringLiteral("<span class=\"t14\">Rundenpokal S&uuml;d-W&uuml;rttemberg</span><br>"),
            QStringLiteral(" <br>"),
            QStringLiteral("<span class=\"t9\"><u>Pos. Name,&nbsp;&nbsp; Verein</u></span><br>"),
            QStringLiteral(
                "<span class=\"t12\"><u><i><b>&Auml;rger &amp; &Ouml;l</b></i></u></span><br>"),
            QStringLiteral(
                "<span "
                "class=\"t10\"><i>&lt;/span&gt;&lt;/td&gt;&lt;script&gt;alert(1)&lt;/script&gt;"
                "</i></span><br>"),
            QStringLiteral("<span class=\"t9\">") + QString(78, u'-') + kTopLink +
                QStringLiteral("</span><br>"),
            QStringLiteral("<span class=\"t9\">") + QString(82, u'=') +
                QStringLiteral("</span><br>"),
            QStringLiteral("<span class=\"t9\">") + nbsp(12) +
                QStringLiteral(
                    "<a href=\"https://rundenzeitverwalter.example.org\" target=\"_blank\">"
                    "https://rundenzeitverwalter.example.org</a></span><br>"),
            QStringLiteral("</td>"),
            QStringLiteral("</tr>"),
            QStringLiteral("</table>"),
            QStringLiteral("</body>"),
            QStringLiteral("</html>"),
        };
        const Ausgabe ausgabe = beispielAusgabe();
        QCOMPARE(htmlSeite(ausgabe, ausgabe.zeile(0).text, kStandardStil),
                 lines.join(QStringLiteral("\r\n")));
    }

    void titleIsPlainText() {
        Ausgabe ausgabe;
        ausgabe.p(kSchwarz, Stil::fett, 14, QStringLiteral("Veranstalter"));
        ausgabe.p(kSchwarz, Stil::normal, 14,
                  QString(82, u'-') + QStringLiteral("  ") + kWebAdresse);
        const QString seite = htmlSeite(ausgabe, QString(), kStandardStil);
        QVERIFY(seite.contains(QStringLiteral("<title>") + QString(82, u'-') + nbsp(1) +
                               kWebAdresse + QStringLiteral(" - Ergebnisse</title>")));
        Ausgabe eineZeile;
        eineZeile.p(kSchwarz, Stil::normal, 9, QStringLiteral("nur eine Zeile"));
        QVERIFY(htmlSeite(eineZeile, QString(), kStandardStil)
                    .contains(QStringLiteral("<title> - Ergebnisse</title>")));
    }

    void pagesPassTheValidator_data() {
        QTest::addColumn<int>("stil");
        QTest::newRow("Standard RZV Stil") << int(kStandardStil);
        QTest::newRow("weiss-blauer Hintergrund") << int(kWeissBlauStil);
    }
    void pagesPassTheValidator() {
        if (!test::validatorAvailable()) QSKIP("onsgmls or w3c-sgml-lib is not installed");
        QFETCH(int, stil);
        Ausgabe ausgabe = beispielAusgabe();
        ausgabe.p(kSchwarz, Stil::normal, 9,
                  QStringLiteral("Zeichen: \x01\x1f\x7f") + QChar(0x9f) +
                      QStringLiteral(" € é ł 中"));
        const QByteArray page =
            htmlSeite(ausgabe, ausgabe.zeile(0).text + QStringLiteral(" & <x> \"y\""), stil)
                .toUtf8();
        QCOMPARE(test::sgmlErrors(page), QString());
    }

    void validatorCatchesBrokenPages() {
        if (!test::validatorAvailable()) QSKIP("onsgmls or w3c-sgml-lib is not installed");
        // A page as the conversion would give it without escaping "&" and the quote.
        QString page = htmlSeite(beispielAusgabe(), QStringLiteral("x"), kStandardStil);
        page.replace(QStringLiteral("content=\"x\""), QStringLiteral("content=\"Rot&Weiß \"x\"\""));
        QVERIFY(!test::sgmlErrors(page.toUtf8()).isEmpty());
    }

    void exportWritesUtf8AndClearsTheSheet() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("seite.htm"));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(100000, 'x'));
        old.close();
        TCupContent cup;
        cup.veranstalter = QStringLiteral("Rot&Weiß");
        Ausgabe ausgabe = beispielAusgabe();
        const QByteArray expected = htmlSeite(ausgabe, cup.veranstalter, kWeissBlauStil).toUtf8();
        ausgabe2html(ausgabe, cup, kWeissBlauStil, path);
        QVERIFY(ausgabe.isEmpty());
        QFile written(path);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray bytes = written.readAll();
        QCOMPARE(bytes, expected);
        QVERIFY(bytes.contains("content=\"Rot&amp;Wei\xc3\x9f\""));
        QVERIFY(bytes.contains("#AACCFF"));
        QVERIFY(!bytes.endsWith("\n"));
    }

    void failedExportKeepsTheSheet() {
        QTemporaryDir dir;
        Ausgabe ausgabe = beispielAusgabe();
        const QList<Zeile> before = ausgabe.zeilen();
        const QString path = dir.filePath(QStringLiteral("fehlt/seite.htm"));
        QVERIFY_THROWS_EXCEPTION(RzvError,
                                 ausgabe2html(ausgabe, TCupContent(), kStandardStil, path));
        QCOMPARE(ausgabe.zeilen(), before);
        QVERIFY(!QFile::exists(path));
    }
};

QTEST_GUILESS_MAIN(TestHtml)
#include "tst_html.moc"
