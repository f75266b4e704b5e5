#pragma once

#include <QString>
#include <QStringList>
#include <stdexcept>

namespace rzv::cli {

// A wrong call of the tool: printed with the usage text, exit status 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One sub-command: its first word, the usage lines it adds to --help, and its handler, which
// gets the arguments after the first word and returns the exit status.
struct Command {
    const char* name;
    const char* usage;
    int (*run)(const QStringList& args);
};

// Output helpers: UTF-8 lines on standard output and standard error.
void printLine(const QString& text);
void printError(const QString& text);

int runNew(const QStringList& args);
int runResave(const QStringList& args);
int runReport(const QStringList& args);
int runCertificates(const QStringList& args);

} // namespace rzv::cli
