// rzv new ZIEL, rzv resave DATEI ZIEL: the cup file operations of the program. Saving under
// another name takes the cup's team settings along, as in the desktop program.
#include "cli/arguments.h"
#include "cli/cli.h"
#include "cli/cuparguments.h"

#include "cup/cupfile.h"
#include "teams/teamsettings.h"

namespace rzv::cli {

int runNew(const QStringList& args) {
    const QStringList files = parseArguments(args, {}).words;
    requireWordCount(files, 1);
    TCupData cup;
    cup.fileName = files[0];
    speichern(cup);
    mannschaftseinstellungenMitnehmen(QString(), files[0]);
    return 0;
}

int runResave(const QStringList& args) {
    const QStringList files = parseArguments(args, {}).words;
    requireWordCount(files, 2);
    TCupData cup;
    loadCup(cup, files[0]);
    cup.fileName = files[1];
    speichern(cup);
    mannschaftseinstellungenMitnehmen(files[0], files[1]);
    return 0;
}

} // namespace rzv::cli
