// rzv report KIND FILE ...: the reports of the program, written into the output sheet exactly as
// the desktop program writes them after loading the cup, then printed as lines on standard
// output or through a printer into a PDF file.
#include "cli/arguments.h"
#include "cli/cli.h"
#include "cli/cuparguments.h"
#include "cli/pdffile.h"

#include "cup/cupfile.h"
#include "cup/errors.h"
#include "cup/notation.h"
#include "reports/dlv.h"
#include "reports/gesamt.h"
#include "reports/htmlexport.h"
#include "reports/laufergebnis.h"
#include "reports/printausgabe.h"
#include "reports/sheet.h"
#include "reports/teilnehmer.h"
#include "teams/teamracereport.h"
#include "teams/teamsettings.h"
#include "teams/teamstandingreport.h"

#include <QHash>
#include <algorithm>
#include <iterator>
#include <span>

namespace rzv::cli {

namespace {

// The command line of one report: the words after the kind (FILE first) and the options.
using ReportRequest = Arguments;

// One kind of report: its name, the number of words after the kind (FILE included), and the
// writer that fills the sheet from the loaded cup.
struct ReportKind {
    const char* name;
    qsizetype arguments;
    void (*write)(Ausgabe& sheet, TCupData& cup, const ReportRequest& request);
};

// The team settings stored beside the cup file, overridden by --size, --gemischt and
// --platzziffern.
Mannschaftseinstellungen teamSettings(const ReportRequest& request) {
    Mannschaftseinstellungen settings = ladeMannschaftseinstellungen(request.words[0]);
    if (request.has(QStringLiteral("--size"))) {
        const auto size = readInt(request.value(QStringLiteral("--size")));
        if (!size || *size < Mannschaftseinstellungen::kMinGroesse ||
            *size > Mannschaftseinstellungen::kMaxGroesse)
            throw UsageError(QStringLiteral("Die Option --size erwartet eine Zahl von %1 bis %2.")
                                 .arg(Mannschaftseinstellungen::kMinGroesse)
                                 .arg(Mannschaftseinstellungen::kMaxGroesse));
        settings.groesse = *size;
    }
    if (request.has(QStringLiteral("--gemischt"))) settings.gemischt = true;
    if (request.has(QStringLiteral("--platzziffern"))) settings.platzziffern = true;
    return settings;
}

const ReportKind kKinds[] = {
    {"race", 2,
     [](Ausgabe& sheet, TCupData& cup, const ReportRequest& request) {
         ausgabe_laufergebnis(sheet, cup, raceNumber(request.words[1], cup));
     }},
    {"standings", 2,
     [](Ausgabe& sheet, TCupData& cup, const ReportRequest& request) {
         ausgabe_gesamt(sheet, cup, raceNumber(request.words[1], cup));
     }},
    {"teams", 2,
     [](Ausgabe& sheet, TCupData& cup, const ReportRequest& request) {
         ausgabe_mannschaftswertung(sheet, cup, raceNumber(request.words[1], cup),
                                    teamSettings(request));
     }},
    {"team-standings", 2,
     [](Ausgabe& sheet, TCupData& cup, const ReportRequest& request) {
         ausgabe_mannschaftsstand(sheet, cup, raceNumber(request.words[1], cup),
                                  teamSettings(request));
     }},
    {"participant", 2,
     [](Ausgabe& sheet, TCupData& cup, const ReportRequest& request) {
         ausgabe_teilnehmer(sheet, cup, participantRow(cup, request.words[1]));
     }},
    {"all", 1,
     [](Ausgabe& sheet, TCupData& cup, const ReportRequest&) {
         ausgabe_teilnehmeralle(sheet, cup);
     }},
    {"dlv", 2,
     [](Ausgabe& sheet, TCupData& cup, const ReportRequest& request) {
         // The federation's form is printed, never exported as a page.
         if (request.has(QStringLiteral("--html")))
             throw UsageError(QStringLiteral("Der DLV-Bericht hat keinen HTML-Export."));
         const QString version = request.value(QStringLiteral("--version"));
         if (version != u"1" && version != u"2")
             throw UsageError(QStringLiteral("Der DLV-Bericht braucht --version 1 oder 2."));
         const int k = raceNumber(request.words[1], cup);
         if (version == u"1")
             ausgabe_dlv(sheet, cup, k);
         else
             ausgabe_dlv_2(sheet, cup, k);
     }},
};

// The sheet printed as by a printer at 1200 dpi; a PDF page has no unprintable border, so the
// sheet's margins count from the paper's edge.
void printPdf(Ausgabe& sheet, TCupData&, const QString& path) {
    PdfFile pdf(path, 1200);
    if (!printausgabe(sheet, pdf.writer()))
        throw RzvError(QStringLiteral("Der Drucker konnte nicht geöffnet werden."));
    pdf.save();
}

// Where a written sheet goes instead of standard output: one option each, taking a file name.
struct ReportOutput {
    const char* option;
    void (*deliver)(Ausgabe& sheet, TCupData& cup, const QString& path);
};

void writeHtml(Ausgabe& sheet, TCupData& cup, const QString& path) {
    ausgabe2html(sheet, cup, cup.htmlStyle, path);
}

const ReportOutput kOutputs[] = {
    {"--pdf", printPdf},
    {"--html", writeHtml},
};

// Options that qualify a report or an output rather than choosing one; each takes a value.
const QStringList kQualifiers{QStringLiteral("--style"), QStringLiteral("--version"),
                              QStringLiteral("--size")};
// Options of the team reports that take no value.
const QStringList kTeamFlags{QStringLiteral("--gemischt"), QStringLiteral("--platzziffern")};

QStringList knownOptions() {
    QStringList options = kQualifiers;
    for (const ReportOutput& output : kOutputs)
        options << QString::fromUtf8(output.option);
    return options;
}

// Lines of the sheet on standard output, encoded and written in blocks of about 64 Ki characters
// instead of line by line: the statistics of all participants are hundreds of thousands of lines.
// A block ends with a whole line, so it is encoded exactly as its lines one by one.
void printLines(std::span<const Zeile> lines) {
    constexpr qsizetype kBlock = 1 << 16;
    QString block;
    for (const Zeile& line : lines) {
        block.append(line.text);
        block.append(u'\n');
        if (block.size() >= kBlock) {
            block.chop(1); // printLine ends the line
            printLine(block);
            block.truncate(0);
        }
    }
    if (!block.isEmpty()) {
        block.chop(1);
        printLine(block);
    }
}

} // namespace

int runReport(const QStringList& args) {
    ReportRequest request = parseArguments(args, knownOptions(), kTeamFlags);
    const ReportKind& kind = chooseKind(kKinds, request.words);
    if (!QLatin1String(kind.name).startsWith(QLatin1String("team")))
        for (const QString& option : kTeamFlags + QStringList{QStringLiteral("--size")})
            if (request.has(option))
                throw UsageError(
                    QStringLiteral("Die Option %1 gilt nur für teams und team-standings.")
                        .arg(option));
    request.words.removeFirst();
    requireWordCount(request.words, kind.arguments);

    const auto output =
        std::find_if(std::begin(kOutputs), std::end(kOutputs),
                     [&](const ReportOutput& o) { return request.has(QLatin1String(o.option)); });
    const auto outputs =
        std::count_if(std::begin(kOutputs), std::end(kOutputs),
                      [&](const ReportOutput& o) { return request.has(QLatin1String(o.option)); });
    if (outputs > 1)
        throw UsageError(QStringLiteral("Nur eine Ausgabe ist möglich: --pdf oder --html."));

    TCupData cup;
    cup.htmlStyle = htmlStyle(request); // loading keeps the style, as in the desktop program
    loadCup(cup, request.words[0]);
    Ausgabe sheet;
    if (output != std::end(kOutputs)) {
        kind.write(sheet, cup, request);
        output->deliver(sheet, cup, request.value(QLatin1String(output->option)));
        return 0;
    }
    // Lines go out as they are written rather than all held first. The arguments are checked
    // before the first line; a report stopped later (out of memory) ends with its error after
    // the lines that went out.
    sheet.setAbnehmer(printLines);
    kind.write(sheet, cup, request);
    sheet.abgeben();
    return 0;
}

} // namespace rzv::cli
