// The main window with a large cup: showing it after a load, scrolling the participants to the
// end, ordering them from the context menu, and the preview of all participants (report written
// and shown on the "Ausgabe" tab, first page painted). Run with QT_QPA_PLATFORM=offscreen.
#include "cupgenerator.h"

#include "app/gridview.h"
#include "app/sheetview.h"
#include "app/teilpopup.h"
#include "app/tw.h"
#include "reports/teilnehmer.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTabWidget>
#include <cstdio>
#include <functional>

namespace {

double millis(const std::function<void()>& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    QApplication::processEvents();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    rzv::Tw w;
    w.show();
    std::printf("%12s %8s %8s %8s %8s %10s %8s %8s %8s\n", "participants", "show ms", "scroll",
                "sort ms", "preview", "lines", "report", "sheet", "paint");
    for (const int participants : {1000, 10000}) {
        const rzv::TCupContent content = rzv::bench::generateCup(participants, 20, 3);
        w.pages->setCurrentWidget(w.teil);
        const double show = millis([&] {
            w.cup.replaceContent(content, {});
            w.teil->grab();
        });
        const double scroll = millis([&] {
            w.teil->verticalScrollBar()->setValue(w.teil->verticalScrollBar()->maximum());
            w.teil->grab();
        });
        w.teil->setCurrentCell(rzv::resultColumn(7), 1);
        const double sort = millis([&] {
            w.teilPopup->teil_pop_p_s->trigger();
            w.teil->grab();
        });
        w.teil->setCurrentCell(0, 1);
        const double preview = millis([&] {
            w.teilPopup->teil_pop_a.vorschau->trigger();
            w.ausgabeView->grab();
        });
        const double paint = millis([&] {
            w.ausgabeView->verticalScrollBar()->setValue(
                w.ausgabeView->verticalScrollBar()->maximum() / 2);
            w.ausgabeView->grab();
        });
        rzv::Ausgabe alone;
        const double write = millis([&] { rzv::ausgabe_teilnehmeralle(alone, w.cup); });
        const double view = millis([&] { w.ausgabeView->refresh(); });
        std::printf("%12d %8.1f %8.1f %8.1f %8.1f %10d %8.1f %8.1f %8.1f\n", participants, show,
                    scroll, sort, preview, w.ausgabe.count(), write, view, paint);
        w.cup.edit(0);
    }
    return 0;
}
