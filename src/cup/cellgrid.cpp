#include "cup/cellgrid.h"

#include <algorithm>
#include <atomic>
#include <utility>

namespace rzv {

namespace {
const QString kEmpty;

TCellGrid::Id nextId() {
    static std::atomic<TCellGrid::Id> counter{0};
    return ++counter;
}

void resizeIds(std::vector<TCellGrid::Id>& ids, int count) {
    const size_t old = ids.size();
    ids.resize(static_cast<size_t>(count));
    for (size_t i = old; i < ids.size(); ++i) ids[i] = nextId();
}

template <typename T>
void permute(std::vector<T>& items, int first, const std::vector<int>& order) {
    std::vector<T> moved;
    moved.reserve(order.size());
    for (int from : order) moved.push_back(std::move(items[static_cast<size_t>(from)]));
    std::move(moved.begin(), moved.end(), items.begin() + first);
}

int indexOf(const std::vector<TCellGrid::Id>& ids, TCellGrid::Id id) {
    const auto it = std::find(ids.begin(), ids.end(), id);
    return it == ids.end() ? -1 : static_cast<int>(it - ids.begin());
}
} // namespace

void TCellGrid::setColCount(int count) {
    m_cols = std::max(0, count);
    resizeIds(m_colIds, m_cols);
    for (Row& r : m_rows) r.resize(static_cast<size_t>(m_cols));
    if (m_colWidths.size() > static_cast<size_t>(m_cols)) m_colWidths.resize(static_cast<size_t>(m_cols));
}

void TCellGrid::setRowCount(int count) {
    const size_t old = m_rows.size();
    m_rows.resize(static_cast<size_t>(std::max(0, count)));
    for (size_t i = old; i < m_rows.size(); ++i) {
        m_rows[i].reserve(static_cast<size_t>(m_cols + kSpareCols));
        m_rows[i].resize(static_cast<size_t>(m_cols));
    }
    resizeIds(m_rowIds, rowCount());
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
    std::swap(m_rowIds[static_cast<size_t>(a)], m_rowIds[static_cast<size_t>(b)]);
}

void TCellGrid::swapCols(int a, int b) {
    if (a < 0 || b < 0 || a >= m_cols || b >= m_cols) return;
    for (Row& r : m_rows) std::swap(r[static_cast<size_t>(a)], r[static_cast<size_t>(b)]);
    std::swap(m_colIds[static_cast<size_t>(a)], m_colIds[static_cast<size_t>(b)]);
}

void TCellGrid::permuteRows(int first, const std::vector<int>& order) {
    permute(m_rows, first, order);
    permute(m_rowIds, first, order);
}

void TCellGrid::permuteCols(const std::vector<int>& order) {
    Row moved(order.size());
    for (Row& r : m_rows) {
        for (size_t c = 0; c < order.size(); ++c) moved[c] = std::move(r[static_cast<size_t>(order[c])]);
        std::swap(r, moved);
        moved.resize(order.size());
    }
    permute(m_colIds, 0, order);
}

void TCellGrid::removeRow(int row) {
    if (row < 0 || row >= rowCount()) return;
    m_rows.erase(m_rows.begin() + row);
    m_rowIds.erase(m_rowIds.begin() + row);
}

void TCellGrid::removeCol(int col) {
    if (col < 0 || col >= m_cols) return;
    for (Row& r : m_rows) r.erase(r.begin() + col);
    m_colIds.erase(m_colIds.begin() + col);
    --m_cols;
    // Widths belong to the column positions, not to the cells that move through them.
    if (m_colWidths.size() > static_cast<size_t>(m_cols)) m_colWidths.resize(static_cast<size_t>(m_cols));
}

void TCellGrid::insertRow(int row, Row cells, Id id) {
    row = std::clamp(row, 0, rowCount());
    cells.resize(static_cast<size_t>(m_cols));
    m_rows.insert(m_rows.begin() + row, std::move(cells));
    m_rowIds.insert(m_rowIds.begin() + row, id);
}

void TCellGrid::insertCol(int col, const std::vector<QString>& cells, Id id) {
    col = std::clamp(col, 0, m_cols);
    for (size_t r = 0; r < m_rows.size(); ++r)
        m_rows[r].insert(m_rows[r].begin() + col, r < cells.size() ? cells[r] : QString());
    m_colIds.insert(m_colIds.begin() + col, id);
    ++m_cols;
}

void TCellGrid::moveRow(int from, int to) {
    if (from < 0 || from >= rowCount() || to < 0 || to >= rowCount() || from == to) return;
    const auto rotate = [from, to](auto& items) {
        const auto a = items.begin() + from;
        const auto b = items.begin() + to;
        if (from < to)
            std::rotate(a, a + 1, b + 1);
        else
            std::rotate(b, a, a + 1);
    };
    rotate(m_rows);
    rotate(m_rowIds);
}

TCellGrid::Id TCellGrid::rowId(int row) const {
    return row >= 0 && row < rowCount() ? m_rowIds[static_cast<size_t>(row)] : 0;
}

TCellGrid::Id TCellGrid::colId(int col) const {
    return col >= 0 && col < m_cols ? m_colIds[static_cast<size_t>(col)] : 0;
}

int TCellGrid::findRow(Id id) const { return indexOf(m_rowIds, id); }

int TCellGrid::findCol(Id id) const { return indexOf(m_colIds, id); }

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
