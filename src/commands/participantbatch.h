#pragma once

#include "commands/saveparticipant.h"

#include <vector>

namespace rzv {

// A result of an existing participant in one race, both named by their identities.
struct ResultEntry {
    TCellGrid::Id participant;
    TCellGrid::Id race;
    QString result;
};

// Many participants and results taken over at once (an import), as one step: the new
// participants are appended, the results written, then the participants are ordered by name.
class ParticipantBatchCommand : public CupCommand {
public:
    ParticipantBatchCommand(TCupData& cup, QString text, std::vector<ParticipantEntry> newParticipants,
                            std::vector<ResultEntry> results);

protected:
    void change(CupEditor& editor) override;

private:
    std::vector<ParticipantEntry> m_newParticipants;
    std::vector<ResultEntry> m_results;
};

} // namespace rzv
