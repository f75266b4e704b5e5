// rzv certificates ...: the four certificate runs of the program, printed into a PDF file, or
// listed page by page on standard output.
#include "cli/arguments.h"
#include "cli/cli.h"
#include "cli/cuparguments.h"
#include "cli/pdffile.h"

#include "certificates/paintercanvas.h"
#include "certificates/printruns.h"
#include "certificates/recordingcanvas.h"
#include "cup/cupfile.h"
#include "cup/errors.h"
#include "cup/notation.h"
#include "reports/sheet.h"

namespace rzv::cli {

namespace {

struct Options {
    QStringList positional;
    QString pdf;
    CertificateSettings settings;
    QStringList answerNo;
};

Options parseOptions(const QStringList& args) {
    const Arguments parsed = parseArguments(
        args, {QStringLiteral("--pdf"), QStringLiteral("--style"), QStringLiteral("--unter1"),
               QStringLiteral("--unter2"), QStringLiteral("--answer-no")});
    Options options;
    options.positional = parsed.words;
    options.pdf = parsed.value(QStringLiteral("--pdf"));
    const auto style = readInt(parsed.value(QStringLiteral("--style"), QStringLiteral("0")));
    if (!style || *style < 0 || *style > 2)
        throw UsageError(QStringLiteral("Die Option --style erwartet 0, 1 oder 2."));
    options.settings.style = *style;
    options.settings.unter1 = parsed.value(QStringLiteral("--unter1"));
    options.settings.unter2 = parsed.value(QStringLiteral("--unter2"));
    options.answerNo = parsed.options.values(QStringLiteral("--answer-no"));
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

// The start number of a participant of the cup: an unknown one is refused rather than giving
// an empty job.
QString knownStartNumber(const TCupContent& cup, const QString& text) {
    return cup.teil.cell(kStartnummer, participantRow(cup, text));
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
         teilnehmerurkunde(run.cup, raceNumber(run.args[1], run.cup),
                           knownStartNumber(run.cup, run.args[2]), run.pages);
     }},
    {"cup-winners", 1,
     [](Run& run) { gesamtsiegerurkunde(run.cup, lastRace(run.cup), run.pages, run.sheet); }},
    {"cup-participant", 2,
     [](Run& run) {
         gesamtteilnehmerurkunde(run.cup, lastRace(run.cup), knownStartNumber(run.cup, run.args[1]),
                                 run.pages, run.sheet);
     }},
};

// A name given to --answer-no that no question would ask for is most likely mistyped.
void warnOfUnknownVariations(const TCupContent& cup, const QStringList& answerNo) {
    QStringList variations;
    for (int v = 1; v < cup.cv.rowCount(); ++v)
        variations << cup.cv.cell(0, v);
    for (const QString& name : answerNo)
        if (!variations.contains(name))
            printWarning(QStringLiteral("„%1“ ist keine Cup-Variation dieses Cups.").arg(name));
}

// Draws the run's pages onto the canvas; a run that gives no page is a failure, not an empty
// job.
void printRun(const Kind& kind, TCupData& cup, const QStringList& runArgs, const Options& options,
              CertificateCanvas& canvas) {
    CertificatePages pages(canvas, cup, options.settings, certificatePictures(),
                           QDate::currentDate());
    Run run{cup, runArgs, options, pages, {}};
    kind.print(run);
    if (pages.pageCounter() <= 1) // the counter stands at the number of the next page
        throw RzvError(QStringLiteral("Es wurde keine Urkunde gedruckt."));
}

} // namespace

int runCertificates(const QStringList& args) {
    const Options options = parseOptions(args);
    const Kind& kind = chooseKind(kKinds, options.positional);
    const QStringList runArgs = options.positional.mid(1);
    requireWordCount(runArgs, kind.arguments);

    TCupData cup;
    loadCup(cup, runArgs[0]);

    warnOfUnknownVariations(cup, options.answerNo);
    if (options.pdf.isEmpty()) {
        RecordingCanvas listing;
        printRun(kind, cup, runArgs, options, listing);
        listPages(listing);
    } else {
        PdfFile pdf(options.pdf, 600);
        PainterCanvas canvas(pdf.writer());
        printRun(kind, cup, runArgs, options, canvas);
        pdf.save();
    }
    return 0;
}

} // namespace rzv::cli
