#pragma once

#include <QString>
#include <cstdint>
#include <vector>

namespace rzv {

// A rectangular grid of text cells addressed (column, row). Row 0 holds captions (in the race
// table column 0 too); captions are ordinary cells. Reading outside the grid yields the empty
// text, writing outside it is dropped. The grid also keeps the view properties that belong to
// the table (column widths and the frozen header counts set by the orderings).
//
// Every row and every column carries an identity that travels with it through exchanges,
// permutations and removals; new rows and columns get identities never used before. An editing
// dialog remembers the identity of the entry it was opened for and finds it again when it saves.
class TCellGrid {
public:
    using Row = std::vector<QString>;
    // New rows keep room for this many more columns: a standing appends its working columns to
    // every participant row, and with the room no row moves to new memory (which, for a large
    // cup, costs more than computing the standing).
    static constexpr int kSpareCols = 3;

    TCellGrid() = default;
    TCellGrid(int colCount, int rowCount) { resize(colCount, rowCount); }

    int colCount() const { return m_cols; }
    int rowCount() const { return static_cast<int>(m_rows.size()); }
    void setColCount(int count);
    void setRowCount(int count);
    void resize(int colCount, int rowCount);

    const QString& cell(int col, int row) const;
    void setCell(int col, int row, const QString& text);

    // Whole rows, for orderings that move rows as a unit.
    const Row& row(int index) const { return m_rows[static_cast<size_t>(index)]; }
    void swapRows(int a, int b);
    void swapCols(int a, int b);
    // Reorders rows first..first+order.size()-1: new row first+i is old row order[i].
    void permuteRows(int first, const std::vector<int>& order);
    // Reorders the columns of every row: new column c is old column order[c].
    void permuteCols(const std::vector<int>& order);
    void removeRow(int row);
    void removeCol(int col);
    // Puts a row or a column back with the identity it had; the cells are fitted to the grid.
    void insertRow(int row, Row cells, std::uint64_t id);
    void insertCol(int col, const std::vector<QString>& cells, std::uint64_t id);
    // Moves one row to another index, the rows between close up.
    void moveRow(int from, int to);

    // Identities of rows and columns, and the current index of an identity (-1 when gone).
    using Id = std::uint64_t;
    Id rowId(int row) const;
    Id colId(int col) const;
    int findRow(Id id) const;
    int findCol(Id id) const;
    const std::vector<Id>& rowIds() const { return m_rowIds; }
    const std::vector<Id>& colIds() const { return m_colIds; }

    // View properties.
    int defaultColWidth = 64;
    int rowHeight = 18;
    int fixedCols = 0;
    int fixedRows = 0;
    int colWidth(int col) const;
    void setColWidth(int col, int width);
    void resetColWidths() { m_colWidths.clear(); }

    bool operator==(const TCellGrid& other) const {
        return m_cols == other.m_cols && m_rows == other.m_rows;
    }

private:
    int m_cols = 0;
    std::vector<Row> m_rows;
    std::vector<int> m_colWidths; // 0 = default width
    std::vector<Id> m_rowIds;
    std::vector<Id> m_colIds;
};

} // namespace rzv
