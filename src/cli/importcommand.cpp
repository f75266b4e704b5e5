// rzv import DATEI CSV ZIEL: participants and results from a registration or timing file, checked
// and applied as the desktop program's import dialog does with the detected column mapping.
#include "cli/arguments.h"
#include "cli/cli.h"
#include "cli/cuparguments.h"

#include "commands/participantbatch.h"
#include "cup/cupfile.h"
#include "cup/errors.h"
#include "import/csvreader.h"
#include "import/importfields.h"
#include "import/importplan.h"

#include <algorithm>

namespace rzv::cli {

namespace {

struct ImportRequest {
    Arguments arguments; // DATEI CSV [ZIEL] and the options with a value
    bool checkOnly = false;
};

ImportRequest parseRequest(QStringList args) {
    ImportRequest request;
    request.checkOnly = args.removeAll(QStringLiteral("--check")) > 0;
    request.arguments = parseArguments(
        args, {QStringLiteral("--race"), QStringLiteral("--match"), QStringLiteral("--column"),
               QStringLiteral("--cup"), QStringLiteral("--club"), QStringLiteral("--similar")});
    if (!(request.checkOnly && request.arguments.words.size() == 2))
        requireWordCount(request.arguments.words, 3);
    const QString match = request.arguments.value(QStringLiteral("--match"));
    if (!match.isEmpty() && match != u"startnummer" && match != u"name")
        throw UsageError(QStringLiteral("Die Option --match erwartet startnummer oder name."));
    const QString similar = request.arguments.value(QStringLiteral("--similar"));
    if (!similar.isEmpty() && similar != u"gleich" && similar != u"neu")
        throw UsageError(QStringLiteral("Die Option --similar erwartet gleich oder neu."));
    return request;
}

} // namespace

int runImport(const QStringList& args) {
    const ImportRequest request = parseRequest(args);
    const Arguments& given = request.arguments;
    TCupData cup;
    loadCup(cup, given.words[0]);
    const CsvTable table = readCsvFile(given.words[1]);
    ColumnMapping mapping = detectMapping(table);
    const QStringList header = table.records.front().fields;
    QStringList columns = given.options.values(QStringLiteral("--column"));
    std::reverse(columns.begin(), columns.end()); // in the order given
    for (const QString& column : columns) overrideColumn(mapping, header, column);
    ImportOptions options;
    const QString race = given.value(QStringLiteral("--race"));
    options.race = race.isEmpty() ? 0 : raceNumber(race, cup);
    options.matchByName = given.value(QStringLiteral("--match")) == u"name";
    options.defaultCup = given.value(QStringLiteral("--cup"));
    if (given.has(QStringLiteral("--club"))) options.defaultClub = given.value(QStringLiteral("--club"));
    const QString similar = given.value(QStringLiteral("--similar"));
    options.similar = similar == u"gleich" ? SimilarRows::Same : similar == u"neu" ? SimilarRows::New : SimilarRows::Open;
    const ImportPlan plan = checkImport(cup, table, mapping, options);
    for (const QString& line : importSummary(plan, !request.checkOnly)) printLine(line);
    if (plan.hasOpenSimilar())
        throw RzvError(QStringLiteral("Zeilen der Datei sind Teilnehmern des Cups nur ähnlich (siehe „Ähnliche "
                                      "Teilnehmer“); nichts wurde gespeichert. --similar gleich nimmt sie als diese "
                                      "Teilnehmer, --similar neu als neue Teilnehmer."));
    if (plan.changesNothing())
        throw RzvError(QStringLiteral("Aus der Datei %1 kann nichts importiert werden.").arg(given.words[1]));
    if (request.checkOnly) return 0;
    applyImport(cup, plan);
    cup.fileName = given.words[2];
    speichern(cup);
    return 0;
}

} // namespace rzv::cli
