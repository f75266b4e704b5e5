// rzv import FILE CSV OUT: participants and results from a registration or timing file, checked
// and applied as the desktop program's import dialog does with the detected column mapping.
#include "cli/cli.h"
#include "cli/cuparguments.h"

#include "cup/cupfile.h"
#include "cup/errors.h"
#include "import/csvreader.h"
#include "import/importfields.h"
#include "import/importplan.h"

namespace rzv::cli {

namespace {

struct ImportRequest {
    QStringList files; // FILE CSV [OUT]
    QString race;
    QString match;
    QString cup;
    QStringList columns;
    bool checkOnly = false;
};

ImportRequest parseRequest(const QStringList& args) {
    ImportRequest request;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        const auto value = [&]() -> QString {
            if (i + 1 >= args.size()) throw UsageError("Der Option fehlt ihr Wert.");
            return args[++i];
        };
        if (arg == u"--check")
            request.checkOnly = true;
        else if (arg == u"--race")
            request.race = value();
        else if (arg == u"--match")
            request.match = value();
        else if (arg == u"--cup")
            request.cup = value();
        else if (arg == u"--column")
            request.columns.append(value());
        else if (arg.startsWith(u"--"))
            throw UsageError("import kennt diese Option nicht.");
        else
            request.files.append(arg);
    }
    if (request.files.size() != 3 && !(request.checkOnly && request.files.size() == 2))
        throw UsageError("import braucht FILE CSV OUT (mit --check genügen FILE CSV).");
    if (!request.match.isEmpty() && request.match != u"startnummer" && request.match != u"name")
        throw UsageError("--match ist startnummer oder name.");
    return request;
}

} // namespace

int runImport(const QStringList& args) {
    const ImportRequest request = parseRequest(args);
    TCupData cup;
    laden(cup, request.files[0]);
    const CsvTable table = readCsvFile(request.files[1]);
    ColumnMapping mapping = detectMapping(table);
    const QStringList header = table.records.front().fields;
    for (const QString& column : request.columns) overrideColumn(mapping, header, column);
    ImportOptions options;
    options.race = request.race.isEmpty() ? 0 : raceNumber(request.race, cup);
    options.matchByName = request.match == u"name";
    options.defaultCup = request.cup;
    const ImportPlan plan = checkImport(cup, table, mapping, options);
    for (const QString& line : importSummary(plan, !request.checkOnly)) printLine(line);
    if (plan.changesNothing())
        throw RzvError(QStringLiteral("Aus der Datei %1 kann nichts importiert werden.").arg(request.files[1]));
    if (request.checkOnly) return 0;
    applyImport(cup, plan);
    cup.fileName = request.files[2];
    speichern(cup);
    return 0;
}

} // namespace rzv::cli
