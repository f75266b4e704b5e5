// The recovery copy of a large cup: copying the content, the only part that runs on the main
// thread a few seconds after the last change, and what the worker thread then does with the
// copy: turning it into the bytes of a cup file and writing them with the INI file.
#include "besttime.h"
#include "cupgenerator.h"

#include "cup/cupfile.h"
#include "cup/recoveryfolder.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <vector>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    // In the folder given (e.g. one on the disk the user's data folder lives on), else in /tmp.
    QTemporaryDir dir(argc > 1 ? QString::fromLocal8Bit(argv[1]) + QStringLiteral("/rzv-XXXXXX")
                               : QString());
    const rzv::RecoveryFolder folder(dir.path());
    std::printf("%12s %8s %10s %10s %10s\n", "participants", "races", "copy ms", "bytes ms",
                "write ms");
    for (const int participants : {1000, 10000, 100000}) {
        const rzv::TCupContent cup = rzv::bench::generateCup(participants, 20, 3);
        // The copy is dropped on the worker thread, so its destruction is not counted.
        std::vector<rzv::TCupContent> copies;
        copies.reserve(5);
        const double copying = rzv::bench::bestOf(5, [&] { copies.push_back(cup); });
        copies.clear();
        QByteArray bytes;
        const double serialise = rzv::bench::bestOf(5, [&] { bytes = rzv::cupFileBytes(cup); });
        const rzv::RecoveryCopy copy{QStringLiteral("bench"), QStringLiteral("/tmp/cup.rz3"),
                                     QDateTime::currentDateTime()};
        const double write = rzv::bench::bestOf(5, [&] { folder.write(copy, bytes); });
        std::printf("%12d %8d %10.1f %10.1f %10.1f\n", participants, 20, copying, serialise,
                    write);
    }
    return 0;
}
