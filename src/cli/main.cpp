// rzv: runs one operation of Rundenzeitverwalter on a cup file, exactly as the desktop program
// does right after loading it. It never changes the file it reads.
#include "cli/cli.h"

#include "cup/errors.h"

#include <QGuiApplication>
#include <cstdio>
#include <iterator>

namespace rzv::cli {

namespace {

const Command kCommands[] = {
    {"new", "rzv new OUT                          save a new cup (the defaults of a new cup)", runNew},
    {"resave", "rzv resave FILE OUT                  load FILE and save it to OUT", runResave},
    {"report",
     "rzv report race FILE K | standings FILE N | participant FILE SN | all FILE |\n"
     "           dlv FILE K --version 1|2\n"
     "      report options: --pdf OUT  print the sheet into a PDF file (else its lines are listed)\n"
     "                      --html OUT [--style 0|1]  write the HTML page instead (not for dlv)",
     runReport},
    {"certificates",
     "rzv certificates race-winners FILE K | race-participant FILE K SN | cup-winners FILE |\n"
     "                   cup-participant FILE SN  certificates (cup: after the last race)\n"
     "      options: --pdf OUT --style 0|1|2 --unter1 TEXT --unter2 TEXT --answer-no CUPVARIATION "
     "...\n"
     "               (without --pdf the pages are listed)",
     runCertificates},
};

QString usageText() {
    QString text = QStringLiteral("Usage:\n");
    for (const Command& command : kCommands) text += QStringLiteral("  ") + QString::fromUtf8(command.usage) + u'\n';
    text += QStringLiteral("  rzv --help                           show this text");
    return text;
}

} // namespace

void printLine(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
    std::fputc('\n', stdout);
}

void printError(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
    std::fputc('\n', stderr);
}

int run(QStringList args) {
    if (args.isEmpty()) {
        printError(usageText());
        return 2;
    }
    const QString name = args.takeFirst();
    if (name == u"--help" || name == u"-h") {
        printLine(usageText());
        return 0;
    }
    for (const Command& command : kCommands) {
        if (name != QLatin1String(command.name)) continue;
        try {
            return command.run(args);
        } catch (const UsageError& error) {
            printError(QStringLiteral("rzv: %1\n%2").arg(QString::fromUtf8(error.what()), usageText()));
            return 2;
        } catch (const RzvError& error) {
            printError(QStringLiteral("rzv: %1").arg(error.message()));
            return 1;
        }
    }
    printError(QStringLiteral("rzv: unknown command '%1'\n%2").arg(name, usageText()));
    return 2;
}

} // namespace rzv::cli

namespace {

// Printing into a PDF and drawing certificates need the GUI layer (no window is ever shown); the
// other commands run without it, so that nothing but their own messages reach standard error.
bool needsGui(const QStringList& args) {
    return args.value(0) == u"certificates" || args.contains(QStringLiteral("--pdf"));
}

} // namespace

int main(int argc, char* argv[]) {
    // The arguments are read before the application object takes out the options it knows
    // itself (such as --style).
    QStringList args;
    for (int i = 1; i < argc; ++i) args.append(QString::fromLocal8Bit(argv[i]));
    if (!needsGui(args)) {
        QCoreApplication app(argc, argv);
        return rzv::cli::run(args);
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return rzv::cli::run(args);
}
