#pragma once

#include "cup/errors.h"

#include <QString>
#include <QStringList>

namespace rzv::cli {

// A wrong call of the tool: its German message is printed with the usage of the sub-command,
// exit status 2.
class UsageError : public RzvError {
public:
    using RzvError::RzvError;
};

// One sub-command: its first word, its German usage (printed by "rzv WORD --help", in the
// list of "rzv --help" and after a wrong call), and its handler, which gets the arguments after
// the first word and returns the exit status. "--help" never reaches the handler.
struct Command {
    const char* name;
    const char* usage;
    int (*run)(const QStringList& args);
};

// Output helpers: UTF-8 lines on standard output and standard error. A line that cannot be
// written to standard output stops the command with "I/O-Fehler %d".
void printLine(const QString& text);
void printError(const QString& text);
// A warning on standard error that does not stop the command.
void printWarning(const QString& text);

int runNew(const QStringList& args);
int runResave(const QStringList& args);
int runReport(const QStringList& args);
int runCertificates(const QStringList& args);
int runPublish(const QStringList& args);
int runImport(const QStringList& args);
int runDuplicates(const QStringList& args);
int runMerge(const QStringList& args);
int runClubs(const QStringList& args);
int runRenameClub(const QStringList& args);

} // namespace rzv::cli
