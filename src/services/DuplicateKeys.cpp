#include "DuplicateKeys.h"

#include "data/SqlValues.h"

namespace {

// A number of only blanks is no number.
QString normalized(const QString& checkNumber)
{
    return checkNumber.trimmed();
}

} // namespace

QString duplicateKey(const QDate& date, qint64 amount, const QString& payee)
{
    return SqlValues::dateText(date) + QLatin1Char('|') + QString::number(amount) + QLatin1Char('|') + payee;
}

void DuplicateKeys::reserve(qsizetype size)
{
    m_withoutNumber.reserve(size);
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
