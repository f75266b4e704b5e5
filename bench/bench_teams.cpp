// The team standing after the last race of a cup of 20,000 participants in 1,000 clubs with 12
// races: the standing alone and the whole report, by size of the teams and with women and men
// together; the standing of the runners after the same race beside it, measured at the same time.
#include "besttime.h"
#include "cupgenerator.h"

#include "reports/gesamt.h"
#include "reports/sheet.h"
#include "teams/teamrace.h"
#include "teams/teamstanding.h"
#include "teams/teamstandingreport.h"

#include <QCoreApplication>
#include <cstdio>
#include <random>

int main(int argc, char* argv[]) {
    using rzv::bench::bestOf;
    QCoreApplication app(argc, argv);
    rzv::TCupContent cup = rzv::bench::generateCup(20000, 12, 3);
    std::mt19937 random(7);
    for (int row = 1; row < cup.teil.rowCount(); ++row)
        cup.teil.setCell(rzv::kVerein, row, QStringLiteral("Verein %1").arg(random() % 1000 + 1));

    {
        rzv::TCupContent kopie = cup;
        rzv::Ausgabe sheet;
        std::printf("runners' standing report ms: %.1f\n",
                    bestOf(3, [&] { rzv::ausgabe_gesamt(sheet, kopie, kopie.raceCount()); }));
    }
    std::printf("%6s %9s %12s %10s %12s\n", "size", "gemischt", "standing ms", "report ms",
                "report lines");
    for (const int size : {3, 10}) {
        for (const bool gemischt : {false, true}) {
            rzv::Mannschaftseinstellungen e;
            e.groesse = size;
            e.gemischt = gemischt;
            const int n = cup.raceCount();
            const double standing = bestOf(3, [&] {
                const rzv::Mannschaften mannschaften(cup, e);
                rzv::mannschaftsstand(cup, n, mannschaften, e);
            });
            rzv::Ausgabe sheet;
            const double report =
                bestOf(3, [&] { rzv::ausgabe_mannschaftsstand(sheet, cup, n, e); });
            std::printf("%6d %9s %12.1f %10.1f %12d\n", size, gemischt ? "ja" : "nein", standing,
                        report, sheet.count());
        }
    }
    return 0;
}
