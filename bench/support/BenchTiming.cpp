#include "BenchTiming.h"

#include <QElapsedTimer>
#include <QList>

#include <algorithm>

QTextStream& benchOut()
{
    static QTextStream stream(stdout);
    return stream;
}

Timing timeRuns(int runs, const std::function<void()>& work, const std::function<void()>& prepare)
{
    QList<double> times;
    for (int i = 0; i < runs; ++i) {
        if (prepare)
            prepare();
        QElapsedTimer timer;
        timer.start();
        work();
        times.append(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return {times.first(), times.at(times.size() / 2), times.last()};
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

QString msText(double value)
{
    return QString::number(value, 'f', 2).rightJustified(8) + QLatin1String(" ms");
}

QString spreadText(const Timing& timing)
{
    return msText(timing.minMs) + QLatin1String(" /") + msText(timing.medianMs) + QLatin1String(" /")
           + msText(timing.maxMs);
}
