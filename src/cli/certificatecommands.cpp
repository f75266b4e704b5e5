// rzv certificates ...: the four certificate runs of the program, printed into a PDF file, or
// listed page by page on standard output.
#include "cli/cli.h"
#include "cli/cuparguments.h"

#include "certificates/paintercanvas.h"
#include "certificates/printruns.h"
#include "certificates/recordingcanvas.h"
#include "cup/cupfile.h"
#include "cup/errors.h"
#include "cup/notation.h"
#include "reports/sheet.h"

#include <QPrinter>
#include <algorithm>

namespace rzv::cli {

namespace {

struct Options {
    QStringList positional;
    QString pdf;
    CertificateSettings settings;
    QStringList answerNo;
};

Options parseOptions(const QStringList& args) {
    Options options;
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (!arg.startsWith(QStringLiteral("--"))) {
            options.positional.append(arg);
            continue;
        }
        if (i + 1 >= args.size())
            throw UsageError(QStringLiteral("%1 needs a value").arg(arg).toStdString());
        const QString& value = args[++i];
        if (arg == u"--pdf") {
            options.pdf = value;
        } else if (arg == u"--style") {
            const auto style = readInt(value);
            if (!style || *style < 0 || *style > 2) throw UsageError("--style takes 0, 1 or 2");
            options.settings.style = *style;
        } else if (arg == u"--unter1") {
            options.settings.unter1 = value;
        } else if (arg == u"--unter2") {
            options.settings.unter2 = value;
        } else if (arg == u"--answer-no") {
            options.answerNo.append(value);
        } else {
            throw UsageError(QStringLiteral("unknown option %1").arg(arg).toStdString());
        }
    }
    return options;
}

int lastRace(const TCupContent& cup) {
    if (cup.raceCount() < 1) throw RzvError(QStringLiteral("Der Cup hat noch keinen Lauf."));
    return cup.raceCount();
}

void listPages(const RecordingCanvas& canvas) {
    for (int page = 0; page < canvas.pages.size(); ++page) {
        printLine(QStringLiteral("Seite %1").arg(page + 1));
        for (const QString& text : canvas.texts(page))
            printLine(QStringLiteral("  ") + text);
    }
}

// One certificate run on a loaded cup, with the positional arguments after the kind.
struct Run {
    TCupData& cup;
    const QStringList& args;
    const Options& options;
    CertificatePages& pages;
    Ausgabe sheet;
};

struct Kind {
    const char* name;
    qsizetype arguments; // after the kind, FILE included
    void (*print)(Run& run);
};

const Kind kKinds[] = {
    {"race-winners", 2,
     [](Run& run) {
         siegerurkunde(
             run.cup, raceNumber(run.args[1], run.cup), run.pages,
             [&](const QString& variation) { return !run.options.answerNo.contains(variation); });
     }},
    {"race-participant", 3,
     [](Run& run) {
         teilnehmerurkunde(run.cup, raceNumber(run.args[1], run.cup), startNumber(run.args[2]),
                           run.pages);
     }},
    {"cup-winners", 1,
     [](Run& run) { gesamtsiegerurkunde(run.cup, lastRace(run.cup), run.pages, run.sheet); }},
    {"cup-participant", 2,
     [](Run& run) {
         gesamtteilnehmerurkunde(run.cup, lastRace(run.cup), startNumber(run.args[1]), run.pages,
                                 run.sheet);
     }},
};

} // namespace

int runCertificates(const QStringList& args) {
    const Options options = parseOptions(args);
    const QStringList& pos = options.positional;
    const auto kind = std::find_if(std::begin(kKinds), std::end(kKinds), [&](const Kind& k) {
        return !pos.isEmpty() && pos[0] == QLatin1String(k.name);
    });
    if (kind == std::end(kKinds))
        throw UsageError("certificates needs a kind: race-winners, race-participant, cup-winners "
                         "or cup-participant");
    const QStringList runArgs = pos.mid(1);
    if (runArgs.size() != kind->arguments) throw UsageError("wrong number of arguments");

    TCupData cup;
    laden(cup, runArgs[0]);

    QPrinter printer(QPrinter::HighResolution);
    RecordingCanvas listing;
    PainterCanvas pdf(printer);
    if (!options.pdf.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(options.pdf);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setResolution(600);
        printer.setFullPage(true);
    }
    CertificateCanvas& canvas =
        options.pdf.isEmpty() ? static_cast<CertificateCanvas&>(listing) : pdf;
    CertificatePages pages(canvas, cup, options.settings, certificatePictures(),
                           QDate::currentDate());
    Run run{cup, runArgs, options, pages, {}};
    kind->print(run);
    if (options.pdf.isEmpty()) listPages(listing);
    return 0;
}

} // namespace rzv::cli
