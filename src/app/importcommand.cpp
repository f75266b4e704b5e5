#include "app/importcommand.h"

#include "app/tw.h"
#include "commands/participantbatch.h"
#include "dialogs/timport.h"
#include "import/csvreader.h"
#include "ui/prompt.h"

#include <QFileInfo>

namespace rzv {

namespace {

// The one place where an import changes the cup: the whole plan is one step of the history.
void uebernehmen(Tw& w, const ImportPlan& plan) {
    const TCellGrid::Id race = plan.race != 0 ? w.cup.teil.colId(resultColumn(plan.race)) : 0;
    std::vector<ParticipantEntry> newParticipants;
    newParticipants.reserve(plan.newParticipants.size());
    size_t resultCount = plan.results.size();
    for (const ImportParticipant& p : plan.newParticipants) {
        ParticipantEntry entry{p.fixed, {}};
        if (race != 0 && !p.result.isEmpty()) {
            entry.results.emplace(race, p.result);
            ++resultCount;
        }
        newParticipants.push_back(std::move(entry));
    }
    std::vector<ResultEntry> results;
    results.reserve(plan.results.size());
    for (const ImportResult& r : plan.results) results.push_back({r.participant, race, r.newValue});
    const QString text = QStringLiteral("Import (%1 neue Teilnehmer, %2 Ergebnisse)")
                             .arg(plan.newParticipants.size())
                             .arg(resultCount);
    w.guarded([&] {
        runCommand(w.cup, std::make_unique<ParticipantBatchCommand>(
                              w.cup, text, std::move(newParticipants), std::move(results)));
    });
}

} // namespace

void importieren(Tw& w, int race) {
    const QString path = w.prompt().openFileName(QStringLiteral("Importieren"),
                                                 QStringLiteral("CSV-Dateien (*.csv *.txt)"),
                                                 QStringLiteral("csv"));
    if (path.isEmpty()) return;
    w.guarded([&] {
        auto* dialog = new Timport(w.cup, readCsvFile(path), QFileInfo(path).fileName(), race,
                                   [&w](const ImportPlan& plan) { uebernehmen(w, plan); }, &w);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->open();
    });
}

} // namespace rzv
