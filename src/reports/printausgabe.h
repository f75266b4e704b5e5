#pragma once

#include <QRect>
#include <QSize>

class QPagedPaintDevice;
class QPdfWriter;
class QPrinter;
class QTextDocument;

namespace rzv {

class Ausgabe;

// The sheet as a rich-text document: one block per line in "Courier New" (any fixed-pitch font
// where it is missing), each with its colour, style and size, never wrapped.
void sheetDocument(const Ausgabe& ausgabe, QTextDocument& document);

// Where the sheet is printed on a page of the given size in dots: 1 inch from the left, 3/4 inch
// from the top and bottom, 1/2 inch from the right, each rounded to the nearest dot.
QRect druckbereich(const QSize& seite, int dpiX, int dpiY);

// Prints the sheet through the printer page by page as one job titled "Rundenzeitverwalter",
// then clears the sheet. False when the printer (or the PDF file) could not be opened.
bool printausgabe(Ausgabe& ausgabe, QPrinter& printer);
// The same into a PDF writer, the PDF titled "Rundenzeitverwalter".
bool printausgabe(Ausgabe& ausgabe, QPdfWriter& writer);

} // namespace rzv
