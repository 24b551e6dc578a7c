#include "SearchResultsModel.h"

SearchResultsModel::SearchResultsModel(QObject* parent)
    : RegisterModel(parent)
{
    setEntryRowVisible(false);
}

void SearchResultsModel::setResults(const QList<RegisterRow>& rows, const QHash<QString, Currency>& currencies)
{
    m_currencies = currencies;
    setTransactions(rows);
}

QVariant SearchResultsModel::data(const QModelIndex& index, int role) const
{
    const int column = index.column();
    const bool amountText = (role == Qt::DisplayRole || role == Qt::EditRole)
        && (column == PaymentColumn || column == DepositColumn);
    if (!amountText || !checkIndex(index, CheckIndexOption::IndexIsValid) || index.row() >= transactionCount())
        return RegisterModel::data(index, role);
    const RegisterRow row = transactionAt(index.row());
    const Currency currency = m_currencies.value(row.accountId, this->currency());
    if (column == PaymentColumn)
        return row.amount < 0 ? formatMoneyPlain(-row.amount, currency) : QString();
    return row.amount >= 0 ? formatMoneyPlain(row.amount, currency) : QString();
}
