// Publishing a whole cup (every race page and table, every standing, the list of all
// participants and every runner's page, the overview) into a folder: a cup of 20,000
// participants and 12 races should take under 2 seconds of processor time, and the time should
// grow linearly with the participants. "first cpu" is the first publishing into a new folder.
// `bench_publish --cup FILE` only writes the largest cup (20,000 x 12, 3 cup variations) into
// FILE, to time rzv on it beside a load and save of the same file.
#include "cupgenerator.h"

#include "cup/cupfile.h"
#include "publish/publish.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>

namespace {

double megabytes(const QString& ordner) {
    qint64 bytes = 0;
    for (const QFileInfo& datei : QDir(ordner).entryInfoList(QDir::Files))
        bytes += datei.size();
    return static_cast<double>(bytes) / 1e6;
}

// The best wall-clock and processor times of a few runs, in milliseconds: on a busy machine the
// wall clock mostly measures the other processes.
struct Zeiten {
    double wall = 1e100;
    double cpu = 1e100;
};

Zeiten bestOf(int runs, const std::function<void()>& work) {
    Zeiten best;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        const std::clock_t start = std::clock();
        work();
        best.cpu = std::min(best.cpu, static_cast<double>(std::clock() - start) * 1000.0 / CLOCKS_PER_SEC);
        best.wall = std::min(best.wall, static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    return best;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() == 3 && args[1] == u"--cup") {
        rzv::TCupData cup;
        static_cast<rzv::TCupContent&>(cup) = rzv::bench::generateCup(20000, 12, 3);
        cup.fileName = args[2];
        rzv::speichern(cup);
        return 0;
    }
    // Publishing after a race writes over the set before the last one; the first two publishings
    // into a folder make every file anew.
    std::printf("%12s %6s %9s %9s %8s %12s %10s %8s\n", "participants", "races", "cup vars",
                "wall ms", "cpu ms", "cpu ms/1000", "first cpu", "MB");
    for (const int subCups : {0, 3}) {
        for (const int participants : {2000, 5000, 10000, 20000}) {
            QTemporaryDir dir;
            const rzv::TCupContent cup = rzv::bench::generateCup(participants, 12, subCups);
            const QString ordner = dir.filePath(QStringLiteral("web"));
            const auto publish = [&] { rzv::veroeffentlichen(cup, ordner, 0); };
            const Zeiten erstes = bestOf(1, publish);
            publish();
            const Zeiten zeiten = bestOf(participants > 2000 ? 2 : 3, publish);
            std::printf("%12d %6d %9d %9.1f %8.1f %12.1f %10.1f %8.1f\n", participants, 12, subCups,
                        zeiten.wall, zeiten.cpu, zeiten.cpu * 1000.0 / participants, erstes.cpu,
                        megabytes(ordner));
        }
    }
    return 0;
}
