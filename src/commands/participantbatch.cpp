#include "commands/participantbatch.h"

#include "cup/ordering.h"

namespace rzv {

ParticipantBatchCommand::ParticipantBatchCommand(TCupData& cup, QString text,
                                                 std::vector<ParticipantEntry> newParticipants,
                                                 std::vector<ResultEntry> results)
    : CupCommand(cup), m_newParticipants(std::move(newParticipants)),
      m_results(std::move(results)) {
    setText(text);
}

void ParticipantBatchCommand::change(CupEditor& editor) {
    const TCellGrid& teil = editor.cup().teil;
    for (const ParticipantEntry& entry : m_newParticipants)
        editor.appendRow(CupTable::teil, participantRow(teil, entry));
    for (const ResultEntry& entry : m_results) {
        const int row = teil.findRow(entry.participant);
        const int col = teil.findCol(entry.race);
        if (row >= 1 && col >= kErstesErgebnis) editor.setCell(CupTable::teil, col, row, entry.result);
    }
    editor.order({CupTable::teil}, [this] { teilsort(cup(), -1, kName); });
}

} // namespace rzv
