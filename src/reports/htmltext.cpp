#include "reports/htmltext.h"

#include "reports/sheet.h"

namespace rzv {

namespace {

// Control characters, which an HTML 4.01 page cannot hold, become blanks (a line break inside a
// line would also split it in the written file).
QString withoutControls(const QString& text) {
    QString out = text;
    for (QChar& c : out)
        if (c.unicode() < 32 || (c.unicode() >= 127 && c.unicode() < 160)) c = u' ';
    return out;
}

// "&" first, so that no entity written here is read as text later.
QString escapeMarkup(const QString& text) {
    QString out = withoutControls(text);
    out.replace(u'&', QStringLiteral("&amp;"));
    out.replace(u'<', QStringLiteral("&lt;"));
    out.replace(u'>', QStringLiteral("&gt;"));
    return out;
}

// The address is looked for as it stands after escaping, where the text has already been made safe.
void linkWebAddress(QString& text) {
    const QString address = htmlText(kWebAdresse);
    const qsizetype at = text.indexOf(address);
    if (at < 0) return;
    text.insert(at + address.size(), QStringLiteral("</a>"));
    text.insert(at, QStringLiteral("<a href=\"%1\" target=\"_blank\">").arg(address));
}

void linkRulesToTop(QString& text) {
    static const QString rule(kZeilenbreite, u'-');
    static const QString top = QStringLiteral("<a href=\"#top\" target=\"_self\">oben</a>");
    for (qsizetype at = text.indexOf(rule); at >= 0; at = text.indexOf(rule))
        text.replace(at + kZeilenbreite - 4, 4, top);
}

} // namespace

QString htmlText(const QString& text) {
    // The entities of the umlauts hold no "<" or ">", so escaping these first changes nothing.
    QString out = escapeMarkup(text);
    out.replace(u'ä', QStringLiteral("&auml;"));
    out.replace(u'ö', QStringLiteral("&ouml;"));
    out.replace(u'ü', QStringLiteral("&uuml;"));
    out.replace(u'Ä', QStringLiteral("&Auml;"));
    out.replace(u'Ö', QStringLiteral("&Ouml;"));
    out.replace(u'Ü', QStringLiteral("&Uuml;"));
    out.replace(u'ß', QStringLiteral("&szlig;"));
    return out;
}

QString htmlBlanks(const QString& text) {
    static const QString pair = QStringLiteral("  ");
    static const QString nbsp = QStringLiteral("&nbsp;&nbsp;");
    QString out = text;
    return out.replace(pair, nbsp);
}

QString htmlZeile(const QString& text) {
    QString out = htmlText(text);
    linkWebAddress(out);
    linkRulesToTop(out);
    return htmlBlanks(out);
}

QString htmlAttribute(const QString& text) {
    return escapeMarkup(text).replace(u'"', QStringLiteral("&quot;"));
}

} // namespace rzv
