#include "reports/htmlexport.h"

#include "cup/cupdata.h"
#include "cup/cupfile.h"
#include "reports/htmltext.h"
#include "reports/sheet.h"

namespace rzv {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

QString meta(const QString& name, const QString& content) {
    return QStringLiteral("<meta name=\"%1\" content=\"%2\">").arg(name, htmlAttribute(content));
}

QString htmlZeileMitStil(const Zeile& zeile) {
    if (zeile.text == u" ") return QStringLiteral(" <br>");
    QString opening;
    QString closing;
    if (zeile.stil.testFlag(Stil::unterstrichen)) {
        opening += QStringLiteral("<u>");
        closing.prepend(QStringLiteral("</u>"));
    }
    if (zeile.stil.testFlag(Stil::kursiv)) {
        opening += QStringLiteral("<i>");
        closing.prepend(QStringLiteral("</i>"));
    }
    if (zeile.stil.testFlag(Stil::fett)) {
        opening += QStringLiteral("<b>");
        closing.prepend(QStringLiteral("</b>"));
    }
    return QStringLiteral("<span class=\"t") + QString::number(zeile.groesse) +
           QStringLiteral("\">") + opening + htmlZeile(zeile.text) + closing +
           QStringLiteral("</span><br>");
}

} // namespace

QStringList htmlStilblock(int stil) {
    const bool weissBlau = stil == kWeissBlauStil;
    QStringList block{
        QStringLiteral("<style type=\"text/css\">"),
        QStringLiteral("<!--"),
        QStringLiteral("body {"),
        weissBlau ? QStringLiteral("    background-color: #AACCFF;")
                  : QStringLiteral("    background-color: #F2F2F2;"),
        QStringLiteral("    margin-left: 0px;"),
        QStringLiteral("    margin-top: 0px;"),
        QStringLiteral("    margin-right: 0px;"),
        QStringLiteral("    margin-bottom: 0px;"),
        QStringLiteral("}"),
        QStringLiteral("table {"),
    };
    if (weissBlau) block += QStringLiteral("    border: #006699;");
    block += QStringList{
        QStringLiteral("    background-color: #FFFFFF;"),
        QStringLiteral("    font-family: \"Courier New\", Courier, mono;"),
        QStringLiteral("    font-size:14px;"),
        QStringLiteral("}"),
    };
    const QList<std::pair<int, int>> klassen{
        {9, 100}, {10, 110}, {12, 130}, {14, weissBlau ? 200 : 150}};
    for (const auto& [groesse, prozent] : klassen) {
        block += QStringLiteral(".t%1 {").arg(groesse);
        block += QStringLiteral("    font-size: %1%").arg(prozent);
        block += QStringLiteral("}");
    }
    block += QStringList{QStringLiteral("-->"), QStringLiteral("</style>")};
    return block;
}

QString htmlSeitenkopf(const QString& titel, const QString& veranstalter, int stil) {
    QStringList kopf{
        QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">"),
        QStringLiteral("<html>"),
        QStringLiteral("<head>"),
        QStringLiteral("<title>") + titel + QStringLiteral(" - Ergebnisse</title>"),
        QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\">"),
        meta(QStringLiteral("Generator"), kProduktname + u' ' + kWebAdresse + kVersion),
        meta(QStringLiteral("Publisher"), veranstalter),
        meta(QStringLiteral("Copyright"), kCredit),
        meta(QStringLiteral("Robots"), QStringLiteral("INDEX,FOLLOW")),
        meta(QStringLiteral("Language"), QStringLiteral("German, Deutsch, de, at, ch")),
    };
    kopf += htmlStilblock(stil);
    kopf += QStringList{
        QStringLiteral("</head>"),
        QStringLiteral("<body>"),
        QStringLiteral("<a name=\"top\"></a>"),
        QStringLiteral("<table align=\"center\" border=\"1\" cellpadding=\"3\" cellspacing=\"0\">"),
        QStringLiteral("<tr>"),
        QStringLiteral("<td valign=\"top\">"),
    };
    return kopf.join(kCrLf);
}

QString htmlSeitenfuss() {
    return QStringList{QStringLiteral("</td>"), QStringLiteral("</tr>"), QStringLiteral("</table>"),
                       QStringLiteral("</body>"), QStringLiteral("</html>")}
        .join(kCrLf);
}

QString htmlSeite(const Ausgabe& ausgabe, const QString& veranstalter, int stil,
                  const QString& navigation) {
    // The title is plain text: no links, whatever the cup name holds.
    const QString titel =
        ausgabe.count() > 1 ? htmlBlanks(htmlText(ausgabe.zeile(1).text)) : QString();
    QString seite = htmlSeitenkopf(titel, veranstalter, stil);
    if (!navigation.isEmpty()) seite += navigation + kCrLf;
    for (const Zeile& zeile : ausgabe.zeilen())
        seite += htmlZeileMitStil(zeile) + kCrLf;
    return seite + htmlSeitenfuss();
}

void ausgabe2html(Ausgabe& ausgabe, const TCupContent& cup, int stil, const QString& path) {
    writeFileAtomically(path, htmlSeite(ausgabe, cup.veranstalter, stil).toUtf8());
    ausgabe.clear();
}

} // namespace rzv
