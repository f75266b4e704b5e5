#pragma once

#include <QString>
#include <QStringList>

namespace rzv {

class Ausgabe;
struct TCupContent;

// The two page styles of the HTML export.
enum HtmlStil { kStandardStil = 0, kWeissBlauStil = 1 };

// The style sheet of the page head, line by line.
QStringList htmlStilblock(int stil);

// The frame of every exported page, lines ending with CR LF. The head (title text already made
// safe, the organiser named as the publisher, the style block) runs up to the opening of the
// centred one-cell table's cell, without a line break after it; the foot closes the cell, the
// table and the page, without a final line break.
QString htmlSeitenkopf(const QString& titel, const QString& veranstalter, int stil);
QString htmlSeitenfuss();

// The HTML 4.01 Transitional page of the sheet: every line inside a centred one-cell table,
// in its size class and with its bold, italic and underline. A navigation line (markup, already
// safe) may stand above the sheet's lines.
QString htmlSeite(const Ausgabe& ausgabe, const QString& veranstalter, int stil,
                  const QString& navigation = QString());

// Writes the page of the sheet into `path` in UTF-8 and then clears the sheet. The file is
// replaced only when the whole page was written; on an I/O error ("I/O-Fehler %d") the previous
// file and the sheet stay as they were.
void ausgabe2html(Ausgabe& ausgabe, const TCupContent& cup, int stil, const QString& path);

} // namespace rzv
