#include "commands/renameclub.h"

namespace rzv {

RenameClubCommand::RenameClubCommand(TCupData& cup, QString from, QString to)
    : CupCommand(cup), m_from(std::move(from)), m_to(std::move(to)) {}

void RenameClubCommand::change(CupEditor& editor) {
    if (m_from == m_to) return;
    setText(QStringLiteral("Verein umbenennen (%1 → %2)").arg(m_from, m_to));
    const TCellGrid& teil = editor.cup().teil;
    for (int row = 1; row < teil.rowCount(); ++row)
        if (teil.cell(kVerein, row) == m_from) editor.setCell(CupTable::teil, kVerein, row, m_to);
}

} // namespace rzv
