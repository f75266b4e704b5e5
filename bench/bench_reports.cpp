// The race results, the standing after the last race and the statistics of all participants of
// large cups, against the time it takes to load the same cup: each report should cost at most a
// few loads and grow like n log n.
#include "besttime.h"
#include "cupgenerator.h"

#include "cup/cupfile.h"
#include "reports/gesamt.h"
#include "reports/laufergebnis.h"
#include "reports/sheet.h"
#include "reports/teilnehmer.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char* argv[]) {
    using rzv::bench::bestOf;
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    std::printf("%12s %9s %14s %14s %14s %12s\n", "participants", "load ms", "race ms (x)",
                "standing ms (x)", "all ms (x)", "all lines");
    for (const int participants : {1000, 10000, 100000}) {
        rzv::TCupData cup;
        static_cast<rzv::TCupContent&>(cup) = rzv::bench::generateCup(participants, 20, 3);
        cup.fileName = dir.filePath(QStringLiteral("cup.rz3"));
        rzv::speichern(cup);
        const double load = bestOf(3, [&] { rzv::laden(cup, cup.fileName); });

        rzv::Ausgabe sheet;
        const int last = cup.raceCount();
        const double race = bestOf(3, [&] { rzv::ausgabe_laufergebnis(sheet, cup, last); });
        const double standing = bestOf(3, [&] { rzv::ausgabe_gesamt(sheet, cup, last); });
        const double all = bestOf(3, [&] { rzv::ausgabe_teilnehmeralle(sheet, cup); });
        std::printf("%12d %9.1f %8.1f (%3.1f) %8.1f (%3.1f)  %8.1f (%3.1f) %12d\n", participants,
                    load, race, race / load, standing, standing / load, all, all / load,
                    sheet.count());
    }
    return 0;
}
