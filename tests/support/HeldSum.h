#pragma once

#include "data/MoneySum.h"

#include <QByteArray>
#include <QString>
#include <QtTest>

// A sum a test expects to fit, as the number it holds; one that does not fit
// reads as the end of a qint64 it went past, which no test expects.
inline qint64 held(const MoneySum& sum)
{
    return sum.clamped();
}

// A sum as tests write it: its number, or "out of range".
inline QString sumText(const MoneySum& sum)
{
    const std::optional<qint64> value = sum.value();
    return value ? QString::number(*value) : QStringLiteral("out of range");
}

// QCOMPARE prints a MoneySum as sumText() writes it.
inline char* toString(const MoneySum& sum)
{
    return qstrdup(sumText(sum).toUtf8().constData());
}
