#pragma once

#include "commands/cupedits.h"

#include <functional>
#include <initializer_list>

namespace rzv {

// Changes the cup and records every change it makes, so that the step it belongs to can be
// taken back and made again. Commands change the cup only through it.
class CupEditor {
public:
    CupEditor(TCupContent& cup, CupEdits& edits, ViewChanges& changes);

    const TCupContent& cup() const { return m_cup; }

    void setCell(CupTable table, int col, int row, const QString& text);
    void setHeader(const CupHeader& header);
    // Appends a row (column) with these cells; returns its index.
    int appendRow(CupTable table, const TCellGrid::Row& cells);
    int appendCol(CupTable table, const std::vector<QString>& cells);
    void removeRow(CupTable table, int row);
    void removeCol(CupTable table, int col);
    void setFrozen(CupTable table, int cols, int rows);

    // Runs an ordering of the given tables and records what it moved and rewrote. An ordering
    // that stops with an error has changed nothing.
    void order(std::initializer_list<CupTable> tables, const std::function<void()>& ordering);

private:
    void record(std::unique_ptr<CupEdit> edit);

    TCupContent& m_cup;
    CupEdits& m_edits;
    ViewChanges& m_changes;
};

} // namespace rzv
