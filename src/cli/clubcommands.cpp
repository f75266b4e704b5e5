// rzv clubs DATEI, rzv rename-club DATEI ALT NEU ZIEL: the club spellings of a cup, grouped as
// the desktop program's "Vereine vereinheitlichen …" groups them, and one spelling renamed.
#include "cli/arguments.h"
#include "cli/cli.h"
#include "cli/cuparguments.h"

#include "commands/renameclub.h"
#include "cup/cupfile.h"
#include "cup/errors.h"
#include "identity/clubgroups.h"

namespace rzv::cli {

int runClubs(const QStringList& args) {
    const QStringList files = parseArguments(args, {}).words;
    requireWordCount(files, 1);
    TCupData cup;
    loadCup(cup, files[0]);
    for (const ClubGroup& group : clubGroups(cup.teil)) {
        QStringList spellings;
        for (const ClubSpelling& spelling : group)
            spellings << QStringLiteral("%1 (%2)").arg(spelling.text).arg(spelling.participants);
        printLine(spellings.join(QStringLiteral(" | ")));
    }
    return 0;
}

int runRenameClub(const QStringList& args) {
    const QStringList words = parseArguments(args, {}).words;
    requireWordCount(words, 4);
    const QString& from = words[1];
    const QString to = words[2].trimmed();
    if (to.isEmpty()) throw UsageError(QStringLiteral("Der neue Vereinsname ist leer."));
    TCupData cup;
    loadCup(cup, words[0]);
    int participants = 0;
    for (int row = 1; row < cup.teil.rowCount(); ++row)
        if (cup.teil.cell(kVerein, row) == from) ++participants;
    if (participants == 0) throw RzvError(QStringLiteral("Kein Teilnehmer hat den Verein „%1“.").arg(from));
    runCommand(cup, std::make_unique<RenameClubCommand>(cup, from, to));
    cup.fileName = words[3];
    speichern(cup);
    printLine(QStringLiteral("„%1“ heißt jetzt „%2“ (%3 Teilnehmer).").arg(from, to).arg(participants));
    return 0;
}

} // namespace rzv::cli
