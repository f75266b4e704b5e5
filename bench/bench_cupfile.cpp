// Load, save and ordering by a result column of large cups, to watch that they grow like
// n log n and that loading or saving 100,000 participants stays well under a second.
#include "besttime.h"
#include "cupgenerator.h"

#include "cup/cupfile.h"
#include "cup/ordering.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    std::printf("%12s %10s %10s %10s %12s\n", "participants", "file MB", "save ms", "load ms", "teilsort ms");
    for (const int participants : {1000, 10000, 100000}) {
        rzv::TCupData cup;
        static_cast<rzv::TCupContent&>(cup) = rzv::bench::generateCup(participants, 20, 3);
        cup.fileName = dir.filePath(QStringLiteral("cup.rz3"));

        const double save = rzv::bench::bestOf(3, [&] { rzv::speichern(cup); });
        const double load = rzv::bench::bestOf(3, [&] { rzv::laden(cup, cup.fileName); });
        const int column = rzv::resultColumn(7);
        const double sort = rzv::bench::bestOf(3, [&] {
            rzv::teilsort(cup, -1, rzv::kName);
            rzv::teilsort(cup, -1, column);
        });
        const double megabytes = static_cast<double>(QFileInfo(cup.fileName).size()) / 1e6;
        std::printf("%12d %10.1f %10.1f %10.1f %12.1f\n", participants, megabytes, save, load, sort);
    }
    return 0;
}
