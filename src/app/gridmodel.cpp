#include "app/gridmodel.h"

#include <algorithm>

namespace rzv {

CellGridModel::CellGridModel(const TCellGrid& grid, QObject* parent)
    : QAbstractTableModel(parent), m_grid(grid) {
    reload();
}

void CellGridModel::reload() {
    beginResetModel();
    m_fixedCols = std::clamp(m_grid.fixedCols, 0, m_grid.colCount());
    m_fixedRows = std::clamp(m_grid.fixedRows, 0, m_grid.rowCount());
    m_cols = m_grid.colCount() - m_fixedCols;
    m_rows = m_grid.rowCount() - m_fixedRows;
    endResetModel();
}

void CellGridModel::cellChanged(int gridCol, int gridRow) {
    if (gridCol < m_fixedCols || gridRow < m_fixedRows) {
        Q_EMIT headerDataChanged(gridRow < m_fixedRows ? Qt::Horizontal : Qt::Vertical, 0,
                                 std::max(0, (gridRow < m_fixedRows ? m_cols : m_rows) - 1));
        return;
    }
    const QModelIndex cell = indexOfCell(gridCol, gridRow);
    Q_EMIT dataChanged(cell, cell, {Qt::DisplayRole});
}

void CellGridModel::rowInserted(int gridRow) {
    const int row = gridRow - m_fixedRows;
    beginInsertRows({}, row, row);
    ++m_rows;
    endInsertRows();
}

void CellGridModel::rowRemoved(int gridRow) {
    const int row = gridRow - m_fixedRows;
    beginRemoveRows({}, row, row);
    --m_rows;
    endRemoveRows();
}

QModelIndex CellGridModel::indexOfCell(int gridCol, int gridRow) const {
    return index(gridRow - m_fixedRows, gridCol - m_fixedCols);
}

int CellGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int CellGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_cols;
}

QVariant CellGridModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || role != Qt::DisplayRole) return {};
    return m_grid.cell(gridCol(index.column()), gridRow(index.row()));
}

QVariant CellGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Horizontal) {
        if (section < 0 || section >= m_cols || m_fixedRows == 0) return {};
        return m_grid.cell(gridCol(section), 0);
    }
    if (section < 0 || section >= m_rows || m_fixedCols == 0) return {};
    return m_grid.cell(0, gridRow(section));
}

Qt::ItemFlags CellGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable; // every change goes through a dialog
}

} // namespace rzv
