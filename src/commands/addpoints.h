#pragma once

#include "commands/cupcommand.h"

namespace rzv {

// Adding a points value in the points editor; a value already in the table adds nothing. The
// points are ordered and renumbered in either case.
class AddPointsCommand : public CupCommand {
public:
    AddPointsCommand(TCupData& cup, int points);

protected:
    void change(CupEditor& editor) override;

private:
    int m_points;
};

} // namespace rzv
