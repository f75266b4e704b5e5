#include "app/gridmodel.h"
#include "app/gridview.h"
#include "guitesting.h"
#include "testcup.h"

#include <QAbstractItemModelTester>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>

using namespace rzv;

class TstGridView : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void modelPassesTheModelTester_data() {
        QTest::addColumn<int>("races");
        QTest::addColumn<int>("participants");
        QTest::newRow("new cup") << 0 << 0;
        QTest::newRow("races, nobody") << 2 << 0;
        QTest::newRow("filled") << 3 << 7;
    }
    void modelPassesTheModelTester() {
        QFETCH(int, races);
        QFETCH(int, participants);
        TCupContent cup = test::smallCup(races, participants);
        for (TCellGrid* grid : {&cup.ag, &cup.cv, &cup.pv, &cup.laufe, &cup.teil}) {
            CellGridModel model(*grid);
            QAbstractItemModelTester tester(&model,
                                            QAbstractItemModelTester::FailureReportingMode::QtTest);
            grid->setRowCount(grid->rowCount() + 1);
            model.reload();
            grid->removeRow(grid->rowCount() - 1);
            model.reload();
        }
    }

    // The frozen captions are headers; the model starts at the first scrolled cell.
    void frozenCaptionsAreHeaders() {
        TCupContent cup = test::smallCup(3, 5);
        CellGridModel teil(cup.teil);
        QCOMPARE(teil.rowCount(), 5);
        QCOMPARE(teil.columnCount(), 3 + 6);
        QCOMPARE(teil.data(teil.index(0, 0)).toString(), cup.teil.cell(kGeburtsdatum, 1));
        QCOMPARE(teil.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Geburtsdatum"));
        QCOMPARE(teil.headerData(6, Qt::Horizontal).toString(), QStringLiteral("10.05.2026"));
        QVERIFY(!(teil.flags(teil.index(0, 0)) & Qt::ItemIsEditable));

        CellGridModel laufe(cup.laufe);
        QCOMPARE(laufe.rowCount(), kLaufRows - 1);
        QCOMPARE(laufe.columnCount(), 3);
        QCOMPARE(laufe.headerData(0, Qt::Vertical).toString(), QStringLiteral("Lauftyp:"));
        QCOMPARE(laufe.headerData(1, Qt::Horizontal).toString(), QStringLiteral("2"));

        // Without participants nothing is frozen: the captions are an ordinary row.
        TCupContent empty = test::smallCup(0, 0);
        CellGridModel nobody(empty.teil);
        QCOMPARE(nobody.rowCount(), 1);
        QCOMPARE(nobody.columnCount(), kTeilFixedCols);
        QCOMPARE(nobody.data(nobody.index(0, 0)).toString(), QStringLiteral("Name"));
        QVERIFY(!nobody.headerData(0, Qt::Horizontal).isValid());
    }

    void mouseReleasePicksTheCellUnderThePointer() {
        TCupContent cup = test::smallCup(3, 20);
        GridView view(cup.teil);
        view.resize(600, 300);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QCOMPARE(view.verticalHeader()->width(), 200); // "Name" and "Vorname"

        const QRect cell = view.visualRect(view.gridModel()->index(2, 6));
        QTest::mouseClick(view.viewport(), Qt::RightButton, {}, cell.center());
        QCOMPARE(view.currentCol(), 8);
        QCOMPARE(view.currentRow(), 3);

        // The caption row, a frozen name cell and the corner are cells too.
        QHeaderView* captions = view.horizontalHeader();
        QTest::mouseClick(captions->viewport(), Qt::LeftButton, {},
                          QPoint(captions->sectionViewportPosition(1) + 5, 5));
        QCOMPARE(view.currentCol(), 3);
        QCOMPARE(view.currentRow(), 0);
        QHeaderView* names = view.verticalHeader();
        QTest::mouseClick(names->viewport(), Qt::RightButton, {},
                          QPoint(150, names->sectionViewportPosition(4) + 5));
        QCOMPARE(view.currentCol(), 1);
        QCOMPARE(view.currentRow(), 5);
        QVERIFY(view.pickCellAt(QPoint(view.frameWidth() + 10, view.frameWidth() + 5)));
        QCOMPARE(view.currentCol(), 0);
        QCOMPARE(view.currentRow(), 0);

        // Scrolled down, the captions stay where they are and still pick row 0.
        view.scrollToBottom();
        QTest::mouseClick(captions->viewport(), Qt::RightButton, {}, QPoint(5, 5));
        QCOMPARE(view.currentRow(), 0);
        QCOMPARE(view.currentCol(), 2);
    }

    // The captions show where the current cell is: in the highlight colour when it is a caption
    // itself, lightly in the caption columns of its row and the caption of its column.
    void theCurrentCellIsMarkedInTheCaptions() {
        TCupContent cup = test::smallCup(3, 20);
        GridView view(cup.teil);
        view.resize(600, 300);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QHeaderView* names = view.verticalHeader();
        const auto namesPixel = [names](int x, int section) {
            return names->viewport()->grab().toImage().pixelColor(
                x, names->sectionViewportPosition(section) + 2);
        };
        // Right of the texts: "Name" is 100 pixels wide, "Vorname" too.
        QTest::mouseClick(names->viewport(), Qt::LeftButton, {},
                          QPoint(10, names->sectionViewportPosition(4) + 5));
        QCOMPARE(namesPixel(95, 4), names->viewport()->palette().color(QPalette::Highlight));
        QVERIFY(namesPixel(195, 4) != namesPixel(195, 3));
        QCOMPARE(namesPixel(95, 3), namesPixel(95, 5));

        QTest::mouseClick(view.viewport(), Qt::LeftButton, {},
                          view.visualRect(view.gridModel()->index(2, 1)).center());
        QVERIFY(namesPixel(95, 2) != namesPixel(95, 4));
        QHeaderView* captions = view.horizontalHeader();
        const QImage captionRow = captions->viewport()->grab().toImage();
        const auto captionPixel = [&](int section) {
            return captionRow.pixelColor(captions->sectionViewportPosition(section) + 70, 2);
        };
        QVERIFY(captionPixel(1) != captionPixel(0));
        QCOMPARE(captionPixel(0), captionPixel(2));
    }

    void contextMenuOpensForThePickedCell() {
        TCupContent cup = test::smallCup(2, 4);
        GridView view(cup.laufe);
        view.resize(600, 300);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        int colAtMenu = -1;
        connect(&view, &GridView::contextMenuWanted, this, [&] { colAtMenu = view.currentCol(); });
        const QRect cell = view.visualRect(view.gridModel()->index(3, 1));
        QContextMenuEvent event(QContextMenuEvent::Mouse, cell.center(),
                                view.viewport()->mapToGlobal(cell.center()));
        QApplication::sendEvent(view.viewport(), &event);
        QCOMPARE(colAtMenu, 2);
        QCOMPARE(view.currentRow(), 4);
    }

    void columnWidthsAndRowHeightComeFromTheGrid() {
        TCupContent cup = test::smallCup(2, 4);
        GridView view(cup.teil);
        QHeaderView* captions = view.horizontalHeader();
        QCOMPARE(captions->sectionSize(kVerein - 2), 200);
        QCOMPARE(captions->sectionSize(kCup - 2), 75);
        QCOMPARE(view.verticalHeader()->sectionSize(0), 18);
        captions->resizeSection(0, 130); // the user widens "Geburtsdatum"
        QCOMPARE(cup.teil.colWidth(kGeburtsdatum), 130);

        // A larger font makes the rows higher and a caption column wider where it needs it; the
        // table keeps its widths.
        QFont large = view.font();
        large.setPointSizeF(large.pointSizeF() * 2);
        view.setFont(large);
        QVERIFY(view.verticalHeader()->sectionSize(0) > view.fontMetrics().height());
        QVERIFY(captions->sectionSize(kStartnummer - 2) >
                captions->fontMetrics().horizontalAdvance(QStringLiteral("Startnummer")));
        QCOMPARE(cup.teil.colWidth(kStartnummer), 75);
    }

    // A name wider than its frozen column ends in "…", as a scrolled cell's text does.
    void aLongNameInAFrozenColumnEndsInAnEllipsis() {
        TCupContent cup = test::smallCup(1, 2);
        const QString name = QStringLiteral("Müller-Lüdenscheidt-Wolfenbüttel");
        cup.teil.setCell(kName, 1, name);
        test::PaintedCaptions style;
        GridView view(cup.teil);
        view.verticalHeader()->viewport()->setStyle(&style);
        view.verticalHeader()->viewport()->grab();
        const QStringList shown = style.texts.filter(QStringLiteral("Müller-"));
        QVERIFY(!shown.isEmpty());
        QVERIFY2(shown.first().endsWith(u'…') && name.startsWith(shown.first().chopped(1)),
                 qPrintable(shown.first()));
        QVERIFY(view.verticalHeader()->fontMetrics().horizontalAdvance(shown.first()) <
                cup.teil.colWidth(kName));
        QVERIFY(style.texts.contains(cup.teil.cell(kVorname, 1))); // short texts stay whole
    }

    void reloadKeepsTheCurrentCellInsideTheTable() {
        TCupContent cup = test::smallCup(2, 6);
        GridView view(cup.teil);
        view.setCurrentCell(9, 6);
        cup.teil.setRowCount(3);
        cup.teil.setColCount(9);
        view.reload();
        QCOMPARE(view.currentCol(), 8);
        QCOMPARE(view.currentRow(), 2);
        QCOMPARE(view.gridModel()->rowCount(), 2);
    }
};

QTEST_MAIN(TstGridView)
#include "tst_gridview.moc"
