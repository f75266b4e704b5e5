#pragma once

#include "commands/cupedits.h"

#include <QUndoCommand>

namespace rzv {

class TCupData;

// A change of the header fields on the "Cup" tab: typing in a field (consecutive typing in one
// field is one step), choosing a category, a spinner step with its coupling.
class HeaderCommand : public QUndoCommand {
public:
    enum Field { Name, Veranstalter, Kategorie, Min, Max };

    // `after` is the whole header as the change leaves it.
    HeaderCommand(TCupData& cup, Field field, CupHeader after);

    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

private:
    void describe();

    TCupData& m_cup;
    Field m_field;
    CupHeader m_before;
    CupHeader m_after;
};

// Keeps a header change in the cup's history as one step; nothing happens when it changes
// nothing.
void changeHeader(TCupData& cup, HeaderCommand::Field field, const CupHeader& after);

} // namespace rzv
