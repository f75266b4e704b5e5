#pragma once

#include "commands/cupcommand.h"
#include "import/importplan.h"

#include <vector>

namespace rzv {

// An import taken over, as one step: the results of the plan are written, its new participants
// appended, then the participants are ordered by name. All or nothing: when a participant or
// the race the plan was checked against is gone, nothing changes.
class ParticipantBatchCommand : public CupCommand {
public:
    ParticipantBatchCommand(TCupData& cup, const ImportPlan& plan);

protected:
    void change(CupEditor& editor) override;

private:
    int m_race;
    std::vector<ImportParticipant> m_newParticipants;
    std::vector<ImportResult> m_results;
};

// Applies a plan checked against this cup as one step of its history. `rzv import` and the
// import dialog's "Übernehmen" both take this one path.
void applyImport(TCupData& cup, const ImportPlan& plan);

} // namespace rzv
