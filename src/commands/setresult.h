#pragma once

#include "commands/cupcommand.h"

namespace rzv {

// A result stored by fast result entry: the participant's result in one race, both named by
// their identities (the participant's row, the race's result column).
class SetResultCommand : public CupCommand {
public:
    SetResultCommand(TCupData& cup, TCellGrid::Id participant, TCellGrid::Id race, QString result);

protected:
    void change(CupEditor& editor) override;

private:
    TCellGrid::Id m_participant;
    TCellGrid::Id m_race;
    QString m_result;
};

} // namespace rzv
