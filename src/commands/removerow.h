#pragma once

#include "commands/cupcommand.h"

namespace rzv {

// Deleting an entry of a table: a participant, an age group, a cup variation or a points row,
// with all its cells. The points are ordered and renumbered afterwards.
class RemoveRowCommand : public CupCommand {
public:
    RemoveRowCommand(TCupData& cup, CupTable table, TCellGrid::Id row);

protected:
    void change(CupEditor& editor) override;

private:
    CupTable m_table;
    TCellGrid::Id m_row;
};

} // namespace rzv
