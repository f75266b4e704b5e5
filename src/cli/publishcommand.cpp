// rzv publish DATEI ORDNER [--style 0|1]: the website and the spreadsheet tables of the whole
// cup, written into one folder exactly as the desktop program publishes them (the team pages with
// the settings beside the cup file).
#include "cli/arguments.h"
#include "cli/cli.h"
#include "cli/cuparguments.h"

#include "publish/publish.h"
#include "teams/teamsettings.h"

namespace rzv::cli {

int runPublish(const QStringList& args) {
    const Arguments arguments = parseArguments(args, {QStringLiteral("--style")});
    requireWordCount(arguments.words, 2);
    const int style = htmlStyle(arguments);
    TCupData cup;
    loadCup(cup, arguments.words[0]);
    veroeffentlichen(cup, arguments.words[1], style, QDateTime::currentDateTime(),
                     ladeMannschaftseinstellungen(arguments.words[0]));
    return 0;
}

} // namespace rzv::cli
