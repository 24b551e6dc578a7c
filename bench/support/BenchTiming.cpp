#include "BenchTiming.h"

#include <QElapsedTimer>
#include <QList>

#include <algorithm>

QTextStream& out()
{
    static QTextStream stream(stdout);
    return stream;
}

Timing measure(const std::function<void()>& work, int runs)
{
    work();
    QList<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.append(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return {times.first(), times.at(times.size() / 2)};
}
