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

// The HTML 4.01 Transitional page of the sheet: every line inside a centred one-cell table,
// in its size class and with its bold, italic and underline. Lines end with CR LF; the page has
// no final line break. The organiser is named as the page's publisher.
QString htmlSeite(const Ausgabe& ausgabe, const QString& veranstalter, int stil);

// Writes the page of the sheet into `path` in UTF-8 and then clears the sheet. The file is
// replaced only when the whole page was written; on an I/O error ("I/O-Fehler %d") the previous
// file and the sheet stay as they were.
void ausgabe2html(Ausgabe& ausgabe, const TCupContent& cup, int stil, const QString& path);

} // namespace rzv
