#include "AmountText.h"

#include <QVarLengthArray>

namespace {

// 18 significant digits always fit in 64 bits. Any amount that can still be
// stored (at most 2^53 minor units) needs fewer digits than that, rounding digit
// included, so digits past the budget never change a usable result.
constexpr int kMaxSignificantDigits = 18;
constexpr int kMaxDecimals = 18;
constexpr int kMaxScaleDigits = 9;

quint64 powerOfTen(int exponent)
{
    quint64 value = 1;
    for (int i = 0; i < exponent; ++i)
        value *= 10;
    return value;
}

// log10(unitsPerWhole) when it is a power of ten we accept, else -1.
int scaleDigitsOf(int unitsPerWhole)
{
    for (int k = 0; k <= kMaxScaleDigits; ++k) {
        if (powerOfTen(k) == quint64(unitsPerWhole))
            return k;
    }
    return -1;
}

bool isCurrencySign(char16_t c)
{
    return c == u'$' || c == u'\u20AC' || c == u'\u00A3' || c == u'\u00A5' || c == u'\u00A2';
}

using Chars = QVarLengthArray<char16_t, 64>;

// A lone mark with exactly three characters after it is a thousands mark only if
// the whole number is grouped: 1 to 3 characters, then groups of exactly 3.
bool isGroupedBy(const char16_t* begin, qsizetype size, char16_t mark)
{
    qsizetype previous = -1;
    for (qsizetype i = 0; i < size; ++i) {
        if (begin[i] != mark)
            continue;
        const qsizetype length = i - previous - 1;
        if (previous < 0 ? (length < 1 || length > 3) : length != 3)
            return false;
        previous = i;
    }
    return size - previous - 1 == 3;
}

struct Marks
{
    char16_t decimal = 0;
    char16_t group = 0;
    bool hasDecimal = false;
    bool hasGroup = false;
    bool valid = true;
};

Marks findMarks(const char16_t* begin, qsizetype size)
{
    qsizetype dots = 0, commas = 0, lastDot = -1, lastComma = -1;
    for (qsizetype i = 0; i < size; ++i) {
        if (begin[i] == u'.') {
            ++dots;
            lastDot = i;
        } else if (begin[i] == u',') {
            ++commas;
            lastComma = i;
        }
    }

    Marks marks;
    if (dots > 0 && commas > 0) {
        // Whichever comes last separates the fraction.
        marks.decimal = lastDot > lastComma ? u'.' : u',';
        marks.group = lastDot > lastComma ? u',' : u'.';
        marks.hasDecimal = marks.hasGroup = true;
        return marks;
    }
    if (dots == 0 && commas == 0)
        return marks;

    const char16_t mark = dots > 0 ? u'.' : u',';
    const qsizetype count = dots > 0 ? dots : commas;
    const qsizetype last = dots > 0 ? lastDot : lastComma;
    if (count == 1 && (last == 0 || size - last - 1 != 3)) {
        marks.decimal = mark;
        marks.hasDecimal = true;
    } else if (isGroupedBy(begin, size, mark)) {
        marks.group = mark;
        marks.hasGroup = true;
    } else {
        marks.valid = false;
    }
    return marks;
}

} // namespace

std::optional<DecimalAmount> readAmountText(QStringView text)
{
    QStringView rest = text.trimmed();
    if (rest.isEmpty())
        return std::nullopt;

    bool negative = false;
    if (rest.startsWith(u'(') && rest.endsWith(u')')) {
        negative = true;
        rest = rest.sliced(1, rest.size() - 2).trimmed();
    }

    Chars chars;
    for (const QChar c : rest) {
        if (!isCurrencySign(c.unicode()) && !c.isSpace())
            chars.append(c.unicode());
    }
    if (chars.isEmpty())
        return std::nullopt;

    qsizetype start = 0;
    if (chars.front() == u'+') {
        start = 1;
    } else if (chars.front() == u'-') {
        start = 1;
        negative = !negative; // so "(-45.00)" reads as a positive amount
    }
    const char16_t* body = chars.constData() + start;
    const qsizetype size = chars.size() - start;
    if (size == 0)
        return std::nullopt;

    const Marks marks = findMarks(body, size);
    if (!marks.valid)
        return std::nullopt;

    DecimalAmount amount;
    amount.negative = negative;
    bool sawDigit = false;
    bool inFraction = false;
    int significant = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = body[i];
        if (marks.hasGroup && c == marks.group)
            continue;
        if (marks.hasDecimal && c == marks.decimal) {
            if (inFraction)
                return std::nullopt;
            inFraction = true;
            continue;
        }
        if (c < u'0' || c > u'9')
            return std::nullopt;
        sawDigit = true;

        const unsigned digit = c - u'0';
        const bool isSignificant = amount.digits != 0 || digit != 0;
        if (!inFraction) {
            if (!isSignificant)
                continue;
            if (significant == kMaxSignificantDigits)
                return std::nullopt; // far beyond any amount that can be stored
        } else if (amount.decimals == kMaxDecimals || significant == kMaxSignificantDigits) {
            continue;
        }
        amount.digits = amount.digits * 10 + digit;
        if (isSignificant)
            ++significant;
        if (inFraction)
            ++amount.decimals;
    }
    if (!sawDigit)
        return std::nullopt;
    return amount;
}

std::optional<qint64> DecimalAmount::toMinorUnits(int unitsPerWhole) const
{
    const int scaleDigits = scaleDigitsOf(unitsPerWhole);
    if (scaleDigits < 0 || decimals < 0)
        return std::nullopt;

    constexpr quint64 kLimit = quint64(kMaxImportedMinorUnits);
    const int excess = decimals - scaleDigits;
    quint64 magnitude = 0;
    if (excess <= 0) {
        const quint64 factor = powerOfTen(-excess);
        if (digits > kLimit / factor)
            return std::nullopt;
        magnitude = digits * factor;
    } else if (excess <= 19) {
        const quint64 divisor = powerOfTen(excess);
        magnitude = digits / divisor;
        // Halves away from zero: only the first dropped digit decides.
        if ((digits / (divisor / 10)) % 10 >= 5)
            ++magnitude;
    }
    if (magnitude > kLimit)
        return std::nullopt;
    const qint64 value = qint64(magnitude);
    return negative ? -value : value;
}

std::optional<DecimalAmount> DecimalAmount::fromMinorUnits(qint64 units, int unitsPerWhole)
{
    const int scaleDigits = scaleDigitsOf(unitsPerWhole);
    if (scaleDigits < 0)
        return std::nullopt;
    DecimalAmount amount;
    amount.negative = units < 0;
    // Through unsigned arithmetic, so that the most negative count has a magnitude too.
    amount.digits = units < 0 ? quint64(0) - quint64(units) : quint64(units);
    amount.decimals = scaleDigits;
    return amount;
}
