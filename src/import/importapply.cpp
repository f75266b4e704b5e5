#include "import/importplan.h"

#include "cup/cupdata.h"
#include "cup/errors.h"
#include "cup/ordering.h"

#include <QHash>

namespace rzv {

void applyImport(TCupContent& cup, const ImportPlan& plan) {
    // The changes go into a copy of the participants, which replaces the table only when all of
    // them went in.
    TCellGrid teil = cup.teil;
    if (plan.race != 0 && (plan.race > cup.raceCount() || plan.race < 1))
        throw RzvError(QStringLiteral("Der Cup hat keinen Lauf %1 mehr.").arg(plan.race));
    const int column = resultColumn(plan.race);
    if (!plan.results.empty()) {
        QHash<TCellGrid::Id, int> rows;
        rows.reserve(teil.rowCount());
        for (int row = 1; row < teil.rowCount(); ++row) rows.insert(teil.rowId(row), row);
        for (const ImportResult& result : plan.results) {
            const int row = rows.value(result.participant);
            if (row == 0)
                throw RzvError(QStringLiteral("Den Teilnehmer %1 gibt es nicht mehr; es wurde nichts "
                                              "importiert.")
                                   .arg(result.who));
            teil.setCell(column, row, result.newValue);
        }
    }
    const int first = teil.rowCount();
    teil.setRowCount(first + static_cast<int>(plan.newParticipants.size()));
    for (size_t i = 0; i < plan.newParticipants.size(); ++i) {
        const ImportParticipant& p = plan.newParticipants[i];
        const int row = first + static_cast<int>(i);
        for (int c = 0; c < kTeilFixedCols; ++c) teil.setCell(c, row, p.fixed.value(c));
        if (plan.race != 0) teil.setCell(column, row, p.result);
    }
    cup.teil = std::move(teil);
    teilsort(cup, -1, kName);
}

} // namespace rzv
