#include "app/sheetview.h"
#include "reports/sheet.h"

#include <QImage>
#include <QScrollBar>
#include <QTest>

using namespace rzv;

class TstSheetView : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Every line takes the height of its size; the widest line decides the width.
    void linesKeepTheirSizeAndNeverWrap() {
        Ausgabe one;
        one.p(kSchwarz, Stil::fett, 14, QStringLiteral("Kopf"));
        Ausgabe small;
        small.p(kSchwarz, {}, 9, QStringLiteral("Kopf"));
        QVERIFY(SheetView(one).contentHeight() > SheetView(small).contentHeight());

        Ausgabe sheet;
        sheet.leerzeile();
        sheet.linie();
        sheet.p(kSchwarz, Stil::unterstrichen, 9, QString(200, u'x'));
        SheetView view(sheet);
        view.resize(400, 200);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QVERIFY(view.contentWidth() > 2 * SheetView(small).contentWidth());
        QVERIFY(view.horizontalScrollBar()->maximum() > 0);
        QVERIFY(!view.grab().isNull());
    }

    void refreshShowsTheNewLinesFromTheTop() {
        Ausgabe sheet;
        for (int i = 0; i < 500; ++i)
            sheet.p(kSchwarz, {}, 10, QString::number(i));
        SheetView view(sheet);
        view.resize(300, 200);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const int full = view.verticalScrollBar()->maximum();
        QVERIFY(full > 1000);
        view.verticalScrollBar()->setValue(full);
        QVERIFY(!view.grab().isNull()); // paints the last lines
        sheet.clear();
        view.refresh();
        QCOMPARE(view.verticalScrollBar()->value(), 0);
        QCOMPARE(view.verticalScrollBar()->maximum(), 0);
    }
};

QTEST_MAIN(TstSheetView)
#include "tst_sheetview.moc"
