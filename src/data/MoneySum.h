#pragma once

#include <QCoreApplication>
#include <QString>
#include <QtGlobal>
#include <QtNumeric>

#include <limits>
#include <optional>

// A sum of amounts in minor units that never wraps. Stored amounts are
// qint64s, but a sum of them need not be one: this adds them in two words (the
// sum is high * 2^64 + low), so a balance that goes past what a qint64 holds,
// and back again when the amount that took it there is gone, stays exact.
// Whether it fits is asked where it is shown: one that does not is shown as
// outOfRangeText(), never as a number.
class MoneySum
{
    Q_DECLARE_TR_FUNCTIONS(MoneySum)

public:
    constexpr MoneySum() = default;
    // An amount is a sum of one: callers that hold a qint64 pass it as it is.
    constexpr MoneySum(qint64 amount) // NOLINT(google-explicit-constructor)
        : m_low(quint64(amount))
        , m_high(amount < 0 ? -1 : 0)
    {
    }
    static constexpr MoneySum fromWords(qint64 high, quint64 low)
    {
        MoneySum sum;
        sum.m_high = high;
        sum.m_low = low;
        return sum;
    }

    qint64 high() const { return m_high; }
    quint64 low() const { return m_low; }

    MoneySum& operator+=(qint64 amount)
    {
        // The carry out of the low word, less the sign word a negative amount brings.
        const bool carried = qAddOverflow(m_low, quint64(amount), &m_low);
        m_high += int(carried) - int(amount < 0);
        return *this;
    }
    MoneySum& operator-=(qint64 amount)
    {
        const bool borrowed = qSubOverflow(m_low, quint64(amount), &m_low);
        m_high += int(amount < 0) - int(borrowed);
        return *this;
    }
    MoneySum& operator+=(const MoneySum& other)
    {
        const bool carried = qAddOverflow(m_low, other.m_low, &m_low);
        m_high += other.m_high + int(carried);
        return *this;
    }
    MoneySum& operator-=(const MoneySum& other) { return *this += -other; }
    MoneySum operator-() const
    {
        // -(high * 2^64 + low), with low kept in [0, 2^64).
        return m_low == 0 ? fromWords(-m_high, 0) : fromWords(~m_high, quint64(0) - m_low);
    }
    MoneySum abs() const { return isNegative() ? -*this : *this; }
    friend MoneySum operator+(MoneySum a, const MoneySum& b) { return a += b; }
    friend MoneySum operator-(MoneySum a, const MoneySum& b) { return a -= b; }

    // Whether the sum is one a qint64 holds.
    bool fits() const { return m_high == (qint64(m_low) < 0 ? -1 : 0); }
    std::optional<qint64> value() const
    {
        return fits() ? std::optional<qint64>(qint64(m_low)) : std::nullopt;
    }
    // The nearest qint64: the sum itself when it fits, else the end it went past.
    qint64 clamped() const
    {
        if (fits())
            return qint64(m_low);
        return m_high < 0 ? std::numeric_limits<qint64>::min() : std::numeric_limits<qint64>::max();
    }
    bool isNegative() const { return m_high < 0; }
    bool isZero() const { return m_high == 0 && m_low == 0; }

    friend bool operator==(const MoneySum& a, const MoneySum& b) { return a.m_high == b.m_high && a.m_low == b.m_low; }

    // What is shown for a sum that does not fit, wherever one can appear.
    static QString outOfRangeText();
    // Says in the log that `what` could not be held, once for each time it was
    // worked out (never for each time it is painted).
    static void logOutOfRange(const QString& what);

private:
    quint64 m_low = 0;
    qint64 m_high = 0;
};
