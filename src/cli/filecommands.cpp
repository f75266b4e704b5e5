// rzv new OUT, rzv resave FILE OUT: the cup file operations of the program.
#include "cli/cli.h"

#include "cup/cupfile.h"

namespace rzv::cli {

int runNew(const QStringList& args) {
    if (args.size() != 1) throw UsageError("new takes one argument: OUT");
    TCupData cup;
    cup.fileName = args[0];
    speichern(cup);
    return 0;
}

int runResave(const QStringList& args) {
    if (args.size() != 2) throw UsageError("resave takes two arguments: FILE OUT");
    TCupData cup;
    laden(cup, args[0]);
    cup.fileName = args[1];
    speichern(cup);
    return 0;
}

} // namespace rzv::cli
