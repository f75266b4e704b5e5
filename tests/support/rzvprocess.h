#pragma once
// Runs the rzv tool as a separate process, as a user runs it.

#include <QProcess>
#include <QStringList>

namespace rzv::test {

// What a run of rzv gave: its exit status, and its standard output and error as UTF-8 text.
struct RzvRun {
    int exitCode;
    QString out;
    QString err;
};

// With `stdoutFile` (such as /dev/full) standard output goes into that file instead.
inline RzvRun runRzv(const QStringList& args, const QString& stdoutFile = {},
                     const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    if (!stdoutFile.isEmpty()) process.setStandardOutputFile(stdoutFile);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(RZV_BINARY_DIR "/src/cli/rzv"), args);
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

} // namespace rzv::test
