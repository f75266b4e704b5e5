#pragma once

#include <QDateTime>
#include <QString>

namespace rzv {

// Text of the cup made safe for a page of the website, in element content and in double-quoted
// attributes: "&", "<", ">" and the double quote as entities; control characters, which no
// page may hold, become blanks.
QString webtext(const QString& text);

// A link to a file of the site; the text is markup already made safe.
QString weblink(const QString& datei, const QString& text);

// The frame every page of the site shares: the head with the stylesheet and the script, the
// navigation and the search field; the foot with the time of publishing.
struct Seitenrahmen {
    QString titel;         // the page's title, safe
    QString navigation;    // links, safe markup
    bool listetLaeufer;    // the search field filters this page's lists; else it leads to the list of all
    int stil;              // 1: the white and blue background
};
QString seitenanfang(const Seitenrahmen& rahmen);
QString seitenende(const QDateTime& veroeffentlicht);

// A body cell; numbers stand right-aligned.
QString zelle(const QString& inhalt, bool zahl = false);

// A column heading (safe markup) with the class of its cells: "z" for numbers, which stand
// right-aligned; "z jg" for the birth year, which steps back on a narrow screen.
QString spalte(const QString& text, const QString& klasse = QString());
inline const QString kZahl = QStringLiteral("z");
inline const QString kJahrgang = QStringLiteral("z jg");

// A table that scrolls inside its own box on a narrow screen: its class, its caption (safe;
// none when empty), the column headings (spalte) and the body rows (markup).
QString tabelle(const QString& klasse, const QString& caption, const QString& spalten,
                const QString& zeilen);
// The same written in two steps around the body rows, for tables of many rows.
void tabellenanfang(QString& html, const QString& klasse, const QString& caption,
                    const QString& spalten);
void tabellenende(QString& html);

} // namespace rzv
