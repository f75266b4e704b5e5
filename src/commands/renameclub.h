#pragma once

#include "commands/cupcommand.h"

namespace rzv {

// One spelling of a club replaced by another for every participant who has it.
class RenameClubCommand : public CupCommand {
public:
    RenameClubCommand(TCupData& cup, QString from, QString to);

protected:
    void change(CupEditor& editor) override;

private:
    QString m_from;
    QString m_to;
};

} // namespace rzv
