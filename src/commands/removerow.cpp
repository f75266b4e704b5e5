#include "commands/removerow.h"

#include "cup/ordering.h"

namespace rzv {

namespace {

QString describeRemoval(CupTable table, const TCellGrid& grid, int row) {
    switch (table) {
    case CupTable::teil:
        return QStringLiteral("Teilnehmer löschen (") + participantName(grid, row) + u')';
    case CupTable::ag:
        return QStringLiteral("Altersgruppe löschen (") + grid.cell(0, row) + u'/' +
               grid.cell(1, row) + u')';
    case CupTable::cv:
        return QStringLiteral("Cup-Variation löschen (") + grid.cell(0, row) + u')';
    case CupTable::pv:
        return QStringLiteral("Punktezahl löschen (") + grid.cell(1, row) + u')';
    case CupTable::laufe:
        break;
    }
    return {};
}

} // namespace

RemoveRowCommand::RemoveRowCommand(TCupData& cup, CupTable table, TCellGrid::Id row)
    : CupCommand(cup), m_table(table), m_row(row) {}

void RemoveRowCommand::change(CupEditor& editor) {
    const TCellGrid& grid = cupTable(editor.cup(), m_table);
    const int row = grid.findRow(m_row);
    if (row < 1) return;
    setText(describeRemoval(m_table, grid, row));
    editor.removeRow(m_table, row);
    // Without data rows a table shows no frozen header.
    if (grid.rowCount() <= 1) editor.setFrozen(m_table, 0, 0);
    if (m_table == CupTable::pv) editor.order({CupTable::pv}, [this] { pvsort(cup().pv); });
}

} // namespace rzv
