#include "app/importcommand.h"

#include "app/tw.h"
#include "dialogs/timport.h"
#include "import/csvreader.h"
#include "ui/prompt.h"

#include <QFileInfo>

namespace rzv {

namespace {

// The one place where an import changes the cup.
void uebernehmen(Tw& w, const ImportPlan& plan) {
    w.guarded([&] {
        applyImport(w.cup, plan);
        w.cup.edit(1);
    });
    w.cup.notifyTablesChanged();
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
