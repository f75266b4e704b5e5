#include "commands/setresult.h"

namespace rzv {

SetResultCommand::SetResultCommand(TCupData& cup, TCellGrid::Id participant, TCellGrid::Id race,
                                   QString result)
    : CupCommand(cup), m_participant(participant), m_race(race), m_result(std::move(result)) {}

void SetResultCommand::change(CupEditor& editor) {
    const TCellGrid& teil = editor.cup().teil;
    const int row = teil.findRow(m_participant);
    const int col = teil.findCol(m_race);
    if (row < 1 || col < kErstesErgebnis) return;
    const QString inRace = QStringLiteral("in Lauf ") + QString::number(col - (kTeilFixedCols - 1)) +
                           QStringLiteral(" für ") + participantName(teil, row);
    setText(m_result.isEmpty() ? QStringLiteral("Ergebnis löschen ") + inRace
                               : QStringLiteral("Ergebnis ") + m_result + u' ' + inRace);
    editor.setCell(CupTable::teil, col, row, m_result);
}

} // namespace rzv
