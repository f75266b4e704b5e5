#pragma once

#include "commands/cupcommand.h"

namespace rzv {

// Deleting a race with its result column; the races are renumbered and the minimum and maximum
// participations lowered to the race count.
class DeleteRaceCommand : public CupCommand {
public:
    DeleteRaceCommand(TCupData& cup, TCellGrid::Id race);

protected:
    void change(CupEditor& editor) override;

private:
    TCellGrid::Id m_race;
};

} // namespace rzv
