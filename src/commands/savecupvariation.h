#pragma once

#include "commands/cupcommand.h"

namespace rzv {

// Saving in the cup-variation editor: a new variation, or the variation with the given identity
// changed, its participants following a new name; then the variations are ordered by name.
class SaveCupVariationCommand : public CupCommand {
public:
    // variation 0 adds a new one; clearRaceTimes empties the races' own time or distance (the
    // first variation turns the races into cup races).
    SaveCupVariationCommand(TCupData& cup, TCellGrid::Id variation, QString name, QString strecke,
                            QString zeit, bool clearRaceTimes = false);

protected:
    void change(CupEditor& editor) override;

private:
    TCellGrid::Id m_variation;
    QString m_name;
    QString m_strecke;
    QString m_zeit;
    bool m_clearRaceTimes;
};

} // namespace rzv
