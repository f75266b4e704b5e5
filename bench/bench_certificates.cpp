// The certificate runs on large cups: placing the winners of a race and of the cup, drawn on a
// recording canvas so that only the program's own work is timed, not a printer's.
#include "cupgenerator.h"

#include "certificates/printruns.h"
#include "certificates/recordingcanvas.h"
#include "reports/sheet.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <functional>

namespace {

double milliseconds(const std::function<void()>& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    std::printf("%12s %8s %16s %8s %16s %8s\n", "participants", "races", "race winners ms", "pages",
                "cup winners ms", "pages");
    for (const int participants : {1000, 10000, 100000}) {
        rzv::TCupContent cup = rzv::bench::generateCup(participants, 20, 3);
        rzv::RecordingCanvas raceCanvas;
        rzv::CertificatePages racePages(raceCanvas, cup, {}, rzv::certificatePictures(),
                                        QDate(2026, 6, 1));
        const double race = milliseconds([&] { rzv::siegerurkunde(cup, 10, racePages, {}); });

        rzv::RecordingCanvas cupCanvas;
        rzv::CertificatePages cupPages(cupCanvas, cup, {}, rzv::certificatePictures(),
                                       QDate(2026, 6, 1));
        rzv::Ausgabe sheet;
        const double standing =
            milliseconds([&] { rzv::gesamtsiegerurkunde(cup, cup.raceCount(), cupPages, sheet); });
        std::printf("%12d %8d %16.1f %8lld %16.1f %8lld\n", participants, cup.raceCount(), race,
                    static_cast<long long>(raceCanvas.pages.size()), standing,
                    static_cast<long long>(cupCanvas.pages.size()));
    }
    return 0;
}
