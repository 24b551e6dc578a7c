#include "QifParser.h"

#include "AmountText.h"

#include "data/SqlValues.h"

#include <QSet>
#include <QVarLengthArray>

#include <algorithm>
#include <utility>

namespace {

constexpr int kHundredths = 100;

// A byte-order mark may open any line when files were joined together.
QStringView cleanLine(QStringView line)
{
    while (!line.isEmpty() && (line.front() == QChar(0xFEFF) || line.front() == u'\r'))
        line = line.sliced(1);
    return line.trimmed();
}

// The numbers of a date value: '-', '.', '\'' and '/' separate them, blanks are
// ignored and empty parts dropped, so "1/ 1'00" has the parts 1, 1 and 00.
class QifDateParts
{
public:
    explicit QifDateParts(QStringView value)
    {
        qsizetype start = 0;
        for (const QChar c : value) {
            if (c.isSpace())
                continue;
            if (c == u'/' || c == u'-' || c == u'.' || c == u'\'') {
                addPart(start);
                start = m_chars.size();
                continue;
            }
            m_chars.append(c.unicode());
        }
        addPart(start);
    }

    int count() const { return m_count; }
    QStringView part(int index) const
    {
        return QStringView(m_chars.constData() + m_starts[index], m_lengths[index]);
    }
    std::optional<int> number(int index) const
    {
        bool ok = false;
        const int value = part(index).toInt(&ok, 10);
        return ok ? std::optional<int>(value) : std::nullopt;
    }

private:
    void addPart(qsizetype start)
    {
        const qsizetype length = m_chars.size() - start;
        if (length == 0)
            return;
        if (m_count < 3) {
            m_starts[m_count] = start;
            m_lengths[m_count] = length;
        }
        ++m_count;
    }

    QVarLengthArray<char16_t, 32> m_chars;
    qsizetype m_starts[3] = {};
    qsizetype m_lengths[3] = {};
    int m_count = 0;
};

// Calls lineFunction for each line; LF, CR LF and a lone CR all end one.
template <typename LineFunction>
void forEachLine(QStringView text, LineFunction&& lineFunction)
{
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text[i];
        if (c != u'\n' && c != u'\r')
            continue;
        lineFunction(text.sliced(start, i - start));
        if (c == u'\r' && i + 1 < size && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    lineFunction(text.sliced(start));
}

// A date line whose first number can only be a day: it is over 12, and read
// day first the line is a real date. "13/13/13" is no date at all, so it
// decides nothing; it is skipped like any other unreadable date.
bool showsDayFirst(QStringView rawLine)
{
    const QStringView line = cleanLine(rawLine);
    if (line.size() < 2 || line.front() != u'D')
        return false;
    const QStringView value = line.sliced(1).trimmed();
    const QifDateParts parts(value);
    if (parts.count() < 3)
        return false;
    const std::optional<int> first = parts.number(0);
    if (!first || !parts.number(2))
        return false;
    // A year first says nothing about the order of day and month.
    return parts.part(0).size() != 4 && *first > 12 && parseQifDate(value, QifDateOrder::DayFirst).has_value();
}

bool startsWithHeader(QStringView line, QStringView header)
{
    return line.startsWith(header, Qt::CaseInsensitive);
}

// The lower-cased word after "!Type:", or nothing for other headers.
std::optional<QString> typeWord(QStringView line)
{
    constexpr QStringView kType = u"!Type:";
    const QStringView trimmed = line.trimmed();
    if (!startsWithHeader(trimmed, kType))
        return std::nullopt;
    return trimmed.sliced(kType.size()).trimmed().toString().toLower();
}

class QifReader
{
public:
    QifReader(QifDateOrder order, const QifRecordSink& takeRecord)
        : m_order(order)
        , m_takeRecord(takeRecord)
    {
    }

    void readLine(QStringView rawLine);
    void finishRecord();
    QifParseResult takeResult() { return std::move(m_result); }

private:
    void readTransactionField(QChar letter, QStringView value);
    void setAmount(QStringView value);

    QifDateOrder m_order;
    const QifRecordSink& m_takeRecord;
    QifParseResult m_result;
    QifSection m_mode = QifSection::Unknown;
    QString m_accountName;
    QString m_pendingAccountName;
    QifAccountKind m_kind = QifAccountKind::Bank;
    QifRecord m_record;
    bool m_hasContent = false;
    bool m_hasDate = false;
    bool m_hasAmount = false;
    std::optional<QifSplit> m_split;
    QifCategory m_category;
    QSet<QString> m_seenAccounts; // lower case
    bool m_accountListed = false; // m_accountName is in m_seenAccounts
};

void QifReader::readLine(QStringView rawLine)
{
    const QStringView line = cleanLine(rawLine);
    if (line.isEmpty())
        return;
    const QChar letter = line.front();
    if (letter == u'!') {
        finishRecord();
        m_mode = qifSectionForHeader(line);
        if (m_mode == QifSection::Transactions)
            m_kind = qifAccountKindForHeader(line);
        return;
    }
    if (letter == u'^') {
        finishRecord();
        return;
    }

    const QStringView value = line.sliced(1).trimmed();
    switch (m_mode) {
    case QifSection::AccountList:
        if (letter == u'N')
            m_pendingAccountName = value.toString();
        m_hasContent = true;
        break;
    case QifSection::CategoryList:
        if (letter == u'N')
            m_category.name = value.toString();
        else if (letter == u'D')
            m_category.description = value.toString();
        else if (letter == u'I')
            m_category.isIncome = true;
        else if (letter == u'E')
            m_category.isIncome = false;
        m_hasContent = true;
        break;
    case QifSection::Skipped:
        m_hasContent = true;
        break;
    case QifSection::Transactions:
    case QifSection::Unknown:
        readTransactionField(letter, value);
        break;
    }
}

void QifReader::setAmount(QStringView value)
{
    if (const std::optional<qint64> amount = parseQifAmount(value)) {
        m_record.amount = *amount;
        m_hasAmount = true;
    }
}

void QifReader::readTransactionField(QChar letter, QStringView value)
{
    switch (letter.unicode()) {
    case u'D':
        if (const std::optional<QDate> date = parseQifDate(value, m_order)) {
            m_record.date = *date;
            m_hasDate = true;
        }
        break;
    case u'T':
    case u'U':
        setAmount(value);
        break;
    case u'P':
        m_record.payee = value.toString();
        break;
    case u'M':
        m_record.memo = value.toString();
        break;
    case u'N':
        m_record.checkNumber = value.toString();
        break;
    case u'Y':
        m_record.security = value.toString();
        break;
    case u'C':
        if (!value.isEmpty()) {
            const QChar mark = value.front().toLower();
            if (mark == u'x' || mark == u'*' || mark == u'c') {
                m_record.cleared = true;
            } else if (mark == u'r') {
                m_record.cleared = true;
                m_record.reconciled = true;
            }
        }
        break;
    case u'L': {
        QifCategoryField field = splitQifCategory(value);
        m_record.category = std::move(field.category);
        m_record.transferAccount = std::move(field.transferAccount);
        break;
    }
    case u'A':
        break;
    case u'S': {
        if (m_split)
            m_record.splits.append(std::move(*m_split));
        QifCategoryField field = splitQifCategory(value);
        m_split = QifSplit{std::move(field.category), std::move(field.transferAccount), QString(), 0};
        break;
    }
    case u'E':
        if (m_split)
            m_split->memo = value.toString();
        break;
    case u'$':
        if (!m_split) {
            setAmount(value);
        } else if (const std::optional<qint64> amount = parseQifAmount(value)) {
            m_split->amount = *amount;
        }
        break;
    default:
        return; // investment fields and the like carry nothing we keep
    }
    m_hasContent = true;
}

void QifReader::finishRecord()
{
    if (m_split) {
        m_record.splits.append(std::move(*m_split));
        m_split.reset();
    }

    switch (m_mode) {
    case QifSection::AccountList:
        if (!m_pendingAccountName.isEmpty()) {
            m_accountName = std::exchange(m_pendingAccountName, QString());
            m_accountListed = false;
        }
        break;
    case QifSection::CategoryList:
        if (m_hasContent && !m_category.name.isEmpty())
            m_result.categories.append(m_category);
        m_category = QifCategory();
        break;
    case QifSection::Skipped:
        if (m_hasContent)
            ++m_result.skippedMetadata;
        break;
    case QifSection::Transactions:
    case QifSection::Unknown:
        if (!m_hasContent)
            break;
        if (!m_hasDate || !m_hasAmount) {
            ++m_result.skippedInvalid;
            break;
        }
        m_record.sourceAccount = m_accountName;
        m_takeRecord(std::move(m_record));
        if (!m_accountListed && !m_accountName.isEmpty()) {
            const QString key = m_accountName.toLower();
            if (!m_seenAccounts.contains(key)) {
                m_seenAccounts.insert(key);
                m_result.accounts.append({m_accountName, m_kind});
            }
            m_accountListed = true;
        }
        break;
    }

    m_record = QifRecord();
    m_hasContent = m_hasDate = m_hasAmount = false;
}

} // namespace

QList<QStringView> splitQifLines(QStringView text)
{
    QList<QStringView> lines;
    forEachLine(text, [&lines](QStringView line) { lines.append(line); });
    return lines;
}

QifDateOrder detectQifDateOrder(const QList<QStringView>& lines)
{
    return std::any_of(lines.cbegin(), lines.cend(), showsDayFirst) ? QifDateOrder::DayFirst
                                                                    : QifDateOrder::MonthFirst;
}

std::optional<QDate> parseQifDate(QStringView value, QifDateOrder order)
{
    const QifDateParts parts(value.trimmed());
    if (parts.count() < 3)
        return std::nullopt;
    const std::optional<int> a = parts.number(0);
    const std::optional<int> b = parts.number(1);
    const std::optional<int> c = parts.number(2);
    if (!a || !b || !c)
        return std::nullopt;

    int year = 0;
    int month = 0;
    int day = 0;
    if (parts.part(0).size() == 4) {
        year = *a;
        month = *b;
        day = *c;
    } else {
        year = (parts.part(2).size() == 4 || *c > 31) ? *c : *c + 2000;
        const bool dayFirst = order == QifDateOrder::DayFirst || (order == QifDateOrder::Detect && *a >= 13);
        day = dayFirst ? *a : *b;
        month = dayFirst ? *b : *a;
    }
    if (year < 100)
        year += year < 70 ? 2000 : 1900;

    // "D6/2/22024" has a year the ledger could not read back once stored, and
    // the same row imported again would not be known as a duplicate.
    const QDate date(year, month, day);
    return SqlValues::isStorableDate(date) ? std::optional<QDate>(date) : std::nullopt;
}

std::optional<qint64> parseQifAmount(QStringView value)
{
    const std::optional<DecimalAmount> amount = readAmountText(value);
    return amount ? amount->toMinorUnits(kHundredths) : std::nullopt;
}

QifCategoryField splitQifCategory(QStringView value)
{
    QStringView rest = value.trimmed();
    const qsizetype slash = rest.indexOf(u'/');
    if (slash >= 0)
        rest = rest.first(slash).trimmed();
    if (rest.size() >= 2 && rest.startsWith(u'[') && rest.endsWith(u']'))
        return {QString(), rest.sliced(1, rest.size() - 2).trimmed().toString()};
    return {rest.toString(), QString()};
}

QifSection qifSectionForHeader(QStringView line)
{
    if (const std::optional<QString> word = typeWord(line)) {
        if (*word == u"cat")
            return QifSection::CategoryList;
        if (*word == u"class" || *word == u"memorized" || *word == u"tag" || *word == u"security"
            || *word == u"prices")
            return QifSection::Skipped;
        return QifSection::Transactions;
    }
    const QStringView trimmed = line.trimmed();
    if (startsWithHeader(trimmed, u"!Account"))
        return QifSection::AccountList;
    if (startsWithHeader(trimmed, u"!Option") || startsWithHeader(trimmed, u"!Clear"))
        return QifSection::Skipped;
    return QifSection::Unknown;
}

QifAccountKind qifAccountKindForHeader(QStringView line)
{
    const std::optional<QString> word = typeWord(line);
    if (!word)
        return QifAccountKind::Bank;
    if (*word == u"ccard")
        return QifAccountKind::CCard;
    if (*word == u"invst")
        return QifAccountKind::Invst;
    if (*word == u"cash")
        return QifAccountKind::Cash;
    if (*word == u"oth a")
        return QifAccountKind::OthA;
    if (*word == u"oth l")
        return QifAccountKind::OthL;
    return QifAccountKind::Bank;
}

QifParseResult parseQif(const QString& text, QifDateOrder order)
{
    QList<QifRecord> records;
    QifParseResult result = parseQif(text, order, [&records](QifRecord&& record) { records.append(std::move(record)); });
    result.records = std::move(records);
    return result;
}

QifParseResult parseQif(const QString& text, QifDateOrder order, const QifRecordSink& takeRecord)
{
    QifDateOrder used = order;
    if (used != QifDateOrder::MonthFirst && used != QifDateOrder::DayFirst) {
        // Lines are walked twice rather than stored: a large file has millions.
        used = QifDateOrder::MonthFirst;
        forEachLine(text, [&used](QStringView line) {
            if (used == QifDateOrder::MonthFirst && showsDayFirst(line))
                used = QifDateOrder::DayFirst;
        });
    }

    QifReader reader(used, takeRecord);
    forEachLine(text, [&reader](QStringView line) { reader.readLine(line); });
    reader.finishRecord(); // a last record without '^' still counts

    QifParseResult result = reader.takeResult();
    result.dateOrder = used;
    return result;
}
