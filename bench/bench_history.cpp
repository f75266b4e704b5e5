// The history of a large cup: 1,000 fast-entry results and 100 participant edits on a cup of
// 20,000 participants, the memory their steps take and the time of one undo; and in the main
// window, storing one result with its step and undoing it, each with the participant view
// repainted. Run with QT_QPA_PLATFORM=offscreen.
#include "besttime.h"
#include "cupgenerator.h"

#include "app/gridview.h"
#include "app/tw.h"
#include "commands/saveparticipant.h"
#include "commands/setresult.h"

#include <QApplication>
#include <QTabWidget>
#include <cstdio>
#include <malloc.h>
#include <random>

namespace {

using namespace rzv;

double heapMegabytes() {
    return static_cast<double>(mallinfo2().uordblks) / (1024.0 * 1024.0);
}

void storeResult(TCupData& cup, int row, int race, const QString& result) {
    runCommand(cup, std::make_unique<SetResultCommand>(cup, cup.teil.rowId(row),
                                                       cup.teil.colId(resultColumn(race)), result));
}

// A participant renamed in the editor: the name changes and the table is ordered again.
void renameParticipant(TCupData& cup, int row, const QString& name) {
    ParticipantEntry entry;
    for (int col = 0; col < kTeilFixedCols; ++col)
        entry.fields << cup.teil.cell(col, row);
    entry.fields[kName] = name;
    runCommand(cup, std::make_unique<SaveParticipantCommand>(cup, cup.teil.rowId(row), entry));
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    constexpr int kParticipants = 20000;
    constexpr int kRaces = 20;
    const TCupContent content = bench::generateCup(kParticipants, kRaces, 3);
    std::mt19937 random(7);
    const auto pick = [&random](int n) { return 1 + static_cast<int>(random() % static_cast<unsigned>(n)); };

    {
        TCupData cup;
        cup.replaceContent(content, {});
        const double heapBefore = heapMegabytes();
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < 1000; ++i)
            storeResult(cup, pick(kParticipants), pick(kRaces), QStringLiteral("0:%1'%2,4\"").arg(30 + i % 30).arg(10 + i % 50));
        const double results = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        timer.restart();
        for (int i = 0; i < 100; ++i)
            renameParticipant(cup, pick(kParticipants), QStringLiteral("Neumann%1").arg(i));
        const double edits = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        const double history = heapMegabytes() - heapBefore;
        QElapsedTimer undoTimer;
        undoTimer.start();
        cup.history().undo(); // a participant edit with its reordering
        const double undoEdit = static_cast<double>(undoTimer.nsecsElapsed()) / 1e6;
        for (int i = 0; i < 99; ++i)
            cup.history().undo();
        undoTimer.restart();
        cup.history().undo(); // a fast-entry result
        const double undoResult = static_cast<double>(undoTimer.nsecsElapsed()) / 1e6;
        std::printf("core, %d participants: 1,000 results %.1f ms, 100 edits %.1f ms\n",
                    kParticipants, results, edits);
        std::printf("  history of %d steps: %.2f MB of heap\n", 1100, history);
        std::printf("  one undo: participant edit %.3f ms, fast-entry result %.3f ms\n", undoEdit,
                    undoResult);
    }

    Tw w;
    w.show();
    w.pages->setCurrentWidget(w.teil);
    w.cup.replaceContent(content, {});
    w.teil->grab();
    const auto repainted = [&w](const std::function<void()>& work) {
        return [&w, work] {
            work();
            QApplication::processEvents();
            w.teil->grab();
        };
    };
    int row = 0;
    const double store = bench::bestOf(5, repainted([&] {
        row = pick(kParticipants);
        storeResult(w.cup, row, pick(kRaces), QStringLiteral("0:42'31,4\""));
    }));
    const double undo = bench::bestOf(5, repainted([&w] { w.cup.history().undo(); }));
    const double redo = bench::bestOf(5, repainted([&w] { w.cup.history().redo(); }));
    std::printf("window, %d participants: store result with step %.2f ms, undo %.2f ms, "
                "redo %.2f ms (each with the participant view repainted)\n",
                kParticipants, store, undo, redo);
    w.cup.edit(0);
    return 0;
}
