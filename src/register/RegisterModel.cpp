#include "RegisterModel.h"

#include "data/Clock.h"
#include "widgets/Appearance.h"

#include <QCollator>
#include <QColor>
#include <QFont>

#include <algorithm>
#include <numeric>
#include <utility>
#include <vector>

namespace {

const QColor kMutedText(0x6E, 0x8A, 0x7E);

QColor editRowBackground()
{
    return isDarkPalette() ? QColor(0x1A, 0x2E, 0x28) : QColor(0xE8, 0xF5, 0xE9);
}

QColor overdrawnBackground()
{
    return isDarkPalette() ? QColor(0x3A, 0x1E, 0x1E) : QColor(0xFD, 0xEA, 0xEA);
}

int clearedRank(const Transaction& transaction)
{
    if (transaction.reconciled)
        return 2;
    return transaction.cleared ? 1 : 0;
}

QString clearedMark(const Transaction& transaction)
{
    if (transaction.reconciled)
        return QStringLiteral("R");
    return transaction.cleared ? QStringLiteral("C") : QString();
}

// The display order of rows whose sort keys are given, stable, ties going to
// the later date in both directions. Rows that arrive in order (a reload in
// date order) cost one pass.
template <typename Key, typename Compare>
std::vector<int> sortedOrder(const std::vector<Key>& keys, const std::vector<qint64>& days, Qt::SortOrder order,
                             Compare compare)
{
    std::vector<int> indices(keys.size());
    std::iota(indices.begin(), indices.end(), 0);
    const int direction = order == Qt::AscendingOrder ? 1 : -1;
    const auto before = [&](int a, int b) {
        const int byKey = compare(keys[a], keys[b]);
        if (byKey != 0)
            return byKey * direction < 0;
        return days[a] > days[b];
    };
    if (!std::is_sorted(indices.begin(), indices.end(), before))
        std::stable_sort(indices.begin(), indices.end(), before);
    return indices;
}

} // namespace

RegisterModel::RegisterModel(QObject* parent)
    : QAbstractTableModel(parent)
{
    resetEntryBuffer();
}

int RegisterModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    return transactionCount() + (m_entryRowVisible ? 1 : 0);
}

int RegisterModel::columnCount(const QModelIndex& /*parent*/) const
{
    return ColumnCount;
}

int RegisterModel::slotForColumn(int column)
{
    switch (column) {
    case DateColumn:
        return DateSlot;
    case CheckNumberColumn:
        return CheckNumberSlot;
    case PayeeColumn:
        return PayeeSlot;
    case CategoryColumn:
        return CategorySlot;
    case MemoColumn:
        return MemoSlot;
    case PaymentColumn:
        return PaymentSlot;
    case DepositColumn:
        return DepositSlot;
    case ClearedColumn:
        return ClearedSlot;
    default:
        return -1;
    }
}

bool RegisterModel::entryRowOnTop() const
{
    return m_sortColumn == DateColumn && m_sortOrder == Qt::DescendingOrder;
}

int RegisterModel::entryRow() const
{
    if (!m_entryRowVisible)
        return -1;
    return entryRowOnTop() ? 0 : transactionCount();
}

const RegisterRow* RegisterModel::rowAt(int row) const
{
    const int element = m_entryRowVisible && entryRowOnTop() ? row - 1 : row;
    if (element < 0 || element >= m_rows.size())
        return nullptr;
    return &m_rows.at(element);
}

const RegisterRow& RegisterModel::transactionAt(int row) const
{
    const RegisterRow* found = rowAt(row);
    Q_ASSERT_X(found, "RegisterModel::transactionAt", "the row holds no transaction");
    return *found;
}

QVariant RegisterModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return QVariant();
    const QVariant buffered = bufferData(index.row(), index.column(), role);
    if (buffered.isValid())
        return buffered;
    const RegisterRow* row = rowAt(index.row());
    return row ? rowData(*row, index.row(), index.column(), role) : QVariant();
}

// What the entry row and the row being edited show from the buffer; invalid
// where the row's own data (or nothing) answers.
QVariant RegisterModel::bufferData(int row, int column, int role) const
{
    // While another row is edited the entry row shows no buffer text.
    const bool onEntryRow = m_editRow == -1 && row == entryRow();
    const bool onEditRow = row == m_editRow;
    if (!onEntryRow && !onEditRow)
        return QVariant();
    const int slot = slotForColumn(column);
    const QString text = slot >= 0 ? m_entryBuffer[slot] : QString();

    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: {
        if (slot < 0)
            return QVariant();
        if (onEditRow && role == Qt::DisplayRole && column == CategoryColumn) {
            const RegisterRow* edited = rowAt(row);
            if (edited && edited->isSplit)
                return tr("—Split—");
        }
        if (!onEntryRow || role != Qt::DisplayRole || !text.isEmpty())
            return text;
        const QString placeholders[] = {tr("Date"), tr("Chk #"),   tr("Payee"),   tr("Category"),
                                        tr("Memo"), tr("Payment"), tr("Deposit"), tr("Clr")};
        return placeholders[column];
    }
    case Qt::ForegroundRole:
        if (onEntryRow && text.isEmpty() && column != BalanceColumn)
            return kMutedText;
        return QVariant();
    case Qt::BackgroundRole:
        return m_twoLine ? QVariant() : QVariant(editRowBackground());
    default:
        return QVariant();
    }
}

QString RegisterModel::displayText(const RegisterRow& row, int column) const
{
    switch (column) {
    case DateColumn:
        return row.date.toString(kDateFormat);
    case CheckNumberColumn:
        return row.checkNumber;
    case PayeeColumn:
        return row.payee;
    case CategoryColumn:
        return row.isSplit ? tr("—Split—") : row.categoryText;
    case MemoColumn:
        return row.memo;
    case PaymentColumn:
        return row.amount < 0 ? formatMoneyPlain(-row.amount, m_currency) : QString();
    case DepositColumn:
        return row.amount >= 0 ? formatMoneyPlain(row.amount, m_currency) : QString();
    case ClearedColumn:
        return clearedMark(row);
    case BalanceColumn:
        return formatMoneyPlainSigned(row.runningBalance, m_liabilityAccount, m_currency);
    default:
        return QString();
    }
}

QVariant RegisterModel::rowData(const RegisterRow& row, int modelRow, int column, int role) const
{
    const bool amountColumn = column == PaymentColumn || column == DepositColumn || column == BalanceColumn;
    const qint64 shownBalance = m_liabilityAccount ? -row.runningBalance : row.runningBalance;

    switch (role) {
    case Qt::DisplayRole:
        return displayText(row, column);
    case Qt::EditRole:
        if (column == BalanceColumn)
            return QVariant();
        return column == CategoryColumn ? row.categoryText : displayText(row, column);
    case Qt::TextAlignmentRole:
        if (amountColumn)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        if (column == ClearedColumn)
            return int(Qt::AlignHCenter | Qt::AlignVCenter);
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::ForegroundRole:
        if (column == MemoColumn || column == ClearedColumn)
            return kMutedText;
        if (column == PaymentColumn)
            return negativeAmountColor();
        if (column == DepositColumn && row.amount >= 0)
            return positiveAmountColor();
        if (column == BalanceColumn && shownBalance < 0)
            return negativeAmountColor();
        return QVariant();
    case Qt::FontRole: {
        if (!amountColumn)
            return QVariant();
        QFont font = monospaceFont();
        if (column == BalanceColumn && m_emphasizeNegativeBalance && row.runningBalance < 0)
            font.setWeight(QFont::Bold);
        return font;
    }
    case Qt::BackgroundRole:
        if (modelRow == m_editRow && !m_twoLine)
            return editRowBackground();
        if (m_emphasizeNegativeBalance && m_highlightOverdrawn && row.runningBalance < 0)
            return overdrawnBackground();
        return QVariant();
    default:
        return QVariant();
    }
}

bool RegisterModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    setEntryField(index.column(), value.toString());
    emit dataChanged(index, index);
    return true;
}

QVariant RegisterModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QVariant();
    switch (section) {
    case DateColumn:
        return tr("Date");
    case CheckNumberColumn:
        return tr("Chk #");
    case PayeeColumn:
        return m_twoLine ? tr("Payee / Memo") : tr("Payee");
    case CategoryColumn:
        return tr("Category");
    case MemoColumn:
        return tr("Memo");
    case PaymentColumn:
        return m_liabilityAccount ? tr("Charge") : tr("Payment");
    case DepositColumn:
        return m_liabilityAccount ? tr("Payment") : tr("Deposit");
    case ClearedColumn:
        return tr("Clr");
    case BalanceColumn:
        return tr("Balance");
    default:
        return QVariant();
    }
}

Qt::ItemFlags RegisterModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags readOnly = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    const int column = index.column();
    if (column == ClearedColumn || column == BalanceColumn)
        return readOnly;
    const int row = index.row();
    if (row != entryRow() && row != m_editRow)
        return readOnly;
    const RegisterRow* edited = rowAt(row);
    if (!edited)
        return readOnly | Qt::ItemIsEditable;
    // The opening line added for a starting balance has no row of its own to edit.
    if (edited->id.isEmpty())
        return readOnly;
    // A split's category and amounts come from its split lines.
    if (edited->isSplit && (column == CategoryColumn || column == PaymentColumn || column == DepositColumn))
        return readOnly;
    return readOnly | Qt::ItemIsEditable;
}

void RegisterModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= ColumnCount)
        return;
    m_sortColumn = column;
    m_sortOrder = order;
    beginResetModel();
    sortRows();
    endResetModel();
    emit sortChanged(column, order);
}

void RegisterModel::sortRows()
{
    const size_t count = m_rows.size();
    std::vector<qint64> days(count);
    for (size_t i = 0; i < count; ++i)
        days[i] = m_rows.at(i).date.toJulianDay();

    std::vector<int> order;
    if (m_sortColumn >= CheckNumberColumn && m_sortColumn <= MemoColumn) {
        // Collation keys compare as plain bytes, far cheaper than collating
        // every pair of texts the sort compares.
        const QCollator collator;
        std::vector<QCollatorSortKey> keys;
        keys.reserve(count);
        for (const RegisterRow& row : std::as_const(m_rows)) {
            switch (m_sortColumn) {
            case CheckNumberColumn:
                keys.push_back(collator.sortKey(row.checkNumber));
                break;
            case PayeeColumn:
                keys.push_back(collator.sortKey(row.payee));
                break;
            case CategoryColumn:
                keys.push_back(collator.sortKey(row.categoryText));
                break;
            default:
                keys.push_back(collator.sortKey(row.memo));
                break;
            }
        }
        order = sortedOrder(keys, days, m_sortOrder,
                            [](const QCollatorSortKey& a, const QCollatorSortKey& b) { return a.compare(b); });
    } else {
        std::vector<qint64> keys(count);
        for (size_t i = 0; i < count; ++i) {
            const RegisterRow& row = m_rows.at(i);
            switch (m_sortColumn) {
            case PaymentColumn:
                keys[i] = row.amount < 0 ? -row.amount : -1;
                break;
            case DepositColumn:
                keys[i] = row.amount > 0 ? row.amount : -1;
                break;
            case ClearedColumn:
                keys[i] = clearedRank(row);
                break;
            case BalanceColumn:
                keys[i] = m_liabilityAccount ? -row.runningBalance : row.runningBalance;
                break;
            default:
                keys[i] = days[i];
                break;
            }
        }
        order = sortedOrder(keys, days, m_sortOrder, [](qint64 a, qint64 b) { return (b < a) - (a < b); });
    }

    if (std::is_sorted(order.begin(), order.end()))
        return;
    // Rows still shared with the caller are copied once, not detached and then moved.
    QList<RegisterRow> sorted;
    sorted.reserve(m_rows.size());
    if (m_rows.isDetached()) {
        for (const int index : order)
            sorted.append(std::move(m_rows[index]));
    } else {
        for (const int index : order)
            sorted.append(m_rows.at(index));
    }
    m_rows = std::move(sorted);
}

void RegisterModel::setTransactions(QList<RegisterRow> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    sortRows();
    m_editRow = -1;
    resetEntryBuffer();
    endResetModel();
}

void RegisterModel::setEntryRowVisible(bool visible)
{
    if (visible == m_entryRowVisible)
        return;
    beginResetModel();
    m_entryRowVisible = visible;
    endResetModel();
}

void RegisterModel::setEditRow(int row)
{
    const int previous = m_editRow;
    m_editRow = row;
    notifyRowChanged(previous);
    notifyRowChanged(row);
}

void RegisterModel::notifyRowChanged(int row)
{
    if (row >= 0 && row < rowCount())
        emit dataChanged(index(row, 0), index(row, BalanceColumn));
}

void RegisterModel::setEntryField(int column, const QString& text)
{
    const int slot = slotForColumn(column);
    if (slot >= 0)
        m_entryBuffer[slot] = text;
}

void RegisterModel::resetEntryBuffer()
{
    const QString nextDate = m_entryBuffer[NextEntryDateSlot];
    m_entryBuffer.fill(QString());
    m_entryBuffer[NextEntryDateSlot] = nextDate;
    m_entryBuffer[DateSlot] = nextDate.isEmpty() ? Clock::today().toString(kDateFormat) : nextDate;
}

void RegisterModel::loadEntryBuffer(const Transaction& transaction, const QString& categoryText)
{
    m_entryBuffer[DateSlot] = transaction.date.toString(kDateFormat);
    m_entryBuffer[CheckNumberSlot] = transaction.checkNumber;
    m_entryBuffer[PayeeSlot] = transaction.payee;
    m_entryBuffer[MemoSlot] = transaction.memo;
    m_entryBuffer[CategorySlot] = categoryText;
    m_entryBuffer[CategoryIdSlot] = transaction.categoryId;
    const bool payment = transaction.amount < 0;
    m_entryBuffer[PaymentSlot] = payment ? formatMoneyPlain(-transaction.amount, m_currency) : QString();
    m_entryBuffer[DepositSlot] = payment ? QString() : formatMoneyPlain(transaction.amount, m_currency);
    m_entryBuffer[ClearedSlot] = clearedMark(transaction);
}

RegisterModel::EntryAmount RegisterModel::entryAmount() const
{
    EntryAmount result;
    const QString payment = m_entryBuffer[PaymentSlot].trimmed();
    const QString deposit = m_entryBuffer[DepositSlot].trimmed();
    result.empty = payment.isEmpty() && deposit.isEmpty();
    const std::optional<qint64> paid = readTypedAmount(payment, m_currency);
    const std::optional<qint64> deposited = readTypedAmount(deposit, m_currency);
    // A deposit that payment text outranks is still no amount to pass over in silence.
    if (!paid || !deposited) {
        result.notUnderstood = paid ? deposit : payment;
        return result;
    }
    if (!result.empty)
        result.cents = payment.isEmpty() ? *deposited : -*paid;
    return result;
}

Transaction RegisterModel::entryTransaction(const QString& accountId) const
{
    Transaction transaction;
    transaction.accountId = accountId;
    const QDate date = QDate::fromString(m_entryBuffer[DateSlot], kDateFormat);
    transaction.date = date.isValid() ? date : Clock::today();
    transaction.payee = m_entryBuffer[PayeeSlot].trimmed();
    transaction.memo = m_entryBuffer[MemoSlot];
    transaction.checkNumber = m_entryBuffer[CheckNumberSlot].trimmed();
    transaction.categoryId = m_entryBuffer[CategoryIdSlot];
    transaction.amount = entryAmount().cents.value_or(0);
    return transaction;
}

void RegisterModel::notifyAllRows(const QList<int>& roles)
{
    if (m_rows.isEmpty())
        return;
    emit dataChanged(index(0, 0), index(rowCount() - 1, BalanceColumn), roles);
}

void RegisterModel::setCurrency(Currency currency)
{
    if (currency == m_currency)
        return;
    m_currency = currency;
    notifyAllRows({});
}

void RegisterModel::setTwoLine(bool twoLine)
{
    if (twoLine == m_twoLine)
        return;
    m_twoLine = twoLine;
    emit headerDataChanged(Qt::Horizontal, PayeeColumn, PayeeColumn);
}

void RegisterModel::setEmphasizeNegativeBalance(bool emphasize)
{
    if (emphasize == m_emphasizeNegativeBalance)
        return;
    m_emphasizeNegativeBalance = emphasize;
    notifyAllRows({Qt::BackgroundRole, Qt::FontRole});
}

void RegisterModel::setHighlightOverdrawn(bool highlight)
{
    if (highlight == m_highlightOverdrawn)
        return;
    m_highlightOverdrawn = highlight;
    notifyAllRows({Qt::BackgroundRole});
}

void RegisterModel::setLiabilityAccount(bool liability)
{
    if (liability == m_liabilityAccount)
        return;
    m_liabilityAccount = liability;
    notifyAllRows({Qt::DisplayRole, Qt::ForegroundRole});
    emit headerDataChanged(Qt::Horizontal, PaymentColumn, DepositColumn);
}
