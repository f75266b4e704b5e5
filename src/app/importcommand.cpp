#include "app/importcommand.h"

#include "app/tw.h"
#include "commands/participantbatch.h"
#include "dialogs/timport.h"
#include "import/csvreader.h"
#include "ui/prompt.h"

#include <QFileInfo>

namespace rzv {

void importieren(Tw& w, int race) {
    const QString path = chooseImportFile(w.prompt());
    if (path.isEmpty()) return;
    w.guarded([&] {
        // "Übernehmen" applies the plan as rzv import does, as one step of the history.
        const auto apply = [&w](const ImportPlan& plan) {
            bool applied = false;
            w.guarded([&] {
                applyImport(w.cup, plan);
                applied = true;
            });
            return applied;
        };
        auto* dialog = new Timport(w.cup, w.prompt(), readCsvFile(path), QFileInfo(path).fileName(),
                                   race, apply, &w);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->open();
    });
}

} // namespace rzv
