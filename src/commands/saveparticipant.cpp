#include "commands/saveparticipant.h"

#include "cup/ordering.h"

namespace rzv {

TCellGrid::Row participantRow(const TCellGrid& teil, const ParticipantEntry& entry) {
    TCellGrid::Row row(static_cast<size_t>(teil.colCount()));
    for (int col = 0; col < kTeilFixedCols && col < entry.fields.size(); ++col)
        row[static_cast<size_t>(col)] = entry.fields[col];
    for (const auto& [race, result] : entry.results)
        if (const int col = teil.findCol(race); col >= kErstesErgebnis)
            row[static_cast<size_t>(col)] = result;
    return row;
}

SaveParticipantCommand::SaveParticipantCommand(TCupData& cup, TCellGrid::Id participant,
                                               ParticipantEntry entry)
    : CupCommand(cup), m_participant(participant), m_entry(std::move(entry)) {}

void SaveParticipantCommand::change(CupEditor& editor) {
    const TCellGrid& teil = editor.cup().teil;
    const TCellGrid::Row cells = participantRow(teil, m_entry);
    int row = 0;
    if (m_participant == 0) {
        row = editor.appendRow(CupTable::teil, cells);
        setText(QStringLiteral("Teilnehmer hinzufügen (") + participantName(teil, row) + u')');
    } else {
        row = teil.findRow(m_participant);
        if (row < 1) return;
        for (int col = 0; col < teil.colCount(); ++col)
            if (col < kTeilFixedCols || m_entry.results.count(teil.colId(col)))
                editor.setCell(CupTable::teil, col, row, cells[static_cast<size_t>(col)]);
        setText(QStringLiteral("Teilnehmer bearbeiten (") + participantName(teil, row) + u')');
    }
    editor.order({CupTable::teil}, [this] { teilsort(cup(), -1, kName); });
}

} // namespace rzv
