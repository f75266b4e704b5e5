#include "commands/participantbatch.h"

#include "cup/errors.h"
#include "cup/ordering.h"

#include <QHash>

namespace rzv {

ParticipantBatchCommand::ParticipantBatchCommand(TCupData& cup, const ImportPlan& plan)
    : CupCommand(cup), m_race(plan.race), m_newParticipants(plan.newParticipants),
      m_results(plan.results) {
    setText(QStringLiteral("Import (%1 neue Teilnehmer, %2 Ergebnisse)")
                .arg(plan.newParticipants.size())
                .arg(plan.resultsSet()));
}

void ParticipantBatchCommand::change(CupEditor& editor) {
    const TCellGrid& teil = editor.cup().teil;
    if (m_race < 0 || m_race > editor.cup().raceCount())
        throw RzvError(QStringLiteral("Der Cup hat keinen Lauf %1 mehr.").arg(m_race));
    const int column = resultColumn(m_race);
    // Every participant is found before the first change, so that a missing one changes nothing.
    QHash<TCellGrid::Id, int> rows;
    rows.reserve(teil.rowCount());
    for (int row = 1; row < teil.rowCount(); ++row) rows.insert(teil.rowId(row), row);
    std::vector<int> resultRows;
    resultRows.reserve(m_results.size());
    for (const ImportResult& result : m_results) {
        const int row = rows.value(result.participant);
        if (row == 0)
            throw RzvError(QStringLiteral("Den Teilnehmer %1 gibt es nicht mehr; es wurde nichts "
                                          "importiert.")
                               .arg(result.who));
        resultRows.push_back(row);
    }
    for (size_t i = 0; i < m_results.size(); ++i)
        editor.setCell(CupTable::teil, column, resultRows[i], m_results[i].newValue);
    for (const ImportParticipant& p : m_newParticipants) {
        TCellGrid::Row cells(static_cast<size_t>(teil.colCount()));
        std::copy(p.fixed.begin(), p.fixed.begin() + std::min<qsizetype>(p.fixed.size(), kTeilFixedCols),
                  cells.begin());
        if (m_race != 0) cells[static_cast<size_t>(column)] = p.result;
        editor.appendRow(CupTable::teil, cells);
    }
    editor.order({CupTable::teil}, [this] { teilsort(cup(), -1, kName); });
}

void applyImport(TCupData& cup, const ImportPlan& plan) {
    runCommand(cup, std::make_unique<ParticipantBatchCommand>(cup, plan));
}

} // namespace rzv
