#include "RecurringModel.h"

#include "data/Account.h"
#include "data/AccountRepository.h"
#include "data/Clock.h"
#include "widgets/Appearance.h"

#include <algorithm>

namespace {

constexpr int kColumnCount = 7;

} // namespace

RecurringModel::RecurringModel(AccountRepository* accounts, QObject* parent)
    : QAbstractTableModel(parent)
    , m_accounts(accounts)
{
}

void RecurringModel::setRecords(const QList<RecurringTransaction>& records)
{
    beginResetModel();
    m_rows = records;
    m_accountLooks.clear();
    sortRows();
    endResetModel();
}

QString RecurringModel::frequencyText(const RecurringTransaction& record)
{
    const int n = record.intervalCount;
    switch (record.frequency) {
    case RecurringFrequency::Semimonthly:
        return tr("Semi-monthly (%1 & %2)").arg(ordinal(record.semimonthlyDay1), ordinal(record.semimonthlyDay2));
    case RecurringFrequency::Daily:
        if (n >= 2)
            return tr("Every %1 days").arg(n);
        break;
    case RecurringFrequency::Weekly:
        if (n >= 2)
            return tr("Every %1 weeks").arg(n);
        break;
    case RecurringFrequency::Monthly:
        if (n >= 2)
            return tr("Every %1 months").arg(n);
        break;
    case RecurringFrequency::Annual:
        if (n >= 2)
            return tr("Every %1 years").arg(n);
        break;
    case RecurringFrequency::Biweekly:
    case RecurringFrequency::Quarterly:
    case RecurringFrequency::SemiAnnual:
        if (n >= 2)
            return tr("%1 (×%2)").arg(frequencyToString(record.frequency)).arg(n);
        break;
    }
    return frequencyToString(record.frequency);
}

QString RecurringModel::ordinal(int day)
{
    if (day < 1 || day > 31)
        return tr("last day");
    const char* suffix = "th";
    if (day < 11 || day > 13) {
        switch (day % 10) {
        case 1: suffix = "st"; break;
        case 2: suffix = "nd"; break;
        case 3: suffix = "rd"; break;
        default: break;
        }
    }
    return QString::number(day) + QLatin1String(suffix);
}

bool RecurringModel::isDue(const RecurringTransaction& record)
{
    return record.isActive && record.nextDueDate <= Clock::today();
}

int RecurringModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int RecurringModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

RecurringModel::AccountLook RecurringModel::accountLook(const QString& accountId) const
{
    if (accountId.isEmpty())
        return AccountLook();
    auto found = m_accountLooks.find(accountId);
    if (found == m_accountLooks.end()) {
        AccountLook look;
        if (const std::optional<Account> account = m_accounts->findById(accountId)) {
            look.name = account->name;
            look.currency = account->currency;
        }
        found = m_accountLooks.insert(accountId, look);
    }
    return *found;
}

QVariant RecurringModel::displayText(const RecurringTransaction& record, int column) const
{
    switch (column) {
    case AccountColumn:
        return accountLook(record.accountId).name;
    case PayeeColumn:
        return record.payee;
    case AmountColumn:
        return formatMoney(record.amount, accountLook(record.accountId).currency);
    case FrequencyColumn:
        return frequencyText(record);
    case NextDueColumn:
        return record.nextDueDate.toString(QStringLiteral("M/d/yyyy"));
    case AutoColumn:
        return record.autoPost ? tr("Yes") : tr("No");
    case StatusColumn:
        return record.isActive ? tr("Active") : tr("Inactive");
    default:
        return QVariant();
    }
}

QVariant RecurringModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return QVariant();
    const RecurringTransaction& record = m_rows.at(index.row());
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return displayText(record, column);
    case Qt::ForegroundRole:
        if (column == AmountColumn && record.amount < 0)
            return negativeAmountColor();
        if (column == NextDueColumn && isDue(record))
            return QColor(0, 136, 0);
        if (column == StatusColumn && !record.isActive)
            return QColor(Qt::gray);
        return QVariant();
    case Qt::TextAlignmentRole:
        if (column == AmountColumn)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return QVariant();
    default:
        return QVariant();
    }
}

QVariant RecurringModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QVariant();
    switch (section) {
    case AccountColumn: return tr("Account");
    case PayeeColumn: return tr("Payee");
    case AmountColumn: return tr("Amount");
    case FrequencyColumn: return tr("Frequency");
    case NextDueColumn: return tr("Next Due");
    case AutoColumn: return tr("Auto");
    case StatusColumn: return tr("Status");
    default: return QVariant();
    }
}

void RecurringModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= kColumnCount)
        return;
    m_sortColumn = column;
    m_sortOrder = order;
    beginResetModel();
    sortRows();
    endResetModel();
}

void RecurringModel::sortRows()
{
    const auto byName = [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; };
    const auto before = [&](const RecurringTransaction& a, const RecurringTransaction& b) {
        switch (m_sortColumn) {
        case AccountColumn: return byName(accountLook(a.accountId).name, accountLook(b.accountId).name);
        case PayeeColumn: return byName(a.payee, b.payee);
        case AmountColumn: return a.amount < b.amount;
        case FrequencyColumn: return a.frequency < b.frequency;
        case NextDueColumn: return a.nextDueDate < b.nextDueDate;
        case AutoColumn: return a.autoPost < b.autoPost;
        default: return a.isActive < b.isActive;
        }
    };
    std::stable_sort(m_rows.begin(), m_rows.end(), before);
    // Reversing the ascending order, rather than sorting descending, is what
    // turns ties around too: a second click on a header flips the whole list.
    if (m_sortOrder == Qt::DescendingOrder)
        std::reverse(m_rows.begin(), m_rows.end());
}
