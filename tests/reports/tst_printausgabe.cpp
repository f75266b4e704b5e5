// Printing the sheet: the page rectangle, the document of formatted lines, pages of a PDF.
#include "reports/printausgabe.h"
#include "reports/sheet.h"

#include <QPrinter>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

using namespace rzv;

namespace {

int pageCountOf(const QString& pdfPath) {
    QFile file(pdfPath);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    const QByteArray bytes = file.readAll();
    return int(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") +
               bytes.count("/Type /Page/") + bytes.count("/Type /Page>"));
}

void fill(Ausgabe& ausgabe, int lines) {
    ausgabe.p(kSchwarz, Stil::fett, 14, QStringLiteral("LG Süd"));
    for (int i = 1; i < lines; ++i)
        ausgabe.p(kSchwarz, Stil::normal, 9, QStringLiteral("Zeile %1").arg(i));
}

} // namespace

class TestPrintAusgabe : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void pageRectangle() {
        QCOMPARE(druckbereich(QSize(4960, 7016), 600, 600),
                 QRect(600, 450, 4660 - 600, 6566 - 450));
        // Each direction with its own resolution, rounded to the nearest dot.
        QCOMPARE(druckbereich(QSize(1000, 2000), 150, 301), QRect(150, 226, 925 - 150, 1774 - 226));
    }

    void documentKeepsEachLinesFormat() {
        Ausgabe ausgabe;
        ausgabe.p(kSchwarz, Stil::fett, 14, QStringLiteral("Veranstalter"));
        ausgabe.p(kSchwarz, Stil::unterstrichen | Stil::kursiv, 9, QStringLiteral("Pos.  Name"));
        ausgabe.leerzeile();
        QTextDocument document;
        sheetDocument(ausgabe, document);
        QCOMPARE(document.blockCount(), 3);
        QCOMPARE(document.toPlainText(), QStringLiteral("Veranstalter\nPos.  Name\n "));
        const QTextCharFormat first = document.begin().begin().fragment().charFormat();
        QCOMPARE(first.fontFamilies().toStringList(), QStringList{QStringLiteral("Courier New")});
        QVERIFY(first.fontFixedPitch());
        QCOMPARE(first.fontWeight(), int(QFont::Bold));
        QCOMPARE(first.fontPointSize(), 14.0);
        const QTextCharFormat second = document.begin().next().begin().fragment().charFormat();
        QVERIFY(second.fontUnderline());
        QVERIFY(second.fontItalic());
        QCOMPARE(second.fontWeight(), int(QFont::Normal));
        QCOMPARE(second.fontPointSize(), 9.0);
    }

    void printsPageByPageAndClears() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("bericht.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setPageSize(QPageSize(QPageSize::A4));
        Ausgabe ausgabe;
        fill(ausgabe, 200); // more than one page of 9-point lines

        QVERIFY(printausgabe(ausgabe, printer));
        QVERIFY(ausgabe.isEmpty());
        QCOMPARE(printer.docName(), QStringLiteral("Rundenzeitverwalter"));
        const int pages = pageCountOf(path);
        QVERIFY2(pages >= 2 && pages <= 5, qPrintable(QString::number(pages)));
    }

    void printerThatCannotStart() {
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QStringLiteral("/nonexistent-folder/bericht.pdf"));
        Ausgabe ausgabe;
        fill(ausgabe, 3);
        QVERIFY(!printausgabe(ausgabe, printer));
        QVERIFY(ausgabe.isEmpty());
    }
};

QTEST_MAIN(TestPrintAusgabe)
#include "tst_printausgabe.moc"
