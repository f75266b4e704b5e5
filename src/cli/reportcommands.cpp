// rzv report KIND FILE ...: the reports of the program, written into the output sheet exactly as
// the desktop program writes them after loading the cup, then printed as lines on standard
// output or through a printer into a PDF file.
#include "cli/cli.h"
#include "cli/cuparguments.h"

#include "cup/cupfile.h"
#include "cup/errors.h"
#include "reports/dlv.h"
#include "reports/gesamt.h"
#include "reports/htmlexport.h"
#include "reports/laufergebnis.h"
#include "reports/printausgabe.h"
#include "reports/sheet.h"
#include "reports/teilnehmer.h"

#include <QHash>
#include <QPrinter>
#include <algorithm>
#include <iterator>

namespace rzv::cli {

namespace {

// The command line of one report: the words after the kind (FILE first) and the options.
struct ReportRequest {
    QStringList args;
    QHash<QString, QString> options;
};

// One kind of report: its name, the number of words after the kind (FILE included), and the
// writer that fills the sheet from the loaded cup.
struct ReportKind {
    const char* name;
    qsizetype arguments;
    void (*write)(Ausgabe& sheet, TCupData& cup, const ReportRequest& request);
};

const ReportKind kKinds[] = {
    {"race", 2,
     [](Ausgabe& sheet, TCupData& cup, const ReportRequest& request) {
         ausgabe_laufergebnis(sheet, cup, raceNumber(request.args[1], cup));
     }},
    {"standings", 2,
     [](Ausgabe& sheet, TCupData& cup, const ReportRequest& request) {
         ausgabe_gesamt(sheet, cup, raceNumber(request.args[1], cup));
     }},
    {"participant", 2,
     [](Ausgabe& sheet, TCupData& cup, const ReportRequest& request) {
         ausgabe_teilnehmer(sheet, cup, participantRow(cup, request.args[1]));
     }},
    {"all", 1,
     [](Ausgabe& sheet, TCupData& cup, const ReportRequest&) {
         ausgabe_teilnehmeralle(sheet, cup);
     }},
    {"dlv", 2,
     [](Ausgabe& sheet, TCupData& cup, const ReportRequest& request) {
         // The federation's form is printed, never exported as a page.
         if (request.options.contains(QStringLiteral("--html")))
             throw UsageError("the DLV report has no --html");
         const QString version = request.options.value(QStringLiteral("--version"));
         if (version != u"1" && version != u"2") throw UsageError("dlv needs --version 1 or 2");
         const int k = raceNumber(request.args[1], cup);
         if (version == u"1")
             ausgabe_dlv(sheet, cup, k);
         else
             ausgabe_dlv_2(sheet, cup, k);
     }},
};

void printPdf(Ausgabe& sheet, TCupData&, const QString& path) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::A4));
    // A PDF page has no unprintable border: the sheet's margins count from the paper's edge.
    printer.setPageMargins(QMarginsF(0, 0, 0, 0));
    if (!printausgabe(sheet, printer))
        throw RzvError(QStringLiteral("Die Datei %1 kann nicht geschrieben werden.").arg(path));
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
const QStringList kQualifiers{QStringLiteral("--style"), QStringLiteral("--version")};

bool knownOption(const QString& name) {
    return kQualifiers.contains(name) ||
           std::any_of(std::begin(kOutputs), std::end(kOutputs),
                       [&](const ReportOutput& o) { return name == QLatin1String(o.option); });
}

ReportRequest parseRequest(const QStringList& words) {
    ReportRequest request;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString& word = words[i];
        if (!word.startsWith(QStringLiteral("--"))) {
            request.args.append(word);
            continue;
        }
        if (!knownOption(word))
            throw UsageError(QStringLiteral("unknown option %1").arg(word).toStdString());
        if (i + 1 >= words.size())
            throw UsageError(QStringLiteral("%1 needs a value").arg(word).toStdString());
        request.options.insert(word, words[++i]);
    }
    return request;
}

// The page style of --html: 0 "Standard RZV Stil" (the default), 1 "weiss-blauer Hintergrund".
int htmlStyle(const ReportRequest& request) {
    const QString style = request.options.value(QStringLiteral("--style"), QStringLiteral("0"));
    if (style != u"0" && style != u"1") throw UsageError("--style takes 0 or 1");
    return style.toInt();
}

} // namespace

int runReport(const QStringList& args) {
    if (args.isEmpty()) throw UsageError("report needs a kind");
    const auto kind = std::find_if(std::begin(kKinds), std::end(kKinds), [&](const ReportKind& k) {
        return args[0] == QLatin1String(k.name);
    });
    if (kind == std::end(kKinds))
        throw UsageError(QStringLiteral("unknown report %1").arg(args[0]).toStdString());
    const ReportRequest request = parseRequest(args.mid(1));
    if (request.args.size() != kind->arguments) throw UsageError("wrong number of arguments");

    const auto output =
        std::find_if(std::begin(kOutputs), std::end(kOutputs), [&](const ReportOutput& o) {
            return request.options.contains(QLatin1String(o.option));
        });
    const auto outputs =
        std::count_if(std::begin(kOutputs), std::end(kOutputs), [&](const ReportOutput& o) {
            return request.options.contains(QLatin1String(o.option));
        });
    if (outputs > 1) throw UsageError("choose one output");

    TCupData cup;
    cup.htmlStyle = htmlStyle(request); // loading keeps the style, as in the desktop program
    laden(cup, request.args[0]);
    Ausgabe sheet;
    kind->write(sheet, cup, request);
    if (output != std::end(kOutputs)) {
        output->deliver(sheet, cup, request.options.value(QLatin1String(output->option)));
        return 0;
    }
    for (const Zeile& line : sheet.zeilen())
        printLine(line.text);
    return 0;
}

} // namespace rzv::cli
