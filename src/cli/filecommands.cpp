// rzv new ZIEL, rzv resave DATEI ZIEL: the cup file operations of the program.
#include "cli/arguments.h"
#include "cli/cli.h"
#include "cli/cuparguments.h"

#include "cup/cupfile.h"

namespace rzv::cli {

int runNew(const QStringList& args) {
    const QStringList files = parseArguments(args, {}).words;
    requireWordCount(files, 1);
    TCupData cup;
    cup.fileName = files[0];
    speichern(cup);
    return 0;
}

int runResave(const QStringList& args) {
    const QStringList files = parseArguments(args, {}).words;
    requireWordCount(files, 2);
    TCupData cup;
    loadCup(cup, files[0]);
    cup.fileName = files[1];
    speichern(cup);
    return 0;
}

} // namespace rzv::cli
