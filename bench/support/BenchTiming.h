#pragma once

#include <QElapsedTimer>
#include <QtGlobal>

#include <functional>

// The best of `runs` timed runs of `work`, in seconds: the least disturbed one.
inline double bestSeconds(int runs, const std::function<void()>& work)
{
    double best = 1e30;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        work();
        best = qMin(best, double(timer.nsecsElapsed()) / 1e9);
    }
    return best;
}
