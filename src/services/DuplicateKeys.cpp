#include "DuplicateKeys.h"

#include "data/SqlValues.h"
#include "data/TransactionRepository.h"

#include <QStringBuilder>

namespace {

// A number of only blanks is no number.
QString normalized(const QString& checkNumber)
{
    return checkNumber.trimmed();
}

} // namespace

QString duplicateKey(const QDate& date, qint64 amount, const QString& payee)
{
    // Built at its exact size: an account's keys are held by the million.
    return SqlValues::dateText(date) % QLatin1Char('|') % QString::number(amount) % QLatin1Char('|') % payee;
}

size_t ExpectedKeys::keyHash(const QDate& date, qint64 amount, const QString& payee)
{
    return qHashMulti(0, date.toJulianDay(), amount, payee);
}

size_t ExpectedKeys::numberHash(size_t keyHash, const QString& checkNumber)
{
    return qHashMulti(0, keyHash, checkNumber);
}

void ExpectedKeys::add(const QDate& date, qint64 amount, const QString& payee, const QString& checkNumber)
{
    const size_t key = keyHash(date, amount, payee);
    m_keys.insert(key);
    const QString number = normalized(checkNumber);
    if (!number.isEmpty())
        m_numbers.insert(numberHash(key, number));
}

DuplicateKeys DuplicateKeys::ofAccount(const TransactionRepository& transactions, const QString& accountId,
                                       const std::function<ExpectedKeys()>& expected,
                                       const std::function<void()>& betweenSteps)
{
    DuplicateKeys keys;
    std::optional<ExpectedKeys> questions;
    int read = 0;
    transactions.forEachKey(accountId, [&](const TransactionKey& row) {
        if (!questions)
            questions = expected();
        keys.insertExisting(row.date, row.amount, row.payee, row.checkNumber, *questions);
        if (++read % kRowsPerStep == 0)
            betweenSteps();
    });
    return keys;
}

void DuplicateKeys::insert(const QString& key, const QString& checkNumber)
{
    const QString number = normalized(checkNumber);
    if (number.isEmpty()) {
        m_withoutNumber.insert(key);
        return;
    }
    QStringList& numbers = m_numbers[key];
    if (!numbers.contains(number))
        numbers.append(number);
}

bool DuplicateKeys::contains(const QString& key, const QString& checkNumber) const
{
    if (m_withoutNumber.contains(key))
        return true;
    const auto numbered = m_numbers.constFind(key);
    if (numbered == m_numbers.cend())
        return false;
    const QString number = normalized(checkNumber);
    return number.isEmpty() || numbered->contains(number);
}

qsizetype DuplicateKeys::size() const
{
    qsizetype held = m_withoutNumber.size();
    for (const QStringList& numbers : m_numbers)
        held += numbers.size();
    return held;
}

void DuplicateKeys::insertExisting(const QDate& date, qint64 amount, const QString& payee,
                                   const QString& checkNumber, const ExpectedKeys& expected)
{
    const size_t hash = ExpectedKeys::keyHash(date, amount, payee);
    if (!expected.m_keys.contains(hash))
        return;
    const QString key = duplicateKey(date, amount, payee);
    if (m_withoutNumber.contains(key))
        return; // already matches every number
    const QString number = normalized(checkNumber);
    if (!number.isEmpty() && m_numbers.contains(key)
        && !expected.m_numbers.contains(ExpectedKeys::numberHash(hash, number)))
        return;
    insert(key, number);
}
