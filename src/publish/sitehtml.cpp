#include "publish/sitehtml.h"

#include "publish/siteassets.h"
#include "publish/sitepages.h"

namespace rzv {

QString webtext(const QString& text) {
    QString safe;
    safe.reserve(text.size() + 8);
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'&': safe += QStringLiteral("&amp;"); break;
        case u'<': safe += QStringLiteral("&lt;"); break;
        case u'>': safe += QStringLiteral("&gt;"); break;
        case u'"': safe += QStringLiteral("&quot;"); break;
        default:
            safe += c.unicode() < 32 || (c.unicode() >= 127 && c.unicode() < 160) ? QChar(u' ') : c;
        }
    }
    return safe;
}

QString weblink(const QString& datei, const QString& text) {
    return QStringLiteral("<a href=\"%1\">%2</a>").arg(datei, text);
}

QString seitenanfang(const Seitenrahmen& rahmen) {
    // Without the script the form sends the text to the list of all participants, which then
    // shows everybody; with it, the lists of this page are filtered as one types.
    const QString suchziel = rahmen.listetLaeufer ? QString() : datei::kTeilnehmer;
    return QStringLiteral(
               "<!DOCTYPE html>\n<html lang=\"de\">\n<head>\n<meta charset=\"utf-8\">\n"
               "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
               "<title>%1</title>\n<link rel=\"stylesheet\" href=\"%2\">\n"
               "<script src=\"%3\" defer></script>\n</head>\n<body%4>\n<header>\n"
               "<nav>%5</nav>\n<form class=\"suche\" role=\"search\"%6>"
               "<label for=\"suche\">Läufer suchen</label> "
               "<input type=\"search\" id=\"suche\" name=\"suche\" placeholder=\"Name oder Verein\">"
               "</form>\n</header>\n<main>\n")
        .arg(rahmen.titel, datei::kStylesheet, datei::kSkript,
             rahmen.stil == 1 ? QStringLiteral(" class=\"blau\"") : QString(), rahmen.navigation,
             suchziel.isEmpty() ? QString() : QStringLiteral(" action=\"%1\"").arg(suchziel));
}

QString seitenende(const QDateTime& veroeffentlicht) {
    return QStringLiteral("<p id=\"keine-treffer\" hidden>Niemand passt zur Suche.</p>\n</main>\n"
                          "<footer>Veröffentlicht am %1 um %2 Uhr.</footer>\n</body>\n</html>\n")
        .arg(veroeffentlicht.toString(QStringLiteral("dd.MM.yyyy")),
             veroeffentlicht.toString(QStringLiteral("HH:mm")));
}

QString zelle(const QString& inhalt, bool zahl) {
    return (zahl ? QStringLiteral("<td class=\"z\">") : QStringLiteral("<td>")) + inhalt +
           QStringLiteral("</td>");
}

QString spalte(const QString& text, const QString& klasse) {
    return (klasse.isEmpty() ? QStringLiteral("<th scope=\"col\">")
                             : QStringLiteral("<th scope=\"col\" class=\"%1\">").arg(klasse)) +
           text + QStringLiteral("</th>");
}

void tabellenanfang(QString& html, const QString& klasse, const QString& caption,
                    const QString& spalten) {
    html += QStringLiteral("<div class=\"tabelle\"><table class=\"");
    html += klasse;
    html += QStringLiteral("\">");
    if (!caption.isEmpty()) html += QStringLiteral("<caption>") + caption + QStringLiteral("</caption>");
    html += QStringLiteral("<thead><tr>");
    html += spalten;
    html += QStringLiteral("</tr></thead>\n<tbody>\n");
}

void tabellenende(QString& html) {
    html += QStringLiteral("</tbody></table></div>\n");
}

QString tabelle(const QString& klasse, const QString& caption, const QString& spalten,
                const QString& zeilen) {
    QString html;
    tabellenanfang(html, klasse, caption, spalten);
    html += zeilen;
    tabellenende(html);
    return html;
}

} // namespace rzv
