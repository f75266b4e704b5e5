#pragma once

#include "cup/cellgrid.h"

#include <QAbstractTableModel>

namespace rzv {

// A read-only table model over one cup table. The frozen caption rows and columns of the grid
// are not part of the model: the view shows them in its headers, so the model's (0, 0) is the
// grid's first scrolled cell. The shape is taken when the model is reset, so a grid that changes
// shape is only seen after reload().
class CellGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit CellGridModel(const TCellGrid& grid, QObject* parent = nullptr);

    const TCellGrid& grid() const { return m_grid; }
    int fixedCols() const { return m_fixedCols; }
    int fixedRows() const { return m_fixedRows; }

    // Takes the grid's current shape and frozen headers.
    void reload();
    // Smaller changes of the grid, told after they happened: one cell (a caption cell updates
    // the headers), one data row inserted or removed while the frozen headers stay as they are.
    void cellChanged(int gridCol, int gridRow);
    void rowInserted(int gridRow);
    void rowRemoved(int gridRow);

    int gridCol(int modelCol) const { return modelCol + m_fixedCols; }
    int gridRow(int modelRow) const { return modelRow + m_fixedRows; }
    QModelIndex indexOfCell(int gridCol, int gridRow) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    const TCellGrid& m_grid;
    int m_fixedCols = 0;
    int m_fixedRows = 0;
    int m_rows = 0;
    int m_cols = 0;
};

} // namespace rzv
