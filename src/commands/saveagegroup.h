#pragma once

#include "commands/cupcommand.h"

namespace rzv {

// Saving in the age-group editor: a new group, or the group with the given identity changed,
// its participants following the new designations; then the groups are ordered by age.
class SaveAgeGroupCommand : public CupCommand {
public:
    // group 0 adds a new one.
    SaveAgeGroupCommand(TCupData& cup, TCellGrid::Id group, QString weib, QString mann, int alter);

protected:
    void change(CupEditor& editor) override;

private:
    TCellGrid::Id m_group;
    QString m_weib;
    QString m_mann;
    QString m_alter;
};

} // namespace rzv
