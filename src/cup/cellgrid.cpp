#include "cup/cellgrid.h"

#include <algorithm>
#include <utility>

namespace rzv {

namespace {
const QString kEmpty;
}

void TCellGrid::setColCount(int count) {
    m_cols = std::max(0, count);
    for (Row& r : m_rows) r.resize(static_cast<size_t>(m_cols));
    if (m_colWidths.size() > static_cast<size_t>(m_cols)) m_colWidths.resize(static_cast<size_t>(m_cols));
}

void TCellGrid::setRowCount(int count) {
    m_rows.resize(static_cast<size_t>(std::max(0, count)), Row(static_cast<size_t>(m_cols)));
}

void TCellGrid::resize(int colCount, int rowCount) {
    setColCount(colCount);
    setRowCount(rowCount);
}

const QString& TCellGrid::cell(int col, int row) const {
    if (col < 0 || row < 0 || col >= m_cols || row >= rowCount()) return kEmpty;
    return m_rows[static_cast<size_t>(row)][static_cast<size_t>(col)];
}

void TCellGrid::setCell(int col, int row, const QString& text) {
    if (col < 0 || row < 0 || col >= m_cols || row >= rowCount()) return;
    m_rows[static_cast<size_t>(row)][static_cast<size_t>(col)] = text;
}

void TCellGrid::swapRows(int a, int b) {
    std::swap(m_rows[static_cast<size_t>(a)], m_rows[static_cast<size_t>(b)]);
}

void TCellGrid::swapCols(int a, int b) {
    if (a < 0 || b < 0 || a >= m_cols || b >= m_cols) return;
    for (Row& r : m_rows) std::swap(r[static_cast<size_t>(a)], r[static_cast<size_t>(b)]);
}

void TCellGrid::permuteRows(int first, const std::vector<int>& order) {
    std::vector<Row> moved;
    moved.reserve(order.size());
    for (int from : order) moved.push_back(std::move(m_rows[static_cast<size_t>(from)]));
    std::move(moved.begin(), moved.end(), m_rows.begin() + first);
}

void TCellGrid::permuteCols(const std::vector<int>& order) {
    Row moved(order.size());
    for (Row& r : m_rows) {
        for (size_t c = 0; c < order.size(); ++c) moved[c] = std::move(r[static_cast<size_t>(order[c])]);
        std::swap(r, moved);
        moved.resize(order.size());
    }
}

void TCellGrid::removeRow(int row) {
    if (row < 0 || row >= rowCount()) return;
    m_rows.erase(m_rows.begin() + row);
}

void TCellGrid::removeCol(int col) {
    if (col < 0 || col >= m_cols) return;
    for (Row& r : m_rows) r.erase(r.begin() + col);
    --m_cols;
    // Widths belong to the column positions, not to the cells that move through them.
    if (m_colWidths.size() > static_cast<size_t>(m_cols)) m_colWidths.resize(static_cast<size_t>(m_cols));
}

int TCellGrid::colWidth(int col) const {
    if (col >= 0 && static_cast<size_t>(col) < m_colWidths.size() && m_colWidths[static_cast<size_t>(col)] > 0)
        return m_colWidths[static_cast<size_t>(col)];
    return defaultColWidth;
}

void TCellGrid::setColWidth(int col, int width) {
    if (col < 0 || col >= m_cols) return;
    if (m_colWidths.size() <= static_cast<size_t>(col)) m_colWidths.resize(static_cast<size_t>(col) + 1, 0);
    m_colWidths[static_cast<size_t>(col)] = width;
}

} // namespace rzv
