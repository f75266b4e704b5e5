#include "commands/mergeparticipants.h"

namespace rzv {

std::vector<MergeConflict> mergeConflicts(const TCellGrid& teil, int kept, int other) {
    std::vector<MergeConflict> conflicts;
    for (int col = kErstesErgebnis; col < teil.colCount(); ++col) {
        const QString& mine = teil.cell(col, kept);
        const QString& theirs = teil.cell(col, other);
        if (!mine.isEmpty() && !theirs.isEmpty() && mine != theirs)
            conflicts.push_back({teil.colId(col), col, mine, theirs});
    }
    return conflicts;
}

MergeParticipantsCommand::MergeParticipantsCommand(TCupData& cup, TCellGrid::Id kept,
                                                   TCellGrid::Id other, std::set<TCellGrid::Id> takeOther)
    : CupCommand(cup), m_kept(kept), m_other(other), m_takeOther(std::move(takeOther)) {}

void MergeParticipantsCommand::change(CupEditor& editor) {
    const TCellGrid& teil = editor.cup().teil;
    const int kept = teil.findRow(m_kept);
    const int other = teil.findRow(m_other);
    if (kept < 1 || other < 1 || kept == other) return;
    setText(QStringLiteral("Teilnehmer zusammenführen (%1 in %2)")
                .arg(participantName(teil, other), participantName(teil, kept)));
    for (int col = kErstesErgebnis; col < teil.colCount(); ++col) {
        const QString theirs = teil.cell(col, other);
        const QString& mine = teil.cell(col, kept);
        if (theirs.isEmpty() || theirs == mine) continue;
        if (mine.isEmpty() || m_takeOther.count(teil.colId(col)) > 0)
            editor.setCell(CupTable::teil, col, kept, theirs);
    }
    editor.removeRow(CupTable::teil, teil.findRow(m_other));
}

} // namespace rzv
