#pragma once

#include "commands/cupcommand.h"

#include <vector>

namespace rzv {

// Saving in the race editor: a new race with its result column, or the race with the given
// identity (of its result column) changed; then the races are ordered by date. A new race lowers
// the minimum and maximum participations to the race count where needed.
class SaveRaceCommand : public CupCommand {
public:
    // cells: the race-table rows 0 to 33 as the race gets them (row 0 is numbered by the
    // ordering); race 0 adds a new one.
    SaveRaceCommand(TCupData& cup, TCellGrid::Id race, std::vector<QString> cells);

protected:
    void change(CupEditor& editor) override;

private:
    TCellGrid::Id m_race;
    std::vector<QString> m_cells;
};

// After races were added or removed, neither spinner stands above the race count.
void lowerMinMax(CupEditor& editor);

} // namespace rzv
