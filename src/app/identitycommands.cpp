#include "app/identitycommands.h"

#include "app/tw.h"
#include "commands/mergeparticipants.h"
#include "commands/renameclub.h"
#include "dialogs/tdoppelte.h"
#include "dialogs/tvereine.h"

namespace rzv {

namespace {

void openDialog(QDialog* dialog) {
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

} // namespace

void doppelteSuchen(Tw& w) {
    w.guarded([&w] {
        openDialog(new Tdoppelte(
            w.cup,
            [&w](TCellGrid::Id kept, TCellGrid::Id other, const std::set<TCellGrid::Id>& takeOther) {
                w.guarded([&] {
                    runCommand(w.cup, std::make_unique<MergeParticipantsCommand>(w.cup, kept, other, takeOther));
                });
            },
            &w));
    });
}

void vereineVereinheitlichen(Tw& w) {
    w.guarded([&w] {
        openDialog(new Tvereine(
            w.cup,
            [&w](const QString& from, const QString& to) {
                w.guarded([&] { runCommand(w.cup, std::make_unique<RenameClubCommand>(w.cup, from, to)); });
            },
            &w));
    });
}

} // namespace rzv
