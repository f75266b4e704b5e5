// The printer canvas: page size, the font given by its cell height, pages of a PDF job.
#include "certificates/paintercanvas.h"

#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

using namespace rzv;

class TestPainterCanvas : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    void setUpPdf(QPrinter& printer, const QString& name) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(m_dir.filePath(name));
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setResolution(600);
        printer.setFullPage(true);
    }

private Q_SLOTS:
    void measuresAndDraws() {
        QPrinter printer(QPrinter::HighResolution);
        setUpPdf(printer, QStringLiteral("canvas.pdf"));
        PainterCanvas canvas(printer);
        // A4 at 600 dpi, as Qt rounds it from points.
        QCOMPARE(canvas.pageSize(), QSize(printer.width(), printer.height()));
        QVERIFY(qAbs(canvas.pageSize().width() - 4960) <= 3 &&
                qAbs(canvas.pageSize().height() - 7016) <= 3);
        canvas.beginJob(QStringLiteral("RZV Ausdruck"));
        QCOMPARE(printer.docName(), QStringLiteral("RZV Ausdruck"));
        canvas.setFontName(QStringLiteral("Times New Roman"));
        canvas.setFontColor(Qt::black);
        for (int height : {893, 248, 99}) {
            canvas.setFontHeight(height);
            // A serif "Urkunde" is between two and five cell heights wide.
            const int width = canvas.textWidth(QStringLiteral("Urkunde"));
            QVERIFY2(width > height * 2 && width < height * 5, qPrintable(QString::number(width)));
        }
        canvas.setFontHeight(400);
        const int small = canvas.textWidth(QStringLiteral("Herzlichen Glückwunsch"));
        canvas.setFontHeight(800);
        const int large = canvas.textWidth(QStringLiteral("Herzlichen Glückwunsch"));
        QVERIFY(qAbs(large - 2 * small) <= 4);
        canvas.drawText(248, 744, QStringLiteral("Urkunde"));
        canvas.newPage();
        canvas.drawImage(QRect(248, 2338, 1240, 3508),
                         QImage(QSize(215, 527), QImage::Format_RGB32));
        canvas.endJob();
        QFile pdf(m_dir.filePath(QStringLiteral("canvas.pdf")));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QCOMPARE(pdf.readAll().count("/Type /Page\n"), 2);
    }
};

QTEST_MAIN(TestPainterCanvas)
#include "tst_paintercanvas.moc"
