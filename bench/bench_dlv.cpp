// The DLV event report of large cups, against loading the same cup: the report must cost at
// most a few times the load and grow about like n log n.
#include "besttime.h"
#include "cupgenerator.h"

#include "cup/cupfile.h"
#include "reports/dlv.h"
#include "reports/sheet.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <cmath>
#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    std::printf("%12s %10s %10s %10s %8s %16s\n", "participants", "load ms", "dlv 1 ms", "dlv 2 ms",
                "dlv/load", "dlv ns/(n log n)");
    for (const int participants : {1000, 10000, 100000}) {
        rzv::TCupData cup;
        static_cast<rzv::TCupContent&>(cup) = rzv::bench::generateCup(participants, 20, 3);
        cup.fileName = dir.filePath(QStringLiteral("cup.rz3"));
        rzv::speichern(cup);

        const double load = rzv::bench::bestOf(3, [&] { rzv::laden(cup, cup.fileName); });
        rzv::Ausgabe ausgabe;
        const int k = 7;
        const double v1 = rzv::bench::bestOf(3, [&] { rzv::ausgabe_dlv(ausgabe, cup, k); });
        const double v2 = rzv::bench::bestOf(3, [&] { rzv::ausgabe_dlv_2(ausgabe, cup, k); });
        const double nLogN = participants * std::log2(static_cast<double>(participants));
        std::printf("%12d %10.1f %10.2f %10.2f %8.3f %16.2f\n", participants, load, v1, v2,
                    std::max(v1, v2) / load, std::max(v1, v2) * 1e6 / nLogN);
    }
    return 0;
}
