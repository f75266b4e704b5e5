#pragma once

#include <QElapsedTimer>
#include <algorithm>
#include <functional>

namespace rzv::bench {

// The best of a few runs of some work, in milliseconds.
inline double bestOf(int runs, const std::function<void()>& work) {
    double best = 1e100;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        best = std::min(best, static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    return best;
}

} // namespace rzv::bench
