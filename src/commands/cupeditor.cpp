#include "commands/cupeditor.h"

#include <optional>

namespace rzv {

CupEditor::CupEditor(TCupContent& cup, CupEdits& edits, ViewChanges& changes)
    : m_cup(cup), m_edits(edits), m_changes(changes) {}

void CupEditor::record(std::unique_ptr<CupEdit> edit) {
    if (edit) m_edits.push_back(std::move(edit));
}

void CupEditor::setCell(CupTable table, int col, int row, const QString& text) {
    TCellGrid& grid = cupTable(m_cup, table);
    const QString before = grid.cell(col, row);
    if (before == text || col >= grid.colCount() || row >= grid.rowCount()) return;
    grid.setCell(col, row, text);
    record(cellEdit(table, grid.colId(col), grid.rowId(row), before, text));
    m_changes.push_back({ViewChange::Cell, table, col, row});
}

void CupEditor::setHeader(const CupHeader& header) {
    const CupHeader before = CupHeader::of(m_cup);
    if (before == header) return;
    header.applyTo(m_cup);
    record(headerEdit(before, header));
    m_changes.push_back({ViewChange::Header});
}

int CupEditor::appendRow(CupTable table, const TCellGrid::Row& cells) {
    TCellGrid& grid = cupTable(m_cup, table);
    const int row = grid.rowCount();
    grid.setRowCount(row + 1);
    for (int col = 0; col < grid.colCount() && col < static_cast<int>(cells.size()); ++col)
        grid.setCell(col, row, cells[static_cast<size_t>(col)]);
    record(rowEdit(table, true, grid.rowId(row), grid.rowId(row - 1), rowCells(grid, row)));
    m_changes.push_back({ViewChange::RowInserted, table, 0, row});
    return row;
}

int CupEditor::appendCol(CupTable table, const std::vector<QString>& cells) {
    TCellGrid& grid = cupTable(m_cup, table);
    const int col = grid.colCount();
    grid.setColCount(col + 1);
    for (int row = 0; row < grid.rowCount() && row < static_cast<int>(cells.size()); ++row)
        grid.setCell(col, row, cells[static_cast<size_t>(row)]);
    record(colEdit(table, true, grid.colId(col), grid.colId(col - 1), colCells(grid, col)));
    m_changes.push_back({ViewChange::Shape, table});
    return col;
}

void CupEditor::removeRow(CupTable table, int row) {
    TCellGrid& grid = cupTable(m_cup, table);
    if (row < 1 || row >= grid.rowCount()) return;
    record(rowEdit(table, false, grid.rowId(row), grid.rowId(row - 1), rowCells(grid, row)));
    grid.removeRow(row);
    m_changes.push_back({ViewChange::RowRemoved, table, 0, row});
}

void CupEditor::removeCol(CupTable table, int col) {
    TCellGrid& grid = cupTable(m_cup, table);
    if (col < 1 || col >= grid.colCount()) return;
    record(colEdit(table, false, grid.colId(col), grid.colId(col - 1), colCells(grid, col)));
    grid.removeCol(col);
    m_changes.push_back({ViewChange::Shape, table});
}

void CupEditor::setFrozen(CupTable table, int cols, int rows) {
    TCellGrid& grid = cupTable(m_cup, table);
    const std::pair before{grid.fixedCols, grid.fixedRows};
    if (before == std::pair{cols, rows}) return;
    grid.fixedCols = cols;
    grid.fixedRows = rows;
    record(freezeEdit(table, before, {cols, rows}));
    m_changes.push_back({ViewChange::Shape, table});
}

namespace {

// What an ordering may change in a table: the order of rows and columns, the frozen headers,
// and in the small tables also cells (renumbering, the points moved between rows).
struct TableBefore {
    CupTable table;
    std::vector<TCellGrid::Id> rowIds;
    std::vector<TCellGrid::Id> colIds;
    std::pair<int, int> frozen;
    std::optional<TCellGrid> cells;
};

} // namespace

void CupEditor::order(std::initializer_list<CupTable> tables,
                      const std::function<void()>& ordering) {
    std::vector<TableBefore> before;
    for (CupTable table : tables) {
        const TCellGrid& grid = cupTable(m_cup, table);
        before.push_back({table, grid.rowIds(), grid.colIds(), {grid.fixedCols, grid.fixedRows},
                          table == CupTable::teil ? std::nullopt : std::optional(grid)});
    }
    ordering();
    for (TableBefore& b : before) {
        const TCellGrid& grid = cupTable(m_cup, b.table);
        record(rowOrderEdit(b.table, b.rowIds, grid.rowIds()));
        record(colOrderEdit(b.table, b.colIds, grid.colIds()));
        if (b.cells) {
            for (int row = 0; row < grid.rowCount(); ++row) {
                const int oldRow = b.cells->findRow(grid.rowId(row));
                for (int col = 0; col < grid.colCount(); ++col) {
                    const QString& old = b.cells->cell(b.cells->findCol(grid.colId(col)), oldRow);
                    if (old != grid.cell(col, row))
                        record(cellEdit(b.table, grid.colId(col), grid.rowId(row), old,
                                        grid.cell(col, row)));
                }
            }
        }
        record(freezeEdit(b.table, b.frozen, {grid.fixedCols, grid.fixedRows}));
        m_changes.push_back({ViewChange::Shape, b.table});
    }
}

} // namespace rzv
