#include "commands/cupcommand.h"

#include "cup/errors.h"

#include <QUndoStack>
#include <optional>

namespace rzv {

CupCommand::CupCommand(TCupData& cup) : m_cup(cup) {}

void CupCommand::perform() {
    ViewChanges changes;
    CupEditor editor(m_cup, m_edits, changes);
    m_performed = true;
    m_redoPending = true; // the stack's first redo finds the change made
    try {
        change(editor);
    } catch (const RzvError&) {
        showChanges(m_cup, changes);
        throw;
    }
    showChanges(m_cup, changes);
}

void CupCommand::redo() {
    if (m_redoPending) {
        m_redoPending = false;
        return;
    }
    if (!m_performed) {
        perform();
        return;
    }
    ViewChanges changes;
    for (const auto& edit : m_edits)
        edit->apply(m_cup, changes);
    showChanges(m_cup, changes);
}

void CupCommand::undo() {
    ViewChanges changes;
    for (auto it = m_edits.rbegin(); it != m_edits.rend(); ++it)
        (*it)->revert(m_cup, changes);
    showChanges(m_cup, changes);
}

void runCommand(TCupData& cup, std::unique_ptr<CupCommand> command) {
    std::optional<RzvError> error;
    try {
        command->perform();
    } catch (const RzvError& stopped) {
        error = stopped;
    }
    if (command->changedSomething()) cup.history().push(command.release());
    if (error) throw *error;
}

void showChanges(TCupData& cup, const ViewChanges& changes) {
    // Whoever follows the changes (the status bar, the recovery copy) hears of every step.
    Q_EMIT cup.statusChanged();
    // Beyond a few cells a fresh look at the tables is cheaper than a signal per cell.
    constexpr size_t kFewCells = 64;
    int structural = 0;
    bool whole = changes.size() > kFewCells;
    for (const ViewChange& change : changes) {
        if (change.kind == ViewChange::Shape) whole = true;
        if (change.kind == ViewChange::RowInserted || change.kind == ViewChange::RowRemoved)
            ++structural;
    }
    if (whole || structural > 1) {
        cup.notifyTablesChanged();
        return;
    }
    for (const ViewChange& change : changes) {
        const TCellGrid& grid = cupTable(cup, change.table);
        switch (change.kind) {
        case ViewChange::Cell:
            Q_EMIT cup.cellChanged(grid, change.col, change.row);
            break;
        case ViewChange::RowInserted:
            Q_EMIT cup.rowInserted(grid, change.row);
            break;
        case ViewChange::RowRemoved:
            Q_EMIT cup.rowRemoved(grid, change.row);
            break;
        case ViewChange::Header:
            Q_EMIT cup.headerChanged();
            break;
        case ViewChange::Shape:
            break;
        }
    }
}

QString participantName(const TCellGrid& teil, int row) {
    return teil.cell(kName, row) + QStringLiteral(", ") + teil.cell(kVorname, row);
}

} // namespace rzv
