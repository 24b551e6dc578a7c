#pragma once

#include <QTextStream>

#include <functional>

// What a benchmark prints its figures on.
QTextStream& out();

struct Timing
{
    double minMs = 0;
    double medianMs = 0;
};

// One warm-up run, then `runs` timed ones.
Timing measure(const std::function<void()>& work, int runs = 9);
