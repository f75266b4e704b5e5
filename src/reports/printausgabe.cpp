#include "reports/printausgabe.h"

#include "reports/sheet.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace rzv {

namespace {

QTextCharFormat zeichenformat(const Zeile& zeile) {
    QTextCharFormat format;
    format.setFontFamilies({kSheetFont});
    format.setFontFixedPitch(true);
    format.setFontStyleHint(QFont::TypeWriter);
    format.setFontPointSize(zeile.groesse);
    format.setFontWeight(zeile.stil.testFlag(Stil::fett) ? QFont::Bold : QFont::Normal);
    format.setFontItalic(zeile.stil.testFlag(Stil::kursiv));
    format.setFontUnderline(zeile.stil.testFlag(Stil::unterstrichen));
    format.setForeground(zeile.farbe);
    return format;
}

} // namespace

void sheetDocument(const Ausgabe& ausgabe, QTextDocument& document) {
    document.clear();
    QFont font(kSheetFont);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    document.setDefaultFont(font);
    QTextOption option = document.defaultTextOption();
    option.setWrapMode(QTextOption::NoWrap);
    document.setDefaultTextOption(option);
    document.setDocumentMargin(0);
    document.setUndoRedoEnabled(false);

    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    for (int i = 0; i < ausgabe.count(); ++i) {
        const QTextCharFormat format = zeichenformat(ausgabe.zeile(i));
        if (i == 0)
            cursor.setBlockCharFormat(format);
        else
            cursor.insertBlock(QTextBlockFormat(), format);
        cursor.insertText(ausgabe.zeile(i).text, format);
    }
    cursor.endEditBlock();
}

QRect druckbereich(const QSize& seite, int dpiX, int dpiY) {
    const int links = qRound(1.0 * dpiX);
    const int oben = qRound(0.75 * dpiY);
    const int rechts = seite.width() - qRound(0.5 * dpiX);
    const int unten = seite.height() - qRound(0.75 * dpiY);
    return QRect(links, oben, rechts - links, unten - oben);
}

namespace {

// The sheet's pages on a printer or a PDF writer alike.
bool druckeSeiten(Ausgabe& ausgabe, QPagedPaintDevice& printer) {
    const QRect bereich = druckbereich(QSize(printer.width(), printer.height()),
                                       printer.logicalDpiX(), printer.logicalDpiY());

    // Laid out in the printer's own dots, so that point sizes and page breaks come out as printed.
    QTextDocument document;
    document.documentLayout()->setPaintDevice(&printer);
    sheetDocument(ausgabe, document);
    document.setPageSize(bereich.size());

    QPainter painter;
    const bool begonnen = painter.begin(&printer);
    if (begonnen) {
        for (int seite = 0; seite < document.pageCount(); ++seite) {
            if (seite > 0) printer.newPage();
            const QRectF ausschnitt(0, seite * bereich.height(), bereich.width(), bereich.height());
            painter.save();
            painter.translate(bereich.left(), bereich.top() - ausschnitt.top());
            painter.setClipRect(ausschnitt);
            QAbstractTextDocumentLayout::PaintContext context;
            context.clip = ausschnitt;
            context.palette.setColor(QPalette::Text, Qt::black);
            document.documentLayout()->draw(&painter, context);
            painter.restore();
        }
        painter.end();
    }
    ausgabe.clear();
    return begonnen;
}

} // namespace

bool printausgabe(Ausgabe& ausgabe, QPrinter& printer) {
    printer.setDocName(kProduktname);
    printer.setCreator(kProduktname);
    return druckeSeiten(ausgabe, printer);
}

bool printausgabe(Ausgabe& ausgabe, QPdfWriter& writer) {
    writer.setTitle(kProduktname);
    writer.setCreator(kProduktname);
    return druckeSeiten(ausgabe, writer);
}

} // namespace rzv
