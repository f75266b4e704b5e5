#include "commands/cupedits.h"

#include <algorithm>
#include <tuple>
#include <unordered_map>

namespace rzv {

TCellGrid& cupTable(TCupContent& cup, CupTable table) {
    switch (table) {
    case CupTable::ag:
        return cup.ag;
    case CupTable::cv:
        return cup.cv;
    case CupTable::pv:
        return cup.pv;
    case CupTable::laufe:
        return cup.laufe;
    case CupTable::teil:
        break;
    }
    return cup.teil;
}

const TCellGrid& cupTable(const TCupContent& cup, CupTable table) {
    return cupTable(const_cast<TCupContent&>(cup), table);
}

CupHeader CupHeader::of(const TCupContent& cup) {
    return {cup.name, cup.veranstalter, cup.kategorie, cup.min, cup.max};
}

void CupHeader::applyTo(TCupContent& cup) const {
    cup.name = name;
    cup.veranstalter = veranstalter;
    cup.kategorie = kategorie;
    cup.min = min;
    cup.max = max;
}

IdCells rowCells(const TCellGrid& grid, int row) {
    IdCells cells;
    for (int col = 0; col < grid.colCount(); ++col)
        if (!grid.cell(col, row).isEmpty()) cells.emplace_back(grid.colId(col), grid.cell(col, row));
    return cells;
}

IdCells colCells(const TCellGrid& grid, int col) {
    IdCells cells;
    for (int row = 0; row < grid.rowCount(); ++row)
        if (!grid.cell(col, row).isEmpty()) cells.emplace_back(grid.rowId(row), grid.cell(col, row));
    return cells;
}

namespace {

using Id = TCellGrid::Id;
using Ids = std::vector<Id>;

// An edit whose taking back is the same change in the other direction.
class TwoWayEdit : public CupEdit {
public:
    void apply(TCupContent& cup, ViewChanges& changes) const override { make(cup, changes, true); }
    void revert(TCupContent& cup, ViewChanges& changes) const override { make(cup, changes, false); }

protected:
    virtual void make(TCupContent& cup, ViewChanges& changes, bool forward) const = 0;
};

class CellEdit : public TwoWayEdit {
public:
    CellEdit(CupTable table, Id col, Id row, QString before, QString after)
        : m_table(table), m_col(col), m_row(row), m_before(std::move(before)),
          m_after(std::move(after)) {}

protected:
    void make(TCupContent& cup, ViewChanges& changes, bool forward) const override {
        TCellGrid& grid = cupTable(cup, m_table);
        const int col = grid.findCol(m_col);
        const int row = grid.findRow(m_row);
        if (col < 0 || row < 0) return;
        grid.setCell(col, row, forward ? m_after : m_before);
        changes.push_back({ViewChange::Cell, m_table, col, row});
    }

private:
    CupTable m_table;
    Id m_col;
    Id m_row;
    QString m_before;
    QString m_after;
};

class HeaderEdit : public TwoWayEdit {
public:
    HeaderEdit(CupHeader before, CupHeader after)
        : m_before(std::move(before)), m_after(std::move(after)) {}

protected:
    void make(TCupContent& cup, ViewChanges& changes, bool forward) const override {
        (forward ? m_after : m_before).applyTo(cup);
        changes.push_back({ViewChange::Header});
    }

private:
    CupHeader m_before;
    CupHeader m_after;
};

// Inserting or removing one row (or column): the same data read in either direction.
class LineEdit : public TwoWayEdit {
public:
    LineEdit(CupTable table, bool isRow, bool inserted, Id id, Id predecessor, IdCells cells)
        : m_table(table), m_isRow(isRow), m_inserted(inserted), m_id(id),
          m_predecessor(predecessor), m_cells(std::move(cells)) {}

protected:
    void make(TCupContent& cup, ViewChanges& changes, bool forward) const override {
        TCellGrid& grid = cupTable(cup, m_table);
        if (forward == m_inserted)
            insert(grid, changes);
        else
            remove(grid, changes);
    }

private:
    void insert(TCellGrid& grid, ViewChanges& changes) const {
        if (m_isRow) {
            const int at = after(grid.findRow(m_predecessor), grid.rowCount());
            TCellGrid::Row cells(static_cast<size_t>(grid.colCount()));
            for (const auto& [col, text] : m_cells)
                if (const int c = grid.findCol(col); c >= 0) cells[static_cast<size_t>(c)] = text;
            grid.insertRow(at, std::move(cells), m_id);
            changes.push_back({ViewChange::RowInserted, m_table, 0, at});
        } else {
            const int at = after(grid.findCol(m_predecessor), grid.colCount());
            std::vector<QString> cells(static_cast<size_t>(grid.rowCount()));
            for (const auto& [row, text] : m_cells)
                if (const int r = grid.findRow(row); r >= 0) cells[static_cast<size_t>(r)] = text;
            grid.insertCol(at, cells, m_id);
            changes.push_back({ViewChange::Shape, m_table});
        }
    }

    void remove(TCellGrid& grid, ViewChanges& changes) const {
        if (m_isRow) {
            const int row = grid.findRow(m_id);
            if (row < 0) return;
            grid.removeRow(row);
            changes.push_back({ViewChange::RowRemoved, m_table, 0, row});
        } else {
            grid.removeCol(grid.findCol(m_id));
            changes.push_back({ViewChange::Shape, m_table});
        }
    }

    // The place after the predecessor; at the end when it is gone.
    static int after(int predecessor, int count) { return predecessor < 0 ? count : predecessor + 1; }

    CupTable m_table;
    bool m_isRow;
    bool m_inserted;
    Id m_id;
    Id m_predecessor;
    IdCells m_cells;
};

// One row that moved elsewhere while the others kept their order: the row and its upper
// neighbour before and after.
class MovedRowEdit : public TwoWayEdit {
public:
    MovedRowEdit(CupTable table, Id row, Id before, Id after)
        : m_table(table), m_row(row), m_before(before), m_after(after) {}

protected:
    void make(TCupContent& cup, ViewChanges& changes, bool forward) const override {
        TCellGrid& grid = cupTable(cup, m_table);
        const int from = grid.findRow(m_row);
        const int neighbour = grid.findRow(forward ? m_after : m_before);
        if (from < 0 || neighbour < 0) return;
        grid.moveRow(from, neighbour < from ? neighbour + 1 : neighbour);
        changes.push_back({ViewChange::Shape, m_table});
    }

private:
    CupTable m_table;
    Id m_row;
    Id m_before;
    Id m_after;
};

// A new order of rows or columns, named by identities, before and after.
class OrderEdit : public TwoWayEdit {
public:
    OrderEdit(CupTable table, Ids before, Ids after)
        : m_table(table), m_before(std::move(before)), m_after(std::move(after)) {}

protected:
    void make(TCupContent& cup, ViewChanges& changes, bool forward) const override {
        if (reorder(cupTable(cup, m_table), forward ? m_after : m_before))
            changes.push_back({ViewChange::Shape, m_table});
    }
    virtual bool reorder(TCellGrid& grid, const Ids& wanted) const = 0;

private:
    CupTable m_table;
    Ids m_before;
    Ids m_after;
};

// The rows of a changed part of the order: they are put into the places they hold now, in the
// order wanted.
class RowSegmentEdit : public OrderEdit {
public:
    using OrderEdit::OrderEdit;

protected:
    bool reorder(TCellGrid& grid, const Ids& wanted) const override {
        std::unordered_map<Id, int> index;
        for (int row = 0; row < grid.rowCount(); ++row)
            index.emplace(grid.rowId(row), row);
        std::vector<int> rows;
        for (Id id : wanted)
            if (const auto it = index.find(id); it != index.end()) rows.push_back(it->second);
        std::vector<int> places = rows;
        std::sort(places.begin(), places.end());
        std::vector<int> order(static_cast<size_t>(grid.rowCount()));
        for (size_t i = 0; i < order.size(); ++i)
            order[i] = static_cast<int>(i);
        for (size_t i = 0; i < places.size(); ++i)
            order[static_cast<size_t>(places[i])] = rows[i];
        grid.permuteRows(0, order);
        return true;
    }
};

// All columns in a new order; a table whose columns are not those of the order stays as it is.
class ColOrderEdit : public OrderEdit {
public:
    using OrderEdit::OrderEdit;

protected:
    bool reorder(TCellGrid& grid, const Ids& wanted) const override {
        if (static_cast<int>(wanted.size()) != grid.colCount()) return false;
        std::vector<int> order;
        for (Id id : wanted) {
            const int col = grid.findCol(id);
            if (col < 0) return false;
            order.push_back(col);
        }
        grid.permuteCols(order);
        return true;
    }
};

class FreezeEdit : public TwoWayEdit {
public:
    FreezeEdit(CupTable table, std::pair<int, int> before, std::pair<int, int> after)
        : m_table(table), m_before(before), m_after(after) {}

protected:
    void make(TCupContent& cup, ViewChanges& changes, bool forward) const override {
        TCellGrid& grid = cupTable(cup, m_table);
        std::tie(grid.fixedCols, grid.fixedRows) = forward ? m_after : m_before;
        changes.push_back({ViewChange::Shape, m_table});
    }

private:
    CupTable m_table;
    std::pair<int, int> m_before;
    std::pair<int, int> m_after;
};

} // namespace

std::unique_ptr<CupEdit> cellEdit(CupTable table, Id col, Id row, QString before, QString after) {
    return std::make_unique<CellEdit>(table, col, row, std::move(before), std::move(after));
}

std::unique_ptr<CupEdit> headerEdit(CupHeader before, CupHeader after) {
    return std::make_unique<HeaderEdit>(std::move(before), std::move(after));
}

std::unique_ptr<CupEdit> rowEdit(CupTable table, bool inserted, Id id, Id predecessor,
                                 IdCells cells) {
    return std::make_unique<LineEdit>(table, true, inserted, id, predecessor, std::move(cells));
}

std::unique_ptr<CupEdit> colEdit(CupTable table, bool inserted, Id id, Id predecessor,
                                 IdCells cells) {
    return std::make_unique<LineEdit>(table, false, inserted, id, predecessor, std::move(cells));
}

std::unique_ptr<CupEdit> rowOrderEdit(CupTable table, const Ids& before, const Ids& after) {
    if (before.size() != after.size()) return nullptr;
    size_t first = 0;
    while (first < before.size() && before[first] == after[first])
        ++first;
    if (first == before.size()) return nullptr;
    size_t last = before.size() - 1;
    while (before[last] == after[last])
        --last;
    const auto b = before.begin();
    const auto a = after.begin();
    const auto from = static_cast<std::ptrdiff_t>(first);
    const auto to = static_cast<std::ptrdiff_t>(last);
    // One row moved up from `last` to `first`, or down from `first` to `last`.
    const bool movedUp = after[first] == before[last] && std::equal(b + from, b + to, a + from + 1);
    const bool movedDown =
        before[first] == after[last] && std::equal(b + from + 1, b + to + 1, a + from);
    if (first > 0 && (movedUp || movedDown)) {
        const Id row = movedUp ? after[first] : before[first];
        const size_t beforeAt = movedUp ? last : first;
        const size_t afterAt = movedUp ? first : last;
        return std::make_unique<MovedRowEdit>(table, row, before[beforeAt - 1], after[afterAt - 1]);
    }
    return std::make_unique<RowSegmentEdit>(table, Ids(b + from, b + to + 1),
                                            Ids(a + from, a + to + 1));
}

std::unique_ptr<CupEdit> colOrderEdit(CupTable table, Ids before, Ids after) {
    if (before == after) return nullptr;
    return std::make_unique<ColOrderEdit>(table, std::move(before), std::move(after));
}

std::unique_ptr<CupEdit> freezeEdit(CupTable table, std::pair<int, int> before,
                                    std::pair<int, int> after) {
    if (before == after) return nullptr;
    return std::make_unique<FreezeEdit>(table, before, after);
}

} // namespace rzv
