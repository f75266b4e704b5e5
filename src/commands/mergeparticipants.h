#pragma once

#include "commands/cupcommand.h"

#include <set>
#include <vector>

namespace rzv {

// A race in which both participants of a merge have a result, and the two differ.
struct MergeConflict {
    TCellGrid::Id race; // the identity of the race's result column
    int col;
    QString kept;
    QString other;
};

// The conflicts of merging the participant in row `other` into the one in row `kept`, in race
// order.
std::vector<MergeConflict> mergeConflicts(const TCellGrid& teil, int kept, int other);

// One runner entered twice made one: the kept participant takes the other's results in the races
// where it has none, and in the conflicting races named by `takeOther` (elsewhere it keeps its
// own); then the other participant is deleted. Its own name, club and start number stay.
class MergeParticipantsCommand : public CupCommand {
public:
    MergeParticipantsCommand(TCupData& cup, TCellGrid::Id kept, TCellGrid::Id other,
                             std::set<TCellGrid::Id> takeOther = {});

protected:
    void change(CupEditor& editor) override;

private:
    TCellGrid::Id m_kept;
    TCellGrid::Id m_other;
    std::set<TCellGrid::Id> m_takeOther;
};

} // namespace rzv
