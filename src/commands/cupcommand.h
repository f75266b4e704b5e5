#pragma once

#include "commands/cupeditor.h"

#include <QUndoCommand>

namespace rzv {

class TCupData;

// One step of the cup's history. The change is made once through a CupEditor, which records
// what it changed; undo and redo then replay that record, finding rows and columns by their
// identities. A step keeps only what it changed, never a copy of the cup.
class CupCommand : public QUndoCommand {
public:
    explicit CupCommand(TCupData& cup);

    void undo() override;
    void redo() override;

    // Makes the change for the first time. An error that stops it leaves what was changed up
    // to then recorded.
    void perform();
    bool changedSomething() const { return !m_edits.empty(); }

protected:
    // The change itself; sets the step's text.
    virtual void change(CupEditor& editor) = 0;
    TCupData& cup() { return m_cup; }

private:
    TCupData& m_cup;
    CupEdits m_edits;
    bool m_performed = false;
    bool m_redoPending = false;
};

// Makes the change of a command and keeps it in the cup's history as one step, when it changed
// anything. An error that stopped the change is passed on after the part made was kept.
void runCommand(TCupData& cup, std::unique_ptr<CupCommand> command);

// Tells the views what a change did: single cells and rows where that is all, else the whole
// tables; and tells the document's status of the change.
void showChanges(TCupData& cup, const ViewChanges& changes);

// "Name, Vorname" of a participant row, as steps name participants.
QString participantName(const TCellGrid& teil, int row);

} // namespace rzv
