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

Currency SearchResultsModel::currencyAt(qsizetype element) const
{
    return m_currencies.value(rows().accountId(element), currency());
}
