#pragma once

#include <QList>
#include <QString>
#include <QTextStream>

#include <functional>

// What the benchmark programs share for timing and printing.
QTextStream& benchOut();

struct Timing
{
    double minMs = 0;
    double medianMs = 0;
    double maxMs = 0;
};

// Times `runs` runs of `work`; `prepare`, when given, runs untimed before each.
Timing timeRuns(int runs, const std::function<void()>& work, const std::function<void()>& prepare = {});

// The middle value (of an odd count) or the upper middle one.
double median(QList<double> values);

// "   12.34 ms", right-aligned for columns.
QString msText(double value);
// "min / median / max" in msText form.
QString spreadText(const Timing& timing);
