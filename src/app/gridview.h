#pragma once

#include "cup/cellgrid.h"

#include <QTableView>

namespace rzv {

class CellGridModel;

// A cup table on screen. The grid's frozen caption row and caption columns stay in place while
// the rest scrolls: the caption row is the horizontal header, the caption columns are painted by
// the vertical header, and the corner above them shows their captions. The captions mark the
// row and column of the current cell, so that the user sees whom a command will hit. Cells are
// never edited in place.
//
// Columns are as wide as the grid says, wider where their captions need it: the caption in row 0
// and, in a grid with a caption column (the race table's row captions), every caption of column
// 0. Other texts that do not fit end in "…", in the scrolled cells as in the frozen columns.
//
// The current cell is kept in grid coordinates and may lie in the captions. Any mouse button
// released over a cell makes it current, and a context menu request first picks the cell under
// the pointer, so the menu always acts on the cell it was opened over.
class GridView : public QTableView {
    Q_OBJECT
public:
    // Where the grid keeps its captions: in row 0, or also in column 0.
    enum class Captions { row, rowAndColumn };

    explicit GridView(TCellGrid& grid, QWidget* parent = nullptr,
                      Captions captions = Captions::row);

    TCellGrid& grid() { return m_grid; }
    const TCellGrid& grid() const { return m_grid; }
    CellGridModel* gridModel() const { return m_model; }

    Captions captions() const { return m_captions; }
    // The width a frozen column is shown with.
    int frozenColWidth(int col) const { return m_frozenWidths.value(col); }

    int currentCol() const { return m_col; }
    int currentRow() const { return m_row; }
    void setCurrentCell(int col, int row);

    // Takes the grid's new shape, contents, widths and frozen headers.
    void reload();
    // Shows one changed cell, or one data row inserted or removed (the grid has it already).
    void cellChanged(int col, int row);
    void rowInserted(int row);
    void rowRemoved(int row);

    // Picks the cell at a point of the widget (scrolled cells, captions); false when the point
    // is over no cell.
    bool pickCellAt(const QPoint& widgetPos);

Q_SIGNALS:
    // After the cell under the pointer was picked; globalPos is where the menu belongs.
    void contextMenuWanted(const QPoint& globalPos);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void updateGeometries() override;

private:
    int frozenColAt(int x) const;
    // The grid's width of a column, widened to its captions.
    int shownColWidth(int col) const;
    void showCurrentCell();
    // Repaints the captions, which mark the current cell's row and column.
    void updateCaptions();
    // A row inserted or removed that changes more than the rows below it.
    bool reshaped(int row) const;

    TCellGrid& m_grid;
    CellGridModel* m_model;
    Captions m_captions;
    QList<int> m_frozenWidths;
    QWidget* m_corner = nullptr;
    int m_col = 0;
    int m_row = 0;
    bool m_reloading = false;
};

} // namespace rzv
