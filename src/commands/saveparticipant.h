#pragma once

#include "commands/cupcommand.h"

#include <QStringList>
#include <map>

namespace rzv {

// A participant as an editor or an import gives it: the eight fixed columns ("Name" to
// "ggf. Cup") and the results by race (the identity of the race's result column).
struct ParticipantEntry {
    QStringList fields;
    std::map<TCellGrid::Id, QString> results;
};

// The participant row of an entry, fitted to the participant table.
TCellGrid::Row participantRow(const TCellGrid& teil, const ParticipantEntry& entry);

// Saving in the participant editor: a new participant, or the participant with the given
// identity changed; then the participants are ordered by name.
class SaveParticipantCommand : public CupCommand {
public:
    // participant 0 adds a new one.
    SaveParticipantCommand(TCupData& cup, TCellGrid::Id participant, ParticipantEntry entry);

protected:
    void change(CupEditor& editor) override;

private:
    TCellGrid::Id m_participant;
    ParticipantEntry m_entry;
};

} // namespace rzv
