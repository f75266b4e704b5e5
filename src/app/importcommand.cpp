#include "app/importcommand.h"

#include "app/tw.h"
#include "commands/participantbatch.h"
#include "dialogs/timport.h"
#include "import/csvreader.h"
#include "ui/prompt.h"

#include <QFileInfo>

namespace rzv {

void importieren(Tw& w, int race) {
    const QString path = w.prompt().openFileName(QStringLiteral("Importieren"),
                                                 QStringLiteral("CSV-Dateien (*.csv *.txt)"),
                                                 QStringLiteral("csv"), {});
    if (path.isEmpty()) return;
    w.guarded([&] {
        // "Übernehmen" applies the plan as rzv import does, as one step of the history.
        const auto apply = [&w](const ImportPlan& plan) { w.guarded([&] { applyImport(w.cup, plan); }); };
        auto* dialog = new Timport(w.cup, readCsvFile(path), QFileInfo(path).fileName(), race, apply, &w);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->open();
    });
}

} // namespace rzv
