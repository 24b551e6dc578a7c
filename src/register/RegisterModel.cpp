#include "RegisterModel.h"

#include "RegisterRowOrder.h"

#include "data/Clock.h"
#include "widgets/Appearance.h"

#include <QColor>
#include <QFont>

#include <algorithm>
#include <utility>

namespace {

QColor editRowBackground()
{
    return isDarkPalette() ? QColor(0x1A, 0x2E, 0x28) : QColor(0xE8, 0xF5, 0xE9);
}

QColor overdrawnBackground()
{
    return isDarkPalette() ? QColor(0x3A, 0x1E, 0x1E) : QColor(0xFD, 0xEA, 0xEA);
}

// The buffer's slots of each field a row is edited in: the category text with
// its id, the payment with the deposit.
struct FieldSlots
{
    RegisterModel::Field field;
    RegisterModel::EntrySlot first;
    RegisterModel::EntrySlot second;
};
const FieldSlots kFieldSlots[] = {
    {RegisterModel::Field::Date, RegisterModel::DateSlot, RegisterModel::DateSlot},
    {RegisterModel::Field::CheckNumber, RegisterModel::CheckNumberSlot, RegisterModel::CheckNumberSlot},
    {RegisterModel::Field::Payee, RegisterModel::PayeeSlot, RegisterModel::PayeeSlot},
    {RegisterModel::Field::Memo, RegisterModel::MemoSlot, RegisterModel::MemoSlot},
    {RegisterModel::Field::Category, RegisterModel::CategorySlot, RegisterModel::CategoryIdSlot},
    {RegisterModel::Field::Amount, RegisterModel::PaymentSlot, RegisterModel::DepositSlot},
    {RegisterModel::Field::Cleared, RegisterModel::ClearedSlot, RegisterModel::ClearedSlot},
};

QString clearedMark(bool cleared, bool reconciled)
{
    if (reconciled)
        return QStringLiteral("R");
    return cleared ? QStringLiteral("C") : QString();
}

} // namespace

RegisterModel::RegisterModel(QObject* parent)
    : QAbstractTableModel(parent)
{
    clearEntryBuffer();
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

qsizetype RegisterModel::elementAt(int row) const
{
    const int element = m_entryRowVisible && entryRowOnTop() ? row - 1 : row;
    if (element < 0 || element >= m_rows.size())
        return -1;
    return element;
}

int RegisterModel::modelRowOf(qsizetype element) const
{
    return static_cast<int>(element) + (m_entryRowVisible && entryRowOnTop() ? 1 : 0);
}

RegisterRow RegisterModel::transactionAt(int row) const
{
    const qsizetype element = elementAt(row);
    Q_ASSERT_X(element >= 0, "RegisterModel::transactionAt", "the row holds no transaction");
    return m_rows.at(element);
}

std::optional<QString> RegisterModel::copyFromRowAbove(const QModelIndex& current)
{
    if (!current.isValid() || current.row() < 1)
        return std::nullopt;
    const int column = current.column();
    if (!showsBuffer(current.row()))
        return std::nullopt;
    // Clr is flipped rather than typed; anything else the row locks (a split's
    // category and amounts, the balance) stays as it is.
    if (column != ClearedColumn && !flags(current).testFlag(Qt::ItemIsEditable))
        return std::nullopt;
    const int above = current.row() - 1;
    QString value = index(above, column).data(Qt::DisplayRole).toString();
    // A new row is never reconciled without a reconciliation; cleared it may be.
    if (column == ClearedColumn && value == u"R")
        value = QStringLiteral("C");
    setData(current, value, Qt::EditRole);
    // The category saved is the one copied, not one chosen in this row before.
    if (column == CategoryColumn)
        m_entryBuffer[CategoryIdSlot] = isTransactionRow(above) ? transactionAt(above).categoryId : QString();
    return value;
}

bool RegisterModel::isTransactionRow(int row) const
{
    return elementAt(row) >= 0;
}

QString RegisterModel::transactionIdAt(int row) const
{
    const qsizetype element = elementAt(row);
    return element >= 0 ? m_rows.id(element) : QString();
}

int RegisterModel::rowOf(const QString& id) const
{
    const qsizetype element = m_rows.indexOf(id);
    return element >= 0 ? modelRowOf(element) : -1;
}

int RegisterModel::rowOf(const QString& id, int near) const
{
    for (const int row : {near, near - 1, near + 1}) {
        const qsizetype element = elementAt(row);
        if (element >= 0 && !id.isEmpty() && m_rows.id(element) == id)
            return row;
    }
    return rowOf(id);
}

QVariant RegisterModel::data(const QModelIndex& index, int role) const
{
    QModelRoleData roleData(role);
    multiData(index, roleData);
    return roleData.data();
}

void RegisterModel::multiData(const QModelIndex& index, QModelRoleDataSpan roleDataSpan) const
{
    const qsizetype element = index.isValid() ? elementAt(index.row()) : -1;
    for (QModelRoleData& roleData : roleDataSpan) {
        QVariant value = index.isValid() ? bufferData(index.row(), index.column(), roleData.role()) : QVariant();
        if (!value.isValid() && element >= 0)
            value = rowData(element, index.row(), index.column(), roleData.role());
        roleData.setData(std::move(value));
    }
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
            const qsizetype edited = elementAt(row);
            if (edited >= 0 && m_rows.isSplit(edited))
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
            return mutedTextColor();
        return QVariant();
    case Qt::BackgroundRole:
        return m_twoLine ? QVariant() : QVariant(editRowBackground());
    default:
        return QVariant();
    }
}

Currency RegisterModel::currencyAt(qsizetype /*element*/) const
{
    return m_currency;
}

QString RegisterModel::displayText(qsizetype element, int column) const
{
    const qint64 amount = m_rows.amount(element);
    switch (column) {
    case DateColumn:
        return m_rows.date(element).toString(kDateFormat);
    case CheckNumberColumn:
        return m_rows.checkNumber(element);
    case PayeeColumn:
        return m_rows.payee(element);
    case CategoryColumn:
        return m_rows.isSplit(element) ? tr("—Split—") : m_rows.categoryText(element);
    case MemoColumn:
        return m_rows.memo(element);
    case PaymentColumn:
        return amount < 0 ? formatMoneyPlainSigned(amount, true, currencyAt(element)) : QString();
    case DepositColumn:
        return amount >= 0 ? formatMoneyPlain(amount, currencyAt(element)) : QString();
    case ClearedColumn:
        return clearedMark(m_rows.cleared(element), m_rows.reconciled(element));
    case BalanceColumn:
        return formatMoneyPlainSigned(m_rows.runningBalance(element), m_liabilityAccount, currencyAt(element));
    default:
        return QString();
    }
}

QVariant RegisterModel::rowData(qsizetype element, int modelRow, int column, int role) const
{
    const bool amountColumn = column == PaymentColumn || column == DepositColumn || column == BalanceColumn;
    const MoneySum balance = m_rows.runningBalance(element);
    const bool overdrawn = balance.isNegative();
    const bool shownNegative = m_liabilityAccount ? (-balance).isNegative() : overdrawn;

    switch (role) {
    case Qt::DisplayRole:
        return displayText(element, column);
    case Qt::EditRole:
        if (column == BalanceColumn)
            return QVariant();
        return column == CategoryColumn ? m_rows.categoryText(element) : displayText(element, column);
    case Qt::TextAlignmentRole:
        if (amountColumn)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        if (column == ClearedColumn)
            return int(Qt::AlignHCenter | Qt::AlignVCenter);
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::ForegroundRole:
        if (column == MemoColumn || column == ClearedColumn)
            return mutedTextColor();
        if (column == PaymentColumn)
            return negativeAmountColor();
        if (column == DepositColumn && m_rows.amount(element) >= 0)
            return positiveAmountColor();
        if (column == BalanceColumn && (shownNegative || !balance.fits()))
            return negativeAmountColor();
        return QVariant();
    case Qt::FontRole: {
        if (!amountColumn)
            return QVariant();
        QFont font = monospaceFont();
        if (column == BalanceColumn && m_emphasizeNegativeBalance && overdrawn)
            font.setWeight(QFont::Bold);
        return font;
    }
    case Qt::BackgroundRole:
        if (modelRow == m_editRow && !m_twoLine)
            return editRowBackground();
        if (m_emphasizeNegativeBalance && m_highlightOverdrawn && overdrawn)
            return overdrawnBackground();
        return QVariant();
    default:
        return QVariant();
    }
}

bool RegisterModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    // The buffer belongs to one row: text typed anywhere else is no part of it.
    if (!index.isValid() || role != Qt::EditRole || !showsBuffer(index.row()))
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
    const qsizetype edited = elementAt(row);
    if (edited < 0)
        return readOnly | Qt::ItemIsEditable;
    // The opening line added for a starting balance has no row of its own to edit.
    if (!m_rows.hasId(edited))
        return readOnly;
    // A split's category and amounts come from its split lines.
    if (m_rows.isSplit(edited) && (column == CategoryColumn || column == PaymentColumn || column == DepositColumn))
        return readOnly;
    return readOnly | Qt::ItemIsEditable;
}

void RegisterModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= ColumnCount)
        return;
    // The current cell and the row being edited stay with their transactions,
    // and an open editor with its cell.
    resortKeepingPersistentIndexes(column, order);
    emit sortChanged(column, order);
}

std::vector<int> RegisterModel::sortRows()
{
    std::vector<int> order = RegisterRowOrder(m_rows, m_sortColumn, m_sortOrder, m_liabilityAccount).sorted();
    m_rows.reorder(order);
    return order;
}

void RegisterModel::setTransactions(RegisterRows rows, Typing typing)
{
    beginResetModel();
    m_rows = std::move(rows);
    sortRows();
    const qsizetype edited = typing == Typing::Keep && m_editRow >= 0 ? elementOfEdit() : -1;
    if (edited >= 0) {
        m_editRow = modelRowOf(edited);
        rebaseEdit(m_rows.at(edited));
    } else if (typing == Typing::Drop || m_editRow >= 0) {
        endEdit();
    }
    endResetModel();
}

bool RegisterModel::applyRow(const QString& id, const std::optional<RegisterRow>& fresh, int near)
{
    const int shown = rowOf(id, near);
    return applyRowAt(shown >= 0 ? elementAt(shown) : -1, fresh);
}

bool RegisterModel::applyNewRow(const RegisterRow& fresh)
{
    return applyRowAt(-1, fresh);
}

bool RegisterModel::applyRowAt(qsizetype old, const std::optional<RegisterRow>& fresh)
{
    if (old < 0 && !fresh)
        return true;
    // The edit row goes with its transaction; applied itself, it shows what is
    // now stored wherever nothing was typed.
    qsizetype edited = m_editRow >= 0 ? elementAt(m_editRow) : -1;
    const bool editedApplied = edited >= 0 && edited == old;
    std::optional<quint32> place;
    if (fresh) {
        place = m_rows.ledgerPlace(*fresh, old);
        if (!place)
            return false;
    } else if (m_rows.hasOpeningLine()) {
        return false;
    }
    // The running balances move on the rows placed after this one in the ledger
    // (numbered as they will be), unless it keeps its place and its amount.
    const qint64 oldAmount = old >= 0 ? m_rows.amount(old) : 0;
    std::optional<quint32> movedAfter;
    if (oldAmount != 0) {
        const quint32 oldPlace = m_rows.order(old);
        movedAfter = place && *place <= oldPlace ? oldPlace + 1 : oldPlace;
    }
    if (fresh && fresh->amount != 0)
        movedAfter = std::min(movedAfter.value_or(*place), *place);
    if (old >= 0 && fresh && *place == m_rows.order(old) && fresh->amount == oldAmount)
        movedAfter.reset();

    const RegisterRowOrder order(m_rows, m_sortColumn, m_sortOrder, m_liabilityAccount);
    const qsizetype position = fresh ? order.positionOf(*fresh, *place, old) : -1;
    if (old >= 0 && position == old) {
        if (*place == m_rows.order(old)) {
            m_rows.replaceInLedger(old, *fresh);
        } else {
            m_rows.removeFromLedger(old);
            m_rows.insertIntoLedger(old, *fresh, *place);
        }
        if (editedApplied)
            rebaseEdit(*fresh);
        notifyRowChanged(modelRowOf(old));
    } else {
        if (old >= 0) {
            beginRemoveRows(QModelIndex(), modelRowOf(old), modelRowOf(old));
            m_rows.removeFromLedger(old);
            if (editedApplied)
                edited = -1;
            else if (edited > old)
                --edited;
            // Until it comes back, no row shows the buffer of the row taken out.
            m_editRow = edited >= 0 ? modelRowOf(edited) : -1;
            endRemoveRows();
        }
        if (fresh) {
            beginInsertRows(QModelIndex(), modelRowOf(position), modelRowOf(position));
            m_rows.insertIntoLedger(position, *fresh, *place);
            if (editedApplied)
                edited = position;
            else if (edited >= position)
                ++edited;
            if (edited >= 0)
                m_editRow = modelRowOf(edited);
            if (editedApplied)
                rebaseEdit(*fresh);
            endInsertRows();
        }
        // Its transaction gone, the edit ends; the entry row shows its own buffer again.
        if (editedApplied && !fresh) {
            endEdit();
            notifyRowChanged(entryRow());
        }
    }
    // Sorted by balance, the changed row's place in the order was only a guess.
    if (m_sortColumn == BalanceColumn)
        resortKeepingPersistentIndexes(m_sortColumn, m_sortOrder);
    else if (movedAfter)
        notifyBalancesAfter(*movedAfter,
                            (MoneySum(oldAmount).abs() + MoneySum(fresh ? fresh->amount : 0).abs()).clamped());
    return true;
}

void RegisterModel::notifyBalancesAfter(quint32 place, qint64 largestShift)
{
    // A balance that crossed zero tints or untints its whole row: one that
    // moved by at most largestShift and is that close to zero may have.
    const bool tinted = m_emphasizeNegativeBalance && m_highlightOverdrawn;
    constexpr qsizetype kRowsToName = 64;
    const RegisterRows::RowsAfter after = m_rows.rowsAfter(place, tinted ? largestShift : -1, kRowsToName);
    if (after.first < 0)
        return;
    const bool wholeRows = after.nearZero.size() > kRowsToName;
    emit dataChanged(index(modelRowOf(after.first), wholeRows ? DateColumn : BalanceColumn),
                     index(modelRowOf(after.last), BalanceColumn));
    if (!wholeRows) {
        for (const qsizetype i : after.nearZero)
            notifyRowChanged(modelRowOf(i));
    }
}

void RegisterModel::resortKeepingPersistentIndexes(int column, Qt::SortOrder sortOrder)
{
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    const int entryBefore = entryRow();
    const qsizetype editedBefore = m_editRow >= 0 ? elementAt(m_editRow) : -1;
    QList<qsizetype> elements;
    elements.reserve(before.size());
    for (const QModelIndex& index : before)
        elements.append(elementAt(index.row()));
    // The rows are mapped as they stood: sorted newest first, the entry row is on top.
    m_sortColumn = column;
    m_sortOrder = sortOrder;
    const std::vector<int> order = sortRows();
    // Where each row went: order names the row each place now holds.
    std::vector<int> placeOf(order.size());
    for (std::size_t place = 0; place < order.size(); ++place)
        placeOf[order[place]] = static_cast<int>(place);
    const auto rowNow = [&](int rowBefore, qsizetype element) {
        if (element >= 0)
            return modelRowOf(placeOf[element]);
        // The entry row moves between the top and the end with the sort.
        return rowBefore == entryBefore ? entryRow() : rowBefore;
    };
    if (editedBefore >= 0)
        m_editRow = rowNow(m_editRow, editedBefore);
    QModelIndexList after;
    after.reserve(before.size());
    for (qsizetype i = 0; i < before.size(); ++i)
        after.append(index(rowNow(before.at(i).row(), elements.at(i)), before.at(i).column()));
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void RegisterModel::setEntryRowVisible(bool visible)
{
    if (visible == m_entryRowVisible)
        return;
    beginResetModel();
    const qsizetype edited = m_editRow >= 0 ? elementAt(m_editRow) : -1;
    m_entryRowVisible = visible;
    if (edited >= 0)
        m_editRow = modelRowOf(edited);
    endResetModel();
}

void RegisterModel::setEditRow(int row)
{
    const int previous = m_editRow;
    m_editRow = isTransactionRow(row) ? row : -1;
    m_editId = m_editRow >= 0 ? transactionIdAt(m_editRow) : QString();
    row = m_editRow;
    notifyRowChanged(previous);
    notifyRowChanged(row);
    // The entry row shows what is typed into it only while no other row is edited.
    if ((previous == -1) != (row == -1))
        notifyRowChanged(entryRow());
}

void RegisterModel::loadEditRow(int row)
{
    if (!isTransactionRow(row))
        return;
    loadEntryBuffer(transactionAt(row));
    setEditRow(row);
}

bool RegisterModel::showsBuffer(int row) const
{
    return row >= 0 && row == (m_editRow >= 0 ? m_editRow : entryRow());
}

qsizetype RegisterModel::elementOfEdit() const
{
    if (m_editId.isEmpty()) {
        // The opening line of a starting balance, the one row without an id.
        for (qsizetype i = 0; m_rows.hasOpeningLine() && i < m_rows.size(); ++i) {
            if (!m_rows.hasId(i))
                return i;
        }
        return -1;
    }
    return m_rows.indexOf(m_editId);
}

void RegisterModel::endEdit()
{
    m_editRow = -1;
    m_editId.clear();
    clearEntryBuffer();
}

bool RegisterModel::isTyped(RegisterModel::Field field) const
{
    for (const FieldSlots& each : kFieldSlots) {
        if (each.field == field)
            return m_entryBuffer[each.first] != m_loadedBuffer[each.first]
                   || m_entryBuffer[each.second] != m_loadedBuffer[each.second];
    }
    return false;
}

void RegisterModel::rebaseEdit(const RegisterRow& fresh)
{
    const Buffer stored = bufferOf(fresh);
    for (const FieldSlots& field : kFieldSlots) {
        if (!isTyped(field.field)) {
            m_entryBuffer[field.first] = stored[field.first];
            m_entryBuffer[field.second] = stored[field.second];
        }
    }
    for (int slot = 0; slot < NextEntryDateSlot; ++slot)
        m_loadedBuffer[slot] = stored[slot];
}

RegisterModel::Fields RegisterModel::typedFields() const
{
    Fields typed;
    for (const FieldSlots& field : kFieldSlots)
        typed.setFlag(field.field, m_editRow < 0 || isTyped(field.field));
    return typed;
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
    clearEntryBuffer();
    notifyRowChanged(entryRow());
}

void RegisterModel::clearEntryBuffer()
{
    const QString nextDate = m_entryBuffer[NextEntryDateSlot];
    m_entryBuffer.fill(QString());
    m_filledAmountTexts = {};
    m_entryBuffer[NextEntryDateSlot] = nextDate;
    m_entryBuffer[DateSlot] = nextDate.isEmpty() ? Clock::today().toString(kDateFormat) : nextDate;
}

void RegisterModel::fillEntryAmount(qint64 amount)
{
    const Buffer filled = bufferOf({}, {}, {}, {}, {}, {}, amount, false, false);
    m_entryBuffer[PaymentSlot] = filled[PaymentSlot];
    m_entryBuffer[DepositSlot] = filled[DepositSlot];
    m_filledAmountTexts = {filled[PaymentSlot], filled[DepositSlot]};
}

void RegisterModel::loadEntryBuffer(const Transaction& transaction, const QString& categoryText)
{
    loadBuffer(bufferOf(transaction.date, transaction.checkNumber, transaction.payee, transaction.memo, categoryText,
                        transaction.categoryId, transaction.amount, transaction.cleared, transaction.reconciled));
}

void RegisterModel::loadEntryBuffer(const RegisterRow& row)
{
    loadBuffer(bufferOf(row));
}

void RegisterModel::loadBuffer(const Buffer& loaded)
{
    const QString nextDate = m_entryBuffer[NextEntryDateSlot];
    m_entryBuffer = loaded;
    m_entryBuffer[NextEntryDateSlot] = nextDate;
    m_loadedBuffer = loaded;
    m_filledAmountTexts = {};
}

RegisterModel::Buffer RegisterModel::bufferOf(const RegisterRow& row) const
{
    return bufferOf(row.date, row.checkNumber, row.payee, row.memo, row.categoryText, row.categoryId, row.amount,
                    row.cleared, row.reconciled);
}

RegisterModel::Buffer RegisterModel::bufferOf(const QDate& date, const QString& checkNumber, const QString& payee,
                                              const QString& memo, const QString& categoryText,
                                              const QString& categoryId, qint64 amount, bool cleared,
                                              bool reconciled) const
{
    Buffer buffer;
    buffer[DateSlot] = date.toString(kDateFormat);
    buffer[CheckNumberSlot] = checkNumber;
    buffer[PayeeSlot] = payee;
    buffer[MemoSlot] = memo;
    buffer[CategorySlot] = categoryText;
    buffer[CategoryIdSlot] = categoryId;
    const bool payment = amount < 0;
    buffer[PaymentSlot] = payment ? formatMoneyPlainSigned(amount, true, m_currency) : QString();
    buffer[DepositSlot] = payment ? QString() : formatMoneyPlain(amount, m_currency);
    buffer[ClearedSlot] = clearedMark(cleared, reconciled);
    return buffer;
}

RegisterModel::EntryAmount RegisterModel::entryAmount() const
{
    EntryAmount result;
    const QString payment = m_entryBuffer[PaymentSlot].trimmed();
    const QString deposit = m_entryBuffer[DepositSlot].trimmed();
    result.empty = payment.isEmpty() && deposit.isEmpty();
    const auto shows = [this](const QString& paymentText, const QString& depositText) {
        return m_entryBuffer[PaymentSlot] == paymentText && m_entryBuffer[DepositSlot] == depositText;
    };
    const bool stored = (m_editRow >= 0 && shows(m_loadedBuffer[PaymentSlot], m_loadedBuffer[DepositSlot]))
                        || (!result.empty && shows(m_filledAmountTexts[0], m_filledAmountTexts[1]));
    const auto read = stored ? readAmountOfAnySize : readTypedAmount;
    const std::optional<qint64> paid = read(payment, m_currency, {});
    const std::optional<qint64> deposited = read(deposit, m_currency, {});
    // A deposit that payment text outranks is still no amount to pass over in silence.
    if (!paid || !deposited) {
        result.notUnderstood = paid ? deposit : payment;
        result.tooLarge = readAmountOfAnySize(result.notUnderstood, m_currency).has_value();
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
    transaction.memo = m_entryBuffer[MemoSlot].trimmed();
    transaction.checkNumber = m_entryBuffer[CheckNumberSlot].trimmed();
    transaction.categoryId = m_entryBuffer[CategoryIdSlot];
    transaction.amount = entryAmount().cents.value_or(0);
    const QString mark = m_entryBuffer[ClearedSlot].trimmed().toUpper();
    transaction.cleared = mark == u"C" || mark == u"R";
    transaction.reconciled = mark == u"R";
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
