#pragma once

#include "cup/cupdata.h"

#include <memory>
#include <utility>
#include <vector>

namespace rzv {

enum class CupTable { ag, cv, pv, laufe, teil };
TCellGrid& cupTable(TCupContent& cup, CupTable table);
const TCellGrid& cupTable(const TCupContent& cup, CupTable table);

// The header fields of the cup, taken and put back as a whole.
struct CupHeader {
    QString name;
    QString veranstalter;
    int kategorie = 0;
    int min = 1;
    int max = 1;

    static CupHeader of(const TCupContent& cup);
    void applyTo(TCupContent& cup) const;
    bool operator==(const CupHeader&) const = default;
};

// What a change means to the views of the tables: one cell, one row more or less, the header
// fields, or anything else (the views then take the whole table again).
struct ViewChange {
    enum Kind { Cell, RowInserted, RowRemoved, Header, Shape };
    Kind kind;
    CupTable table = CupTable::teil;
    int col = 0;
    int row = 0;
};
using ViewChanges = std::vector<ViewChange>;

// The cells of one row or column, each with the identity of the column or row it stands in, so
// that they go back to their places whatever the order of the table is by then.
using IdCells = std::vector<std::pair<TCellGrid::Id, QString>>;

// One recorded change of the cup that can be made again and taken back. It finds its rows and
// columns by their identities, never by their positions.
class CupEdit {
public:
    virtual ~CupEdit() = default;
    virtual void apply(TCupContent& cup, ViewChanges& changes) const = 0;
    virtual void revert(TCupContent& cup, ViewChanges& changes) const = 0;
};
using CupEdits = std::vector<std::unique_ptr<const CupEdit>>;

std::unique_ptr<CupEdit> cellEdit(CupTable table, TCellGrid::Id col, TCellGrid::Id row,
                                  QString before, QString after);
std::unique_ptr<CupEdit> headerEdit(CupHeader before, CupHeader after);
// A row that was inserted (or removed) after the row `predecessor`.
std::unique_ptr<CupEdit> rowEdit(CupTable table, bool inserted, TCellGrid::Id id,
                                 TCellGrid::Id predecessor, IdCells cells);
// A column that was inserted (or removed) after the column `predecessor`.
std::unique_ptr<CupEdit> colEdit(CupTable table, bool inserted, TCellGrid::Id id,
                                 TCellGrid::Id predecessor, IdCells cells);
// A new order of the rows; keeps only the part of the order that changed (one moved row as its
// neighbours). Null when the order did not change.
std::unique_ptr<CupEdit> rowOrderEdit(CupTable table, const std::vector<TCellGrid::Id>& before,
                                      const std::vector<TCellGrid::Id>& after);
std::unique_ptr<CupEdit> colOrderEdit(CupTable table, std::vector<TCellGrid::Id> before,
                                      std::vector<TCellGrid::Id> after);
// The frozen header counts, as {columns, rows}.
std::unique_ptr<CupEdit> freezeEdit(CupTable table, std::pair<int, int> before,
                                    std::pair<int, int> after);

// The cells of row `row` by column identity, and of column `col` by row identity; empty cells
// are left out.
IdCells rowCells(const TCellGrid& grid, int row);
IdCells colCells(const TCellGrid& grid, int col);

} // namespace rzv
